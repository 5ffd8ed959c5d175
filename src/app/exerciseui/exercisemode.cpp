// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/exerciseui/exercisemode.h"

#include "app/common/namedwidget.h"

#include "app/picture/picturebox.h"
#include "app/stepsui/solutionviews.h"

#include "lesson/lessondocument.h"
#include "model/edgetable.h"
#include "solver/exercisesheet.h"
#include "solver/resulttable.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace stagepath {

namespace {

QAction *namedAction(QObject *parent, const char *name)
{
    auto *action = new QAction(parent);
    action->setObjectName(QLatin1String(name));
    return action;
}

const QString verdictStyle = QStringLiteral("QLabel[verdict=\"right\"] { color: #006400; font-weight: bold; }"
                                            "QLabel[verdict=\"wrong\"] { color: #b00000; }");

} // namespace

ExerciseMode::ExerciseMode(const Parts &parts)
    : QObject(parts.window)
    , m_parts(parts)
    , m_sheet(new ExerciseSheet(this))
    , m_toggle(namedAction(parts.window, "actionExercise"))
    , m_check(namedAction(parts.window, "actionCheckAnswer"))
    , m_revealColumn(namedAction(parts.window, "actionRevealColumn"))
    , m_revealAnswer(namedAction(parts.window, "actionRevealAnswer"))
{
    m_toggle->setCheckable(true);
    createPanel();
    wire();
    retranslate();
    follow();
}

void ExerciseMode::createPanel()
{
    m_dock = named<QDockWidget>(m_parts.window, "ExercisePanel");
    m_dock->setFeatures(QDockWidget::DockWidgetMovable);
    auto *panel = new QWidget(m_dock);
    m_intro = new QLabel(panel);
    m_intro->setWordWrap(true);
    m_pathLabel = new QLabel(panel);
    m_path = named<QLineEdit>(panel, "ExercisePath");
    m_totalLabel = new QLabel(panel);
    m_total = named<QLineEdit>(panel, "ExerciseTotal");
    m_checkButton = named<QPushButton>(panel, "ExerciseCheck");
    m_checkButton->setDefault(true);
    m_columnButton = new QPushButton(panel);
    m_answerButton = new QPushButton(panel);
    m_verdict = named<QLabel>(panel, "ExerciseVerdict");
    m_verdict->setWordWrap(true);
    m_verdict->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_verdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_verdict->setStyleSheet(verdictStyle);
    m_verdict->setProperty("verdict", QStringLiteral("incomplete"));

    auto *layout = new QGridLayout(panel);
    layout->addWidget(m_intro, 0, 0, 1, 2);
    layout->addWidget(m_pathLabel, 1, 0);
    layout->addWidget(m_path, 1, 1);
    layout->addWidget(m_totalLabel, 2, 0);
    layout->addWidget(m_total, 2, 1);
    layout->addWidget(m_checkButton, 3, 0, 1, 2);
    layout->addWidget(m_verdict, 4, 0, 1, 2);
    layout->setRowStretch(4, 1);
    layout->addWidget(m_columnButton, 5, 0, 1, 2);
    layout->addWidget(m_answerButton, 6, 0, 1, 2);
    panel->setMinimumWidth(260);
    m_dock->setWidget(panel);
    m_parts.window->addDockWidget(Qt::RightDockWidgetArea, m_dock);
    m_dock->hide();
    m_path->installEventFilter(this);
}

