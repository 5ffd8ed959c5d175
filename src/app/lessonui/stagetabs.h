// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The stage tabs (TabStrip1): "Tümü" shows every edge (ListView2); the tab
// of a stage shows that stage's edges only (ListView3, over a StageFilter
// of the edge table). There is one tab per row of the stage table.

#include <QObject>

namespace stagepath {

class EdgeTable;
class ReportView;
class StageFilter;
class StageTable;
class TabStrip;

class StageTabs : public QObject
{
    Q_OBJECT
public:
    // Gives stageEdgeView its model, the filter.
    StageTabs(TabStrip *tabs, ReportView *stageEdgeView, StageTable *stages, EdgeTable *edges, QObject *parent);

    StageFilter *filter() const { return m_filter; }

    // Which tab is selected once the tabs are made anew.
    enum class Selection { All, Kept };
    // The tabs for the stage table's rows; a kept tab that no longer exists
    // gives way to "Tümü".
    void rebuild(Selection selection);
    void retranslate();

private:
    void showTab(int index);

    TabStrip *m_tabs;
    ReportView *m_stageEdgeView;
    StageTable *m_stages;
    StageFilter *m_filter;
};

} // namespace stagepath
