// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The stage tableau of the step in view (stagetableautable.h), in the window
// SolutionSteps: the recurrence of one row written out with its numbers
// (the selected row, else the first), the table StageTableau and, when the
// neighbouring column is wider than a page, the page of neighbours shown.

#include "solver/stagetableau.h"

#include <QWidget>

#include <memory>

class QLabel;
class QSpinBox;
class QTableView;

namespace stagepath {

class StageTableauTable;

class TableauPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TableauPanel(QWidget *parent = nullptr);

    void setStep(std::shared_ptr<const StageProgram> program, int step);
    const StageTableauTable *table() const { return m_table; }
    void retranslate();

private:
    void showRecurrence();
    void showPages();

    StageTableauTable *m_table;
    QLabel *m_recurrence;
    QTableView *m_view;
    QLabel *m_pageLabel;
    QSpinBox *m_page;
};

} // namespace stagepath
