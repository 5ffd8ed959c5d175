// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/stepsui/solutionstepswindow.h"

#include "app/common/namedwidget.h"

#include "app/picture/colourlegend.h"
#include "app/stepsui/tableaupanel.h"
#include "app/tables/longtextdelegate.h"
#include "app/tables/reportview.h"

#include "solver/rankedpathtable.h"
#include "solver/steptable.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace stagepath {

namespace {

} // namespace

SolutionStepsWindow::SolutionStepsWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_stepTable(new StepTable(this))
    , m_rankedTable(new RankedPathTable(this))
{
    setObjectName(QStringLiteral("SolutionSteps"));
    createControls();
    layOut();
    wire();
    retranslate();
    showStep();
    resize(600, 860);
}

void SolutionStepsWindow::createControls()
{
    m_summary = new QLabel(this);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_stepText = new QLabel(this);
    m_first = named<QPushButton>(this, "StepFirst");
    m_back = named<QPushButton>(this, "StepBack");
    m_forward = named<QPushButton>(this, "StepForward");
    m_last = named<QPushButton>(this, "StepLast");
    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    m_problem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_problem->hide();
    m_stepView = named<ReportView>(this, "StepTable");
    m_stepView->setModel(m_stepTable);
    m_rankedLabel = new QLabel(this);
    m_rankedCount = named<QSpinBox>(this, "RankedCount");
    m_rankedCount->setRange(1, RankedPathTable::largestCount);
    m_rankedCount->setValue(10);
    m_rankedView = named<ReportView>(this, "RankedPaths");
    m_rankedView->setModel(m_rankedTable);
    m_rankedView->setItemDelegate(new LongTextDelegate(m_rankedView));
    m_recursionLabel = new QLabel(this);
    m_recursion = named<QComboBox>(this, "Recursion");
    m_recursion->addItems({QString(), QString()});
    m_recursionLabel->setBuddy(m_recursion);
    m_print = named<QPushButton>(this, "StepsPrint");
    m_tableau = new TableauPanel(this);
    m_legend = new ColourLegend(this);
    const int widths[][5] = {{60, 60, 120, 90, 90}, {50, 100, 280, 80, 0}};
    for (int c = 0; c < StepTable::ColumnCount; ++c)
        m_stepView->setColumnWidth(c, widths[0][c]);
    for (int c = 0; c < RankedPathTable::ColumnCount; ++c)
        m_rankedView->setColumnWidth(c, widths[1][c]);
}

void SolutionStepsWindow::layOut()
{
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_first, m_back, m_forward, m_last})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(m_recursionLabel);
    buttons->addWidget(m_recursion);
    buttons->addWidget(m_print);
    auto *count = new QHBoxLayout;
    count->addWidget(m_rankedLabel);
    count->addWidget(m_rankedCount);
    count->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_stepText);
    layout->addLayout(buttons);
    layout->addWidget(m_problem, 1);
    layout->addWidget(m_stepView, 3);
    layout->addWidget(m_tableau, 3);
    layout->addLayout(count);
    layout->addWidget(m_rankedView, 2);
    layout->addWidget(m_legend);
}

void SolutionStepsWindow::wire()
{
    connect(m_first, &QPushButton::clicked, this, [this] { goToStep(1); });
    connect(m_back, &QPushButton::clicked, this, [this] { goToStep(m_walk.current() - 1); });
    connect(m_forward, &QPushButton::clicked, this, [this] { goToStep(m_walk.current() + 1); });
    connect(m_last, &QPushButton::clicked, this, [this] { goToStep(m_walk.count()); });
    connect(m_recursion, &QComboBox::currentIndexChanged, this, [this](int index) { Q_EMIT recursionChosen(index == 1 ? Recursion::Backward : Recursion::Forward); });
    connect(m_print, &QPushButton::clicked, this, &SolutionStepsWindow::printRequested);
    connect(m_rankedCount, &QSpinBox::valueChanged, this, &SolutionStepsWindow::rankedCountChanged);
    // Return and a double click both activate; a double click is taken on its own as well.
    connect(m_rankedView, &QAbstractItemView::activated, this,
            [this](const QModelIndex &index) { Q_EMIT rankedPathChosen(index.row()); });
    connect(m_rankedView, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { Q_EMIT rankedPathChosen(index.row()); });
}

