// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stepwalk.h"

#include "model/stagetable.h"

namespace stagepath {

void StepWalk::setSolution(std::shared_ptr<const Solution> solution)
{
    const bool sameGraph = m_solution && solution && m_solution->sameGraph(solution->request);
    m_solution = std::move(solution);
    m_step = sameGraph ? qBound(0, m_step, count()) : 0;
}

int StepWalk::count() const
{
    return m_solution && m_solution->search && m_solution->boxTexts ? m_solution->search->shape().columnCount() : 0;
}

void StepWalk::goTo(int step)
{
    m_step = qBound(0, step, count());
}

PictureOverlays StepWalk::overlays() const
{
    PictureOverlays o;
    if (m_step == 0)
        return o;
    const BestPathSearch &search = *m_solution->search;
    const GraphShape &shape = search.shape();
    // Boxes are numbered column after column: the solved ones come first.
    const qint64 solved = m_step < shape.columnCount() ? shape.globalBox(m_step, 0) - 1 : shape.totalBoxes();
    const auto total = size_t(shape.totalBoxes());
    const auto &texts = *m_solution->boxTexts;
    auto labels = std::make_shared<std::vector<QString>>(texts.begin(), texts.begin() + solved);
    labels->resize(total);
    const auto &previous = *m_solution->previousPositions;
    auto chosen = std::make_shared<std::vector<qint64>>(previous.begin(), previous.begin() + solved);
    chosen->resize(total, -1);
    o.boxLabels = std::move(labels);
    o.chosenFrom = std::move(chosen);
    o.highlightedStage = m_step - 2;
    if (atLast() && search.hasPath())
        o.bestPath = search.positions();
    return o;
}

QString StepWalk::text() const
{
    const int steps = count();
    if (m_step == 0)
        return tr("Adım 0 / %1: çizim olduğu gibi").arg(steps);
    if (m_step == 1)
        return tr("Adım 1 / %1: 1. sütun, her kutunun toplamı 0").arg(steps);
    const QString step = tr("Adım %1 / %2: %3, %4. sütunun en iyi toplamları")
                             .arg(QString::number(m_step), QString::number(steps), stageLabel(m_step - 1),
                                  QString::number(m_step));
    if (atLast() && m_solution->search->hasPath())
        return step + tr("; en iyi yol kırmızı");
    return step;
}

} // namespace stagepath
