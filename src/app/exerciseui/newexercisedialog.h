// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dialog NewExercise: the options of a new exercise (exercisegenerator.h)
// in ExerciseBoxes, ExerciseMinValue, ExerciseMaxValue, ExerciseMissing,
// ExerciseUnique, ExerciseMode and ExerciseSeed (a fresh seed proposed each
// time it opens). OK reads them; options that cannot be read are named in a
// warning and the dialog stays open.

#include "lesson/lesson.h"
#include "solver/pathmode.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace stagepath {

class NewExerciseDialog : public QDialog
{
    Q_OBJECT
public:
    // report shows a warning; make tries the options and answers whether the
    // exercise was made (when not, it has said why, and the dialog stays open).
    NewExerciseDialog(QWidget *parent, std::function<void(const QString &)> report,
                      std::function<bool(const ExerciseOrigin &)> make);

    // Opens it with a fresh seed and the mode given.
    void start(PathMode mode);
    // The options as they stand, or nothing (a warning shown) when they cannot be read.
    std::optional<ExerciseOrigin> options();
    void retranslate();

    void accept() override;

private:
    std::function<void(const QString &)> m_report;
    std::function<bool(const ExerciseOrigin &)> m_make;
    QLabel *m_boxesLabel;
    QLineEdit *m_boxes;
    QLabel *m_valuesLabel;
    QSpinBox *m_min;
    QSpinBox *m_max;
    QLabel *m_missingLabel;
    QSpinBox *m_missing;
    QCheckBox *m_unique;
    QLabel *m_modeLabel;
    QComboBox *m_mode;
    QLabel *m_seedLabel;
    QLineEdit *m_seed;
    QDialogButtonBox *m_buttons;
};

} // namespace stagepath
