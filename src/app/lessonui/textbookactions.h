// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The commands that make the drawing look as a textbook prints it:
// actionBoxNames ("Kutu Adları…", menu "Düzen") opens the dialog BoxNames,
// whose table BoxNameTable edits each box's name; actionLetterNames names
// every box A, B, …, Z, AA, … at once; actionValuesOnLines (menu "Görünüm")
// writes each value on its own line. Each change is a step of the lesson's
// history.

#include <QObject>

#include <functional>

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;

namespace stagepath {

class BoxNameModel;
class LessonDocument;

class TextbookActions : public QObject
{
    Q_OBJECT
public:
    // The actions are children of window; refusals are shown by showProblem.
    TextbookActions(QWidget *window, LessonDocument *document, std::function<void(const QString &)> showProblem);

    void addActions(QMenu *editMenu, QMenu *viewMenu);
    void retranslate();
    // The check mark of actionValuesOnLines shows the lesson's setting.
    void showSettings();

private:
    void openBoxNames();
    void createDialog();
    void nameWithLetters();
    void retranslateDialog();

    QWidget *m_window;
    LessonDocument *m_document;
    std::function<void(const QString &)> m_showProblem;
    BoxNameModel *m_model;
    QAction *m_boxNames;
    QAction *m_letterNames;
    QAction *m_valuesOnLines;
    QDialog *m_dialog = nullptr;
    QLabel *m_hint = nullptr;
    QPushButton *m_lettersButton = nullptr;
    QPushButton *m_clearButton = nullptr;
};

} // namespace stagepath
