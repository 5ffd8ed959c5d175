// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphdata.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace stagepath {

GraphShape::GraphShape(std::vector<qint64> boxCounts)
    : m_counts(std::move(boxCounts))
{
    m_firstBox.resize(m_counts.size() + 1, 0);
    for (size_t c = 0; c < m_counts.size(); ++c)
        m_firstBox[c + 1] = m_firstBox[c] + m_counts[c];
    const size_t stages = m_counts.empty() ? 0 : m_counts.size() - 1;
    m_stageStart.resize(stages + 1, 0);
    for (size_t s = 0; s < stages; ++s)
        m_stageStart[s + 1] = m_stageStart[s] + m_counts[s] * m_counts[s + 1];
}

qint64 GraphShape::largestColumn() const
{
    return m_counts.empty() ? 0 : *std::max_element(m_counts.begin(), m_counts.end());
}

GraphShape::Edge GraphShape::edgeAt(qint64 row) const
{
    // The first stage whose end lies beyond the row; empty stages are skipped
    // because their start equals their end.
    const auto it = std::upper_bound(m_stageStart.begin(), m_stageStart.end(), row);
    const int stage = int(it - m_stageStart.begin()) - 1;
    const qint64 offset = row - m_stageStart[size_t(stage)];
    const qint64 right = m_counts[size_t(stage) + 1];
    return Edge{stage, offset / right, offset % right};
}

qint64 GraphShape::pathCount(qint64 cap) const
{
    if (m_counts.empty())
        return 0;
    qint64 product = 1;
    for (qint64 n : m_counts) {
        if (n == 0)
            return 0;
    }
    for (qint64 n : m_counts) {
        if (product > cap / n)
            return cap;
        product *= n;
    }
    return std::min(product, cap);
}

bool isMissingRoadText(QStringView text)
{
    return text.trimmed() == u"-";
}

double edgeValueOfText(QStringView text, const QLocale &locale)
{
    if (isMissingRoadText(text))
        return kMissingRoad;
    const auto number = parseNumber(text, locale);
    return number ? *number : std::numeric_limits<double>::quiet_NaN();
}

QString EdgeData::text(qint64 row) const
{
    const auto it = texts.constFind(row);
    if (it != texts.constEnd())
        return *it;
    const double v = values[size_t(row)];
    return v == kMissingRoad ? QStringLiteral("-") : formatNumber(v);
}

bool EdgeData::isNumber(qint64 row) const
{
    return !std::isnan(values[size_t(row)]);
}

bool EdgeData::hasMissing() const
{
    return std::find(values.begin(), values.end(), kMissingRoad) != values.end();
}

QString EdgeData::boxLabel(qint64 globalBox) const
{
    if (names && globalBox >= 1 && size_t(globalBox) <= names->size()) {
        const QString &name = (*names)[size_t(globalBox - 1)];
        if (!name.isEmpty())
            return name;
    }
    return QString::number(globalBox);
}

bool EdgeData::hasNames() const
{
    return names && std::any_of(names->begin(), names->end(), [](const QString &n) { return !n.isEmpty(); });
}

std::optional<qint64> EdgeData::firstNonNumber() const
{
    // Every text that is not a number is kept in texts, so only they are looked at.
    std::optional<qint64> first;
    for (auto it = texts.constBegin(); it != texts.constEnd(); ++it) {
        if (std::isnan(values[size_t(it.key())]) && (!first || it.key() < *first))
            first = it.key();
    }
    return first;
}

} // namespace stagepath
