// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rankedpathtable.h"

#include "model/numbers.h"
#include "paths.h"
#include "validation.h"

#include <QCoreApplication>

namespace stagepath {

RankedPathTable::RankedPathTable(QObject *parent)
    : TextTable(parent)
{
}

void RankedPathTable::setGraph(EdgeDataPtr snapshot, PathMode mode)
{
    m_snapshot = std::move(snapshot);
    m_mode = mode;
    rank();
}

void RankedPathTable::setCount(int count)
{
    m_count = qBound(1, count, largestCount);
    rank();
}

void RankedPathTable::setPaths(EdgeDataPtr snapshot, PathMode mode, int count, RankedPathsPtr paths,
                               const QString &problem)
{
    beginResetModel();
    m_snapshot = std::move(snapshot);
    m_mode = mode;
    m_count = qBound(1, count, largestCount);
    m_paths = problem.isEmpty() ? std::move(paths) : nullptr;
    m_problem = problem;
    endResetModel();
}

void RankedPathTable::clear()
{
    m_snapshot.reset();
    rank();
}

void RankedPathTable::rank()
{
    beginResetModel();
    m_paths.reset();
    m_problem.clear();
    if (m_snapshot) {
        if (const auto problem = checkComputable(*m_snapshot))
            m_problem = *problem;
        else
            m_paths = std::make_shared<const std::vector<RankedPath>>(rankedPaths(*m_snapshot, m_mode, m_count));
    }
    endResetModel();
}

QString RankedPathTable::headerText(int column) const
{
    switch (column) {
    case RankColumn: return QCoreApplication::translate("RankedPathTable", "Sıra");
    case TotalColumn: return QCoreApplication::translate("RankedPathTable", "Toplam");
    case PathColumn: return QCoreApplication::translate("RankedPathTable", "Yol");
    case RowColumn: return QCoreApplication::translate("RankedPathTable", "Satır");
    default: return QString();
    }
}

QString RankedPathTable::cellText(int row, int column) const
{
    const RankedPath &path = (*m_paths)[size_t(row)];
    switch (column) {
    case RankColumn: return QString::number(row + 1);
    case TotalColumn: return formatNumber(path.total);
    case PathColumn: return pathText(*m_snapshot, path.positions);
    case RowColumn: return path.row ? QString::number(quint64(*path.row) + 1) : QString();
    default: return QString();
    }
}

} // namespace stagepath
