// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// RegenerationWorker: the edge values of one large regeneration, drawn on a
// worker thread of the global pool while the window goes on. It is given the
// box counts and a source of its own (a split of the document's), so that
// nothing it touches is shared with the thread that started it; what it makes
// is new edge data, handed over whole when it is ready. Only the newest
// counts (background/latestonly.h): starting another, or cancel(), asks the
// one before to stop, and its result is never taken.

#include "background/latestonly.h"
#include "lesson/lessonstate.h"
#include "model/graphdata.h"
#include "model/randomsource.h"

#include <QObject>
#include <QSemaphore>
#include <QStringList>

#include <memory>

namespace stagepath {

class RegenerationWorker : public QObject
{
    Q_OBJECT
public:
    explicit RegenerationWorker(QObject *parent = nullptr);
    ~RegenerationWorker() override;

    // Whether a regeneration was started and its result not yet taken.
    bool isActive() const { return m_active; }
    // The box count texts the active regeneration was started for.
    const QStringList &boxTexts() const { return m_boxTexts; }
    // Whether it was started by redo rather than by the user's own edit.
    ChangeOrigin origin() const { return m_origin; }

    void start(const QStringList &boxTexts, const std::vector<qint64> &boxCounts,
               std::unique_ptr<RandomSource> random, ChangeOrigin origin);
    // Waits up to ms milliseconds for the active regeneration to be drawn;
    // whether it was (its result may then be taken without waiting).
    bool waitFor(int ms);
    // The edge data, waiting for it when it is still being drawn; the worker
    // is idle afterwards. An error the worker met is thrown here.
    EdgeDataPtr take();
    // Stops the active regeneration; its result is thrown away.
    void cancel();

Q_SIGNALS:
    // The active regeneration's result is ready to be taken.
    void resultReady();
    void activeChanged(bool active);

private:
    void setActive(bool active);

    LatestOnly<EdgeDataPtr> m_worker;
    // Released by the active worker when it has drawn (or failed).
    std::shared_ptr<QSemaphore> m_drawn;
    QStringList m_boxTexts;
    ChangeOrigin m_origin = ChangeOrigin::Edit;
    bool m_active = false;
};

} // namespace stagepath
