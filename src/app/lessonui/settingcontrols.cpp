// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/lessonui/settingcontrols.h"

#include "app/common/windowmessages.h"

#include "lesson/lessondocument.h"
#include "model/inputlimits.h"
#include "model/numbers.h"
#include "model/stagetable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

namespace stagepath {

namespace {

const QString invalidInputStyle = QStringLiteral("QLineEdit { border: 2px solid #c00000; background: #fff0f0; }");

// The messages keep the window's translation context, where they were first shown.

// Counts and limits in a message, grouped as the locale groups them ("10.000").
QString grouped(qint64 number)
{
    return QLocale().toString(number);
}

} // namespace

void markInput(QLineEdit *edit, const QString &problem)
{
    edit->setProperty("invalid", !problem.isEmpty());
    // A style sheet gives the box the application's font instead of the
    // window's, and leaves it so when it is taken away: the box is given the
    // window's font while marked and inherits it again afterwards.
    const QFont windowFont = edit->parentWidget()->font();
    edit->setStyleSheet(problem.isEmpty() ? QString() : invalidInputStyle);
    edit->setFont(problem.isEmpty() ? QFont() : windowFont);
    edit->setToolTip(problem);
    edit->setAccessibleDescription(problem);
}

SettingControls::SettingControls(const ClientArea &controls, LessonDocument *document, WindowMessages *messages,
                                 QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_document(document)
    , m_messages(messages)
{
    const ClientArea &c = m_controls;
    connect(c.stageCountEdit, &QLineEdit::textChanged, this, &SettingControls::changeStageCount);
    wireSpacing(c.xSpacingEdit, Setting::XSpacing, &LessonSettings::xSpacing, &SettingsState::xText,
                QStringLiteral("X"));
    wireSpacing(c.ySpacingEdit, Setting::YSpacing, &LessonSettings::ySpacing, &SettingsState::yText,
                QStringLiteral("Y"));
    connect(c.penWidthEdit, &QLineEdit::textChanged, this, &SettingControls::changePenWidth);
    connect(c.circleSizeBox, &QComboBox::currentIndexChanged, this, &SettingControls::changeCircleSize);
    connect(c.colourLinesBox, &QCheckBox::toggled, this, [this](bool on) {
        SettingsState next = m_document->settings();
        next.values.colourLines = on;
        m_document->changeSetting(Setting::ColourLines, next);
    });
    // The options run nothing; choosing one is a change of the lesson all the same.
    connect(c.longestOption, &QRadioButton::toggled, this, [this](bool on) {
        SettingsState next = m_document->settings();
        next.values.longest = on;
        m_document->changeSetting(Setting::Mode, next);
    });
    // Leaving a text box ends a run of keystrokes: the next one starts a new step.
    for (QLineEdit *edit : textBoxes())
        connect(edit, &QLineEdit::editingFinished, m_document, &LessonDocument::endTyping);
}

QList<QLineEdit *> SettingControls::textBoxes() const
{
    const ClientArea &c = m_controls;
    return {c.stageCountEdit, c.xSpacingEdit, c.ySpacingEdit, c.penWidthEdit};
}

void SettingControls::showSettings()
{
    const SettingsState &state = m_document->settings();
    const ClientArea &c = m_controls;
    const auto show = [](QLineEdit *edit, const QString &text) {
        if (edit->text() != text) {
            const QSignalBlocker quiet(edit);
            edit->setText(text);
        }
        markInput(edit, {});
    };
    show(c.xSpacingEdit, state.xText);
    show(c.ySpacingEdit, state.yText);
    show(c.penWidthEdit, state.penWidthText);
    const QSignalBlocker quietSize(c.circleSizeBox), quietColour(c.colourLinesBox), quietShortest(c.shortestOption),
        quietLongest(c.longestOption);
    c.circleSizeBox->setCurrentIndex(c.circleSizeBox->findText(formatNumber(state.values.circleSize)));
    c.colourLinesBox->setChecked(state.values.colourLines);
    (state.values.longest ? c.longestOption : c.shortestOption)->setChecked(true);
}

void SettingControls::showStageCount()
{
    QLineEdit *edit = m_controls.stageCountEdit;
    if (edit->text() != m_document->stageCountText()) {
        const QSignalBlocker quiet(edit);
        edit->setText(m_document->stageCountText());
    }
    markInput(edit, {});
}

// The box's handler only marks it again: refused text changes nothing.
void SettingControls::retranslate()
{
    for (QLineEdit *edit : textBoxes()) {
        if (edit->property("invalid").toBool())
            Q_EMIT edit->textChanged(edit->text());
    }
}

void SettingControls::changeStageCount(const QString &text)
{
    m_messages->fenced([&] {
        QString problem;
        if (!readStageCount(text, &problem)) {
            // Nothing is rebuilt: the tables stay as they are.
            markInput(m_controls.stageCountEdit,
                      problem + QLatin1Char(' ') + QCoreApplication::translate("stagepath::MainWindow", "Tablolar değiştirilmedi."));
            return;
        }
        markInput(m_controls.stageCountEdit, {});
        // The document rebuilds the tables with fresh values and says so.
        m_document->changeStageCount(text);
    });
}

// X and Y spacing: a number within the limit, or the box is marked and the old value stays.
void SettingControls::wireSpacing(QLineEdit *edit, Setting which, double LessonSettings::*member,
                                  QString SettingsState::*shownText, const QString &name)
{
    connect(edit, &QLineEdit::textChanged, this, [=, this](const QString &text) {
        m_messages->fenced([&] {
            const auto v = parseNumber(text);
            if (!v || qAbs(*v) > limits::maxSpacing) {
                markInput(edit, QCoreApplication::translate("stagepath::MainWindow", "%1 aralığı %2 ile %3 arasında bir sayı olmalı; önceki değer (%4) kullanılıyor.")
                                    .arg(name, grouped(-qint64(limits::maxSpacing)), grouped(qint64(limits::maxSpacing)),
                                         formatNumber(m_document->settings().values.*member)));
                return;
            }
            markInput(edit, {});
            SettingsState next = m_document->settings();
            next.values.*member = *v;
            next.*shownText = text;
            m_document->changeSetting(which, next);
        });
    });
}

void SettingControls::changePenWidth(const QString &text)
{
    m_messages->fenced([&] {
        const auto v = parseNumber(text);
        const auto width = v ? toInt16(*v) : std::nullopt;
        if (!width || *width < 1) {
            markInput(m_controls.penWidthEdit,
                      QCoreApplication::translate("stagepath::MainWindow", "Çizgi Kalınlığı 1 ile %1 arasında bir sayı olmalı; önceki değer (%2) kullanılıyor.")
                          .arg(grouped(limits::maxPenWidth),
                               QString::number(m_document->settings().values.penWidth)));
            return;
        }
        markInput(m_controls.penWidthEdit, {});
        SettingsState next = m_document->settings();
        next.values.penWidth = *width;
        next.penWidthText = text;
        m_document->changeSetting(Setting::PenWidth, next);
    });
}

void SettingControls::changeCircleSize(int index)
{
    m_messages->fenced([&] {
        if (index < 0)
            return;
        SettingsState next = m_document->settings();
        if (const auto v = parseNumber(m_controls.circleSizeBox->itemText(index)))
            next.values.circleSize = *v;
        m_document->changeSetting(Setting::CircleSize, next);
    });
}

} // namespace stagepath
