// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steptable.h"

#include "model/numbers.h"
#include "validation.h"

#include <QCoreApplication>

namespace stagepath {

StepTable::StepTable(QObject *parent)
    : TextTable(parent)
{
}

void StepTable::setGraph(EdgeDataPtr snapshot, PathMode mode)
{
    QString problem;
    std::shared_ptr<const BestPathSearch> search;
    if (snapshot) {
        if (const auto why = checkComputable(*snapshot))
            problem = *why;
        else
            search = std::make_shared<const BestPathSearch>(*snapshot, mode);
    }
    setSearch(std::move(snapshot), std::move(search), problem);
}

void StepTable::setSearch(EdgeDataPtr snapshot, std::shared_ptr<const BestPathSearch> search, const QString &problem)
{
    beginResetModel();
    m_snapshot = std::move(snapshot);
    m_search = search && search->computed() ? std::move(search) : nullptr;
    m_problem = problem;
    endResetModel();
}

void StepTable::clear()
{
    beginResetModel();
    m_search.reset();
    m_snapshot.reset();
    m_problem.clear();
    endResetModel();
}

QString StepTable::bestTotalText() const
{
    return m_search && m_search->hasPath() ? formatNumber(m_search->total()) : QString();
}

QString StepTable::bestPathCountText() const
{
    return countText(m_search && m_search->hasPath() ? m_search->pathCount() : 0);
}

QString StepTable::countText(quint64 count)
{
    if (count >= BestPathSearch::countLimit)
        return QStringLiteral("> %1").arg(BestPathSearch::countLimit - 1);
    return QString::number(count);
}

QString StepTable::headerText(int column) const
{
    switch (column) {
    case BoxColumn: return QCoreApplication::translate("StepTable", "Kutu");
    case ColumnColumn: return QCoreApplication::translate("StepTable", "Sütun");
    case TotalColumn: return QCoreApplication::translate("StepTable", "En iyi toplam");
    case PreviousColumn: return QCoreApplication::translate("StepTable", "Önceki kutu");
    case TiesColumn: return QCoreApplication::translate("StepTable", "Eşit yollar");
    default: return QString();
    }
}

QString StepTable::cellText(int box, int column) const
{
    switch (column) {
    case BoxColumn: return QString::number(box + 1);
    case ColumnColumn: return QString::number(m_search->columnOf(box) + 1);
    case TotalColumn: return m_search->reached(box) ? formatNumber(m_search->bestTotal(box)) : QStringLiteral("-");
    case PreviousColumn: {
        const qint64 previous = m_search->previousBox(box);
        return previous < 0 ? QString() : QString::number(previous + 1);
    }
    case TiesColumn: return countText(m_search->tieCount(box));
    default: return QString();
    }
}

int StepTable::rows() const
{
    return m_search ? int(m_search->shape().totalBoxes()) : 0;
}

} // namespace stagepath
