// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the window's own text boxes would take for themselves but belongs to
// the lesson: the undo and redo keys (the lesson's history, not the box's
// own typing history, which would retype the stage count and so draw fresh
// values), and a lesson file dragged onto them (its name is not typed in;
// the file is opened). The window passes the drags it gets itself to
// takeDrop.

#include <QObject>

#include <functional>

class QMimeData;
class QWidget;

namespace stagepath {

class WindowRouting : public QObject
{
    Q_OBJECT
public:
    // openFile opens a dropped file.
    WindowRouting(std::function<void(const QString &)> openFile, QObject *parent = nullptr);

    // Watches a widget: it takes dropped lesson files, and in a text box the
    // undo and redo keys go to the window's actions.
    void watch(QWidget *widget);
    // Takes a drag that carries a local file (accepts it) and opens the file
    // when it is dropped; false for any other event.
    bool takeDrop(QEvent *event);
    // The local file a drag carries, or an empty string.
    static QString droppedFile(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &)> m_openFile;
};

} // namespace stagepath
