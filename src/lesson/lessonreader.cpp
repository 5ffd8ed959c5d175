// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lessonfile.h"
#include "typednumber.h"

#include "model/boxnames.h"
#include "model/inputlimits.h"
#include "model/numbers.h"
#include "model/stagetable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace stagepath {

namespace {

struct LessonFile {
    Q_DECLARE_TR_FUNCTIONS(LessonFile)
};

QString parseErrorText(QJsonParseError::ParseError error)
{
    switch (error) {
    case QJsonParseError::UnterminatedObject: return LessonFile::tr("bir nesne kapanmıyor ('}' eksik)");
    case QJsonParseError::MissingNameSeparator: return LessonFile::tr("alan adından sonra ':' eksik");
    case QJsonParseError::UnterminatedArray: return LessonFile::tr("bir liste kapanmıyor (']' eksik)");
    case QJsonParseError::MissingValueSeparator: return LessonFile::tr("iki değer arasında ',' eksik");
    case QJsonParseError::IllegalValue: return LessonFile::tr("geçersiz bir değer");
    case QJsonParseError::TerminationByNumber: return LessonFile::tr("metin bir sayının ortasında bitiyor");
    case QJsonParseError::IllegalNumber: return LessonFile::tr("geçersiz bir sayı");
    case QJsonParseError::IllegalEscapeSequence: return LessonFile::tr("geçersiz bir kaçış dizisi");
    case QJsonParseError::IllegalUTF8String: return LessonFile::tr("geçersiz UTF-8");
    case QJsonParseError::UnterminatedString: return LessonFile::tr("bir metin kapanmıyor ('\"' eksik)");
    case QJsonParseError::MissingObject: return LessonFile::tr("bir nesne bekleniyordu");
    case QJsonParseError::DeepNesting: return LessonFile::tr("iç içe geçme çok derin");
    case QJsonParseError::DocumentTooLarge: return LessonFile::tr("belge çok büyük");
    case QJsonParseError::GarbageAtEnd: return LessonFile::tr("JSON bittikten sonra fazladan içerik var");
    default: return LessonFile::tr("JSON hatası");
    }
}

// "satır 3, sütun 14" for a byte offset into the text (lines and columns from 1).
QString position(const QByteArray &json, qsizetype offset)
{
    offset = qBound<qsizetype>(0, offset, json.size());
    const QByteArrayView before(json.constData(), offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = QString::fromUtf8(before.sliced(lineStart)).size() + 1;
    return LessonFile::tr("satır %1, sütun %2").arg(line).arg(column);
}

// An entry as the file spells it, for messages.
QString spelled(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Double: return QString::number(value.toDouble(), 'g', 17);
    case QJsonValue::String: return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    case QJsonValue::Bool: return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Null: return QStringLiteral("null");
    case QJsonValue::Array: return LessonFile::tr("bir liste");
    case QJsonValue::Object: return LessonFile::tr("bir nesne");
    default: return LessonFile::tr("hiçbir şey");
    }
}

// A value written as a number, as the edge table holds it when its general
// form is typed: the number that text reads as, so that the text shown and
// the number agree (a number of more than 15 digits is rounded to 15), or,
// when the text reads as no number at all (beyond the largest double once
// rounded), the text.
void setNumberEntry(EdgeData &edges, qint64 row, double value, const TypedNumberReader &typedNumbers)
{
    if (value == 0)
        value = 0; // no "-0"
    // Most values: their general form reads back as themselves.
    if ((value == std::floor(value) && std::abs(value) < 1e15) || fitsGeneralForm(value)) {
        edges.values[size_t(row)] = value;
        return;
    }
    const QString text = formatNumber(value);
    const TypedNumber typed = typedNumbers.read(text);
    edges.values[size_t(row)] = typed.value.value_or(std::numeric_limits<double>::quiet_NaN());
    if (!typed.generalForm)
        edges.texts.insert(row, text);
}

// A value written as a text, as typed under some locale: it stands for the
// same number on every machine, the one the file's locale reads (fileLocale),
// or, in a file that names none, the one fileTextNumber reads. The text is
// kept as typed where this machine's locale reads it as that number, and
// where it stands for no number; elsewhere the cell holds the number, shown
// in this locale's general form.
void setTextEntry(EdgeData &edges, qint64 row, const QString &text, const TypedNumberReader &typedNumbers,
                  const TypedNumberReader *fileLocale)
{
    const std::optional<double> meant = fileLocale ? fileLocale->read(text).value : fileTextNumber(text);
    if (!meant) {
        edges.values[size_t(row)] = std::numeric_limits<double>::quiet_NaN();
        edges.texts.insert(row, text);
        return;
    }
    const TypedNumber typed = typedNumbers.read(text);
    if (typed.value != meant) {
        setNumberEntry(edges, row, *meant, typedNumbers);
        return;
    }
    edges.values[size_t(row)] = *meant;
    if (!typed.generalForm)
        edges.texts.insert(row, text);
}

class LessonReader
{
public:
    explicit LessonReader(const QJsonObject &root) : m_root(root) {}

