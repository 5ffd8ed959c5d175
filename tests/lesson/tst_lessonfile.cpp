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
            // Version 2 only for a missing road or a name, so that older programs open the rest.
            const bool newer = lesson.edges->hasMissing() || lesson.edges->hasNames();
            QVERIFY(text.contains(newer ? "\"version\": 2," : "\"version\": 1,"));
        }
    }

    // A lesson whose boxes have names is written as version 2, any other as
    // version 1 (older readers keep opening it); a named box of a lesson
    // read back keeps its name, an unnamed one its number.
    void namesNeedVersion2()
    {
        QRandomGenerator rng(5);
        int named = 0;
        for (int i = 0; i < 100; ++i) {
            const Lesson lesson = lessons::randomLesson(rng);
            const bool hasNames = lesson.edges->hasNames();
            named += hasNames;
            const QByteArray text = writeLesson(lesson);
            const bool newer = hasNames || lesson.edges->hasMissing();
            QVERIFY2(text.contains(newer ? "\"version\": 2," : "\"version\": 1,"), text.constData());
            QCOMPARE(text.contains("\"names\""), hasNames);
        }
        QVERIFY(named > 10);
        const LessonReading reading
            = readLesson(fileWith("[1, 2]", "[4, 5]", R"(, "names": ["", "Bursa", ""], "valuesOnLines": true)"));
        QVERIFY2(reading.lesson, qPrintable(reading.problem));
        const EdgeData &edges = *reading.lesson->edges;
        QCOMPARE(QStringList({edges.boxLabel(1), edges.boxLabel(2), edges.boxLabel(3)}),
                 QStringList({"1", "Bursa", "3"}));
        QVERIFY(reading.lesson->settings.valuesOnLines);
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
        QVERIFY2(text.contains("\"locale\": \"tr_TR\""), text.constData()); // "1.000" is 1 in a file that names none

        QLocale::setDefault(QLocale::c());
        const LessonReading inC = readLesson(text);
        QVERIFY(inC.lesson);
        QCOMPARE(inC.lesson->edges->text(0), QStringLiteral("4.5"));
        QCOMPARE(inC.lesson->edges->value(0), 4.5);
        QCOMPARE(inC.lesson->edges->text(1), QStringLiteral("1000"));
        QCOMPARE(inC.lesson->edges->value(1), 1000.0);
    }

    // Texts typed under one locale, saved, and opened under each: every
    // reader holds the same numbers, a cell that was a number where it was
    // typed is that number everywhere, and a text is kept as typed wherever
    // the reader takes it for that number.
    void typedTextsOpenAsTheSameNumbersEverywhere()
    {
        const QList<QLocale> locales{QLocale::c(), turkish, QLocale(QLocale::German, QLocale::Germany)};
        const QString alphabet = QStringLiteral("0123456789.,-0 e");
        QRandomGenerator rng(18);
        constexpr int rows = 3000;
        for (const QLocale &writer : locales) {
            QLocale::setDefault(writer);
            auto edges = std::make_shared<EdgeData>();
            edges->shape = GraphShape({rows, 1});
            edges->values.assign(rows, 0);
            EdgeTable table;
            table.setEdges(edges);
            QStringList texts; // as typed (a cell in the general form is shown in the locale of the moment)
            for (int row = 0; row < rows; ++row) {
                QString text;
                for (int n = rng.bounded(1, 9); n > 0; --n)
                    text += alphabet.at(rng.bounded(int(alphabet.size())));
                table.setData(table.index(row, 0), text);
                texts << text;
            }
            const EdgeDataPtr typed = table.snapshot();
            const QByteArray file = writeLesson({QStringList{QString::number(rows), QStringLiteral("1")}, typed, {}, {}, {}});
            std::vector<EdgeDataPtr> opened;
            for (const QLocale &reader : locales) {
                QLocale::setDefault(reader); // a cell in the general form is shown in the locale of the moment
                const LessonReading reading = readLesson(file);
                QVERIFY2(reading.lesson, qPrintable(reading.problem));
                const EdgeData &edges = *reading.lesson->edges;
                for (int row = 0; row < rows; ++row)
                    if (!typed->isMissing(row) && parseNumber(texts[row], reader) == std::optional(edges.value(row)))
                        QVERIFY2(edges.text(row) == texts[row] || formatNumber(edges.value(row)) == edges.text(row),
                                 qPrintable(texts[row] + QStringLiteral(" opened as ") + edges.text(row)));
                opened.push_back(reading.lesson->edges);
            }
            // (-0 and 0 are the same total.)
            const auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
            for (int row = 0; row < rows; ++row) {
                if (typed->isMissing(row))
                    continue;
                const QString where = writer.name() + QLatin1Char(' ') + texts[row];
                for (const EdgeDataPtr &edges : opened) {
                    QVERIFY2(same(edges->value(row), opened[0]->value(row)), qPrintable(where));
                    if (typed->isNumber(row))
                        QVERIFY2(same(edges->value(row), typed->value(row)), qPrintable(where));
                }
            }
        }
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
        QTest::newRow("true value") << fileWith("[1, 3]", "[1, 2, true]") << "3. öğesi (true)";
        QTest::newRow("generator without its seed")
            << fileWith("[1, 3]", "[1, 2, 3]", R"(, "generator": {"seed": 5, "boxes": [1, 3]})") << "\"generator\" alanı";
        QTest::newRow("x too far") << fileWith("[1]", "[]", R"(, "x": 10001)") << "\"x\" alanı";
        QTest::newRow("pen width 0") << fileWith("[1]", "[]", R"(, "penWidth": 0.4)") << "\"penWidth\" alanı";
        QTest::newRow("circle 9") << fileWith("[1]", "[]", R"(, "circleSize": 9)") << "\"circleSize\" alanı";
        QTest::newRow("answers as text") << fileWith("[1]", "[]", R"(, "answers": "1-2")") << "\"answers\" alanı";
        QTest::newRow("box 0 answered") << fileWith("[1]", "[]", R"(, "answers": {"boxTotals": {"0": "5"}})")
                                        << "\"answers\" alanı";
        QTest::newRow("names not one per box") << fileWith("[1, 2]", "[1, 2]", R"(, "names": ["A", "B"])")
                                               << "\"names\" alanı her kutu için bir ad";
        QTest::newRow("name not text") << fileWith("[1, 2]", "[1, 2]", R"(, "names": [1, "", ""])")
                                       << "\"names\" listesinin 1. öğesi (1)";
        QTest::newRow("name twice") << fileWith("[1, 2]", "[1, 2]", R"(, "names": ["A", "B", "A"])")
                                    << "3. öğesi kullanılamaz: \"A\" adı 1. kutunun adı";
        QTest::newRow("name of 21") << fileWith("[1]", "[]", R"(, "names": ["abcdefghijklmnopqrstu"])")
                                    << "21 karakter";
        QTest::newRow("values on lines as text") << fileWith("[1]", "[]", R"(, "valuesOnLines": 1)")
                                                 << "\"valuesOnLines\" alanı";
        QTest::newRow("colouring as text") << fileWith("[1]", "[]", R"(, "colourLines": "evet")") << "\"colourLines\" alanı";
        QTest::newRow("unknown recursion") << fileWith("[1]", "[]", R"(, "recursion": "sideways")") << "\"recursion\" alanı";

        QByteArray columns = "[";
        for (int i = 0; i < 1002; ++i)
            columns += i ? ", 0" : "0";
        QTest::newRow("1001 stages") << fileWith(columns + "]", "[]") << "vorta sayısı en çok 1000";
        QTest::newRow("200001 boxes") << fileWith("[100000, 1, 100000]", "[]") << "en çok 200000";
        QTest::newRow("pen width 32768") << fileWith("[1]", "[]", R"(, "penWidth": 32768)") << "\"penWidth\" alanı";
        QTest::newRow("y too far") << fileWith("[1]", "[]", R"(, "y": -10000.5)") << "\"y\" alanı";
    }

    // Every limit a file is held to lets a file at the limit itself in
    // (one past it is refused above).
    void acceptedAtTheLimits_data()
    {
        QTest::addColumn<QByteArray>("json");
        QByteArray columns = "[";
        for (int i = 0; i < 1001; ++i)
            columns += i ? ", 0" : "0";
        QTest::newRow("1000 stages") << fileWith(columns + "]", "[]");
        QTest::newRow("count 100000") << fileWith("[100000]", "[]");
        QTest::newRow("count text 100000") << fileWith(R"(["100000"])", "[]");
        QTest::newRow("200000 boxes") << fileWith("[100000, 0, 100000]", "[]");
        QByteArray values = "[";
        for (int i = 0; i < 1000000; ++i)
            values += i ? ",1" : "1";
        QTest::newRow("1000000 edges") << fileWith("[1000, 1000]", values + "]");
        QTest::newRow("spacing and pen") << fileWith("[1]", "[]", R"(, "x": 10000, "y": -10000, "penWidth": 32767)");
    }
    void acceptedAtTheLimits()
    {
        QFETCH(QByteArray, json);
        const LessonReading reading = readLesson(json);
        QVERIFY2(reading.lesson, qPrintable(reading.problem));
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
