// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace stagepath {

Translations::Translations(QObject *parent)
    : QObject(parent)
{
}

Translations::~Translations()
{
    removeTranslators();
}

QString Translations::code(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("tr");
}

Language Translations::fromCode(const QString &code)
{
    return code == QLatin1String("en") ? Language::English : Language::Turkish;
}

void Translations::removeTranslators()
{
    if (m_programLoaded)
        QCoreApplication::removeTranslator(&m_program);
    if (m_qtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
    m_programLoaded = m_qtLoaded = false;
}

void Translations::setLanguage(Language language)
{
    removeTranslators();
    m_language = language;
    const QString name = code(language);
    m_programLoaded = m_program.load(QStringLiteral(":/i18n/stagepath_") + name)
                      && QCoreApplication::installTranslator(&m_program);
    // Qt's texts are written in English: only Turkish needs Qt's catalogue.
    if (language == Language::Turkish) {
        m_qtLoaded = m_qt.load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                     && QCoreApplication::installTranslator(&m_qt);
    }
}

} // namespace stagepath
