// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The boxes' names as a table (BoxNameTable): column 0 the box number,
// column 1 its name (empty for an unnamed box), which may be edited. The
// table shows the names the edge table holds and follows them; an edit does
// not change them itself: a name the rules accept is handed on (namesChosen)
// to whoever keeps the lesson's history, a refused one is reported
// (nameRefused) and its cell marked, with the reason as its tooltip, until
// the box is given a name that is accepted.

#include "model/graphdata.h"

#include <QAbstractTableModel>
#include <QHash>

namespace stagepath {

class EdgeTable;

class BoxNameModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { NumberColumn, NameColumn, ColumnCount };

    explicit BoxNameModel(const EdgeTable *edges, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // The names with one box's name replaced (null when none is left).
    BoxNamesPtr withName(qint64 box, const QString &name) const;
    void retranslate();

Q_SIGNALS:
    void namesChosen(const BoxNamesPtr &names);
    // problem names the name and why it is refused, in Turkish.
    void nameRefused(int box, const QString &problem);

private:
    void namesChanged();

    const EdgeTable *m_edges;
    int m_rows = 0;
    QHash<int, QString> m_refused; // box -> why its last edit was refused
};

} // namespace stagepath
