// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/exerciseui/newexercisedialog.h"

#include "lesson/exercisegenerator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace stagepath {

NewExerciseDialog::NewExerciseDialog(QWidget *parent, std::function<void(const QString &)> report,
                                     std::function<bool(const ExerciseOrigin &)> make)
    : QDialog(parent)
    , m_report(std::move(report))
    , m_make(std::move(make))
    , m_boxesLabel(new QLabel(this))
    , m_boxes(new QLineEdit(QStringLiteral("1,3,3,2,1"), this))
    , m_valuesLabel(new QLabel(this))
    , m_min(new QSpinBox(this))
    , m_max(new QSpinBox(this))
    , m_missingLabel(new QLabel(this))
    , m_missing(new QSpinBox(this))
    , m_unique(new QCheckBox(this))
    , m_modeLabel(new QLabel(this))
    , m_mode(new QComboBox(this))
    , m_seedLabel(new QLabel(this))
    , m_seed(new QLineEdit(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("NewExercise"));
    m_boxes->setObjectName(QStringLiteral("ExerciseBoxes"));
    m_min->setObjectName(QStringLiteral("ExerciseMinValue"));
    m_max->setObjectName(QStringLiteral("ExerciseMaxValue"));
    m_missing->setObjectName(QStringLiteral("ExerciseMissing"));
    m_unique->setObjectName(QStringLiteral("ExerciseUnique"));
    m_mode->setObjectName(QStringLiteral("ExerciseMode"));
    m_seed->setObjectName(QStringLiteral("ExerciseSeed"));
    for (QSpinBox *value : {m_min, m_max})
        value->setRange(int(-exercise::maxValue), int(exercise::maxValue));
    m_min->setValue(1);
    m_max->setValue(20);
    m_missing->setRange(0, exercise::maxMissingPercent);
    m_mode->addItems({QString(), QString()});

    auto *values = new QHBoxLayout;
    values->addWidget(m_min);
    values->addWidget(m_max);
    auto *form = new QFormLayout(this);
    form->addRow(m_boxesLabel, m_boxes);
    form->addRow(m_valuesLabel, values);
    form->addRow(m_missingLabel, m_missing);
    form->addRow(QString(), m_unique);
    form->addRow(m_modeLabel, m_mode);
    form->addRow(m_seedLabel, m_seed);
    form->addRow(m_buttons);
    m_boxesLabel->setBuddy(m_boxes);
    m_valuesLabel->setBuddy(m_min);
    m_missingLabel->setBuddy(m_missing);
    m_modeLabel->setBuddy(m_mode);
    m_seedLabel->setBuddy(m_seed);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &NewExerciseDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &NewExerciseDialog::reject);
    retranslate();
}

void NewExerciseDialog::retranslate()
{
    setWindowTitle(tr("Yeni Alıştırma"));
    m_boxesLabel->setText(tr("Kutu sayıları:"));
    m_boxes->setToolTip(tr("Her sütunun kutu sayısı, virgülle ayrılmış: 1,3,3,2,1"));
    m_valuesLabel->setText(tr("Değerler (en küçük, en büyük):"));
    m_min->setAccessibleName(tr("En küçük değer"));
    m_max->setAccessibleName(tr("En büyük değer"));
    m_missingLabel->setText(tr("Eksik yollar:"));
    m_missing->setSuffix(tr(" %"));
    m_unique->setText(tr("Tek bir en iyi yol"));
    m_modeLabel->setText(tr("Mod:"));
    m_mode->setItemText(0, tr("En Kısa Yol"));
    m_mode->setItemText(1, tr("En Uzun Yol"));
    m_seedLabel->setText(tr("Tohum:"));
    m_seed->setToolTip(tr("Aynı seçenekler ve aynı tohum her bilgisayarda aynı alıştırmayı verir."));
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("Tamam"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("İptal"));
}

void NewExerciseDialog::start(PathMode mode)
{
    m_mode->setCurrentIndex(mode == PathMode::Longest ? 1 : 0);
    m_seed->setText(QString::number(freshSeed()));
    m_boxes->setFocus();
    open();
}

std::optional<ExerciseOrigin> NewExerciseDialog::options()
{
    ExerciseOrigin options;
    QString problem;
    const auto boxes = readBoxCounts(m_boxes->text(), &problem);
    if (!boxes) {
        m_report(problem);
        return std::nullopt;
    }
    options.boxes = *boxes;
    options.minValue = m_min->value();
    options.maxValue = m_max->value();
    options.missingPercent = m_missing->value();
    options.unique = m_unique->isChecked();
    options.longest = m_mode->currentIndex() == 1;
    const QString seed = m_seed->text().trimmed();
    bool ok = false;
    options.seed = seed.toULongLong(&ok);
    if (!ok || seed.startsWith(u'+') || seed.startsWith(u'-')) {
        m_report(tr("Tohum (\"%1\") 0 ile 18446744073709551615 arasında bir tam sayı olmalı.").arg(m_seed->text()));
        return std::nullopt;
    }
    return options;
}

void NewExerciseDialog::accept()
{
    const auto chosen = options();
    if (!chosen)
        return;
    if (m_make(*chosen))
        QDialog::accept();
}

} // namespace stagepath
