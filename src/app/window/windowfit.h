// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The client area's controls placed for the window's inner size, by the
// resize rule (resizerule.h) in the mode actionFitLayout ("Düzeni Pencereye
// Yay", under "Görünüm") chooses: unchecked, the design layout; checked,
// a larger window gives the drawing and the wide tables its extra room. The
// choice is remembered in the user's settings; it starts unchecked.

#include "app/window/clientarea.h"
#include "app/window/resizerule.h"

#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace stagepath {

class PictureViewport;

class WindowFit : public QObject
{
    Q_OBJECT
public:
    // Takes the controls' places as they are now as their design places: create
    // it right after the client area. The action is a child of window. Every
    // resize of the client area lays the controls out anew.
    WindowFit(const ClientArea &area, PictureViewport *pictureView, QWidget *window);

    void addActions(QMenu *menu);
    void retranslate();

    ResizeMode mode() const;
    // Places the controls for the client area's size, then the picture and
    // the scroll ranges in the frame.
    void layOut();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ClientArea m_area;
    PictureViewport *m_pictureView;
    QAction *m_fitLayout;
    ResizeRule m_rule;
    QList<QWidget *> m_placed; // by the rule's numbers
};

} // namespace stagepath
