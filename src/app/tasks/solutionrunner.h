// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Works out solutions (solution.h) for the window: a small graph at once,
// inside the request, a large one on a worker thread from its immutable
// snapshot, so that no event holds the event loop long. Only the newest
// request counts (background/latestonly.h): the solver cannot stop early, so
// one made while a worker runs waits for it, replacing any that waited
// before, and a result that a newer request superseded is dropped. solved()
// reports each result that still counts.

#include "background/latestonly.h"
#include "solver/solution.h"

#include <QObject>

#include <functional>
#include <memory>

namespace stagepath {

class SolutionRunner : public QObject
{
    Q_OBJECT
public:
    explicit SolutionRunner(QObject *parent = nullptr);
    ~SolutionRunner() override;

    void request(const SolutionRequest &request);
    // Nothing more is reported until the next request.
    void cancel();
    // A result for the newest request is still to come.
    bool isWorking() const;
    // The last result reported.
    const std::shared_ptr<const Solution> &latest() const { return m_latest; }

    // Little enough work to be done inside the request (a few milliseconds).
    static bool solvesAtOnce(const SolutionRequest &request);

    // For tests: called before each solution is worked out, on the thread
    // that works it out; an error it throws stands for one of the solver's.
    static std::function<void(const SolutionRequest &)> &solveHook();

Q_SIGNALS:
    void solved(const std::shared_ptr<const Solution> &solution);

private:
    void report(std::shared_ptr<const Solution> solution);

    std::shared_ptr<const Solution> m_latest;
    LatestOnly<std::shared_ptr<const Solution>> m_worker;
};

} // namespace stagepath
