// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pastedvalues.h"

#include "model/graphdata.h"

#include <cmath>

namespace stagepath {

PastedValues readPastedValues(QStringView text, const QLocale &locale)
{
    PastedValues out;
    const auto separates = [](QChar c) { return c.isSpace() || c == u';'; };
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && separates(text[i]))
            ++i;
        const qsizetype start = i;
        while (i < text.size() && !separates(text[i]))
            ++i;
        if (i == start)
            break;
        const QString item = text.sliced(start, i - start).toString();
        if (!out.bad && std::isnan(edgeValueOfText(item, locale)))
            out.bad = item;
        out.items << item;
    }
    return out;
}

} // namespace stagepath
