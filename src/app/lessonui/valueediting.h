// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Editing many edge values at once from the keyboard: actionPaste (Ctrl+V,
// "Düzen") puts the clipboard's values into ListView2 or ListView3 from the
// current row on, as one step; Delete on a value cell of either removes the
// road ("-"), one step too.

#include <QObject>

#include <functional>

class QAbstractItemView;
class QAction;
class QMenu;
class QWidget;

namespace stagepath {

class LessonDocument;
class StageFilter;

struct ValueEditingParts {
    QWidget *window = nullptr;
    LessonDocument *lesson = nullptr;
    QAbstractItemView *edgeView = nullptr;      // ListView2, on the edge table
    QAbstractItemView *stageEdgeView = nullptr; // ListView3, on the stage filter
    const StageFilter *stageFilter = nullptr;
    std::function<void(const QString &)> report; // a warning
};

class ValueEditing : public QObject
{
    Q_OBJECT
public:
    explicit ValueEditing(const ValueEditingParts &parts);

    void addActions(QMenu *editMenu);
    void retranslate();
    // The clipboard's values into the focused edge view (what actionPaste does).
    void paste();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractItemView *focusedView() const;
    void pasteInto(QAbstractItemView *view, const QString &text);

    ValueEditingParts m_parts;
    QAction *m_pasteAction;
};

} // namespace stagepath
