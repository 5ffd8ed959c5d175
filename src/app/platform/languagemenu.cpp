// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/platform/languagemenu.h"

#include "app/common/usersettings.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QWidget>

namespace stagepath {

namespace {

const QString languageKey = QStringLiteral("language");

} // namespace

LanguageMenu::LanguageMenu(QWidget *window, QMenu *parentMenu)
    : QObject(window)
    , m_translations(new Translations(this))
    , m_menu(parentMenu->addMenu(QString()))
    , m_group(new QActionGroup(this))
    , m_turkish(new QAction(window))
    , m_english(new QAction(window))
{
    m_menu->setObjectName(QStringLiteral("menuLanguage"));
    m_turkish->setObjectName(QStringLiteral("actionLanguageTurkish"));
    m_english->setObjectName(QStringLiteral("actionLanguageEnglish"));
    for (QAction *action : {m_turkish, m_english}) {
        action->setCheckable(true);
        m_group->addAction(action);
        m_menu->addAction(action);
    }
    m_group->setExclusive(true);
    const Language start = rememberedLanguage();
    m_translations->setLanguage(start);
    (start == Language::English ? m_english : m_turkish)->setChecked(true);
    // Checking an action, by the menu or from code, switches.
    connect(m_turkish, &QAction::toggled, this, [this](bool on) {
        if (on)
            switchTo(Language::Turkish);
    });
    connect(m_english, &QAction::toggled, this, [this](bool on) {
        if (on)
            switchTo(Language::English);
    });
}

Language LanguageMenu::rememberedLanguage()
{
    return Translations::fromCode(userSettings().value(languageKey).toString());
}

void LanguageMenu::switchTo(Language language)
{
    (language == Language::English ? m_english : m_turkish)->setChecked(true);
    userSettings().setValue(languageKey, Translations::code(language));
    if (language == m_translations->language())
        return;
    m_translations->setLanguage(language);
    // The application posts LanguageChange to every window; deliver those now
    // so that the whole window speaks the new language when the switch returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void LanguageMenu::retranslate()
{
    m_menu->setTitle(tr("Dil"));
    // Each language is named in its own tongue, in either window.
    m_turkish->setText(tr("Türkçe"));
    m_english->setText(tr("English"));
}

} // namespace stagepath
