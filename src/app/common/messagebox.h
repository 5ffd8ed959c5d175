// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's message box. A message laid out as usual fits the screen; one
// that would not (a path through a thousand stages) is capped at three
// quarters of the screen's height, its text in a pane that scrolls, so that
// the button stays on the screen.

#include <QMessageBox>

class QScrollArea;

namespace stagepath {

class MessageBox : public QMessageBox
{
    Q_OBJECT
public:
    explicit MessageBox(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The text back in the box's own layout, as a short message has it.
    void unwrapText();
    void wrapTextToFit(int height);

    QScrollArea *m_textPane = nullptr;
};

} // namespace stagepath
