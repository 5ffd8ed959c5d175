// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/common/messagebox.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace stagepath {

namespace {

// The label QMessageBox sets its text in.
QLabel *textLabel(QMessageBox *box)
{
    return box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
}

struct GridPlace {
    int row = 0, column = 0, rows = 1, columns = 1;
};

} // namespace

MessageBox::MessageBox(QWidget *parent)
    : QMessageBox(parent)
{
}

void MessageBox::showEvent(QShowEvent *event)
{
    unwrapText();
    QMessageBox::showEvent(event); // lays the box out for its text
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const int cap = screen->availableGeometry().height() * 3 / 4;
    if (height() > cap)
        wrapTextToFit(cap);
}

void MessageBox::unwrapText()
{
    if (!m_textPane)
        return;
    auto *grid = qobject_cast<QGridLayout *>(layout());
    QLabel *label = qobject_cast<QLabel *>(m_textPane->takeWidget());
    GridPlace at;
    if (grid) {
        const int index = grid->indexOf(m_textPane);
        grid->getItemPosition(index, &at.row, &at.column, &at.rows, &at.columns);
        delete grid->takeAt(index);
    }
    delete m_textPane;
    m_textPane = nullptr;
    if (grid && label)
        grid->addWidget(label, at.row, at.column, at.rows, at.columns);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void MessageBox::wrapTextToFit(int height)
{
    QLabel *label = textLabel(this);
    auto *grid = qobject_cast<QGridLayout *>(layout());
    const int index = grid && label ? grid->indexOf(label) : -1;
    if (index < 0)
        return;
    GridPlace at;
    grid->getItemPosition(index, &at.row, &at.column, &at.rows, &at.columns);
    const int textWidth = label->width();
    const int around = this->height() - label->height(); // buttons, icon row, margins
    delete grid->takeAt(index);

    m_textPane = new QScrollArea(this);
    m_textPane->setObjectName(QStringLiteral("MessageText"));
    m_textPane->setFrameShape(QFrame::NoFrame);
    m_textPane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textPane->setWidgetResizable(true);
    m_textPane->viewport()->setAutoFillBackground(false);
    label->setWordWrap(true);
    m_textPane->setWidget(label);
    label->show();
    const int bar = m_textPane->verticalScrollBar()->sizeHint().width();
    m_textPane->setFixedSize(textWidth + bar, std::max(height - around, 3 * fontMetrics().height()));
    grid->addWidget(m_textPane, at.row, at.column, at.rows, at.columns);
    setFixedSize(width() + bar, std::min(height, around + m_textPane->height()));
}

} // namespace stagepath
