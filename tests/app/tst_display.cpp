// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on a screen of twice the usual pixel density (QT_SCALE_FACTOR=2):
// it keeps its layout in device-independent pixels and draws the picture with
// the screen's own pixels, not a magnified low-density image. And the fonts:
// the window's font is the one asked for or its named fallback, and every
// Turkish letter the window shows is in it.

#include "drawing/colours.h"
#include "drawing/textrule.h"
#include "windowdriver.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QRawFont>
#include <QTabBar>
#include <QTest>

using namespace stagepath;

namespace {

const QString kTurkishLetters = QStringLiteral("ıİşŞğĞçÇöÖüÜ");
const QStringList kWindowFamilies{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};

bool isDark(QRgb c) { return qGray(c) < 60; }

// Whether the colour is near the picture's background.
bool isBackground(QRgb c)
{
    return qAbs(qRed(c) - qRed(kBackgroundColour)) < 24 && qAbs(qGreen(c) - qGreen(kBackgroundColour)) < 24
        && qAbs(qBlue(c) - qBlue(kBackgroundColour)) < 24;
}

} // namespace

class TestDisplay : public QObject, protected WindowDriver
{
    Q_OBJECT

    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;


    // Every text of the window that a user reads.
    QStringList shownTexts()
    {
        QStringList texts{form->windowTitle()};
        for (QLabel *l : form->findChildren<QLabel *>())
            texts << l->text();
        for (QAbstractButton *b : form->findChildren<QAbstractButton *>())
            texts << b->text();
        auto *bar = child<QTabBar>("TabStrip1");
        for (int i = 0; i < bar->count(); ++i)
            texts << bar->tabText(i);
        for (QAbstractItemView *v : form->findChildren<QAbstractItemView *>()) {
            QAbstractItemModel *m = v->model();
            for (int c = 0; m && c < m->columnCount(); ++c)
                texts << m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        }
        return texts;
    }

private Q_SLOTS:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void init()
    {
        QLocale::setDefault(QLocale::c());
        form = std::make_unique<MainWindow>();
        for (auto *view : form->findChildren<QAbstractItemView *>())
            if (view->model() && !view->objectName().isEmpty())
                testers.push_back(std::make_unique<QAbstractItemModelTester>(
                    view->model(), QAbstractItemModelTester::FailureReportingMode::QtTest));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        testers.clear();
        form.reset();
    }

