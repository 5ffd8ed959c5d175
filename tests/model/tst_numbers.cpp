// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing numbers held as text, and the integer conversions.
#include "model/numbers.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace stagepath;

namespace {
const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
const double notANumber = std::numeric_limits<double>::quiet_NaN(); // expected "nullopt"
}

class TestNumbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void parse_data();
    void parse();
    void format_data();
    void format();
    void roundHalfEven_data();
    void roundHalfEven();
    void toInt16_data();
    void toInt16();
    void parseWhole_data();
    void parseWhole();
};

void TestNumbers::parse_data()
{
    QTest::addColumn<bool>("isTurkish");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    const QString tenThousandDigits = QString(9999, u'0') + u'7';
    const QString tooLarge = u'1' + QString(9999, u'0');
    struct Row { const char *tag; bool tr; QString text; double expected; };
    const Row rows[] = {
        {"C: point is decimal", false, "4.5", 4.5},
        {"C: comma is not decimal", false, "4,5", notANumber},
        {"C: group separator", false, "1,234.5", 1234.5},
        {"C: Turkish grouping", false, "1.234,5", notANumber},
        {"tr: comma is decimal", true, "4,5", 4.5},
        {"tr: point is not decimal", true, "4.5", notANumber},
        {"tr: group separator", true, "1.234,5", 1234.5},
        {"tr: point groups thousands", true, "1.000", 1000},
        {"surrounding spaces", false, "  42 ", 42},
        {"space inside", false, "4 2", notANumber},
        {"empty", false, "", notANumber},
        {"only spaces", true, "   ", notANumber},
        {"letters", false, "abc", notANumber},
        {"NaN", false, "NaN", notANumber},
        {"inf", false, "inf", notANumber},
        {"-inf", true, "-inf", notANumber},
        {"largest decade", false, "1e308", 1e308},
        {"tr: exponent", true, "2,5E3", 2500},
        {"beyond double", false, "1e309", notANumber},
        {"minus zero", true, "-0", 0},
        {"10000 digits with leading zeros", false, tenThousandDigits, 7},
        {"10000 digits too large", true, tooLarge, notANumber},
    };
    for (const Row &r : rows)
        QTest::newRow(r.tag) << r.tr << r.text << r.expected;
}

void TestNumbers::parse()
{
    QFETCH(bool, isTurkish);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QLocale::setDefault(isTurkish ? turkish : QLocale::c());
    const auto value = parseNumber(text);
    if (std::isnan(expected)) {
        QVERIFY2(!value, qPrintable(QString::number(value.value_or(0))));
    } else {
        QVERIFY(value);
        QCOMPARE(*value, expected);
    }
}

void TestNumbers::format_data()
{
    QTest::addColumn<bool>("isTurkish");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << false << 220.0 << "220";
    QTest::newRow("no group separator") << false << 1234567.0 << "1234567";
    QTest::newRow("tr: no group separator") << true << 1234567.0 << "1234567";
    QTest::newRow("15 digits whole") << true << 123456789012345.0 << "123456789012345";
    QTest::newRow("decimal point") << false << 4.5 << "4.5";
    QTest::newRow("tr: decimal comma") << true << 4.5 << "4,5";
    QTest::newRow("tr: negative") << true << -1234.25 << "-1234,25";
    QTest::newRow("15 significant digits") << false << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("tr: 15 significant digits") << true << 2.0 / 3 << "0,666666666666667";
    QTest::newRow("sum noise hidden") << false << 0.1 + 0.2 << "0.3";
    QTest::newRow("minus zero") << false << -0.0 << "0";
    QTest::newRow("16 digits use exponent") << false << 1234567890123456.0 << "1.23456789012346e+15";
}

void TestNumbers::format()
{
    QFETCH(bool, isTurkish);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QLocale::setDefault(isTurkish ? turkish : QLocale::c());
    QCOMPARE(formatNumber(value), expected);
}

void TestNumbers::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    const double rows[][2] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {0.49999999999999994, 0}, {0.5000000000000001, 1}, {2.4, 2}, {2.6, 3}, {-2.6, -3},
        {4503599627370495.5, 4503599627370496}, {1e300, 1e300},
    };
    for (const auto &r : rows)
        QTest::addRow("%.17g", r[0]) << r[0] << r[1];
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity()
                              << std::numeric_limits<double>::infinity();
}

void TestNumbers::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(stagepath::roundHalfEven(value), expected);
}

void TestNumbers::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected"); // 99999: overflow
    QTest::newRow("largest") << 32767.0 << 32767;
    QTest::newRow("half above largest rounds to even 32768") << 32767.5 << 99999;
    QTest::newRow("half below largest") << 32766.5 << 32766;
    QTest::newRow("smallest") << -32768.0 << -32768;
    QTest::newRow("half below smallest rounds to even -32768") << -32768.5 << -32768;
    QTest::newRow("below smallest") << -32768.6 << 99999;
    QTest::newRow("-32769.5 rounds to -32770") << -32769.5 << 99999;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 99999;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 99999;
}

void TestNumbers::toInt16()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    const auto r = stagepath::toInt16(value);
    if (expected == 99999)
        QVERIFY(!r);
    else
        QCOMPARE(r, std::optional<qint16>(qint16(expected)));
}

void TestNumbers::parseWhole_data()
{
    QTest::addColumn<bool>("isTurkish");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<qint64>("expected"); // -1: refused
    const qint64 top = std::numeric_limits<qint64>::max();
    QTest::newRow("plain") << false << "5" << qint64(10) << qint64(5);
    QTest::newRow("leading zero") << true << "05" << qint64(10) << qint64(5);
    QTest::newRow("tr: zero decimals") << true << "5,0" << qint64(10) << qint64(5);
    QTest::newRow("upper bound") << false << "10" << qint64(10) << qint64(10);
    QTest::newRow("above") << false << "11" << qint64(10) << qint64(-1);
    QTest::newRow("below") << false << "-1" << qint64(10) << qint64(-1);
    QTest::newRow("fraction") << false << "2.5" << qint64(10) << qint64(-1);
    QTest::newRow("tr: fraction") << true << "2,5" << qint64(10) << qint64(-1);
    QTest::newRow("not a number") << true << "x" << qint64(10) << qint64(-1);
    // Near the top of 64 bits the double is 2^63, which no qint64 holds.
    QTest::newRow("2^63 - 1 reads as 2^63") << false << "9223372036854775807" << top << qint64(-1);
    QTest::newRow("2^63") << false << "9223372036854775808" << top << qint64(-1);
    QTest::newRow("largest double below 2^63") << false << "9223372036854774784" << top
                                               << qint64(9223372036854774784);
    // A limit that is no double is compared exactly: 2^53 + 4 is over 2^53 + 3.
    QTest::newRow("limit between doubles") << false << "9007199254740996" << qint64(9007199254740995) << qint64(-1);
}

void TestNumbers::parseWhole()
{
    QFETCH(bool, isTurkish);
    QFETCH(QString, text);
    QFETCH(qint64, maximum);
    QFETCH(qint64, expected);
    QLocale::setDefault(isTurkish ? turkish : QLocale::c());
    QCOMPARE(stagepath::parseWhole(text, 0, maximum).value_or(-1), expected);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
