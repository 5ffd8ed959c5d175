// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The languages of the window and the translators that give them.
//
// The program's own texts are written in Turkish; its English comes from the
// catalogue stagepath_en.qm, built from translations/stagepath_en.ts and
// embedded in the program (:/i18n). Qt's own texts (the buttons of a message
// box, a text box's context menu, the file dialogs) are English in Qt; their
// Turkish comes from Qt's catalogue qtbase_tr in Qt's translations directory
// (Debian package qt6-translations-l10n).
//
// Numbers are read and written by the user's locale whatever the language:
// nothing here touches QLocale.

#include <QObject>
#include <QString>
#include <QTranslator>

namespace stagepath {

enum class Language { Turkish, English };

class Translations : public QObject
{
    Q_OBJECT
public:
    explicit Translations(QObject *parent = nullptr);
    // Takes its translators out of the application again.
    ~Translations() override;

    Language language() const { return m_language; }
    // Puts the catalogues of the language in place of the current ones. The
    // application posts a LanguageChange event to every window.
    void setLanguage(Language language);

    // "tr", "en": the code in catalogue names and in the settings.
    static QString code(Language language);
    static Language fromCode(const QString &code);

private:
    void removeTranslators();

    Language m_language = Language::Turkish;
    QTranslator m_program;
    QTranslator m_qt;
    bool m_programLoaded = false;
    bool m_qtLoaded = false;
};

} // namespace stagepath
