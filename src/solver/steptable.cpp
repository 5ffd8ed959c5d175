// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "steptable.h"

#include "exercisesheet.h"

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

void StepTable::setSteps(std::shared_ptr<const StageProgram> program, int step)
{
    if (program == m_program && (program ? step : 0) == m_step)
        return;
    // A reset, not a change of every row: views answer a change of a range
    // cell by cell, and a step may show or hide a hundred thousand boxes.
    beginResetModel();
    m_program = std::move(program);
    m_step = m_program ? step : 0;
    endResetModel();
}

bool StepTable::isHidden(int box) const
{
    if (!m_program || m_step <= 0 || m_step >= m_program->stepCount()
        || m_program->shape().totalBoxes() != m_search->shape().totalBoxes())
        return false;
    return !m_program->isSolvedBy(m_search->columnOf(box), m_step);
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
    case PreviousColumn:
        return isBackward() ? QCoreApplication::translate("StepTable", "Sonraki kutu")
                            : QCoreApplication::translate("StepTable", "Önceki kutu");
    case TiesColumn: return QCoreApplication::translate("StepTable", "Eşit yollar");
    default: return QString();
    }
}

QString StepTable::cellText(int box, int column) const
{
    if (m_exercise)
        return exerciseCellText(*m_exercise, box, column);
    if (column >= TotalColumn && isHidden(box))
        return QString();
    if (column >= TotalColumn && isBackward() && m_program->shape().totalBoxes() == m_search->shape().totalBoxes()) {
        const StageProgram &p = *m_program;
        if (column == TotalColumn)
            return p.reachable(box) ? formatNumber(p.best(box)) : QStringLiteral("-");
        if (column == PreviousColumn)
            return p.firstChoice(box) < 0 ? QString() : p.data().boxLabel(p.firstChoice(box) + 1);
        return countText(p.tieCount(box));
    }
    switch (column) {
    case BoxColumn: return boxLabel(box);
    case ColumnColumn: return QString::number(m_search->columnOf(box) + 1);
    case TotalColumn: return m_search->reached(box) ? formatNumber(m_search->bestTotal(box)) : QStringLiteral("-");
    case PreviousColumn: {
        const qint64 previous = m_search->previousBox(box);
        return previous < 0 ? QString() : boxLabel(previous);
    }
    case TiesColumn: return countText(m_search->tieCount(box));
    default: return QString();
    }
}

QString StepTable::boxLabel(qint64 box) const
{
    return m_snapshot ? m_snapshot->boxLabel(box + 1) : QString::number(box + 1);
}

int StepTable::rows() const
{
    if (m_exercise)
        return int(m_exercise->boxCount());
    return m_search ? int(m_search->shape().totalBoxes()) : 0;
}

} // namespace stagepath
