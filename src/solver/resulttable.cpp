// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resulttable.h"

#include "model/edgetable.h"
#include "model/inputlimits.h"
#include "model/numbers.h"
#include "model/stagetable.h"

#include <algorithm>

namespace stagepath {

ResultTable::ResultTable(QObject *parent)
    : QAbstractTableModel(parent)
{
    m_headers << tr("Toplam");
}

void ResultTable::setStageColumns(int stageCount)
{
    beginResetModel();
    m_hasPathColumn = false;
    m_headers = headersFor(stageCount);
    dropRows();
    endResetModel();
}

QStringList ResultTable::headersFor(int stageCount) const
{
    QStringList headers;
    for (int i = 1; i <= stageCount; ++i)
        headers << stageLabel(i);
    headers << tr("Toplam");
    if (m_hasPathColumn)
        headers << tr("Yol");
    return headers;
}

void ResultTable::retranslate()
{
    m_headers = headersFor(totalColumn());
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, int(m_headers.size()) - 1);
}

bool ResultTable::setPaths(EdgeDataPtr snapshot)
{
    const qint64 count = snapshot ? realPathCount(*snapshot, limits::maxListedPaths + 1) : 0;
    const int stages = snapshot ? snapshot->shape.stageCount() : 0;
    const bool listed = count <= limits::maxListedPaths;
    beginResetModel();
    if (listed && snapshot && !m_hasPathColumn && stages == int(m_headers.size()) - 1) {
        m_headers << tr("Yol");
        m_hasPathColumn = true;
    }
    m_edits.clear();
    m_cacheRow = -1;
    if (listed && stages > 0 && count > 0) {
        m_snapshot = std::move(snapshot);
        m_index = PathIndex(*m_snapshot);
        m_rows = count;
    } else {
        m_snapshot = listed ? std::move(snapshot) : EdgeDataPtr();
        m_index = PathIndex();
        m_rows = 0;
    }
    endResetModel();
    return listed;
}

void ResultTable::clearRows()
{
    beginResetModel();
    dropRows();
    endResetModel();
}

void ResultTable::dropRows()
{
    m_snapshot.reset();
    m_index = PathIndex();
    m_rows = 0;
    m_edits.clear();
    m_cacheRow = -1;
}

const std::vector<qint64> &ResultTable::cachedPositions(qint64 row) const
{
    if (row != m_cacheRow) {
        m_index.positions(row, m_cachePositions);
        m_cacheRow = row;
    }
    return m_cachePositions;
}

std::vector<qint64> ResultTable::positionsOfRow(qint64 row) const
{
    if (row < 0 || row >= m_rows)
        return {};
    return m_index.positions(row);
}

qint64 ResultTable::rowOfPositions(std::span<const qint64> positions) const
{
    if (!m_snapshot || m_rows == 0)
        return -1;
    return m_index.rowOf(positions).value_or(-1);
}

QString ResultTable::valueText(qint64 row, int stage) const
{
    const auto &pos = cachedPositions(row);
    return m_snapshot->text(m_snapshot->shape.edgeRow(stage, pos[size_t(stage)], pos[size_t(stage) + 1]));
}

QString ResultTable::boxText(qint64 row, int column) const
{
    return QString::number(m_snapshot->shape.globalBox(column, cachedPositions(row)[size_t(column)]));
}

QString ResultTable::pathText(qint64 row) const
{
    if (row < 0 || row >= m_rows)
        return QString();
    return stagepath::pathText(*m_snapshot, cachedPositions(row));
}

double ResultTable::total(qint64 row) const
{
    if (row < 0 || row >= m_rows)
        return 0;
    return pathTotal(*m_snapshot, cachedPositions(row));
}

QString ResultTable::cellText(qint64 row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= int(m_headers.size()))
        return QString();
    const int n = m_snapshot->shape.stageCount();
    if (column == 0) {
        const auto it = m_edits.constFind(row);
        if (it != m_edits.constEnd())
            return *it;
    }
    if (column < n)
        return valueText(row, column);
    if (column == n)
        return formatNumber(total(row));
    if (column == n + 1)
        return pathText(row);
    return QString();
}

QString ResultTable::tag(qint64 row) const
{
    if (row < 0 || row >= m_rows)
        return QString();
    return boxText(row, 0);
}

QString ResultTable::toolTip(qint64 row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= int(m_headers.size()))
        return QString();
    if (column < m_snapshot->shape.stageCount())
        return boxText(row, column + 1);
    return QString();
}

int ResultTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows);
}

int ResultTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant ResultTable::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const qint64 row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(row, column);
    case Qt::ToolTipRole: {
        const QString tip = toolTip(row, column);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case Qt::UserRole:
        return column == 0 ? QVariant(tag(row)) : QVariant();
    default:
        return QVariant();
    }
}

QVariant ResultTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= int(m_headers.size()))
            return QVariant();
        if (role == Qt::DisplayRole)
            return m_headers[section];
        return QVariant();
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ResultTable::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ResultTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole
        || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
        || index.column() != 0)
        return false;
    m_edits.insert(index.row(), value.toString());
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

std::optional<int> ResultTable::findRowStartingWith(QStringView prefix, int from) const
{
    return searchWrapping(rowCount(), from, [&](int begin, int end) -> std::optional<int> {
        const auto row = findInRange(prefix, begin, end);
        return row ? std::optional<int>(int(*row)) : std::nullopt;
    });
}

std::optional<qint64> ResultTable::findInRange(QStringView prefix, qint64 begin, qint64 end) const
{
    if (!m_snapshot || begin >= end)
        return std::nullopt;
    // The rows of each stage-1 edge are one run; a row shows its stage-1
    // edge's value unless it was edited.
    const auto editMatches = [&](qint64 row) {
        const auto it = m_edits.constFind(row);
        return it == m_edits.constEnd() ? std::optional<bool>() : std::optional<bool>(startsWithIgnoringCase(*it, prefix));
    };
    std::optional<qint64> found;
    const qint64 lastEdge = m_index.edgeOfRow(end - 1);
    for (qint64 edge = m_index.edgeOfRow(begin); edge <= lastEdge && !found;) {
        const auto match = EdgeTable::findValueStartingWith(*m_snapshot, prefix, edge, lastEdge + 1);
        if (!match)
            break;
        const qint64 first = m_index.firstRowOfEdge(*match);
        const qint64 stop = std::min(end, first + m_index.rowsOfEdge(*match));
        for (qint64 row = std::max(begin, first); row < stop; ++row) {
            if (editMatches(row).value_or(true)) {
                found = row;
                break;
            }
        }
        edge = *match + 1;
    }
    for (auto it = m_edits.constBegin(); it != m_edits.constEnd(); ++it) {
        if (it.key() >= begin && it.key() < end && (!found || it.key() < *found)
            && startsWithIgnoringCase(*it, prefix))
            found = it.key();
    }
    return found;
}

PathTextList::PathTextList(const ResultTable *table, QObject *parent)
    : QAbstractListModel(parent)
    , m_table(table)
{
    connect(table, &QAbstractItemModel::modelAboutToBeReset, this, &PathTextList::beginResetModel);
    connect(table, &QAbstractItemModel::modelReset, this, &PathTextList::endResetModel);
}

int PathTextList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table->pathCount());
}

QVariant PathTextList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_table->pathText(index.row());
    return QVariant();
}

} // namespace stagepath
