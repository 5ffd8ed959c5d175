// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The edge data the benchmarks draw and write: every box count given, the
// values spread over 0 … 1000 without a clock, the same on every run.

#include "model/graphdata.h"

#include <memory>
#include <vector>

inline stagepath::EdgeDataPtr makeEdges(std::vector<qint64> counts)
{
    auto e = std::make_shared<stagepath::EdgeData>();
    e->shape = stagepath::GraphShape(std::move(counts));
    e->values.resize(size_t(e->shape.edgeCount()));
    for (size_t i = 0; i < e->values.size(); ++i)
        e->values[i] = double((i * 7919) % 1001);
    return e;
}
