// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// actionPrint: the lesson on paper (share/printout.h), previewed first in
// QPrintPreviewDialog. What is printed is gathered off the window's thread
// from the tables as they stand when the command is given; the preview then
// opens without blocking the window.

#include "model/lessonsettings.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QPrintPreviewDialog;
class QWidget;

namespace stagepath {

class EdgeTable;
class Printout;
class ResultTable;

// Opens the non-modal print preview of a printout gathered earlier, owned by
// parent and deleted when closed.
QPrintPreviewDialog *openPrintPreview(QWidget *parent, std::shared_ptr<std::optional<Printout>> printout);

class LessonPrinter : public QObject
{
    Q_OBJECT
public:
    LessonPrinter(QWidget *window, const EdgeTable *edges, const ResultTable *results,
                 std::function<LessonSettings()> settings, std::function<QString()> title);

public Q_SLOTS:
    void preview();

Q_SIGNALS:
    // The preview dialog is open.
    void previewOpened(QPrintPreviewDialog *dialog);

private:
    QWidget *m_window;
    const EdgeTable *m_edges;
    const ResultTable *m_results;
    std::function<LessonSettings()> m_settings;
    std::function<QString()> m_title;
};

} // namespace stagepath
