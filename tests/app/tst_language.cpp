// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window in its two languages: Turkish by default, English on request,
// switched live and back to exactly the Turkish texts; Qt's own texts follow;
// numbers keep the user's locale; the choice is remembered. And what the
// window says in its own words: the title, the messages, help and about.

#include "windowdriver.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace stagepath;

namespace {

const QRegularExpression turkishLetters(QStringLiteral("[çğıöşüÇĞİÖŞÜ]"));

void forgetLanguage()
{
    QSettings(QStringLiteral("stagepath"), QStringLiteral("stagepath")).remove(QStringLiteral("language"));
}

} // namespace

class TestLanguage : public QObject, protected WindowDriver
{
    Q_OBJECT

    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;

    void open()
    {
        testers.clear();
        QVERIFY(openWindow());
        for (const char *view : {"ListView1", "ListView2", "ListView3", "ListView5", "List1"})
            testers.push_back(std::make_unique<QAbstractItemModelTester>(
                model(view), QAbstractItemModelTester::FailureReportingMode::QtTest));
    }
    void choose(const char *action) { child<QAction>(action)->trigger(); }

    // The texts of the labels and buttons under the picture fit their places.
    void checkTextsFit() const
    {
        for (QWidget *w : form->centralWidget()->findChildren<QWidget *>()) {
            QString text;
            int room = w->width();
            if (auto *label = qobject_cast<QLabel *>(w))
                text = label->text();
            if (auto *button = qobject_cast<QAbstractButton *>(w)) {
                text = button->text();
                room -= qobject_cast<QPushButton *>(w) ? 8 : 18; // a button's edges, an indicator
            }
            const int needed = QFontMetrics(w->font()).horizontalAdvance(text);
            QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1: %2 needs %3 px, has %4")
                                                    .arg(w->objectName(), text).arg(needed).arg(room)));
        }
    }

    // Every text the window shows or names, as "where: text".
    QStringList texts() const
    {
        QStringList t{QStringLiteral("title: ") + form->windowTitle()};
        for (QWidget *w : form->findChildren<QWidget *>()) {
            const QString name = w->objectName();
            if (auto *label = qobject_cast<QLabel *>(w))
                t << name + QStringLiteral(" text: ") + label->text();
            if (auto *button = qobject_cast<QAbstractButton *>(w))
                t << name + QStringLiteral(" text: ") + button->text();
            if (auto *menu = qobject_cast<QMenu *>(w))
                t << name + QStringLiteral(" title: ") + menu->title();
            t << name + QStringLiteral(" tip: ") + w->toolTip() << name + QStringLiteral(" name: ") + w->accessibleName();
        }
        for (QAction *a : form->findChildren<QAction *>())
            t << a->objectName() + QLatin1Char(' ') + a->text();
        t << tabs();
        for (const char *view : {"ListView1", "ListView2", "ListView3", "ListView5"})
            t << headers(view);
        t << column("ListView1", 1);
        return t;
    }

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        forgetLanguage();
        open();
    }
    void cleanup()
    {
        closeMessages();
        testers.clear();
        form.reset();
        forgetLanguage();
    }

    void titleIsTheCaptionAndTheCreditOnce()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("En Kısa Yol :: stagepath ekibi"));
        choose("actionLanguageEnglish");
        QCOMPARE(form->windowTitle(), QStringLiteral("Shortest Path :: the stagepath team"));
    }

    void switchesLiveAndBackToTheSameTurkish()
    {
        child<QLineEdit>("Text1")->setText(QStringLiteral("3"));
        child<QPushButton>("Command4")->click();
        child<QTabBar>("TabStrip1")->setCurrentIndex(2);
        child<QLineEdit>("Text2")->setText(QStringLiteral("abc")); // refused: a tooltip says why
        const QStringList turkish = texts();
        QVERIFY(turkish.contains(QStringLiteral("Label1 text: Vorta Sayısı :")));
        checkTextsFit();

        QSignalSpy headerSpy(model("ListView5"), &QAbstractItemModel::headerDataChanged);
        QSignalSpy labelSpy(model("ListView1"), &QAbstractItemModel::dataChanged);
        choose("actionLanguageEnglish");
        QVERIFY(headerSpy.count() > 0 && labelSpy.count() > 0);
        QVERIFY(child<QAction>("actionLanguageEnglish")->isChecked());
        QVERIFY(!child<QAction>("actionLanguageTurkish")->isChecked());
        QCOMPARE(tabs(), QStringList({"All", "Stage 1", "Stage 2", "Stage 3"}));
        QCOMPARE(headers("ListView2"), QStringList({"Value", "From box", "To box", "Stage"}));
        QCOMPARE(headers("ListView5"), QStringList({"Stage 1", "Stage 2", "Stage 3", "Total", "Path"}));
        QCOMPARE(cell("ListView1", 3, 1), QStringLiteral("Stage 4"));
        QCOMPARE(child<QPushButton>("Command4")->text(), QStringLiteral("Calculate"));
        QVERIFY(child<QLineEdit>("Text2")->toolTip().startsWith(QStringLiteral("X spacing")));
        const QStringList english = texts();
        QCOMPARE(english.size(), turkish.size());
        for (qsizetype i = 0; i < english.size(); ++i) {
            const QString &e = english[i];
            if (!e.contains(QStringLiteral("Türkçe")))
                QVERIFY2(!e.contains(turkishLetters), qPrintable(e));
            // Every label and button but "X :" and "Y :" says something else.
            const bool control = e.contains(QRegularExpression(QStringLiteral("^(Label|Command|Option|Check)\\d text: ")));
            if (control && !e.endsWith(QStringLiteral("text: X :")) && !e.endsWith(QStringLiteral("text: Y :")))
                QVERIFY2(e != turkish[i], qPrintable(e));
        }
        QVERIFY(english.contains(QStringLiteral("Label2 text: X :")));
        checkTextsFit();

        child<QAction>("actionLanguageTurkish")->setChecked(true); // as a menu or a test tool checks it
        QCOMPARE(texts(), turkish);
    }

    // Qt's own texts: a message box's button, a text box's context menu.
    void qtTextsFollowTheLanguage()
    {
        for (const char *language : {"actionLanguageTurkish", "actionLanguageEnglish"}) {
            choose(language);
            const bool turkish = QByteArray(language).endsWith("Turkish");
            auto *stages = model("ListView1");
            QVERIFY(!stages->setData(stages->index(0, 0), QStringLiteral("x"), Qt::EditRole));
            QMessageBox *box = visibleMessage();
            QVERIFY(box);
            QCOMPARE(box->button(QMessageBox::Ok)->text(), turkish ? QStringLiteral("Tamam") : QStringLiteral("OK"));
            closeMessages();
            std::unique_ptr<QMenu> menu(child<QLineEdit>("Text1")->createStandardContextMenu());
            QVERIFY(menu->actions().first()->text().startsWith(turkish ? QStringLiteral("&Geri al") : QStringLiteral("&Undo")));
        }
    }

    void choiceIsRememberedAndTurkishIsTheDefault()
    {
        form.reset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        open();
        QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("Vorta Sayısı :"));
        QVERIFY(child<QAction>("actionLanguageTurkish")->isChecked());
        choose("actionLanguageEnglish");
        form.reset();
        open();
        QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("Stages :"));
        QVERIFY(child<QAction>("actionLanguageEnglish")->isChecked());
    }

    // Numbers keep the user's locale in either language: Turkish numbers in
    // an English window.
    void numbersFollowTheLocaleInBothLanguages()
    {
        form.reset();
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        open();
        for (const char *language : {"actionLanguageEnglish", "actionLanguageTurkish"}) {
            choose(language);
            child<QLineEdit>("Text2")->setText(QStringLiteral("4,5"));
            QCOMPARE(lessonSettings().xSpacing, 4.5);
            child<QLineEdit>("Text1")->setText(QStringLiteral("16"));
            child<QPushButton>("Command4")->click();
            QVERIFY(visibleMessage());
            QVERIFY2(visibleMessage()->text().contains(QStringLiteral("(129.140.163)"))
                         && visibleMessage()->text().contains(QStringLiteral("50.000.000")),
                     qPrintable(visibleMessage()->text()));
            closeMessages();
        }
    }

    // Messages end with a full stop and name things as the window shows them.
    void messagesSpeakTheWindowsWords()
    {
        auto *edges = model("ListView2");
        QVERIFY(edges->setData(edges->index(4, 0), QStringLiteral("abc"), Qt::EditRole));
        child<QPushButton>("Command4")->click();
        QCOMPARE(visibleMessage()->text(),
                 QStringLiteral("Değer sütununun 5. satırındaki değer bir sayı değil: \"abc\". "
                                "Listelenen yollar değiştirilmedi."));
        closeMessages();

        // "Hesaplama Yap" over a column of no boxes explains itself, as "Çiz" does.
        auto *stages = model("ListView1");
        QVERIFY(stages->setData(stages->index(2, 0), QStringLiteral("0"), Qt::EditRole));
        QTRY_VERIFY(!child<QTimer>("Timer1")->isActive());
        for (const char *button : {"Command4", "Command5"}) {
            child<QPushButton>(button)->click();
            QVERIFY2(visibleMessage(), button);
            QCOMPARE(visibleMessage()->text(),
                     QStringLiteral("3.Vorta için kutu sayısı 0: o sütunda hiç kutu yok, bu yüzden hiçbir yol yok."));
            closeMessages();
        }
        child<QLineEdit>("Text1")->setText(QStringLiteral("0"));
        child<QPushButton>("Command4")->click();
        QVERIFY(visibleMessage() && visibleMessage()->text().endsWith(QLatin1Char('.')));
    }

    void helpAndAbout()
    {
        form.reset();
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        open();
        choose("actionHelp");
        auto *help = form->findChild<QTextBrowser *>(QStringLiteral("HelpWindow"));
        QVERIFY(help && help->isVisible() && help->isWindow());
        QCOMPARE(help->windowModality(), Qt::NonModal);
        const QString page = help->toPlainText();
        for (const char *words : {"dinamik programlama", "Vorta", "50.000.000", "200.000", "-10.000"})
            QVERIFY2(page.contains(QString::fromUtf8(words)), words);
        choose("actionLanguageEnglish");
        QVERIFY(help->toPlainText().contains(QStringLiteral("dynamic programming")));
        QVERIFY(!help->toPlainText().contains(turkishLetters));

        choose("actionAbout");
        QMessageBox *about = visibleMessage();
        QVERIFY(about);
        for (const QString &words : {QStringLiteral("GPL-3.0-or-later"), QString::fromLatin1(qVersion())})
            QVERIFY2(about->text().contains(words), qPrintable(about->text()));
        QVERIFY(about->text().contains(QRegularExpression(QStringLiteral("Version \\d+\\.\\d+\\.\\d+"))));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
