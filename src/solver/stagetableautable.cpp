// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stagetableautable.h"

#include "model/numbers.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QStringList>

namespace stagepath {

StageTableauTable::StageTableauTable(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void StageTableauTable::setStep(std::shared_ptr<const StageProgram> program, int step)
{
    beginResetModel();
    m_program = step > 0 && program && step <= program->stepCount() ? std::move(program) : nullptr;
    m_step = m_program ? step : 0;
    m_page = 0;
    m_choiceTexts.clear();
    endResetModel();
}

qint64 StageTableauTable::neighbourCount() const
{
    if (!m_program || m_step <= 1)
        return 0;
    return m_program->shape().boxCount(m_program->neighbourColumn(m_step));
}

int StageTableauTable::pageCount() const
{
    return int(qMax<qint64>(1, (neighbourCount() + pageSize - 1) / pageSize));
}

qint64 StageTableauTable::shownNeighbours() const
{
    return qBound<qint64>(0, neighbourCount() - qint64(m_page) * pageSize, pageSize);
}

void StageTableauTable::setPage(int page)
{
    page = qBound(0, page, pageCount() - 1);
    if (page == m_page)
        return;
    beginResetModel();
    m_page = page;
    endResetModel();
}

qint64 StageTableauTable::neighbourOfColumn(int column) const
{
    return column >= 1 && column < bestColumn() ? qint64(m_page) * pageSize + column - 1 : -1;
}

int StageTableauTable::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_program)
        return 0;
    return int(m_program->shape().boxCount(m_program->solvedColumn(m_step)));
}

int StageTableauTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_program ? 0 : choiceColumn() + 1;
}

QString StageTableauTable::headerText(int column) const
{
    if (column == 0)
        return QCoreApplication::translate("StageTableau", "Kutu");
    if (column == bestColumn())
        return QCoreApplication::translate("StageTableau", "En iyi");
    if (column == choiceColumn())
        return QCoreApplication::translate("StageTableau", "Seçilen");
    const qint64 k = neighbourOfColumn(column);
    if (k < 0 || !m_program)
        return QString();
    return m_program->data().boxLabel(m_program->shape().globalBox(m_program->neighbourColumn(m_step), k));
}

QString StageTableauTable::choiceText(int row) const
{
    const auto cached = m_choiceTexts.constFind(row);
    if (cached != m_choiceTexts.cend())
        return *cached;
    qint64 count = 0;
    const std::vector<qint64> chosen = m_program->choices(m_step, row, listedChoices, &count);
    QStringList names;
    const int from = m_program->neighbourColumn(m_step);
    for (qint64 k : chosen)
        names << m_program->data().boxLabel(m_program->shape().globalBox(from, k));
    QString text = names.join(QStringLiteral(", "));
    if (count > qint64(chosen.size()))
        text += QCoreApplication::translate("StageTableau", ", … (%1 tane daha)").arg(count - qint64(chosen.size()));
    if (m_choiceTexts.size() > 4096)
        m_choiceTexts.clear();
    m_choiceTexts.insert(row, text);
    return text;
}

QString StageTableauTable::cellText(int row, int column) const
{
    const StageProgram &p = *m_program;
    const qint64 box = p.shape().globalBox(p.solvedColumn(m_step), row);
    if (column == 0)
        return p.data().boxLabel(box);
    if (column == bestColumn())
        return p.reachable(box - 1) ? formatNumber(p.best(box - 1)) : QStringLiteral("-");
    if (column == choiceColumn())
        return choiceText(row);
    double total = 0;
    return p.candidate(m_step, row, neighbourOfColumn(column), &total) ? formatNumber(total) : QStringLiteral("-");
}

// "road + best", in both directions.
QString StageTableauTable::toolTip(int row, int column) const
{
    const StageProgram &p = *m_program;
    const qint64 k = neighbourOfColumn(column);
    if (k < 0)
        return QString();
    const qint64 road = p.roadRow(m_step, row, k);
    if (p.data().isMissing(road))
        return QCoreApplication::translate("StageTableau", "Bu yol yok");
    const qint64 from = p.shape().globalBox(p.neighbourColumn(m_step), k) - 1;
    const QString best = p.reachable(from) ? formatNumber(p.best(from)) : QStringLiteral("-");
    const QString value = formatNumber(p.data().value(road));
    return value + QStringLiteral(" + ") + best;
}

QVariant StageTableauTable::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const int row = index.row(), column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, column);
    case Qt::ToolTipRole: {
        const QString tip = toolTip(row, column);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case Qt::BackgroundRole:
    case Qt::FontRole: {
        const qint64 k = neighbourOfColumn(column);
        if (k < 0 || !m_program->isChoice(m_step, row, k))
            return QVariant();
        if (role == Qt::BackgroundRole)
            return QBrush(QColor(0xc8, 0xf0, 0xc8));
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    case Qt::TextAlignmentRole:
        return column == 0 || column == choiceColumn() ? QVariant()
                                                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QVariant StageTableauTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
        return headerText(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void StageTableauTable::retranslate()
{
    m_choiceTexts.clear();
    if (columnCount() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

} // namespace stagepath
