// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/lessonui/pathlisting.h"

#include "app/common/windowmessages.h"
#include "app/stepsui/solutionviews.h"
#include "app/tables/reportview.h"

#include "lesson/lessondocument.h"
#include "model/edgetable.h"
#include "model/inputlimits.h"
#include "solver/bestpath.h"
#include "solver/resulttable.h"
#include "solver/validation.h"

#include <QCoreApplication>
#include <QItemSelectionModel>

namespace stagepath {

// The messages keep the window's translation context, where they were first shown.

PathListing::PathListing(const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
    , m_edges(parts.document->edgeTable())
{
}

PathListing::Listing PathListing::listAllPaths()
{
    const EdgeDataPtr snapshot = m_edges->snapshot();
    // A column without boxes is no error: there is simply no path to list.
    auto problem = nonNumberMessage(*snapshot);
    if (!problem)
        problem = overflowMessage(*snapshot);
    if (problem) {
        m_parts.messages->warn(*problem + QLatin1Char(' ')
                               + QCoreApplication::translate("stagepath::MainWindow", "Listelenen yollar değiştirilmedi."));
        return Listing::Failed;
    }
    if (realPathCount(*snapshot, limits::maxListedPaths + 1) > limits::maxListedPaths)
        return Listing::TooMany;
    m_parts.results->setPaths(snapshot);
    return Listing::Listed;
}

void PathListing::listPaths()
{
    if (m_parts.document->settings().values.exercise)
        return;
    m_parts.messages->fenced([this] {
        const Listing listing = listAllPaths();
        if (listing == Listing::TooMany)
            m_parts.messages->warn(tooManyPathsMessage(*m_edges->snapshot()).value_or(QString()));
        else if (listing == Listing::Listed)
            if (const auto why = noPathMessage(*m_edges->snapshot()))
                m_parts.messages->warn(*why);
    });
}

void PathListing::drawBestPath()
{
    if (m_parts.document->settings().values.exercise)
        return;
    m_parts.messages->fenced([this] {
        const Listing listing = listAllPaths();
        if (listing == Listing::Failed)
            return;
        m_parts.redraw();
        const EdgeDataPtr snapshot = m_edges->snapshot();
        const PathMode mode = m_parts.document->settings().values.longest ? PathMode::Longest : PathMode::Shortest;
        const auto best = findBestPath(*snapshot, mode);
        if (!best) {
            m_parts.messages->warn(noPathMessage(*snapshot).value_or(
                QCoreApplication::translate("stagepath::MainWindow", "Çizilecek yol yok.")));
            return;
        }
        m_parts.solutionViews->showBestPath(best->positions);

        ResultTable *results = m_parts.results;
        const qint64 row = listing == Listing::Listed ? results->rowOfPositions(best->positions) : -1;
        if (row >= 0 && row < results->rowCount()) {
            selectBestRow(row);
        } else {
            const QString name = mode == PathMode::Shortest
                                     ? QCoreApplication::translate("stagepath::MainWindow", "En Kısa Yol")
                                     : QCoreApplication::translate("stagepath::MainWindow", "En Uzun Yol");
            m_parts.messages->inform(tooManyPathsMessage(*snapshot).value_or(QString())
                                     + QStringLiteral("\n%1: %2\n").arg(name, best->pathText)
                                     + QCoreApplication::translate("stagepath::MainWindow", "Toplam: %1")
                                           .arg(best->totalText));
        }
    });
}

void PathListing::selectBestRow(qint64 row)
{
    ReportView *view = m_parts.resultView;
    const QModelIndex index = m_parts.results->index(int(row), 0);
    view->setCurrentIndex(index);
    view->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(index, QAbstractItemView::PositionAtCenter);
    view->setFocus(Qt::OtherFocusReason);
}

} // namespace stagepath
