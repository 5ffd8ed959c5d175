// replaced by the drawing sources
