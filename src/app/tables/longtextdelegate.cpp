// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tables/longtextdelegate.h"

namespace stagepath {

namespace {

// No character of a text font is narrower than this, in pixels.
constexpr int narrowestCharacter = 2;

} // namespace

void LongTextDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // The characters that can show, and a few to spare so the text still ends in an ellipsis.
    const qsizetype room = qMax(0, option->rect.width()) / narrowestCharacter + 4;
    if (option->text.size() > room)
        option->text.truncate(room);
}

} // namespace stagepath
