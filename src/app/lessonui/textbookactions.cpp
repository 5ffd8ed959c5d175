// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/lessonui/textbookactions.h"

#include "lesson/boxnamemodel.h"
#include "lesson/lessondocument.h"
#include "model/boxnames.h"
#include "model/edgetable.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace stagepath {

TextbookActions::TextbookActions(QWidget *window, LessonDocument *document,
                                 std::function<void(const QString &)> showProblem)
    : QObject(window)
    , m_window(window)
    , m_document(document)
    , m_showProblem(std::move(showProblem))
    , m_model(new BoxNameModel(document->edgeTable(), this))
    , m_boxNames(new QAction(window))
    , m_letterNames(new QAction(window))
    , m_valuesOnLines(new QAction(window))
{
    m_boxNames->setObjectName(QStringLiteral("actionBoxNames"));
    m_letterNames->setObjectName(QStringLiteral("actionLetterNames"));
    m_valuesOnLines->setObjectName(QStringLiteral("actionValuesOnLines"));
    m_valuesOnLines->setCheckable(true);
    connect(m_boxNames, &QAction::triggered, this, &TextbookActions::openBoxNames);
    connect(m_letterNames, &QAction::triggered, this, &TextbookActions::nameWithLetters);
    connect(m_valuesOnLines, &QAction::toggled, this, [this](bool on) {
        SettingsState next = m_document->settings();
        next.values.valuesOnLines = on;
        m_document->changeSetting(Setting::ValuesOnLines, next);
    });
    connect(m_model, &BoxNameModel::namesChosen, m_document, &LessonDocument::changeNames);
    connect(m_model, &BoxNameModel::nameRefused, this,
            [this](int, const QString &problem) { m_showProblem(problem); });
    connect(m_document, &LessonDocument::settingsChanged, this, &TextbookActions::showSettings);
    connect(m_document, &LessonDocument::lessonReplaced, this, &TextbookActions::showSettings);
    retranslate();
    showSettings();
}

void TextbookActions::addActions(QMenu *editMenu, QMenu *viewMenu)
{
    editMenu->addSeparator();
    editMenu->addAction(m_boxNames);
    editMenu->addAction(m_letterNames);
    viewMenu->addSeparator();
    viewMenu->addAction(m_valuesOnLines);
}

void TextbookActions::retranslate()
{
    m_boxNames->setText(tr("Kutu Adları…"));
    m_letterNames->setText(tr("Kutuları Harflerle Adlandır"));
    m_valuesOnLines->setText(tr("Değerleri Çizgilerde Göster"));
    m_model->retranslate();
    if (m_dialog)
        retranslateDialog();
}

void TextbookActions::showSettings()
{
    const bool on = m_document->settings().values.valuesOnLines;
    if (m_valuesOnLines->isChecked() != on) {
        const QSignalBlocker quiet(m_valuesOnLines);
        m_valuesOnLines->setChecked(on);
    }
}

void TextbookActions::nameWithLetters()
{
    m_document->changeNames(letterNames(m_document->edgeTable()->shape().totalBoxes()));
}

void TextbookActions::openBoxNames()
{
    if (!m_dialog)
        createDialog();
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void TextbookActions::createDialog()
{
    auto *dialog = new QDialog(m_window);
    m_dialog = dialog;
    dialog->setObjectName(QStringLiteral("BoxNames"));
    auto *table = new QTableView(dialog);
    table->setObjectName(QStringLiteral("BoxNameTable"));
    table->setModel(m_model);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                           | QAbstractItemView::AnyKeyPressed);
    table->setCurrentIndex(m_model->index(0, BoxNameModel::NameColumn));
    m_hint = new QLabel(dialog);
    m_hint->setWordWrap(true);
    m_lettersButton = new QPushButton(dialog);
    m_lettersButton->setObjectName(QStringLiteral("BoxNamesLetters"));
    m_clearButton = new QPushButton(dialog);
    m_clearButton->setObjectName(QStringLiteral("BoxNamesClear"));
    connect(m_lettersButton, &QPushButton::clicked, m_letterNames, &QAction::trigger);
    connect(m_clearButton, &QPushButton::clicked, m_document, [this] { m_document->changeNames({}); });
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::hide);
    auto *row = new QHBoxLayout;
    row->addWidget(m_lettersButton);
    row->addWidget(m_clearButton);
    row->addStretch();
    row->addWidget(buttons);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(m_hint);
    layout->addWidget(table);
    layout->addLayout(row);
    dialog->resize(360, 420);
    retranslateDialog();
}

void TextbookActions::retranslateDialog()
{
    m_dialog->setWindowTitle(tr("Kutu Adları"));
    m_hint->setText(tr("Bir kutuya ad vermek için adına çift tıklayın ya da yazmaya başlayın. Bir ad en çok "
                       "%1 karakterdir; \"(\", \")\" ve \"-\" içeremez. Boş ad kutunun numarasını gösterir.")
                        .arg(boxnames::maxLength));
    m_lettersButton->setText(tr("Harflerle Adlandır"));
    m_clearButton->setText(tr("Adları Sil"));
}

} // namespace stagepath
