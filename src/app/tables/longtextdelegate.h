// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Cells whose texts run far beyond their width (the path of a thousand
// stages): only as much of the text as can show is laid out, then elided as
// usual. The toolkit lays out a whole text before it elides it, which for
// thousands of characters per cell holds a repaint for tens of milliseconds.

#include <QStyledItemDelegate>

namespace stagepath {

class LongTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace stagepath