void ExerciseMode::wire()
{
    LessonDocument *lesson = m_parts.lesson;
    connect(m_toggle, &QAction::triggered, this, [this](bool on) {
        SettingsState next = m_parts.lesson->settings();
        next.values.exercise = on;
        m_parts.lesson->changeSetting(Setting::Exercise, next);
    });
    connect(m_check, &QAction::triggered, this, &ExerciseMode::check);
    connect(m_checkButton, &QPushButton::clicked, m_check, &QAction::trigger);
    connect(m_total, &QLineEdit::returnPressed, m_check, &QAction::trigger);
    connect(m_path, &QLineEdit::returnPressed, m_check, &QAction::trigger);
    connect(m_revealColumn, &QAction::triggered, this, &ExerciseMode::revealColumn);
    connect(m_columnButton, &QPushButton::clicked, m_revealColumn, &QAction::trigger);
    connect(m_revealAnswer, &QAction::triggered, this, &ExerciseMode::revealAnswer);
    connect(m_answerButton, &QPushButton::clicked, m_revealAnswer, &QAction::trigger);

    connect(m_path, &QLineEdit::textEdited, this, [this](const QString &text) {
        ExerciseAnswers next = m_parts.lesson->settings().answers;
        next.path = text;
        changeAnswers(next, true);
    });
    connect(m_total, &QLineEdit::textEdited, this, [this](const QString &text) {
        ExerciseAnswers next = m_parts.lesson->settings().answers;
        next.total = text;
        changeAnswers(next, true);
    });
    for (QLineEdit *edit : {m_path, m_total})
        connect(edit, &QLineEdit::editingFinished, lesson, &LessonDocument::endTyping);
    connect(m_sheet, &ExerciseSheet::boxTotalTyped, this, [this](qint64 box, const QString &text) {
        ExerciseAnswers next = m_parts.lesson->settings().answers;
        if (text.isEmpty())
            next.boxTotals.remove(box);
        else
            next.boxTotals.insert(box, text);
        changeAnswers(next);
    });

    connect(lesson, &LessonDocument::lessonReplaced, this, &ExerciseMode::follow);
    connect(lesson, &LessonDocument::settingsChanged, this, [this](Setting which) {
        if (which == Setting::Exercise || which == Setting::Answers)
            follow();
        else if (which == Setting::Mode)
            followGraph();
    });
    EdgeTable *edges = lesson->edgeTable();
    connect(edges, &QAbstractItemModel::modelReset, this, &ExerciseMode::followGraph);
    connect(edges, &QAbstractItemModel::dataChanged, this, &ExerciseMode::followGraph);
    // A listing made some other way (the steps' last step, say) goes again.
    connect(m_parts.resultTable, &QAbstractItemModel::modelReset, this, [this] {
        if (isOn() && m_parts.resultTable->rowCount() > 0)
            m_parts.resultTable->clearRows();
    });
    m_parts.controls->picture->installEventFilter(this);
}

void ExerciseMode::addActions(QMenu *menu)
{
    menu->addAction(m_toggle);
    menu->addSeparator();
    menu->addAction(m_check);
    menu->addAction(m_revealColumn);
    menu->addAction(m_revealAnswer);
}

void ExerciseMode::retranslate()
{
    m_toggle->setText(tr("Alıştırma Modu"));
    m_toggle->setStatusTip(tr("Cevabı gizler: yolu ve toplamları siz bulursunuz, pencere kontrol eder."));
    m_check->setText(tr("Kontrol Et"));
    m_revealColumn->setText(tr("Sonraki Sütunu Göster"));
    m_revealAnswer->setText(tr("Cevabı Göster"));
    m_dock->setWindowTitle(tr("Alıştırma"));
    // The dock's own buttons are named once, when made: named again in the new language.
    for (const auto &[name, text] : {std::pair{"qt_dockwidget_floatbutton", "Float"},
                                     std::pair{"qt_dockwidget_closebutton", "Close"}}) {
        if (auto *button = m_dock->findChild<QAbstractButton *>(QLatin1String(name)))
            button->setAccessibleName(QCoreApplication::translate("QDockWidget", text));
    }
    m_intro->setText(tr("En iyi yolu bulun. Çizimde kutulara ilk sütundan son sütuna sırayla tıklayın ya da "
                        "kutuları yazın (örneğin 1-4-7). Geri tuşu son kutuyu siler. Kutuların en iyi toplamlarını "
                        "Çözüm Adımları penceresine (F6) yazabilirsiniz."));
    m_pathLabel->setText(tr("Yol:"));
    m_totalLabel->setText(tr("Toplam:"));
    m_path->setPlaceholderText(tr("örneğin 1-4-7"));
    m_total->setPlaceholderText(tr("yolun toplamı"));
    m_path->setAccessibleName(tr("Yol"));
    m_total->setAccessibleName(tr("Toplam"));
    m_checkButton->setText(m_check->text());
    m_columnButton->setText(m_revealColumn->text());
    m_answerButton->setText(m_revealAnswer->text());
    for (QPushButton *b : {m_checkButton, m_columnButton, m_answerButton})
        b->setAccessibleName(b->text());
    m_verdict->setAccessibleName(tr("Sonuç"));
    // The last check's words, again in the new language.
    if (m_checked)
        check();
}

