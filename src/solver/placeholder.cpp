// replaced by the solver sources
