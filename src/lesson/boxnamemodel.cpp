// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxnamemodel.h"

#include "model/boxnames.h"
#include "model/edgetable.h"

#include <QColor>

namespace stagepath {

BoxNameModel::BoxNameModel(const EdgeTable *edges, QObject *parent)
    : QAbstractTableModel(parent)
    , m_edges(edges)
    , m_rows(int(edges->shape().totalBoxes()))
{
    connect(edges, &QAbstractItemModel::modelReset, this, &BoxNameModel::namesChanged);
    connect(edges, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                if (roles.contains(Qt::ToolTipRole))
                    namesChanged();
            });
}

void BoxNameModel::namesChanged()
{
    const int rows = int(m_edges->shape().totalBoxes());
    m_refused.clear();
    if (rows != m_rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    } else if (m_rows > 0) {
        Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1));
    }
}

int BoxNameModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int BoxNameModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BoxNameModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int box = index.row();
    if (index.column() == NumberColumn)
        return role == Qt::DisplayRole ? QVariant(QString::number(box + 1)) : QVariant();
    const auto refused = m_refused.constFind(box);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        const BoxNamesPtr &names = m_edges->edges().names;
        return names && size_t(box) < names->size() ? (*names)[size_t(box)] : QString();
    }
    case Qt::ToolTipRole: return refused != m_refused.constEnd() ? QVariant(*refused) : QVariant();
    case Qt::BackgroundRole: return refused != m_refused.constEnd() ? QVariant(QColor(0xff, 0xd0, 0xd0)) : QVariant();
    default: return {};
    }
}

QVariant BoxNameModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NumberColumn: return tr("Kutu No");
    case NameColumn: return tr("Ad");
    default: return {};
    }
}

void BoxNameModel::retranslate()
{
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

Qt::ItemFlags BoxNameModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == NameColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

BoxNamesPtr BoxNameModel::withName(qint64 box, const QString &name) const
{
    const BoxNamesPtr &names = m_edges->edges().names;
    BoxNames next = names ? *names : BoxNames();
    next.resize(size_t(m_edges->shape().totalBoxes()));
    if (box >= 0 && size_t(box) < next.size())
        next[size_t(box)] = name;
    return normalisedNames(std::move(next));
}

bool BoxNameModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() != NameColumn)
        return false;
    const int box = index.row();
    const QString name = value.toString();
    const BoxNamesPtr &names = m_edges->edges().names;
    const QString problem = boxNameProblem(name, names ? *names : BoxNames(), box);
    if (!problem.isEmpty()) {
        m_refused.insert(box, problem);
        Q_EMIT dataChanged(index, index, {Qt::ToolTipRole, Qt::BackgroundRole});
        Q_EMIT nameRefused(box, problem);
        return false;
    }
    if (m_refused.remove(box))
        Q_EMIT dataChanged(index, index, {Qt::ToolTipRole, Qt::BackgroundRole});
    if (data(index, Qt::EditRole).toString() != name)
        Q_EMIT namesChosen(withName(box, name));
    return true;
}

} // namespace stagepath