bool ExerciseMode::isOn() const
{
    return m_parts.lesson->settings().values.exercise;
}

void ExerciseMode::follow()
{
    const SettingsState &state = m_parts.lesson->settings();
    const bool on = state.values.exercise;
    m_toggle->setChecked(on);
    const ClientArea &c = *m_parts.controls;
    c.bestPathButton->setEnabled(!on);
    c.listPathsButton->setEnabled(!on);
    for (QAction *action : {m_check, m_revealColumn, m_revealAnswer})
        action->setEnabled(on);
    if (on != m_wasOn) {
        m_wasOn = on;
        if (on) {
            m_parts.resultTable->clearRows();
            followGraph();
            m_parts.views->setExercise(m_sheet);
            showPanel(true);
            showVerdict(QStringLiteral("incomplete"), QString());
        } else {
            m_parts.views->setExercise(nullptr);
            showPanel(false);
            m_sheet->setGraph(nullptr, PathMode::Shortest);
        }
    }
    m_sheet->setAnswers(state.answers);
    for (auto [edit, text] : {std::pair{m_path, state.answers.path}, std::pair{m_total, state.answers.total}}) {
        if (edit->text() != text)
            edit->setText(text);
    }
}

// The window grows by the panel's width where the screen has room, so that
// the drawing keeps its width, and gives it back when the panel goes.
void ExerciseMode::showPanel(bool on)
{
    QMainWindow *window = m_parts.window;
    const bool sized = !window->isMaximized() && !window->isFullScreen();
    if (on) {
        m_dock->show();
        m_grownBy = 0;
        if (sized) {
            const int room = window->screen() ? window->screen()->availableGeometry().right() - window->frameGeometry().right()
                                              : 0;
            m_grownBy = qBound(0, room, m_dock->sizeHint().width());
            window->resize(window->width() + m_grownBy, window->height());
        }
    } else {
        m_dock->hide();
        if (sized && m_grownBy > 0)
            window->resize(window->width() - m_grownBy, window->height());
        m_grownBy = 0;
    }
}

// The graph or the mode changed: the answers are for this one now; the
// marks and the verdict of the last check go.
void ExerciseMode::followGraph()
{
    if (!isOn())
        return;
    const EdgeDataPtr graph = m_parts.lesson->edgeTable()->snapshot();
    const PathMode mode = m_parts.lesson->settings().values.longest ? PathMode::Longest : PathMode::Shortest;
    if (graph == m_sheet->graph() && mode == m_sheet->mode())
        return;
    m_sheet->setGraph(graph, mode);
    m_checked = false;
    showVerdict(QStringLiteral("incomplete"), QString());
}

void ExerciseMode::changeAnswers(const ExerciseAnswers &answers, bool typing)
{
    SettingsState next = m_parts.lesson->settings();
    next.answers = answers;
    if (!typing)
        m_parts.lesson->endTyping();
    m_parts.lesson->changeSetting(Setting::Answers, next);
    if (!typing)
        m_parts.lesson->endTyping();
}

void ExerciseMode::check()
{
    if (!isOn())
        return;
    m_parts.lesson->endTyping();
    followGraph();
    const PathVerdict verdict = m_sheet->check();
    m_checked = true;
    showVerdict(verdict.verdictName(), verdict.text);
}