    void layoutStaysInDeviceIndependentPixels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        const auto row = [](const char *name, int l, int t, int w, int h) {
            QTest::newRow(name) << QString::fromLatin1(name) << QRect(l / 15, t / 15, w / 15, h / 15);
        };
        row("Text1", 1440, 7080, 1095, 270);
        row("ListView1", 240, 7440, 2295, 2055);
        row("Combo1", 4200, 8280, 1215, 300);
        row("TabStrip1", 5640, 7080, 9495, 2295);
        row("ListView2", 5760, 7440, 9255, 1815);
        row("ListView5", 5640, 9480, 9495, 1095);
        row("Option2", 240, 9960, 1335, 255);
        row("Command5", 1680, 9720, 855, 375);
    }
    void layoutStaysInDeviceIndependentPixels()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QCOMPARE(form->devicePixelRatio(), 2.0);
        QCOMPARE(form->centralWidget()->size(), QSize(1016, 734));
        auto *w = form->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), geometry);
        const QPixmap shot = w->grab();
        QCOMPARE(shot.devicePixelRatio(), 2.0);
        QCOMPARE(shot.size(), geometry.size() * 2);
    }

    void viewportFollowsTheWindowWidth()
    {
        form->resize(1100, 734);
        QCOMPARE(child<QWidget>("Frame1")->width(), 1100);
        QCOMPARE(child<QWidget>("VScroll1")->x(), 1100 - 17);
        QCOMPARE(child<QWidget>("Picture1")->width(), 1100);
    }

    void pictureIsDrawnWithDevicePixels()
    {
        auto *picture = child<QWidget>("Picture1");
        const QPixmap pixmap = picture->grab();
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        QCOMPARE(pixmap.size(), picture->size() * 2);
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);

        // A 1 pixel pen covers drawing coordinates c - 0.5 to c + 0.5 about a
        // point c of a stroke: device pixels 2c - 1 and 2c, with the background
        // on either side. In a magnified low-density picture, device pixels 2c
        // and 2c + 1 both come from drawing pixel c and could not differ.
        auto sharpAcross = [&](QPoint before, QPoint first, QPoint second, QPoint after) {
            const QString where = QStringLiteral("at %1,%2").arg(first.x()).arg(first.y());
            QVERIFY2(isBackground(image.pixel(before)), qPrintable(where));
            QVERIFY2(isDark(image.pixel(first)) && isDark(image.pixel(second)), qPrintable(where));
            QVERIFY2(isBackground(image.pixel(after)), qPrintable(where));
        };
        // Box 1 of column 1: a circle of radius 20 around (20, 20); its lowest point (20, 40).
        sharpAcross({40, 78}, {40, 79}, {40, 80}, {40, 81});
        if (QTest::currentTestFailed())
            return;
        // Its edge to box 4 of column 2: the line y = 20.
        sharpAcross({200, 38}, {200, 39}, {200, 40}, {200, 41});
        if (QTest::currentTestFailed())
            return;
        // The circle's top, drawing y -0.5 to 0.5: device row 0 only.
        QVERIFY(isDark(image.pixel(40, 0)));
        QVERIFY(isBackground(image.pixel(40, 1)));

        // Across the whole first circle, many 2 x 2 blocks of device pixels are
        // not of one colour, as they all would be in a magnified picture.
        int mixed = 0;
        for (int by = 0; by < 84; by += 2)
            for (int bx = 0; bx < 84; bx += 2) {
                const QRgb c = image.pixel(bx, by);
                if (image.pixel(bx + 1, by) != c || image.pixel(bx, by + 1) != c || image.pixel(bx + 1, by + 1) != c)
                    ++mixed;
            }
        QVERIFY2(mixed > 100, qPrintable(QString::number(mixed)));
    }

    void windowFontIsTheNamedOneOrItsFallback()
    {
        const QFontInfo info(form->font());
        QVERIFY2(kWindowFamilies.contains(info.family()), qPrintable(info.family()));
        // 6.75 points at 96 dots per inch: 9 device-independent pixels.
        QCOMPARE(info.pixelSize(), 9);
        QCOMPARE(info.weight(), int(QFont::Normal));
        for (QWidget *w : form->findChildren<QWidget *>()) {
            if (w->objectName().isEmpty() || w->objectName() == QLatin1String("Picture1"))
                continue;
            QVERIFY2(kWindowFamilies.contains(QFontInfo(w->font()).family()), qPrintable(w->objectName()));
        }
    }

    void turkishLettersAreInTheFonts_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("window") << "window";
        QTest::newRow("drawing") << "drawing";
    }
    void turkishLettersAreInTheFonts()
    {
        QFETCH(QString, which);
        const QFont font = which == QLatin1String("window") ? form->font() : child<QWidget>("Picture1")->font();
        if (which == QLatin1String("drawing")) {
            QCOMPARE(font, drawingFont());
            QCOMPARE(QFontInfo(font).family(), QStringLiteral("DejaVu Sans"));
        }
        // The font's own glyphs, not a substitute's.
        const QFontMetrics metrics(font);
        const QRawFont raw = QRawFont::fromFont(font);
        QVERIFY(raw.isValid());
        for (const QChar c : kTurkishLetters) {
            QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
            QVERIFY2(raw.supportsCharacter(c), qPrintable(QString(c)));
            QVERIFY(metrics.horizontalAdvance(c) > 0);
        }
        // Dotted and dotless i are different glyphs.
        QVERIFY(raw.glyphIndexesForString(QStringLiteral("ı")) != raw.glyphIndexesForString(QStringLiteral("i")));
        QVERIFY(raw.glyphIndexesForString(QStringLiteral("İ")) != raw.glyphIndexesForString(QStringLiteral("I")));
    }

    void everyShownTextIsInTheWindowFont()
    {
        const QFontMetrics metrics(form->font());
        const QStringList texts = shownTexts();
        QVERIFY(texts.contains(QStringLiteral("Çizgi Kalınlığı :")));
        QVERIFY(texts.contains(QStringLiteral("Tümü")));
        QVERIFY(texts.contains(QStringLiteral("Değer")));
        for (const QString &text : texts)
            for (const QChar c : text)
                QVERIFY2(metrics.inFont(c), qPrintable(text));
    }
};

int main(int argc, char *argv[])
{
    // Before the application exists, so that the screen has twice the density.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestDisplay test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_display.moc"
