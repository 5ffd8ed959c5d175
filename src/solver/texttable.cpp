// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texttable.h"

namespace stagepath {

int TextTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows();
}

int TextTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns();
}

QVariant TextTable::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole
        || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    return cellText(index.row(), index.column());
}

QVariant TextTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columns())
        return headerText(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void TextTable::retranslate()
{
    if (columns() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columns() - 1);
}

} // namespace stagepath
