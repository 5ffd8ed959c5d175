// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stagefilter.h"

namespace stagepath {

StageFilter::StageFilter(EdgeTable *source, QObject *parent)
    : QAbstractTableModel(parent)
    , m_source(source)
{
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(source, &QAbstractItemModel::modelReset, this, [this] { endResetModel(); });
    connect(source, &QAbstractItemModel::dataChanged, this, &StageFilter::sourceChanged);
    connect(source, &QAbstractItemModel::headerDataChanged, this, &QAbstractItemModel::headerDataChanged);
}

void StageFilter::setStage(int stage)
{
    beginResetModel();
    m_stage = stage;
    endResetModel();
}

bool StageFilter::stageExists() const
{
    return m_stage >= 0 && m_stage < m_source->shape().stageCount();
}

qint64 StageFilter::first() const
{
    return stageExists() ? m_source->shape().stageStart(m_stage) : 0;
}

int StageFilter::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !stageExists())
        return 0;
    return int(m_source->shape().stageEdgeCount(m_stage));
}

int StageFilter::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : EdgeTable::ColumnCount;
}

QVariant StageFilter::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return EdgeTable::cell(m_source->edges(), sourceRow(index.row()), index.column());
    if (role == Qt::ToolTipRole)
        return EdgeTable::boxName(m_source->edges(), sourceRow(index.row()), index.column());
    return {};
}

QVariant StageFilter::headerData(int section, Qt::Orientation orientation, int role) const
{
    return m_source->headerData(section, orientation, role);
}

Qt::ItemFlags StageFilter::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == EdgeTable::ValueColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool StageFilter::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    return m_source->setData(m_source->index(int(sourceRow(index.row())), index.column()), value, role);
}

std::optional<int> StageFilter::findRowStartingWith(QStringView prefix, int from) const
{
    return searchWrapping(rowCount(), from, [&](int begin, int end) -> std::optional<int> {
        const auto row = EdgeTable::findValueStartingWith(m_source->edges(), prefix, first() + begin, first() + end);
        return row ? std::optional<int>(int(*row - first())) : std::nullopt;
    });
}

void StageFilter::sourceChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                const QList<int> &roles)
{
    const int rows = rowCount();
    if (rows == 0)
        return;
    const qint64 top = qMax<qint64>(topLeft.row() - first(), 0);
    const qint64 bottom = qMin<qint64>(bottomRight.row() - first(), rows - 1);
    if (top > bottom)
        return;
    Q_EMIT dataChanged(index(int(top), topLeft.column()), index(int(bottom), bottomRight.column()), roles);
}

} // namespace stagepath
