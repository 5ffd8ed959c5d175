// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of box names, the letter names, and names following their boxes
// into another shape.
#include "model/boxnames.h"

#include <QRandomGenerator>
#include <QTest>

using namespace stagepath;

class TestBoxNames : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem"); // a part of the reason; empty when the name is accepted
        QTest::newRow("empty: the number") << QString() << QString();
        QTest::newRow("one letter") << QStringLiteral("B") << QString();
        QTest::newRow("20 characters") << QString(20, u'ş') << QString();
        QTest::newRow("21 characters") << QString(21, u'ş') << QStringLiteral("21 karakter; bir kutu adı en çok 20");
        QTest::newRow("space inside") << QStringLiteral("Yeni Şehir") << QString();
        QTest::newRow("comma and quote") << QStringLiteral("a, \"b\"") << QString();
        QTest::newRow("space before") << QStringLiteral(" B") << QStringLiteral("\" B\" boşlukla");
        QTest::newRow("tab after") << QStringLiteral("B\t") << QStringLiteral("boşlukla başlıyor ya da bitiyor");
        QTest::newRow("line break") << QStringLiteral("B\nC") << QStringLiteral("\"B C\" satır sonu");
        QTest::newRow("opening bracket") << QStringLiteral("B(1") << QStringLiteral("\"B(1\" içinde \"(\" var");
        QTest::newRow("closing bracket") << QStringLiteral("B)") << QStringLiteral("içinde \")\" var");
        QTest::newRow("dash") << QStringLiteral("B-C") << QStringLiteral("içinde \"-\" var");
        QTest::newRow("another box's name") << QStringLiteral("Ankara") << QStringLiteral("\"Ankara\" adı 3. kutunun");
        QTest::newRow("its own name") << QStringLiteral("A") << QString();
        QTest::newRow("case differs") << QStringLiteral("ankara") << QString();
    }
    void rules()
    {
        QFETCH(QString, name);
        QFETCH(QString, problem);
        const BoxNames others{QStringLiteral("A"), QString(), QStringLiteral("Ankara")};
        const QString why = boxNameProblem(name, others, 0);
        if (problem.isEmpty())
            QVERIFY2(why.isEmpty(), qPrintable(why));
        else
            QVERIFY2(why.contains(problem), qPrintable(why));
    }

    // The letters count like an odometer whose wheels are A..Z and that grows
    // a wheel when every wheel has gone round: A .. Z, AA .. AZ, BA .. ZZ, AAA.
    void lettersCountOn()
    {
        QString odometer = QStringLiteral("A");
        for (qint64 box = 0; box < 20000; ++box) {
            QCOMPARE(letterName(box), odometer);
            qsizetype i = odometer.size() - 1;
            while (i >= 0 && odometer[i] == u'Z')
                odometer[i--] = u'A';
            if (i < 0)
                odometer.prepend(u'A');
            else
                odometer[i] = QChar(odometer[i].unicode() + 1);
        }
        QCOMPARE(letterName(25), QStringLiteral("Z"));
        QCOMPARE(letterName(51), QStringLiteral("AZ"));
        QCOMPARE(letterName(52), QStringLiteral("BA"));
        QCOMPARE(letterName(702), QStringLiteral("AAA"));
        const BoxNamesPtr names = letterNames(30);
        QVERIFY(names && names->size() == 30 && names->at(26) == QStringLiteral("AA"));
        QVERIFY(!letterNames(0));
    }

    // A box keeps its name where its column and position still exist; no
    // other box gets one.
    void namesFollowTheirBoxes()
    {
        QRandomGenerator rng(11);
        for (int round = 0; round < 200; ++round) {
            const auto shape = [&] {
                std::vector<qint64> counts;
                for (int c = rng.bounded(1, 6); c > 0; --c)
                    counts.push_back(rng.bounded(0, 5));
                return GraphShape(counts);
            };
            const GraphShape from = shape(), to = shape();
            BoxNames names(size_t(from.totalBoxes()));
            for (size_t box = 0; box < names.size(); ++box)
                if (rng.bounded(2))
                    names[box] = letterName(qint64(box));
            const BoxNamesPtr kept = namesForShape(std::make_shared<const BoxNames>(names), from, to);
            bool any = false;
            for (int c = 0; c < to.columnCount(); ++c)
                for (qint64 j = 0; j < to.boxCount(c); ++j) {
                    const bool stays = c < from.columnCount() && j < from.boxCount(c);
                    const QString want = stays ? names[size_t(from.globalBox(c, j) - 1)] : QString();
                    const QString got = kept ? kept->at(size_t(to.globalBox(c, j) - 1)) : QString();
                    QCOMPARE(got, want);
                    any = any || !want.isEmpty();
                }
            QCOMPARE(bool(kept), any);
            if (kept)
                QCOMPARE(qint64(kept->size()), to.totalBoxes());
        }
    }
};

QTEST_GUILESS_MAIN(TestBoxNames)
#include "tst_boxnames.moc"
