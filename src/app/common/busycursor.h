// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// BusyCursor: the application's busy cursor while work goes on, as a switch.
// It is set once however often it is switched on, and taken back when it is
// switched off or goes.

namespace stagepath {

class BusyCursor
{
public:
    BusyCursor() = default;
    explicit BusyCursor(bool busy) { setBusy(busy); }
    ~BusyCursor() { setBusy(false); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }

private:
    bool m_busy = false;
};

} // namespace stagepath
