// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture in its viewport: it keeps covering the drawing and the viewport
// through resizes, the mouse wheel scrolls it through the scroll bars, and the
// zoom scales the drawing and the scroll ranges together. A window larger
// than the design gives the drawing and the wide tables its room when asked
// (actionFitLayout), and keeps the design layout otherwise.

#include "windowdriver.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace stagepath;

namespace {

bool isDark(QRgb c) { return qGray(c) < 80; }
// The red path, also where antialiasing blends it with the background.
bool isRed(QRgb c) { return qRed(c) - qMax(qGreen(c), qBlue(c)) > 60; }

} // namespace

class TestViewport : public QObject, protected WindowDriver
{
    Q_OBJECT

    QWidget *picture() const { return child<QWidget>("Picture1"); }
    QScrollBar *hBar() const { return child<QScrollBar>("HScroll1"); }
    QScrollBar *vBar() const { return child<QScrollBar>("VScroll1"); }
    int innerWidth() const { return form->centralWidget()->width(); }

    void wheel(QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QPointF at(30, 30);
        QWheelEvent event(at, picture()->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(picture(), &event);
    }
    void zoom(const char *action, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            child<QAction>(action)->trigger();
    }
    // The picture stands where the bars say, is as large as their ranges say
    // (twips), and covers the whole viewport: the frame shows none of its own
    // background left of VScroll1 and above HScroll1.
    void checkPictureFillsTheViewport()
    {
        auto *frame = child<QWidget>("Frame1");
        if (hBar()->value() > 0)
            QCOMPARE(picture()->x(), -(hBar()->value() / 15));
        if (vBar()->value() > 0)
            QCOMPARE(picture()->y(), -(vBar()->value() / 15));
        QVERIFY(qAbs(picture()->width() * 15 - (hBar()->maximum() + innerWidth() * 15)) < 15);
        QVERIFY(qAbs(picture()->height() * 15 - (vBar()->maximum() + frame->height() * 15)) < 15);
        const QRect shown(0, 0, vBar()->x(), hBar()->y());
        const QImage image = form->centralWidget()->grab(shown).toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb frameBackground = frame->palette().color(QPalette::Window).rgb();
        int uncovered = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                uncovered += image.pixel(x, y) == frameBackground;
        QVERIFY2(uncovered == 0, qPrintable(QString::number(uncovered)));
    }

    // Every control of the client area (direct children) by object name, at its place.
    QMap<QString, QRect> places() const
    {
        QMap<QString, QRect> p;
        for (QWidget *w : form->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            p.insert(w->objectName(), w->geometry());
        return p;
    }
    void resizeClient(QSize client)
    {
        form->resize(client + QSize(0, form->menuBar()->height()));
        QCOMPARE(form->centralWidget()->size(), client);
    }

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(openWindow());
    }
    void cleanup() { form.reset(); }

    // Scrolled to the far right, enlarged and shrunk again: the picture still
    // covers the drawing and the viewport, and the red path is still marked.
    void resizeAfterScrollingKeepsThePicture()
    {
        child<QLineEdit>("Text1")->setText(QStringLiteral("12"));
        child<QPushButton>("Command5")->click();
        closeMessages();
        const int drawingWidth = picture()->width();
        QVERIFY(drawingWidth > 2000);
        hBar()->setValue(hBar()->maximum());
        for (int width : {1270, 900, 1016}) {
            form->resize(width, form->height());
            QCOMPARE(innerWidth(), width);
            QCOMPARE(picture()->width(), drawingWidth);
            checkPictureFillsTheViewport();
            if (QTest::currentTestFailed())
                return;
        }
        const QImage shown = child<QWidget>("Frame1")->grab().toImage();
        int red = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                red += isRed(shown.pixel(x, y));
        QVERIFY(red > 20);
    }

    void wheelScrollsThroughTheBars()
    {
        child<QLineEdit>("Text1")->setText(QStringLiteral("12"));
        child<QLineEdit>("Text3")->setText(QStringLiteral("300"));
        QVERIFY(hBar()->maximum() > 1000 && vBar()->maximum() > 1000);
        const int notch = QApplication::wheelScrollLines() * vBar()->singleStep();
        wheel(QPoint(0, -120));
        QCOMPARE(vBar()->value(), notch);
        QCOMPARE(picture()->y(), -(notch / 15));
        wheel(QPoint(0, -120), Qt::ShiftModifier);
        QCOMPARE(hBar()->value(), notch);
        QCOMPARE(vBar()->value(), notch);
        wheel(QPoint(-120, 0));
        QCOMPARE(hBar()->value(), 2 * notch);
        QCOMPARE(picture()->x(), -(2 * notch / 15));
        // A touchpad's fine steps add up to a notch.
        for (int i = 0; i < 4; ++i)
            wheel(QPoint(0, 30));
        QCOMPARE(vBar()->value(), 0);
        wheel(QPoint(0, 120));
        QCOMPARE(vBar()->value(), 0);
        checkPictureFillsTheViewport();
    }

    void zoomScalesTheDrawingAndTheRanges()
    {
        child<QLineEdit>("Text1")->setText(QStringLiteral("8"));
        child<QLineEdit>("Text3")->setText(QStringLiteral("300"));
        child<QPushButton>("Command5")->click();
        const int w = innerWidth() * 15, h = child<QWidget>("Frame1")->height() * 15;
        const int hMax = hBar()->maximum(), vMax = vBar()->maximum();
        const QSize size = picture()->size();
        QVERIFY(hMax > 0 && vMax > 0);
        const QImage normal = picture()->grab().toImage();

        zoom("actionZoomIn", 4);
        // Twice the surface, but for the margin of a device pixel or two that
        // the drawing keeps round its strokes at every zoom (16 twips each).
        QVERIFY(qAbs(hBar()->maximum() + w - 2 * (hMax + w)) <= 48);
        QVERIFY(qAbs(vBar()->maximum() + h - 2 * (vMax + h)) <= 48);
        QVERIFY(qAbs(picture()->width() - 2 * size.width()) <= 3);
        const QImage twice = picture()->grab().toImage();
        // The bottom of box 1's circle (centre 20, 20, radius 20): a stroke of
        // one pixel at 100 %, of two at 200 %, with the background below.
        QVERIFY(isDark(twice.pixel(40, 79)) && isDark(twice.pixel(40, 80)));
        QVERIFY(!isDark(twice.pixel(40, 84)) && !isDark(normal.pixel(40, 80)));
        // The red path at twice its place.
        const auto redNear = [&twice](int x, int y) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (isRed(twice.pixel(x + dx, y + dy)))
                        return true;
            return false;
        };
        // Every row is looked at: a best path that keeps to one row of boxes
        // is a level line one or two pixels high.
        int checked = 0;
        for (int y = 1; y + 1 < normal.height(); ++y)
            for (int x = 60; x + 1 < normal.width(); x += 5)
                if (isRed(normal.pixel(x, y))) {
                    ++checked;
                    QVERIFY2(redNear(2 * x, 2 * y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                }
        QVERIFY2(checked > 5, qPrintable(QStringLiteral("%1 red points").arg(checked)));
        checkPictureFillsTheViewport();

        // The drawing point at the middle of the viewport stays there.
        hBar()->setValue(hBar()->maximum() / 2);
        const double centre = (hBar()->value() / 15.0 + innerWidth() / 2.0) / 2.0;
        zoom("actionZoomIn", 4);
        QVERIFY(qAbs((hBar()->value() / 15.0 + innerWidth() / 2.0) / 3.0 - centre) < 1);

        zoom("actionZoomIn", 10);
        QVERIFY(!child<QAction>("actionZoomIn")->isEnabled());
        QVERIFY(qAbs(picture()->width() - 4 * size.width()) <= 6);
        zoom("actionZoomOut", 20);
        QVERIFY(!child<QAction>("actionZoomOut")->isEnabled());
        QCOMPARE(picture()->width(), innerWidth()); // half the drawing fits: never narrower than the window
        QCOMPARE(hBar()->maximum(), 0);
        checkPictureFillsTheViewport();
        zoom("actionZoomReset");
        QCOMPARE(picture()->size(), size);
        QCOMPARE(hBar()->maximum(), hMax);
        QCOMPARE(vBar()->maximum(), vMax);
        QVERIFY(child<QAction>("actionZoomIn")->isEnabled() && child<QAction>("actionZoomOut")->isEnabled());
    }

    // At the design size both modes place every control alike. At 1600x1000
    // the fitted window gives the frame (and the picture's scroll range) the
    // extra height and width, moves every control below it down by the extra
    // height, widens the tab strip and its tables and the result table; the
    // unfitted one moves nothing but the frame and the bars. Unchecking
    // goes back to the design layout; the choice is remembered.
    void fitLayoutGrowsTheDrawingAndTheTables()
    {
        child<QLineEdit>("Text1")->setText(QStringLiteral("12"));
        auto *fit = child<QAction>("actionFitLayout");
        QVERIFY(fit->isCheckable() && !fit->isChecked());
        const QSize design = form->centralWidget()->size();
        QCOMPARE(design, QSize(1016, 734));
        const QMap<QString, QRect> atDesign = places();
        fit->setChecked(true);
        QCOMPARE(places(), atDesign);
        fit->setChecked(false);

        const QSize large(1600, 1000);
        const int dx = large.width() - design.width(), dy = large.height() - design.height();
        resizeClient(large);
        const QMap<QString, QRect> unfitted = places();
        const int frameHeight = atDesign["Frame1"].height();
        fit->setChecked(true);
        const QMap<QString, QRect> fitted = places();
        const QStringList wide{"TabStrip1", "ListView2", "ListView3", "ListView5"};
        for (auto it = atDesign.cbegin(); it != atDesign.cend(); ++it) {
            const QString &name = it.key();
            const QRect d = it.value();
            QRect expected = d;
            if (name == "Frame1")
                expected = QRect(d.x(), d.y(), large.width(), d.height() + dy);
            else if (name == "VScroll1")
                expected = QRect(large.width() - d.width(), d.y(), d.width(), d.height() + dy);
            else if (name == "HScroll1")
                expected = QRect(d.x(), d.y() + dy, large.width() - atDesign["VScroll1"].width(), d.height());
            else if (wide.contains(name))
                expected = QRect(d.x(), d.y() + dy, d.width() + dx, d.height());
            else if (d.y() > atDesign["Frame1"].bottom())
                expected = d.translated(0, dy);
            QVERIFY2(fitted[name] == expected, qPrintable(name));
            if (name != "Frame1" && name != "VScroll1" && name != "HScroll1")
                QVERIFY2(unfitted[name] == d, qPrintable(name));
        }
        QCOMPARE(unfitted["Frame1"], QRect(atDesign["Frame1"].topLeft(), QSize(large.width(), frameHeight)));
        QVERIFY(picture()->height() >= frameHeight + dy);
        checkPictureFillsTheViewport();
        fit->setChecked(false);
        QCOMPARE(places(), unfitted);
        checkPictureFillsTheViewport();
        fit->setChecked(true);

        // Remembered: a new window starts fitted.
        form.reset();
        QVERIFY(openWindow());
        QVERIFY(child<QAction>("actionFitLayout")->isChecked());
        child<QAction>("actionFitLayout")->setChecked(false);
        form.reset();
        QVERIFY(openWindow());
        QVERIFY(!child<QAction>("actionFitLayout")->isChecked());
        resizeClient(large);
        QCOMPARE(places(), unfitted);
    }
};

QTEST_MAIN(TestViewport)
#include "tst_viewport.moc"
