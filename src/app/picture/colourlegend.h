// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every colour on the drawing means, as a line of coloured squares with
// their names (colours.h), for the window SolutionSteps.

#include <QLabel>

namespace stagepath {

class ColourLegend : public QLabel
{
    Q_OBJECT
public:
    explicit ColourLegend(QWidget *parent = nullptr);
    void retranslate();
};

} // namespace stagepath
