// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window/windowfit.h"

#include "app/common/usersettings.h"
#include "app/lessonui/tabstrip.h"
#include "app/picture/pictureviewport.h"
#include "app/tables/reportview.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QMenu>
#include <QScrollBar>

namespace stagepath {

namespace {

const QString fitLayoutKey = QStringLiteral("fitLayout");

} // namespace

WindowFit::WindowFit(const ClientArea &area, PictureViewport *pictureView, QWidget *window)
    : QObject(window)
    , m_area(area)
    , m_pictureView(pictureView)
    , m_fitLayout(new QAction(window))
    , m_rule(designClientSize())
{
    m_fitLayout->setObjectName(QStringLiteral("actionFitLayout"));
    m_fitLayout->setCheckable(true);
    m_fitLayout->setChecked(userSettings().value(fitLayoutKey, false).toBool());
    connect(m_fitLayout, &QAction::toggled, this, [this](bool on) {
        userSettings().setValue(fitLayoutKey, on);
        layOut();
    });

    const auto place = [this](ResizeAnchor anchor, QWidget *w) {
        m_rule.add(anchor, w->geometry());
        m_placed.append(w);
    };
    place(ResizeAnchor::Frame, area.viewport);
    place(ResizeAnchor::HorizontalBar, area.horizontalBar);
    place(ResizeAnchor::VerticalBar, area.verticalBar);
    // The edge tables lie in the tab strip's body: the three widen together.
    for (QWidget *w : QList<QWidget *>{area.stageTabs, area.edgeView, area.stageEdgeView, area.resultView})
        place(ResizeAnchor::BelowWide, w);
    // Every other control below the frame keeps its place against the bottom-left corner.
    const int frameBottom = area.viewport->geometry().bottom();
    for (QWidget *w : area.widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!m_placed.contains(w) && w->y() > frameBottom)
            place(ResizeAnchor::Below, w);
    area.widget->installEventFilter(this);
}

bool WindowFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area.widget && event->type() == QEvent::Resize)
        layOut();
    return QObject::eventFilter(watched, event);
}

void WindowFit::addActions(QMenu *menu)
{
    menu->addAction(m_fitLayout);
}

void WindowFit::retranslate()
{
    m_fitLayout->setText(tr("Düzeni Pencereye Yay"));
}

ResizeMode WindowFit::mode() const
{
    return m_fitLayout->isChecked() ? ResizeMode::FitWindow : ResizeMode::KeepDesign;
}

void WindowFit::layOut()
{
    const QList<QRect> places = m_rule.geometries(m_area.widget->size(), mode());
    for (int i = 0; i < m_placed.size(); ++i)
        m_placed[i]->setGeometry(places[i]);
    m_pictureView->layOut();
}

} // namespace stagepath
