// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/lessonui/stagetabs.h"

#include "app/lessonui/tabstrip.h"
#include "app/tables/reportview.h"

#include "model/stagefilter.h"
#include "model/stagetable.h"

namespace stagepath {

StageTabs::StageTabs(TabStrip *tabs, ReportView *stageEdgeView, StageTable *stages, EdgeTable *edges,
                     QObject *parent)
    : QObject(parent)
    , m_tabs(tabs)
    , m_stageEdgeView(stageEdgeView)
    , m_stages(stages)
    , m_filter(new StageFilter(edges, this))
{
    m_stageEdgeView->setModel(m_filter);
    connect(m_tabs, &QTabBar::currentChanged, this, &StageTabs::showTab);
}

void StageTabs::rebuild(Selection selection)
{
    const int stages = qMax(0, m_stages->rowCount() - 1);
    int selected = selection == Selection::Kept ? m_tabs->currentIndex() : 0;
    if (selected < 0 || selected > stages)
        selected = 0;
    m_tabs->setCaptions(stageTabCaptions(stages), selected);
    showTab(selected);
}

void StageTabs::retranslate()
{
    const QStringList captions = stageTabCaptions(m_tabs->count() - 1);
    for (int i = 0; i < m_tabs->count() && i < captions.size(); ++i)
        m_tabs->setTabText(i, captions[i]);
}

void StageTabs::showTab(int index)
{
    if (index <= 0) {
        m_stageEdgeView->hide();
        return;
    }
    m_filter->setStage(index - 1);
    m_stageEdgeView->show();
    m_stageEdgeView->raise();
}

} // namespace stagepath