void SolutionStepsWindow::retranslate()
{
    setWindowTitle(tr("Çözüm Adımları"));
    m_first->setText(tr("İlk"));
    m_back->setText(tr("Geri"));
    m_forward->setText(tr("İleri"));
    m_last->setText(tr("Son"));
    for (QPushButton *b : {m_first, m_back, m_forward, m_last})
        b->setAccessibleName(b->text());
    m_first->setToolTip(tr("İlk adım: 1. sütun"));
    m_back->setToolTip(tr("Önceki adım"));
    m_forward->setToolTip(tr("Sonraki adım: bir vorta daha"));
    m_last->setToolTip(tr("Son adım: bütün sütunlar ve en iyi yol"));
    m_rankedLabel->setText(tr("En iyi yollar, gösterilecek sayı:"));
    m_rankedCount->setAccessibleName(m_rankedLabel->text());
    m_stepView->setAccessibleName(tr("Kutuların en iyi toplamları"));
    m_rankedView->setAccessibleName(tr("En iyi yollar"));
    m_rankedView->setToolTip(tr("Bir yola çift tıklayın: sonuç tablosunda satırı seçilir ve yol mavi çizilir."));
    m_recursionLabel->setText(tr("Özyineleme:"));
    m_recursion->setItemText(0, tr("İleri", "recursion"));
    m_recursion->setItemText(1, tr("Geri", "recursion"));
    m_recursion->setToolTip(tr("İleri: 1. sütundan her kutuya en iyi toplam. Geri: her kutudan son sütuna en iyi "
                               "toplam; adımlar son sütundan sola doğru gider."));
    m_recursion->setAccessibleName(m_recursionLabel->text());
    m_print->setText(tr("Yazdır"));
    m_print->setAccessibleName(m_print->text());
    m_print->setToolTip(tr("Çizimi ve her vortanın tablosunu yazdırır (önce önizleme)."));
    m_tableau->retranslate();
    m_legend->retranslate();
    m_stepTable->retranslate();
    m_rankedTable->retranslate();
    showSummary();
    showStep();
}

void SolutionStepsWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void SolutionStepsWindow::hideEvent(QHideEvent *event)
{
    // A hide of the window system's own (the main window minimised) is no closing.
    if (!event->spontaneous())
        Q_EMIT closed();
    QWidget::hideEvent(event);
}

int SolutionStepsWindow::rankedCount() const
{
    return m_rankedCount->value();
}

void SolutionStepsWindow::showSolution(const std::shared_ptr<const Solution> &solution)
{
    m_working = false;
    m_walk.setSolution(solution);
    m_rankedFrom = nullptr;
    const SolutionRequest &r = solution->request;
    m_stepTable->setSearch(r.snapshot, solution->search, solution->problem);
    const bool tables = m_exercise || (solution->problem.isEmpty() && solution->search);
    m_problem->setVisible(!tables);
    m_stepView->setVisible(tables);
    m_rankedView->setVisible(tables);
    showSummary();
    showStep();
}

void SolutionStepsWindow::showRecursion(Recursion recursion)
{
    const QSignalBlocker quiet(m_recursion);
    m_recursion->setCurrentIndex(recursion == Recursion::Backward ? 1 : 0);
}

void SolutionStepsWindow::showWorking()
{
    m_working = true;
    m_walk.goTo(0);
    showSummary();
    showStep();
}

void SolutionStepsWindow::leaveSteps()
{
    m_walk.goTo(0);
    showStep();
}

void SolutionStepsWindow::setExercise(ExerciseSheet *sheet)
{
    m_exercise = sheet;
    m_stepTable->setExercise(sheet);
    if (sheet) {
        m_rankedTable->clear();
        m_problem->hide();
        m_stepView->show();
    }
    m_walk.goTo(0);
    showSummary();
    showStep();
}