    QString read(Lesson &lesson) const
    {
        QString problem = readHeader();
        std::vector<qint64> counts;
        if (problem.isEmpty())
            problem = readBoxes(lesson.boxTexts, counts);
        if (problem.isEmpty())
            problem = readValues(counts, lesson.edges);
        if (problem.isEmpty())
            problem = readNames(*std::const_pointer_cast<EdgeData>(lesson.edges));
        if (problem.isEmpty())
            problem = readSettings(lesson.settings);
        if (problem.isEmpty())
            problem = readOrigin(lesson.origin);
        if (problem.isEmpty())
            problem = readAnswers(lesson.answers);
        return problem;
    }

private:
    QString readHeader() const
    {
        if (m_root.value(QLatin1String("format")) != QJsonValue(QLatin1String(lessonfile::suffix)))
            return LessonFile::tr("bir stagepath ders dosyası değil (\"format\" alanı \"stagepath\" olmalı)");
        const QJsonValue version = m_root.value(QLatin1String("version"));
        const double v = version.toDouble(-1);
        if (!version.isDouble() || v < 1 || v != std::floor(v))
            return LessonFile::tr("\"version\" alanı 1 ya da daha büyük bir tam sayı olmalı, %1 değil")
                .arg(spelled(version));
        if (v > lessonfile::version)
            return LessonFile::tr("dosyanın sürümü %1; bu programın açabildiği en yüksek sürüm %2")
                .arg(formatNumber(v))
                .arg(lessonfile::version);
        return {};
    }

    QString readBoxes(QStringList &texts, std::vector<qint64> &counts) const
    {
        const QJsonValue boxes = m_root.value(QLatin1String("boxes"));
        if (!boxes.isArray() || boxes.toArray().isEmpty())
            return LessonFile::tr("\"boxes\" alanı en az bir kutu sayısı tutan bir liste olmalı");
        const QJsonArray list = boxes.toArray();
        if (list.size() - 1 > limits::maxStageCount)
            return LessonFile::tr("\"boxes\" listesinde %1 sütun var; vorta sayısı en çok %2 olabilir")
                .arg(list.size())
                .arg(limits::maxStageCount);
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QJsonValue entry = list.at(i);
            const QString text = entry.isString() ? entry.toString() : countText(entry);
            const auto count = parseWhole(text, 0, limits::maxBoxesPerColumn);
            if (!count)
                return LessonFile::tr("\"boxes\" listesinin %1. öğesi (%2) 0 ile %3 arasında bir tam sayı olmalı")
                    .arg(i + 1)
                    .arg(spelled(entry))
                    .arg(limits::maxBoxesPerColumn);
            texts << text;
            counts.push_back(*count);
        }
        return graphSizeProblem(counts);
    }

    // The text of a count written as a number; a null string if it is not a whole number.
    static QString countText(const QJsonValue &entry)
    {
        const double v = entry.toDouble(-1);
        if (!entry.isDouble() || v < 0 || v > double(limits::maxBoxesPerColumn) || v != std::floor(v))
            return {};
        return QString::number(qint64(v));
    }

