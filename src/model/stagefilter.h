// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The filtered edge view: the rows of one stage of the edge table. The rows of
// a stage are one contiguous run of the edge table, so the view maps its rows
// by an offset. It follows the edge table: a regeneration or an edited value
// shows at once, and a value edited here is an edit of the edge table.

#include "edgetable.h"

#include <QAbstractTableModel>
#include <QPointer>

namespace stagepath {

class StageFilter : public QAbstractTableModel, public PrefixSearch
{
    Q_OBJECT
public:
    explicit StageFilter(EdgeTable *source, QObject *parent = nullptr);

    // 0-based stage to show; -1 shows nothing.
    void setStage(int stage);
    int stage() const { return m_stage; }
    // Edge-table row of a row of this view.
    qint64 sourceRow(int row) const { return first() + row; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    std::optional<int> findRowStartingWith(QStringView prefix, int from) const override;

private:
    bool stageExists() const;
    qint64 first() const;
    void sourceChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles);

    EdgeTable *m_source;
    int m_stage = -1;
};

} // namespace stagepath
