// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A read-only table of texts worked out when a view asks for a cell: the
// step table and the ranked paths. Display texts only; no header rows.

#include <QAbstractTableModel>

namespace stagepath {

class TextTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Announces the column captions again, after a change of language.
    void retranslate();

protected:
    virtual int rows() const = 0;
    virtual int columns() const = 0;
    virtual QString cellText(int row, int column) const = 0;
    virtual QString headerText(int column) const = 0;
};

} // namespace stagepath
