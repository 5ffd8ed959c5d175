// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The text boxes and choices that set the lesson: the stage count (Text1),
// the X and Y spacing (Text2, Text3), the pen width (Text4), the circle size
// (Combo1), "Çizgileri Renklendir" (Check1) and the two modes (Option1,
// Option2). Each edit is checked: usable text becomes a change of the
// document; refused text marks its box, says why in the box's tool tip and
// accessible description, and keeps the old value.

#include "app/window/clientarea.h"

#include "lesson/lessonstate.h"
#include "model/lessonsettings.h"

#include <QObject>

class QLineEdit;

namespace stagepath {

class LessonDocument;
class WindowMessages;

// Marks a text box whose text is refused (problem not empty) or clears the mark.
void markInput(QLineEdit *edit, const QString &problem);

class SettingControls : public QObject
{
    Q_OBJECT
public:
    SettingControls(const ClientArea &controls, LessonDocument *document, WindowMessages *messages,
                    QObject *parent);

    // The document's settings into their controls, without their change
    // handlers (the document holds them already); every mark cleared.
    void showSettings();
    // The document's stage count into Text1, its mark cleared.
    void showStageCount();
    // A box that refuses its text says why again, in the language now in effect.
    void retranslate();

private:
    void changeStageCount(const QString &text);
    void wireSpacing(QLineEdit *edit, Setting which, double LessonSettings::*member, QString SettingsState::*text,
                     const QString &name);
    void changePenWidth(const QString &text);
    void changeCircleSize(int index);
    QList<QLineEdit *> textBoxes() const;

    ClientArea m_controls;
    LessonDocument *m_document;
    WindowMessages *m_messages;
};

} // namespace stagepath
