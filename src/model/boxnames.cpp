// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxnames.h"

#include <QCoreApplication>

#include <algorithm>

namespace stagepath {

namespace {

struct BoxNameRules {
    Q_DECLARE_TR_FUNCTIONS(BoxNameRules)
};

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// The name as a message quotes it: line breaks shown as spaces.
QString quoted(QString name)
{
    std::replace_if(name.begin(), name.end(), isLineBreak, QChar(u' '));
    return name;
}

} // namespace

QString boxNameProblem(const QString &name, const BoxNames &names, qint64 box)
{
    if (name.isEmpty())
        return {};
    if (name.size() > boxnames::maxLength)
        return BoxNameRules::tr("\"%1\" %2 karakter; bir kutu adı en çok %3 karakter olabilir.")
            .arg(quoted(name))
            .arg(name.size())
            .arg(boxnames::maxLength);
    if (std::any_of(name.begin(), name.end(), isLineBreak))
        return BoxNameRules::tr("\"%1\" satır sonu içeriyor; bir kutu adı tek satır olmalı.").arg(quoted(name));
    if (name.front().isSpace() || name.back().isSpace())
        return BoxNameRules::tr("\"%1\" boşlukla başlıyor ya da bitiyor; bir kutu adının başında ve sonunda "
                                "boşluk olamaz.")
            .arg(name);
    for (const QChar c : {QChar(u'('), QChar(u')'), QChar(u'-')})
        if (name.contains(c))
            return BoxNameRules::tr("\"%1\" içinde \"%2\" var; bir kutu adında \"(\", \")\" ve \"-\" olamaz, "
                                    "yol metnini karıştırırlar.")
                .arg(name, c);
    for (size_t other = 0; other < names.size(); ++other)
        if (qint64(other) != box && names[other] == name)
            return BoxNameRules::tr("\"%1\" adı %2. kutunun adı; her kutunun adı başka olmalı.")
                .arg(name)
                .arg(other + 1);
    return {};
}

QString letterName(qint64 box)
{
    // Bijective base 26: A = 0, Z = 25, AA = 26.
    QString name;
    for (qint64 n = box + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + char16_t((n - 1) % 26)));
    return name;
}

BoxNamesPtr letterNames(qint64 boxCount)
{
    BoxNames names;
    names.reserve(size_t(std::max<qint64>(0, boxCount)));
    for (qint64 box = 0; box < boxCount; ++box)
        names.push_back(letterName(box));
    return normalisedNames(std::move(names));
}

BoxNamesPtr namesForShape(const BoxNamesPtr &names, const GraphShape &from, const GraphShape &to)
{
    if (!names)
        return {};
    BoxNames kept(size_t(to.totalBoxes()));
    const int columns = std::min(from.columnCount(), to.columnCount());
    for (int c = 0; c < columns; ++c) {
        const qint64 positions = std::min(from.boxCount(c), to.boxCount(c));
        for (qint64 j = 0; j < positions; ++j) {
            const size_t old = size_t(from.globalBox(c, j) - 1);
            if (old < names->size())
                kept[size_t(to.globalBox(c, j) - 1)] = (*names)[old];
        }
    }
    return normalisedNames(std::move(kept));
}

BoxNamesPtr normalisedNames(BoxNames names)
{
    if (std::all_of(names.begin(), names.end(), [](const QString &n) { return n.isEmpty(); }))
        return {};
    return std::make_shared<const BoxNames>(std::move(names));
}

} // namespace stagepath