void SolutionStepsWindow::goToStep(int step)
{
    if (m_working || m_exercise)
        return;
    m_walk.goTo(step);
    showStep();
    Q_EMIT stepChanged();
}

void SolutionStepsWindow::showStep()
{
    const int step = m_walk.current(), count = m_working || m_exercise ? 0 : m_walk.count();
    m_stepText->setText(count > 0 ? m_walk.text() : QString());
    m_first->setEnabled(count > 0 && step != 1);
    m_back->setEnabled(count > 0 && step > 0);
    m_forward->setEnabled(step < count);
    m_last->setEnabled(count > 0 && step != count);
    m_print->setEnabled(count > 0);
    const Solution *s = m_walk.solution().get();
    const auto program = !m_working && s ? s->program : nullptr;
    m_stepTable->setSteps(program, step);
    m_tableau->setStep(m_exercise ? nullptr : program, step);
    showRankedPaths();
    showSummary();
    showSolvedColumn();
}

// The k best paths are the answer: none while the steps walk towards it.
void SolutionStepsWindow::showRankedPaths()
{
    const Solution *s = m_walk.solution().get();
    if (m_working || m_exercise || !s || m_walk.hidesAnswer()) {
        if (m_rankedFrom || m_rankedTable->rowCount() > 0) {
            m_rankedTable->clear();
            m_rankedFrom = nullptr;
        }
        return;
    }
    if (m_rankedFrom == s)
        return;
    const SolutionRequest &r = s->request;
    m_rankedTable->setPaths(r.snapshot, r.mode, r.rankedCount, s->ranked, s->problem);
    m_rankedFrom = s;
}

// The rows of the column the step solved are selected in the step table.
void SolutionStepsWindow::showSolvedColumn()
{
    QItemSelectionModel *selection = m_stepView->selectionModel();
    const int step = m_walk.current();
    if (m_working || step == 0 || m_stepTable->rowCount() == 0) {
        selection->clearSelection();
        return;
    }
    const GraphShape &shape = m_walk.solution()->search->shape();
    const int column = m_walk.isBackward() ? shape.columnCount() - step : step - 1;
    const int first = int(shape.globalBox(column, 0) - 1);
    const int last = first + int(shape.boxCount(column)) - 1;
    const QModelIndex top = m_stepTable->index(first, 0);
    selection->select(QItemSelection(top, m_stepTable->index(last, StepTable::ColumnCount - 1)),
                      QItemSelectionModel::ClearAndSelect);
    m_stepView->scrollTo(top, QAbstractItemView::PositionAtTop);
}

void SolutionStepsWindow::showSummary()
{
    const Solution *s = m_walk.solution().get();
    if (m_exercise) {
        const bool longest = s ? s->request.mode == PathMode::Longest : false;
        m_summary->setText(tr("%1 — alıştırma: her kutunun en iyi toplamını \"En iyi toplam\" sütununa yazın.")
                               .arg(longest ? tr("En Uzun Yol") : tr("En Kısa Yol")));
        return;
    }
    if (m_working || !s) {
        m_summary->setText(m_working ? tr("Hesaplanıyor…") : QString());
        return;
    }
    const QString mode = s->request.mode == PathMode::Longest ? tr("En Uzun Yol") : tr("En Kısa Yol");
    if (!s->problem.isEmpty() || !s->search)
        m_problem->setText(s->problem.isEmpty() ? tr("Çözülecek kutu yok.") : s->problem);
    if (!s->search)
        m_summary->setText(mode);
    else if (!s->search->hasPath())
        m_summary->setText(tr("%1: bu grafikte yol yok.").arg(mode));
    else if (m_walk.hidesAnswer())
        m_summary->setText(tr("%1 — en iyi toplam son adımda").arg(mode));
    else
        m_summary->setText(tr("%1 — en iyi toplam: %2, bu toplamı veren yol sayısı: %3")
                               .arg(mode, m_stepTable->bestTotalText(), m_stepTable->bestPathCountText()));
}

} // namespace stagepath
