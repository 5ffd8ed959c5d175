// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The exercise commands of the menu "Alıştırma": actionNewExercise ("Yeni
// Alıştırma…") opens NewExercise and makes a new lesson from it, asking first
// about a modified lesson, as one step of the history like "Yeni";
// actionWorksheet ("Çalışma Kâğıdı…") writes the worksheet and the answer
// key of the open lesson into two PDF files the user chooses (WorksheetDialog,
// then KeyDialog, neither blocking the window).

#include <QObject>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace stagepath {

class LessonDocument;
class LessonFiles;
class NewExerciseDialog;
struct ExerciseOrigin;

class ExerciseActions : public QObject
{
    Q_OBJECT
public:
    ExerciseActions(QMainWindow *window, LessonDocument *document, LessonFiles *files,
                    std::function<void(const QString &)> report);

    void addActions(QMenu *exerciseMenu);
    void retranslate();

    NewExerciseDialog *newExerciseDialog() const { return m_dialog; }

public Q_SLOTS:
    void newExercise();
    void writeWorksheet();

private:
    bool makeExercise(const ExerciseOrigin &options);
    void chooseFile(const QString &title, const char *name, const QString &proposed,
                    const std::function<void(const QString &)> &done);
    void writeWorksheetFiles(const QString &sheetFile, const QString &keyFile);

    QMainWindow *m_window;
    LessonDocument *m_document;
    LessonFiles *m_files;
    std::function<void(const QString &)> m_report;
    NewExerciseDialog *m_dialog = nullptr;
    QAction *m_newExercise = nullptr;
    QAction *m_worksheet = nullptr;
};

} // namespace stagepath
