// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The progress of a piece of work that runs off the window's thread, shared
// between the work and whoever watches it: how far it got, out of how much,
// and whether it was asked to stop. Every member is safe to use from both.

#include <QtGlobal>

#include <atomic>

namespace stagepath {

struct TaskProgress {
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{0}; // 0 while the amount is not known
    std::atomic<bool> cancelled{false};

    bool isCancelled() const { return cancelled.load(std::memory_order_relaxed); }
    void cancel() { cancelled.store(true, std::memory_order_relaxed); }
    void advanceTo(qint64 count) { done.store(count, std::memory_order_relaxed); }
};

} // namespace stagepath