    QString readValues(const std::vector<qint64> &counts, EdgeDataPtr &result) const
    {
        const QJsonValue values = m_root.value(QLatin1String("values"));
        if (!values.isArray())
            return LessonFile::tr("\"values\" alanı kenar değerlerini tutan bir liste olmalı");
        const QJsonArray list = values.toArray();
        auto edges = std::make_shared<EdgeData>();
        edges->shape = GraphShape(counts);
        if (list.size() != edges->shape.edgeCount())
            return LessonFile::tr("\"values\" listesinde %1 değer var; kutu sayıları %2 kenar veriyor")
                .arg(list.size())
                .arg(edges->shape.edgeCount());
        edges->values.resize(size_t(list.size()));
        // Room for the texts at once: growing a hash of a million costs more than counting.
        // (Entries are looked at in place: a QJsonValue of each would copy it.)
        qsizetype texts = 0;
        for (const auto entry : list)
            texts += entry.isString();
        edges->texts.reserve(texts);
        const TypedNumberReader typedNumbers;
        std::optional<TypedNumberReader> fileLocale;
        if (const QJsonValue locale = m_root.value(QLatin1String("locale")); locale.isString())
            fileLocale.emplace(QLocale(locale.toString()));
        // Version 1 knows no missing roads: a null there is refused and a
        // "-" is a text that is not a number, as before.
        const bool nullIsMissingRoad = m_root.value(QLatin1String("version")).toDouble() >= 2;
        qint64 row = 0;
        for (const auto entry : list) {
            if (entry.isDouble() && std::isfinite(entry.toDouble())) {
                setNumberEntry(*edges, row, entry.toDouble(), typedNumbers);
            } else if (entry.isNull() && nullIsMissingRoad) {
                edges->values[size_t(row)] = kMissingRoad; // a road that does not exist
            } else if (entry.isString() && nullIsMissingRoad && isMissingRoadText(entry.toString())) {
                edges->values[size_t(row)] = kMissingRoad;
                if (entry.toString() != QLatin1String("-"))
                    edges->texts.insert(row, entry.toString());
            } else if (entry.isString()) {
                setTextEntry(*edges, row, entry.toString(), typedNumbers, fileLocale ? &*fileLocale : nullptr);
            } else {
                return LessonFile::tr("\"values\" listesinin %1. öğesi (%2) bir sayı, metin ya da eksik yol için null olmalı")
                    .arg(row + 1)
                    .arg(spelled(QJsonValue(entry)));
            }
            ++row;
        }
        result = std::move(edges);
        return {};
    }

