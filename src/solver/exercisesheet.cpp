// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercisesheet.h"

#include <algorithm>

namespace stagepath {

void ExerciseSheet::setGraph(EdgeDataPtr snapshot, PathMode mode)
{
    if (snapshot == m_graph && mode == m_mode)
        return;
    Q_EMIT graphAboutToChange();
    m_graph = std::move(snapshot);
    m_mode = mode;
    m_check.reset();
    m_marks.clear();
    m_first.assign(1, 0);
    if (m_graph) {
        for (const qint64 count : m_graph->shape.boxCounts())
            m_first.push_back(m_first.back() + count);
    }
    Q_EMIT graphChanged();
}

int ExerciseSheet::columnOf(qint64 box) const
{
    return int(std::upper_bound(m_first.begin(), m_first.end(), box) - m_first.begin()) - 1;
}

void ExerciseSheet::setAnswers(const ExerciseAnswers &answers)
{
    if (answers == m_answers)
        return;
    // A box total typed again, or taken away, has no mark until the next check.
    for (auto it = m_marks.begin(); it != m_marks.end();) {
        if (answers.boxTotals.value(it.key()) != m_answers.boxTotals.value(it.key()))
            it = m_marks.erase(it);
        else
            ++it;
    }
    m_answers = answers;
    Q_EMIT marksChanged();
}

ExerciseSheet::Mark ExerciseSheet::mark(qint64 box) const
{
    const auto it = m_marks.constFind(box);
    return it == m_marks.constEnd() ? Mark::None : it.value() ? Mark::Right : Mark::Wrong;
}

QString ExerciseSheet::markTip(qint64 box) const
{
    if (mark(box) != Mark::Wrong || !m_check)
        return {};
    return m_check->boxCandidatesText(box);
}

const ExerciseCheck &ExerciseSheet::checker()
{
    if (!m_check) {
        static const EdgeData none;
        m_check = std::make_unique<ExerciseCheck>(m_graph ? *m_graph : none, m_mode);
    }
    return *m_check;
}

PathVerdict ExerciseSheet::check(const QLocale &locale)
{
    const ExerciseCheck &check = checker();
    m_marks.clear();
    for (auto it = m_answers.boxTotals.constBegin(); it != m_answers.boxTotals.constEnd(); ++it) {
        if (it.key() < boxCount() && !it.value().trimmed().isEmpty())
            m_marks.insert(it.key(), check.computed() && check.boxTotalRight(it.key(), it.value(), locale));
    }
    Q_EMIT marksChanged();
    return check.checkPath(m_answers.path, m_answers.total, locale);
}

std::optional<ExerciseAnswers> ExerciseSheet::withNextColumn()
{
    const ExerciseCheck &check = checker();
    const int column = m_answers.revealedColumns;
    if (!check.computed() || column + 1 >= int(m_first.size()))
        return std::nullopt;
    ExerciseAnswers next = m_answers;
    for (qint64 box = m_first[size_t(column)]; box < m_first[size_t(column) + 1]; ++box)
        next.boxTotals.insert(box, check.boxTotalText(box));
    next.revealedColumns = column + 1;
    return next;
}

} // namespace stagepath
