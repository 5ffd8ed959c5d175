// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Lesson files: what is written is read back the same, under either locale;
// what cannot be used is refused with its first problem named; a failed
// save leaves the old file as it was.
#include "lessons.h"

#include "lesson/lessonfile.h"
#include "lesson/pastedvalues.h"
#include "lesson/typednumber.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace stagepath;

namespace {
const QLocale turkish(QLocale::Turkish, QLocale::Turkey);

QByteArray fileWith(const char *boxes, const char *values, const char *more = "")
{
    return QByteArray(R"({"format": "stagepath", "version": 1, "boxes": )") + boxes + R"(, "values": )" + values
        + more + "}";
}
} // namespace

class TestLessonFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void roundTrip_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("Turkish") << turkish;
    }
    // Random lessons, whole, fractional and odd texts: written and read back
    // they are the same lesson, and written again the same bytes.
    void roundTrip()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        QRandomGenerator rng(20240611);
        for (int i = 0; i < 300; ++i) {
            const Lesson lesson = lessons::randomLesson(rng);
            const QByteArray text = writeLesson(lesson);
            const LessonReading reading = readLesson(text);
            QVERIFY2(reading.lesson, qPrintable(reading.problem + QLatin1Char('\n') + QString::fromUtf8(text)));
            const QString difference = lessons::difference(lesson, *reading.lesson);
            QVERIFY2(difference.isEmpty(), qPrintable(difference + QLatin1Char('\n') + QString::fromUtf8(text)));
            QCOMPARE(writeLesson(*reading.lesson), text);
            // Version 2 only for a missing road, so that older programs open the rest.
            QVERIFY(text.contains(lesson.edges->hasMissing() ? "\"version\": 2," : "\"version\": 1,"));
        }
    }

    // Pasted text: items at any run of tabs, spaces, line breaks and
    // semicolons, never at commas; the first item that is neither a number
    // of the locale nor "-" is named.
    void pastedValues_data() { roundTrip_data(); }
    void pastedValues()
    {
        QFETCH(QLocale, locale);
        QRandomGenerator rng(4242);
        const QStringList separators{"\t", " ", "\n", "\r\n", ";", "; ", "\t\t", "  \n"};
        const QStringList bad{"abc", "1,2,3", "4;", "x5", "--", "1e", "%"};
        for (int i = 0; i < 500; ++i) {
            QStringList items;
            for (int n = rng.bounded(1, 12); n > 0; --n) {
                switch (rng.bounded(4)) {
                case 0: items << QStringLiteral("-"); break;
                case 1: items << formatNumber(rng.bounded(2001) / 100.0 - 10, locale); break; // "4,5" in Turkish
                default: items << QString::number(rng.bounded(1000));
                }
            }
            QString text = rng.bounded(2) ? QStringLiteral("\n") : QString();
            for (const QString &item : items)
                text += item + separators.at(rng.bounded(int(separators.size())));
            const PastedValues read = readPastedValues(text, locale);
            QCOMPARE(read.items, items);
            QVERIFY2(!read.bad, qPrintable(text));

            // One bad item anywhere: it is the one named.
            const QString wrong = bad.at(rng.bounded(int(bad.size())));
            const qsizetype at = rng.bounded(int(items.size()) + 1);
            QStringList withBad = items;
            withBad.insert(at, wrong == QLatin1String("4;") ? QStringLiteral("4,5,6") : wrong);
            const PastedValues refused = readPastedValues(withBad.join(u'\t'), locale);
            QCOMPARE(refused.bad, std::optional<QString>(withBad.at(at)));
        }
        // A comma is part of an item: a Turkish decimal, not two C numbers.
        QCOMPARE(readPastedValues(QStringLiteral("4,5\t-"), turkish).items, (QStringList{"4,5", "-"}));
        QVERIFY(!readPastedValues(QStringLiteral("4,5\t-"), turkish).bad);
        QCOMPARE(readPastedValues(QStringLiteral("4,5"), QLocale::c()).bad, std::optional<QString>(QStringLiteral("4,5")));
    }

    // A version-1 file reads as before: "-" is a text that is not a number.
    void versionOneKnowsNoMissingRoad()
    {
        const QByteArray v1 = R"({"format": "stagepath", "version": 1, "boxes": [1, 2], "values": ["-", 3]})";
        const LessonReading old = readLesson(v1);
        QVERIFY(old.lesson && !old.lesson->edges->isMissing(0) && !old.lesson->edges->isNumber(0));
        QCOMPARE(old.lesson->edges->text(0), QStringLiteral("-"));
        QByteArray v2 = v1;
        v2.replace("\"version\": 1", "\"version\": 2").replace("\"-\"", "null");
        const LessonReading now = readLesson(v2);
        QVERIFY(now.lesson && now.lesson->edges->isMissing(0));
        QCOMPARE(writeLesson(*now.lesson), writeLesson(*readLesson(writeLesson(*now.lesson)).lesson));
        QVERIFY(writeLesson(*now.lesson).contains("null"));
    }

    // The quick reading of typed texts agrees with parseNumber and
    // formatNumber on every text, plain decimal or not.
    void typedNumbersReadAsTheTableReadsThem_data() { roundTrip_data(); }
    void typedNumbersReadAsTheTableReadsThem()
    {
        QFETCH(QLocale, locale);
        QRandomGenerator rng(99);
        const QString alphabet = QStringLiteral("0000123456789.,-- e+");
        for (int i = 0; i < 200000; ++i) {
            QString text;
            const double v = std::ldexp(rng.generateDouble() - 0.5, rng.bounded(-70, 70));
            if (i % 4 == 0) {
                // The general form of a number of any size, as the window writes it.
                text = formatNumber(i % 8 ? v : std::round(v * 1e3) / 1e3, locale);
            } else if (i % 4 == 1) {
                // Plain decimals near the edges of the general form: zeros after the point, many digits.
                QLocale plain(locale);
                plain.setNumberOptions(QLocale::OmitGroupSeparator);
                text = plain.toString(std::ldexp(v, -8), 'f', rng.bounded(0, 22));
            } else {
                for (int n = rng.bounded(1, 22); n > 0; --n)
                    text += alphabet.at(rng.bounded(int(alphabet.size())));
            }
            const auto value = parseNumber(text, locale);
            const TypedNumber typed = readTypedNumber(text, locale);
            QVERIFY2(typed.value.has_value() == value.has_value() && (!value || lessons::sameNumber(*typed.value, *value)),
                     qPrintable(text));
            QVERIFY2(typed.generalForm == (value && formatNumber(*value, locale) == text), qPrintable(text));
            if (value && *value != 0 && fitsGeneralForm(*value)) // (formatNumber writes no "-0")
                QVERIFY2(lessons::sameNumber(*parseNumber(formatNumber(*value, locale), locale), *value), qPrintable(text));
        }
    }

    // A number entry is the number whatever the locale; a text entry is the
    // text, read as a number by the locale that opens it.
    void numbersAreLocaleFree()
    {
        QLocale::setDefault(turkish);
        Lesson lesson;
        lesson.boxTexts = QStringList{"2", "1"};
        auto edges = std::make_shared<EdgeData>();
        edges->shape = GraphShape({2, 1});
        edges->values.assign(2, 0);
        EdgeTable table;
        table.setEdges(edges);
        table.setData(table.index(0, 0), QStringLiteral("4,5"));   // the general form in Turkish
        table.setData(table.index(1, 0), QStringLiteral("1.000")); // grouped: 1000, kept as typed
        lesson.edges = table.snapshot();
        const QByteArray text = writeLesson(lesson);
        QVERIFY2(text.contains("4.5,\n        \"1.000\""), text.constData());

        QLocale::setDefault(QLocale::c());
        const LessonReading inC = readLesson(text);
        QVERIFY(inC.lesson);
        QCOMPARE(inC.lesson->edges->text(0), QStringLiteral("4.5"));
        QCOMPARE(inC.lesson->edges->value(0), 4.5);
        QCOMPARE(inC.lesson->edges->text(1), QStringLiteral("1.000"));
        QCOMPARE(inC.lesson->edges->value(1), 1.0);
    }

    // The examples are in the layout the program writes: read and written
    // again, they come out byte for byte.
    void examplesAreWrittenAsTheProgramWrites_data()
    {
        QTest::addColumn<QString>("path");
        const QDir examples(QStringLiteral(STAGEPATH_SOURCE_DIR "/examples"));
        for (const QString &name : examples.entryList({QStringLiteral("*.stagepath")}))
            QTest::newRow(qPrintable(name)) << examples.filePath(name);
        QVERIFY(examples.entryList({QStringLiteral("*.stagepath")}).size() >= 2);
    }
    void examplesAreWrittenAsTheProgramWrites()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        const LessonReading reading = readLessonFile(path);
        QVERIFY2(reading.lesson, qPrintable(reading.problem));
        QCOMPARE(writeLesson(*reading.lesson), text);
    }

    void leftOutSettingsStartAsAtStartUp()
    {
        const LessonReading reading = readLesson(fileWith("[1, 2]", R"([5, "x"], "comment": [1, {}], "x": 300)"));
        QVERIFY2(reading.lesson, qPrintable(reading.problem));
        LessonSettings expected;
        expected.xSpacing = 300;
        QVERIFY(reading.lesson->settings == expected);
        QCOMPARE(reading.lesson->edges->text(1), QStringLiteral("x"));
        QVERIFY(std::isnan(reading.lesson->edges->value(1)));
    }

    // A number of more than 15 digits opens as its general form would be
    // typed: rounded to 15 digits, or a text that is no number when the
    // rounding goes beyond the largest double.
    void longNumbersOpenAsTheirGeneralForm()
    {
        const LessonReading reading = readLesson(fileWith("[2, 1]", "[0.30000000000000004, 1.7976931348623157e308]"));
        QVERIFY2(reading.lesson, qPrintable(reading.problem));
        QCOMPARE(reading.lesson->edges->text(0), QStringLiteral("0.3"));
        QCOMPARE(reading.lesson->edges->value(0), 0.3);
        QCOMPARE(reading.lesson->edges->text(1), QStringLiteral("1.79769313486232e+308"));
        QVERIFY(std::isnan(reading.lesson->edges->value(1)));
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << QByteArray() << "JSON olarak okunamadı";
        QTest::newRow("missing comma") << QByteArray("{\n  \"format\": \"stagepath\"\n  \"version\": 1\n}")
                                       << "(satır 3, sütun 4)";
        QTest::newRow("a list") << QByteArray("[1, 2]") << "JSON nesnesi";
        QTest::newRow("another format") << QByteArray(R"({"format": "other", "version": 1})") << "stagepath ders dosyası değil";
        QTest::newRow("no version") << QByteArray(R"({"format": "stagepath"})") << "\"version\" alanı";
        QTest::newRow("version as text") << QByteArray(R"({"format": "stagepath", "version": "1"})") << "\"1\" değil";
        QTest::newRow("higher version") << QByteArray(R"({"format": "stagepath", "version": 3, "boxes": 7})")
                                        << "dosyanın sürümü 3;";
        QTest::newRow("no boxes") << QByteArray(R"({"format": "stagepath", "version": 1})") << "\"boxes\" alanı";
        QTest::newRow("no columns") << fileWith("[]", "[]") << "\"boxes\" alanı";
        QTest::newRow("negative count") << fileWith("[3, -1]", "[]") << "\"boxes\" listesinin 2. öğesi (-1)";
        QTest::newRow("fractional count") << fileWith("[3.5]", "[]") << "1. öğesi (3.5)";
        QTest::newRow("count text") << fileWith(R"(["3", "üç"])", "[]") << "2. öğesi (\"üç\")";
        QTest::newRow("count over limit") << fileWith("[100001]", "[]") << "0 ile 100000 arasında";
        QTest::newRow("too many edges") << fileWith("[100000, 100000]", "[]") << "en çok 1000000 olabilir";
        QTest::newRow("too few values") << fileWith("[3, 3]", "[1, 2]") << "2 değer var; kutu sayıları 9 kenar veriyor";
        QTest::newRow("no values") << fileWith("[3]", "{}") << "\"values\" alanı";
        QTest::newRow("null value") << fileWith("[1, 3]", "[1, 2, null]") << "3. öğesi (null)";
        QTest::newRow("x too far") << fileWith("[1]", "[]", R"(, "x": 10001)") << "\"x\" alanı";
        QTest::newRow("pen width 0") << fileWith("[1]", "[]", R"(, "penWidth": 0.4)") << "\"penWidth\" alanı";
        QTest::newRow("circle 9") << fileWith("[1]", "[]", R"(, "circleSize": 9)") << "\"circleSize\" alanı";
        QTest::newRow("colouring as text") << fileWith("[1]", "[]", R"(, "colourLines": "evet")") << "\"colourLines\" alanı";

        QByteArray columns = "[";
        for (int i = 0; i < 1002; ++i)
            columns += i ? ", 0" : "0";
        QTest::newRow("1001 stages") << fileWith(columns + "]", "[]") << "vorta sayısı en çok 1000";
    }
    void refused()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, problem);
        const LessonReading reading = readLesson(json);
        QVERIFY(!reading.lesson);
        QVERIFY2(reading.problem.contains(problem), qPrintable(reading.problem));
    }

    void unusableFilesAreNamed()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("yok.stagepath"));
        QVERIFY(readLessonFile(missing).problem.startsWith(QStringLiteral("\"%1\" açılamadı: ").arg(missing)));
        QVERIFY(readLessonFile(dir.path()).problem.contains(QStringLiteral("klasör")));

        const QString large = dir.filePath(QStringLiteral("büyük.stagepath"));
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(lessonfile::maxFileSize + 1));
        file.close();
        const QString problem = readLessonFile(large).problem;
        QVERIFY2(problem.contains(large) && problem.contains(QStringLiteral("64 MiB")), qPrintable(problem));
    }

    // A save that fails leaves the old file whole and says so.
    void failedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        QRandomGenerator rng(7);
        const Lesson lesson = lessons::randomLesson(rng);
        const QString path = dir.filePath(QStringLiteral("ders.stagepath"));
        QVERIFY(writeLessonFile(path, lesson).isEmpty());
        QCOMPARE(lessons::difference(*readLessonFile(path).lesson, lesson), QString());

        // The temporary file beside a name this long cannot be renamed over it.
        const QString longName = dir.filePath(QString(250, u'a'));
        QFile old(longName);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("eski") == 4);
        old.close();
        const QString problem = writeLessonFile(longName, lesson);
        QVERIFY2(problem.contains(QStringLiteral("kaydedilemedi")) && problem.contains(longName), qPrintable(problem));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("eski"));

        QVERIFY(!writeLessonFile(dir.filePath(QStringLiteral("yok/ders.stagepath")), lesson).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLessonFile)
#include "tst_lessonfile.moc"
