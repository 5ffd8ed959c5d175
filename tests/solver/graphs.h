// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small graphs for the solver tests, built directly as edge data.

#include "model/graphdata.h"
#include "model/numbers.h"

#include <QRandomGenerator>

#include <functional>
#include <memory>
#include <vector>

namespace stagepath::test {

// A graph with the given box counts whose edge values come from value(row).
inline std::shared_ptr<EdgeData> makeGraph(std::vector<qint64> counts,
                                           const std::function<double(qint64)> &value)
{
    auto data = std::make_shared<EdgeData>();
    data->shape = GraphShape(std::move(counts));
    data->values.resize(size_t(data->shape.edgeCount()));
    for (qint64 r = 0; r < data->shape.edgeCount(); ++r)
        data->values[size_t(r)] = value(r);
    return data;
}

// Sets the text of an edge as a user's edit would: the value is what the text reads as.
inline void setText(EdgeData &data, qint64 row, const QString &text)
{
    const auto number = parseNumber(text);
    data.values[size_t(row)] = number ? *number : qQNaN();
    if (number && formatNumber(*number) == text)
        data.texts.remove(row);
    else
        data.texts.insert(row, text);
}

// Every path in listing order, each as its 0-based positions, by counting up
// the last column first.
inline std::vector<std::vector<qint64>> allPaths(const GraphShape &shape)
{
    std::vector<std::vector<qint64>> paths;
    const int columns = shape.columnCount();
    for (int c = 0; c < columns; ++c) {
        if (shape.boxCount(c) == 0)
            return paths;
    }
    std::vector<qint64> p(size_t(columns), 0);
    for (;;) {
        paths.push_back(p);
        int c = columns - 1;
        while (c >= 0 && ++p[size_t(c)] == shape.boxCount(c))
            p[size_t(c--)] = 0;
        if (c < 0)
            return paths;
    }
}

} // namespace stagepath::test