    // The boxes' names: none when the file leaves them out; else one string
    // per box, each a name the window would accept ("" for the number).
    QString readNames(EdgeData &edges) const
    {
        const QJsonValue value = m_root.value(QLatin1String("names"));
        if (value.isUndefined())
            return {};
        const qint64 boxes = edges.shape.totalBoxes();
        if (!value.isArray() || value.toArray().size() != boxes)
            return LessonFile::tr("\"names\" alanı her kutu için bir ad tutan bir liste olmalı (%1 kutu var)")
                .arg(boxes);
        BoxNames names;
        names.reserve(size_t(boxes));
        const QJsonArray list = value.toArray();
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QJsonValue entry = list.at(i);
            if (!entry.isString())
                return LessonFile::tr("\"names\" listesinin %1. öğesi (%2) bir metin olmalı")
                    .arg(i + 1)
                    .arg(spelled(entry));
            const QString why = boxNameProblem(entry.toString(), names, i);
            if (!why.isEmpty())
                return LessonFile::tr("\"names\" listesinin %1. öğesi kullanılamaz: %2").arg(i + 1).arg(why);
            names.push_back(entry.toString());
        }
        edges.names = normalisedNames(std::move(names));
        return {};
    }

    QString readSettings(LessonSettings &settings) const
    {
        QString problem = readSpacing("x", settings.xSpacing);
        if (problem.isEmpty())
            problem = readSpacing("y", settings.ySpacing);
        if (problem.isEmpty())
            problem = readPenWidth(settings.penWidth);
        if (problem.isEmpty())
            problem = readCircleSize(settings.circleSize);
        if (problem.isEmpty())
            problem = readSwitch("colourLines", settings.colourLines);
        if (problem.isEmpty())
            problem = readSwitch("longest", settings.longest);
        if (problem.isEmpty())
            problem = readRecursion(settings.backward);
        if (problem.isEmpty())
            problem = readSwitch("exercise", settings.exercise);
        if (problem.isEmpty())
            problem = readSwitch("valuesOnLines", settings.valuesOnLines);
        return problem;
    }

    // The student's answers; boxes are numbered from 1 in the file.
    QString readAnswers(ExerciseAnswers &answers) const
    {
        const auto value = optional("answers");
        if (!value)
            return {};
        const QString wrong = LessonFile::tr("\"answers\" alanı bir nesne olmalı: \"path\" ve \"total\" metin, "
                                             "\"boxTotals\" kutu numarasından metne, \"revealedColumns\" bir tam sayı");
        if (!value->isObject())
            return wrong;
        const QJsonObject object = value->toObject();
        const QJsonValue path = object.value(QLatin1String("path")), total = object.value(QLatin1String("total"));
        const QJsonValue boxes = object.value(QLatin1String("boxTotals"));
        const QJsonValue revealed = object.value(QLatin1String("revealedColumns"));
        if (!(path.isString() || path.isUndefined()) || !(total.isString() || total.isUndefined())
            || !(boxes.isObject() || boxes.isUndefined()) || !(revealed.isDouble() || revealed.isUndefined()))
            return wrong;
        answers.path = path.toString();
        answers.total = total.toString();
        const double columns = revealed.toDouble(0);
        if (columns < 0 || columns > limits::maxStageCount + 1 || columns != std::floor(columns))
            return wrong;
        answers.revealedColumns = int(columns);
        const QJsonObject typed = boxes.toObject();
        for (auto it = typed.constBegin(); it != typed.constEnd(); ++it) {
            bool ok = false;
            const qint64 box = it.key().toLongLong(&ok);
            if (!ok || box < 1 || !it.value().isString())
                return wrong;
            answers.boxTotals.insert(box - 1, it.value().toString());
        }
        return {};
    }

    // A setting that the file may leave out (then it keeps its start-up value).
    std::optional<QJsonValue> optional(const char *key) const
    {
        const QJsonValue value = m_root.value(QLatin1String(key));
        return value.isUndefined() ? std::nullopt : std::optional(value);
    }

    QString readSpacing(const char *key, double &spacing) const
    {
        const QJsonValue value = optional(key).value_or(QJsonValue(spacing));
        if (!value.isDouble() || !(std::abs(value.toDouble()) <= limits::maxSpacing))
            return LessonFile::tr("\"%1\" alanı -%2 ile %2 arasında bir sayı olmalı, %3 değil")
                .arg(QLatin1String(key), formatNumber(limits::maxSpacing), spelled(value));
        spacing = value.toDouble();
        return {};
    }

    QString readPenWidth(int &penWidth) const
    {
        const QJsonValue value = optional("penWidth").value_or(QJsonValue(penWidth));
        const auto width = value.isDouble() ? toInt16(value.toDouble()) : std::nullopt;
        if (!width || *width < 1)
            return LessonFile::tr("\"penWidth\" alanı 1 ile %1 arasında bir sayı olmalı, %2 değil")
                .arg(limits::maxPenWidth)
                .arg(spelled(value));
        penWidth = *width;
        return {};
    }

    QString readCircleSize(double &circleSize) const
    {
        // The sizes the window offers: 10 to 20.
        const QJsonValue value = optional("circleSize").value_or(QJsonValue(circleSize));
        const double v = value.toDouble(-1);
        if (!value.isDouble() || v < 10 || v > 20 || v != std::floor(v))
            return LessonFile::tr("\"circleSize\" alanı 10 ile 20 arasında bir tam sayı olmalı, %1 değil")
                .arg(spelled(value));
        circleSize = v;
        return {};
    }

    QString readSwitch(const char *key, bool &on) const
    {
        const QJsonValue value = optional(key).value_or(QJsonValue(on));
        if (!value.isBool())
            return LessonFile::tr("\"%1\" alanı true ya da false olmalı, %2 değil")
                .arg(QLatin1String(key), spelled(value));
        on = value.toBool();
        return {};
    }

    // "generator": the options and seed of a generated exercise, kept as read.
    QString readOrigin(std::optional<ExerciseOrigin> &origin) const
    {
        const auto value = optional("generator");
        if (!value)
            return {};
        const QString wrong = LessonFile::tr("\"generator\" alanı bir alıştırmanın seçeneklerini tutmalı (%1)");
        const QJsonObject object = value->toObject();
        ExerciseOrigin read;
        bool seedRead = false;
        read.seed = object.value(QLatin1String("seed")).toString().toULongLong(&seedRead);
        if (!value->isObject() || !seedRead)
            return wrong.arg(QLatin1String("seed"));
        const auto whole = [](const QJsonValue &v, double low, double high) -> std::optional<qint64> {
            const double d = v.toDouble(std::nan(""));
            if (!v.isDouble() || !(d >= low && d <= high) || d != std::floor(d))
                return std::nullopt;
            return qint64(d);
        };
        const QJsonArray boxes = object.value(QLatin1String("boxes")).toArray();
        for (const auto entry : boxes) {
            const auto count = whole(QJsonValue(entry), 1, double(limits::maxBoxesPerColumn));
            if (!count)
                return wrong.arg(QLatin1String("boxes"));
            read.boxes.push_back(*count);
        }
        const QJsonArray range = object.value(QLatin1String("values")).toArray();
        const auto low = whole(range.at(0), -1e15, 1e15);
        const auto high = whole(range.at(1), -1e15, 1e15);
        if (range.size() != 2 || !low || !high)
            return wrong.arg(QLatin1String("values"));
        read.minValue = *low;
        read.maxValue = *high;
        const auto missing = whole(object.value(QLatin1String("missing")), 0, 100);
        if (!missing)
            return wrong.arg(QLatin1String("missing"));
        read.missingPercent = int(*missing);
        for (const auto &[key, flag] : {std::pair{"unique", &read.unique}, std::pair{"longest", &read.longest}}) {
            const QJsonValue v = object.value(QLatin1String(key));
            if (!v.isBool())
                return wrong.arg(QLatin1String(key));
            *flag = v.toBool();
        }
        origin = std::move(read);
        return {};
    }

    // "recursion": "forward" (also when left out) or "backward".
    QString readRecursion(bool &backward) const
    {
        const QJsonValue value = optional("recursion").value_or(QJsonValue(QStringLiteral("forward")));
        if (value != QJsonValue(QStringLiteral("forward")) && value != QJsonValue(QStringLiteral("backward")))
            return LessonFile::tr("\"recursion\" alanı \"forward\" ya da \"backward\" olmalı, %1 değil")
                .arg(spelled(value));
        backward = value.toString() == QLatin1String("backward");
        return {};
    }

    const QJsonObject &m_root;
};

