// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The step table in exercise mode: the student's box totals instead of the
// program's, typed in the table and marked after a check.

#include "exercisesheet.h"
#include "steptable.h"

#include <QBrush>
#include <QColor>

namespace stagepath {

QString exerciseCellText(const ExerciseSheet &sheet, qint64 box, int column)
{
    switch (column) {
    case StepTable::BoxColumn: return sheet.graph()->boxLabel(box + 1);
    case StepTable::ColumnColumn: return QString::number(sheet.columnOf(box) + 1);
    case StepTable::TotalColumn: return sheet.typedTotal(box);
    default: return QString();
    }
}

void StepTable::setExercise(ExerciseSheet *sheet)
{
    if (sheet == m_exercise)
        return;
    beginResetModel();
    if (m_exercise)
        disconnect(m_exercise, nullptr, this, nullptr);
    m_exercise = sheet;
    if (sheet) {
        connect(sheet, &ExerciseSheet::graphAboutToChange, this, &StepTable::beginResetModel);
        connect(sheet, &ExerciseSheet::graphChanged, this, &StepTable::endResetModel);
        connect(sheet, &ExerciseSheet::marksChanged, this, [this] {
            if (rowCount() > 0)
                Q_EMIT dataChanged(index(0, TotalColumn), index(rowCount() - 1, TotalColumn));
        });
        connect(sheet, &QObject::destroyed, this, [this] { setExercise(nullptr); });
    }
    endResetModel();
}

QVariant StepTable::data(const QModelIndex &index, int role) const
{
    if (!m_exercise || !index.isValid() || index.column() != TotalColumn)
        return TextTable::data(index, role);
    const qint64 box = index.row();
    switch (role) {
    case Qt::EditRole: return m_exercise->typedTotal(box);
    case Qt::BackgroundRole:
        switch (m_exercise->mark(box)) {
        case ExerciseSheet::Mark::Right: return QBrush(QColor(0xc8, 0xf0, 0xc8));
        case ExerciseSheet::Mark::Wrong: return QBrush(QColor(0xf8, 0xc0, 0xc0));
        default: return QVariant();
        }
    case Qt::ToolTipRole: {
        const QString tip = m_exercise->markTip(box);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    default: return TextTable::data(index, role);
    }
}

Qt::ItemFlags StepTable::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags plain = TextTable::flags(index);
    return m_exercise && index.isValid() && index.column() == TotalColumn ? plain | Qt::ItemIsEditable : plain;
}

bool StepTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!m_exercise || role != Qt::EditRole || !index.isValid() || index.column() != TotalColumn)
        return false;
    m_exercise->typeBoxTotal(index.row(), value.toString().trimmed());
    return true;
}

} // namespace stagepath