void ExerciseMode::showVerdict(const QString &verdict, const QString &text)
{
    m_verdict->setProperty("verdict", verdict);
    m_verdict->setText(text);
    m_verdict->style()->unpolish(m_verdict);
    m_verdict->style()->polish(m_verdict);
}

void ExerciseMode::revealColumn()
{
    if (!isOn())
        return;
    followGraph();
    const auto next = m_sheet->withNextColumn();
    if (!next) {
        showVerdict(m_verdict->property("verdict").toString(), tr("Bütün sütunların toplamları gösterildi."));
        return;
    }
    changeAnswers(*next);
    // The totals stand in the steps window: open it.
    if (auto *steps = m_parts.window->findChild<QAction *>(QStringLiteral("actionSolutionSteps")))
        steps->trigger();
}

void ExerciseMode::revealAnswer()
{
    if (!isOn())
        return;
    SettingsState next = m_parts.lesson->settings();
    next.values.exercise = false;
    m_parts.lesson->changeSetting(Setting::Exercise, next);
    if (m_parts.drawBestPath)
        m_parts.drawBestPath();
}

bool ExerciseMode::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_parts.controls->picture && event->type() == QEvent::MouseButtonPress && isOn()) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            clickPicture(mouse->position());
    } else if (watched == m_path && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Backspace && key->modifiers() == Qt::NoModifier && !m_path->hasSelectedText()
            && m_path->cursorPosition() == m_path->text().size() && takeLastBoxOff())
            return true;
    }
    return QObject::eventFilter(watched, event);
}

// A click on a circle appends its box to the path, when it is in the
// column the path goes on to.
void ExerciseMode::clickPicture(const QPointF &at)
{
    const PictureBox *box = m_parts.controls->picture;
    const GraphPicture &picture = box->picture();
    if (picture.isEmpty() || !picture.edges())
        return;
    const GraphGeometry &geometry = picture.geometry();
    const QPointF point = at / box->zoom();
    const double reach = geometry.radius() + 3;
    for (int column = 0; column < geometry.columnCount(); ++column) {
        if (std::abs(point.x() - geometry.columnX(column)) > reach)
            continue;
        const IndexRange near = geometry.boxesNear(column, point.y() - reach, point.y() + reach);
        for (qint64 position = qMax<qint64>(0, near.first);
             position <= near.last && position < geometry.boxCount(column); ++position) {
            const QPointF centre = geometry.boxCentre(column, position);
            if (std::hypot(point.x() - centre.x(), point.y() - centre.y()) > reach)
                continue;
            const EdgeData &edges = *picture.edges();
            const QString label = edges.boxLabel(edges.shape.globalBox(column, position));
            ExerciseAnswers next = m_parts.lesson->settings().answers;
            const int expected = int(ExerciseCheck::pathWords(next.path).size());
            if (column != expected) {
                showVerdict(QStringLiteral("incomplete"),
                            expected >= geometry.columnCount()
                                ? tr("Yol son sütuna vardı; %1 kutusu eklenmedi.").arg(label)
                                : tr("%1 kutusu %2. sütunda; yolun sıradaki kutusu %3. sütundan olmalı.")
                                      .arg(label)
                                      .arg(column + 1)
                                      .arg(expected + 1));
                return;
            }
            next.path = next.path.trimmed();
            next.path += (next.path.isEmpty() ? QString() : QStringLiteral(" - ")) + label;
            changeAnswers(next);
            return;
        }
    }
}

// The path's last box and the separator before it go.
bool ExerciseMode::takeLastBoxOff()
{
    ExerciseAnswers next = m_parts.lesson->settings().answers;
    QString path = next.path;
    if (path.trimmed().isEmpty())
        return false;
    const auto separator = [](QChar c) { return c.isSpace() || c == u'-' || c == u','; };
    qsizetype end = path.size();
    while (end > 0 && separator(path[end - 1]))
        --end;
    while (end > 0 && !separator(path[end - 1]))
        --end;
    while (end > 0 && separator(path[end - 1]))
        --end;
    next.path = path.left(end);
    changeAnswers(next);
    return true;
}

} // namespace stagepath
