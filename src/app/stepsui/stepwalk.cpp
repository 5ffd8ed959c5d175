// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/stepsui/stepwalk.h"

#include "model/stagetable.h"

#include <algorithm>

namespace stagepath {

namespace {

// The tied choices of one stage drawn at most: a stage of a million equal
// roads marks this many, enough to see that they tie.
constexpr size_t maxTiedChoices = 20000;

} // namespace

void StepWalk::setSolution(std::shared_ptr<const Solution> solution)
{
    const bool sameGraph = m_solution && solution && m_solution->sameGraph(solution->request)
        && m_solution->request.recursion == solution->request.recursion;
    m_solution = std::move(solution);
    m_step = sameGraph ? qBound(0, m_step, count()) : 0;
}

int StepWalk::count() const
{
    return m_solution && m_solution->search && m_solution->boxTexts ? m_solution->search->shape().columnCount() : 0;
}

bool StepWalk::isBackward() const
{
    return m_solution && m_solution->request.recursion == Recursion::Backward;
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
    const StageProgram *program = m_solution->program.get();
    if (program) {
        // Every tied choice of the step's tableau.
        auto tied = std::make_shared<std::vector<qint64>>();
        const int column = program->solvedColumn(m_step), from = program->neighbourColumn(m_step);
        if (from >= 0) {
            for (qint64 j = 0; j < shape.boxCount(column); ++j)
                for (qint64 k = 0; k < shape.boxCount(from); ++k)
                    if (tied->size() < maxTiedChoices && program->isChoice(m_step, j, k))
                        tied->push_back(program->roadRow(m_step, j, k));
        }
        if (isBackward()) {
            const auto &texts = *m_solution->programTexts;
            auto labels = std::make_shared<std::vector<QString>>(size_t(shape.totalBoxes()));
            for (int c = column; c < shape.columnCount(); ++c) {
                for (qint64 j = 0; j < shape.boxCount(c); ++j) {
                    const qint64 box = shape.globalBox(c, j) - 1;
                    (*labels)[size_t(box)] = texts[size_t(box)];
                    const qint64 next = program->firstChoice(box);
                    if (next >= 0 && c > column)
                        tied->push_back(shape.edgeRow(c, j, next - shape.globalBox(c + 1, 0) + 1));
                }
            }
            std::sort(tied->begin(), tied->end());
            o.boxLabels = std::move(labels);
            o.chosenEdges = std::move(tied);
            o.highlightedStage = from >= 0 ? column : -1;
            if (atLast() && program->hasPath())
                o.bestPath = search.hasPath() ? search.positions() : program->positions();
            return o;
        }
        o.chosenEdges = std::move(tied);
    }
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
    const bool backward = isBackward();
    if (m_step == 1)
        return backward ? tr("Adım 1 / %1: son sütun, her kutunun toplamı 0").arg(steps)
                        : tr("Adım 1 / %1: 1. sütun, her kutunun toplamı 0").arg(steps);
    // Backward, step c solves column steps - c + 1 by the stage on its right.
    const int column = backward ? steps - m_step + 1 : m_step;
    const int stage = backward ? column : m_step - 1;
    const QString step = tr("Adım %1 / %2: %3, %4. sütunun en iyi toplamları")
                             .arg(QString::number(m_step), QString::number(steps), stageLabel(stage),
                                  QString::number(column));
    if (atLast() && m_solution->search->hasPath())
        return step + tr("; en iyi yol kırmızı");
    return step;
}

} // namespace stagepath
