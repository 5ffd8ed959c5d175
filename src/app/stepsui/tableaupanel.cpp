// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/stepsui/tableaupanel.h"

#include "solver/stagetableautable.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace stagepath {

TableauPanel::TableauPanel(QWidget *parent)
    : QWidget(parent)
    , m_table(new StageTableauTable(this))
    , m_recurrence(new QLabel(this))
    , m_view(new QTableView(this))
    , m_pageLabel(new QLabel(this))
    , m_page(new QSpinBox(this))
{
    m_recurrence->setObjectName(QStringLiteral("Recurrence"));
    m_recurrence->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_recurrence->setWordWrap(true);
    m_view->setObjectName(QStringLiteral("StageTableau"));
    m_view->setModel(m_table);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setDefaultSectionSize(64);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_page->setObjectName(QStringLiteral("TableauPage"));
    m_pageLabel->setBuddy(m_page);

    auto *pages = new QHBoxLayout;
    pages->addWidget(m_pageLabel);
    pages->addWidget(m_page);
    pages->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_recurrence);
    layout->addWidget(m_view, 1);
    layout->addLayout(pages);

    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TableauPanel::showRecurrence);
    connect(m_page, &QSpinBox::valueChanged, this, [this](int page) {
        m_table->setPage(page - 1);
        showRecurrence();
    });
    retranslate();
    showPages();
}

void TableauPanel::setStep(std::shared_ptr<const StageProgram> program, int step)
{
    m_table->setStep(std::move(program), step);
    showPages();
    showRecurrence();
}

void TableauPanel::showPages()
{
    const int pages = m_table->pageCount();
    const QSignalBlocker quiet(m_page);
    m_page->setRange(1, pages);
    m_page->setValue(m_table->page() + 1);
    m_page->setSuffix(tr(" / %1").arg(pages));
    m_page->setVisible(pages > 1);
    m_pageLabel->setVisible(pages > 1);
}

// The selected row's recurrence; the first row's when none is selected. Only
// the first terms are written, so a row of many neighbours costs no more.
void TableauPanel::showRecurrence()
{
    const StageProgram *program = m_table->program();
    if (!program || m_table->rowCount() == 0) {
        m_recurrence->clear();
        return;
    }
    const QModelIndex current = m_view->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    m_recurrence->setText(recurrenceText(*program, m_table->step(), row));
}

void TableauPanel::retranslate()
{
    m_pageLabel->setText(tr("Komşu sayfası:"));
    m_page->setAccessibleName(m_pageLabel->text());
    m_page->setSuffix(tr(" / %1").arg(m_table->pageCount()));
    m_page->setToolTip(tr("Komşu sütun bir sayfaya sığmıyor: her sayfa %1 kutu gösterir; \"En iyi\" ve \"Seçilen\" "
                          "bütün komşuları tartar.")
                           .arg(StageTableauTable::pageSize));
    m_view->setAccessibleName(tr("Vorta tablosu: her adayın toplamı"));
    m_view->setToolTip(QString());
    m_recurrence->setAccessibleName(tr("Yineleme bağıntısı"));
    m_table->retranslate();
    showRecurrence();
}

} // namespace stagepath