QString tooLarge(qint64 size)
{
    return LessonFile::tr("dosya %1 bayt; bir ders dosyası en çok %2 bayt (64 MiB) olabilir")
        .arg(size)
        .arg(lessonfile::maxFileSize);
}

} // namespace

LessonReading readLesson(const QByteArray &json)
{
    QJsonParseError error;
    const QByteArray text = json.startsWith("\xEF\xBB\xBF") ? json.sliced(3) : json; // a UTF-8 byte order mark
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, LessonFile::tr("JSON olarak okunamadı: %1 (%2)")
                                  .arg(parseErrorText(error.error), position(text, error.offset))};
    if (!document.isObject())
        return {std::nullopt, LessonFile::tr("dosyanın en dışında bir JSON nesnesi ({ … }) olmalı")};
    const QJsonObject root = document.object();
    Lesson lesson;
    const QString problem = LessonReader(root).read(lesson);
    if (!problem.isEmpty())
        return {std::nullopt, problem};
    return {std::move(lesson), {}};
}

LessonReading readLessonFile(const QString &path)
{
    const auto refused = [&path](const QString &problem) {
        return LessonReading{std::nullopt,
                             LessonFile::tr("\"%1\" açılamadı: %2.").arg(QDir::toNativeSeparators(path), problem)};
    };
    if (QFileInfo(path).isDir())
        return refused(LessonFile::tr("bu bir klasör"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(LessonFile::tr("dosya okunamadı (%1)").arg(file.errorString()));
    if (file.size() > lessonfile::maxFileSize)
        return refused(tooLarge(file.size()));
    // A device of unknown size is read up to one byte past the limit.
    const QByteArray json = file.isSequential() ? file.read(lessonfile::maxFileSize + 1) : file.readAll();
    if (json.size() > lessonfile::maxFileSize)
        return refused(tooLarge(json.size()));
    if (file.error() != QFileDevice::NoError)
        return refused(LessonFile::tr("dosya okunamadı (%1)").arg(file.errorString()));
    LessonReading reading = readLesson(json);
    if (!reading.lesson)
        return refused(reading.problem);
    return reading;
}

} // namespace stagepath
