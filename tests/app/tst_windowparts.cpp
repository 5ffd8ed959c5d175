// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's parts without the window: the setting controls against the
// number reader they must agree with, and undo shown back in the boxes.

#include "app/common/windowmessages.h"
#include "app/lessonui/settingcontrols.h"
#include "app/window/clientarea.h"

#include "lesson/lessondocument.h"
#include "model/inputlimits.h"
#include "model/numbers.h"
#include "model/randomsource.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QWidget>

using namespace stagepath;

class WindowPartsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every text typed into X, Y and the pen width is taken exactly when the
    // number reader and the limits allow it; otherwise the box is marked,
    // says why, and the value stays. Undo puts the old text back, unmarked.
    void settingTextsAgreeWithTheReader()
    {
        for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Turkish, QLocale::Turkey)}) {
            QLocale::setDefault(locale);
            QWidget window;
            ClientArea area = createClientArea(&window);
            LessonDocument document(std::make_unique<SeededRandom>(7));
            WindowMessages messages(&window);
            SettingControls controls(area, &document, &messages, &window);
            document.startNew();
            controls.showSettings();
            const SettingsState start = document.settings();

            const QStringList texts = {"12", "-12", "1,5", "1.5", "10000", "-10000", "10001", "1e4", "1e5", "abc",
                                       "", " 7 ", "0", "32767", "32768", "1.000", "-", "nan", "inf"};
            for (const QString &text : texts) {
                const LessonSettings before = document.settings().values;
                area.xSpacingEdit->setText(text);
                const auto v = parseNumber(text);
                const bool spacingTaken = v && qAbs(*v) <= limits::maxSpacing;
                QCOMPARE(document.settings().values.xSpacing, spacingTaken ? *v : before.xSpacing);
                QCOMPARE(area.xSpacingEdit->property("invalid").toBool(), !spacingTaken);
                QCOMPARE(area.xSpacingEdit->toolTip().isEmpty(), spacingTaken);

                area.penWidthEdit->setText(text);
                const auto width = v ? toInt16(*v) : std::nullopt;
                const bool penTaken = width && *width >= 1;
                QCOMPARE(document.settings().values.penWidth, penTaken ? int(*width) : int(before.penWidth));
                QCOMPARE(area.penWidthEdit->property("invalid").toBool(), !penTaken);
                document.endTyping();
            }

            // Undone to the start, the boxes show the start-up texts again, unmarked.
            area.xSpacingEdit->setText(QStringLiteral("abc"));
            for (int i = 0; i < 100 && document.isModified(); ++i)
                document.undo();
            controls.showSettings();
            QCOMPARE(document.settings().values.xSpacing, start.values.xSpacing);
            QCOMPARE(area.xSpacingEdit->text(), start.xText);
            QVERIFY(!area.xSpacingEdit->property("invalid").toBool());
            QCOMPARE(area.penWidthEdit->text(), start.penWidthText);
        }
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(WindowPartsTest)
#include "tst_windowparts.moc"
