// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A new child widget with its object name, the name by which tests and
// assistive tools find it.

#include <QLatin1String>
#include <QWidget>

namespace stagepath {

template <typename T> T *named(QWidget *parent, const char *name)
{
    auto *w = new T(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

} // namespace stagepath
