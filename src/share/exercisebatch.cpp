// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The batch mode's exercises: --new-exercise and --worksheet. Every option is
// read and every lesson checked before a file is written; files are written
// through QSaveFile, so a refusal or a failure leaves none behind.

#include "batchrun.h"
#include "worksheet.h"

#include "lesson/exercisegenerator.h"
#include "lesson/lessonfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>

#include <memory>

namespace stagepath {

namespace {

struct BatchRun {
    Q_DECLARE_TR_FUNCTIONS(BatchRun)
};

BatchResult refused(const QString &problem)
{
    return {1, {}, problem.simplified()};
}

QString fileProblem(const QString &path, const QString &reason)
{
    return BatchRun::tr("\"%1\" yazılamadı: %2.").arg(QDir::toNativeSeparators(path), reason);
}

// The options of --new-exercise, or why not.
std::optional<ExerciseOrigin> readOptions(const BatchRequest &request, QString *problem)
{
    ExerciseOrigin options;
    if (request.boxes.isNull()) {
        *problem = BatchRun::tr("--new-exercise, --boxes seçeneğini ister (örneğin --boxes 1,3,3,2,1).");
        return std::nullopt;
    }
    const auto boxes = readBoxCounts(request.boxes, problem);
    if (!boxes)
        return std::nullopt;
    options.boxes = *boxes;
    if (request.values.isNull()) {
        *problem = BatchRun::tr("--new-exercise, --values seçeneğini ister (örneğin --values 1..20).");
        return std::nullopt;
    }
    static const QRegularExpression range(QStringLiteral(R"(^\s*(-?\d{1,10})\s*\.\.\s*(-?\d{1,10})\s*$)"));
    const auto match = range.match(request.values);
    if (!match.hasMatch()) {
        *problem = BatchRun::tr("--values \"%1\": EN_KÜÇÜK..EN_BÜYÜK biçiminde iki tam sayı olmalı (örneğin 1..20).")
                       .arg(request.values);
        return std::nullopt;
    }
    options.minValue = match.captured(1).toLongLong();
    options.maxValue = match.captured(2).toLongLong();
    if (!request.missing.isNull()) {
        bool ok = false;
        options.missingPercent = request.missing.trimmed().toInt(&ok);
        if (!ok || options.missingPercent < 0 || options.missingPercent > exercise::maxMissingPercent) {
            *problem = BatchRun::tr("--missing \"%1\": 0 ile %2 arasında bir tam sayı (yüzde) olmalı.")
                           .arg(request.missing)
                           .arg(exercise::maxMissingPercent);
            return std::nullopt;
        }
    }
    if (!request.seed.isNull()) {
        bool ok = false;
        options.seed = request.seed.trimmed().toULongLong(&ok);
        if (!ok || request.seed.trimmed().startsWith(u'+') || request.seed.trimmed().startsWith(u'-')) {
            *problem = BatchRun::tr("--seed \"%1\": 0 ile 18446744073709551615 arasında bir tam sayı olmalı.")
                           .arg(request.seed);
            return std::nullopt;
        }
    } else {
        options.seed = freshSeed();
    }
    options.unique = request.unique;
    options.longest = request.longest;
    return options;
}

bool commitAll(std::vector<std::unique_ptr<QSaveFile>> &files, QString *problem)
{
    for (const auto &file : files)
        if (!file->commit()) {
            *problem = fileProblem(file->fileName(), file->errorString());
            return false;
        }
    return true;
}

} // namespace

BatchResult runNewExercise(const BatchRequest &request)
{
    if (request.solve || !request.picture.isEmpty() || !request.results.isEmpty() || !request.edges.isEmpty()
        || !request.worksheet.isEmpty() || !request.lessonFiles.isEmpty())
        return refused(BatchRun::tr("--new-exercise başka bir işle ya da bir ders dosyasıyla birlikte kullanılamaz."));
    QString problem;
    const auto options = readOptions(request, &problem);
    if (!options)
        return refused(problem);
    const ExerciseResult made = generateExercise(*options);
    if (!made.lesson)
        return refused(made.problem);
    if (const QString written = writeLessonFile(request.newExercise, *made.lesson); !written.isEmpty())
        return refused(written);
    return {0, QStringLiteral("Seed: %1\n").arg(options->seed), {}};
}

QString writeWorksheetFiles(const std::vector<WorksheetExercise> &sheet, const std::vector<WorksheetExercise> &key,
                            const QString &sheetFile, const QString &keyFile)
{
    const QPageSize::PageSizeId paper = paperFor(QLocale());
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const auto &[path, exercises, isKey] :
         {std::tuple{sheetFile, &sheet, false}, std::tuple{keyFile, &key, true}}) {
        if (path.isEmpty())
            continue;
        auto file = std::make_unique<QSaveFile>(path);
        if (!file->open(QIODevice::WriteOnly))
            return fileProblem(path, file->errorString());
        if (!writeWorksheetPdf(*exercises, isKey, file.get(), paper) || file->error() != QFileDevice::NoError)
            return fileProblem(path, file->errorString());
        files.push_back(std::move(file));
    }
    QString problem;
    commitAll(files, &problem);
    return problem;
}

BatchResult runWorksheet(const BatchRequest &request)
{
    if (request.solve || !request.picture.isEmpty() || !request.results.isEmpty() || !request.edges.isEmpty()
        || request.longest)
        return refused(BatchRun::tr("--worksheet başka bir işle birlikte kullanılamaz."));
    if (request.lessonFiles.isEmpty())
        return refused(BatchRun::tr("--worksheet en az bir ders dosyası ister."));
    if (!request.key.isEmpty() && QFileInfo(request.key).absoluteFilePath() == QFileInfo(request.worksheet).absoluteFilePath())
        return refused(BatchRun::tr("--worksheet ve --key aynı dosyayı (\"%1\") adlandırıyor.")
                           .arg(QDir::toNativeSeparators(request.key)));
    std::vector<WorksheetExercise> sheet, key;
    int number = 0;
    for (const QString &path : request.lessonFiles) {
        LessonReading reading = readLessonFile(path);
        if (!reading.lesson)
            return refused(reading.problem);
        if (const QString problem = worksheetProblem(*reading.lesson); !problem.isEmpty())
            return refused(QDir::toNativeSeparators(path) + QStringLiteral(": ") + problem);
        ++number;
        sheet.push_back(sheetExercise(*reading.lesson, number));
        if (!request.key.isEmpty())
            key.push_back(keyExercise(*reading.lesson, number));
    }
    if (const QString problem = writeWorksheetFiles(sheet, key, request.worksheet, request.key); !problem.isEmpty())
        return refused(problem);
    return {0, {}, {}};
}

} // namespace stagepath
