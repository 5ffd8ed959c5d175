// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "batchrun.h"

#include "edgecsv.h"
#include "picturefile.h"
#include "resultcsv.h"
#include "savedfile.h"

#include "lesson/lessonfile.h"
#include "model/edgetable.h"
#include "model/inputlimits.h"
#include "solver/bestpath.h"
#include "solver/paths.h"
#include "solver/rankedpaths.h"
#include "solver/resulttable.h"
#include "solver/validation.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <functional>
#include <memory>
#include <vector>

namespace stagepath {

namespace {

// A message of one line: the file it is about, then the problem.
QString aboutFile(const QString &file, const QString &problem)
{
    return QDir::toNativeSeparators(file) + QStringLiteral(": ") + problem;
}

class BatchRun
{
    Q_DECLARE_TR_FUNCTIONS(BatchRun)

public:
    explicit BatchRun(const BatchRequest &request) : m_request(request) {}

    BatchResult run()
    {
        if (!readAndCheck() || !writeAll())
            return {m_exitCode, {}, m_problem.simplified()};
        return {0, m_request.solve ? solveLines() : QString(), {}};
    }

private:
    QString solveLines() const
    {
        QString out = QStringLiteral("Mod: %1\nToplam: %2\n")
                          .arg(m_mode == PathMode::Longest ? QStringLiteral("En Uzun Yol") : QStringLiteral("En Kısa Yol"),
                               m_best->totalText);
        if (!m_request.allBest)
            return out + QStringLiteral("Yol: %1\n").arg(m_best->pathText);
        for (const auto &positions : bestPathsInTableOrder(*m_lesson.edges, m_mode, maxBestPaths))
            out += QStringLiteral("Yol: %1\n").arg(pathText(*m_lesson.edges, positions));
        return out;
    }

    bool fail(const QString &problem)
    {
        m_problem = problem;
        return false;
    }

    bool readAndCheck()
    {
        if (!m_request.picture.isEmpty() && !pictureFormatOf(m_request.picture))
            return fail(aboutFile(m_request.picture,
                                  tr("resmin türü dosya adının uzantısından anlaşılmalı: .png, .svg ya da .pdf.")));
        LessonReading reading = readLessonFile(m_request.lessonFile);
        if (!reading.lesson)
            return fail(reading.problem);
        m_lesson = std::move(*reading.lesson);
        const EdgeData &edges = *m_lesson.edges;
        const bool showsPaths = m_request.solve || !m_request.picture.isEmpty() || !m_request.results.isEmpty();
        if (showsPaths) {
            auto problem = nonNumberMessage(edges);
            if (!problem)
                problem = overflowMessage(edges);
            if (problem)
                return fail(aboutFile(m_request.lessonFile, *problem));
        }
        m_mode = m_request.longest || (m_lesson.settings.longest && !m_request.shortest) ? PathMode::Longest
                                                                                        : PathMode::Shortest;
        if (showsPaths)
            m_best = findBestPath(edges, m_mode);
        if (m_request.solve && !m_best) {
            // Missing roads that cut every path: a lesson without an answer,
            // told apart from a lesson that cannot be read or computed.
            if (!noPathMessage(edges.shape) && edges.hasMissing())
                m_exitCode = noPathExitCode;
            return fail(aboutFile(m_request.lessonFile, noPathMessage(edges).value_or(tr("Derste yol yok."))));
        }
        if (!m_request.results.isEmpty())
            if (const auto tooMany = tooManyPathsMessage(edges))
                return fail(aboutFile(m_request.lessonFile, *tooMany));
        return true;
    }

    // Every file to its temporary file first; only when all were written
    // does each take its target's place.
    bool writeAll()
    {
        if (!m_request.picture.isEmpty() && !pictureFits())
            return false;
        std::vector<std::unique_ptr<QSaveFile>> files;
        const auto write = [&](const QString &path, const std::function<bool(QIODevice *)> &writer) {
            if (path.isEmpty())
                return true;
            auto file = std::make_unique<QSaveFile>(path);
            if (!file->open(QIODevice::WriteOnly) || !writer(file.get()) || file->error() != QFileDevice::NoError)
                return fail(unwrittenFileMessage(path, file->errorString()));
            files.push_back(std::move(file));
            return true;
        };
        if (!write(m_request.picture, [this](QIODevice *d) { return writePicture(m_picture, *m_format, d); })
            || !write(m_request.results, [this](QIODevice *d) { return writeResults(d); })
            || !write(m_request.edges, [this](QIODevice *d) { return writeEdges(d); }))
            return false;
        for (const auto &file : files) {
            if (!file->commit())
                return fail(unwrittenFileMessage(file->fileName(), file->errorString()));
        }
        return true;
    }

    bool pictureFits()
    {
        m_format = pictureFormatOf(m_request.picture);
        // An exercise's picture keeps its answer.
        m_picture = markedPicture(m_lesson.edges, m_lesson.settings,
                                  m_best && !m_lesson.settings.exercise ? m_best->positions : std::vector<qint64>());
        if (const auto problem = pictureSizeProblem(m_picture, *m_format))
            return fail(aboutFile(m_request.picture, *problem));
        return true;
    }

    bool writeResults(QIODevice *device) const
    {
        ResultTable table;
        table.setStageColumns(m_lesson.edges->shape.stageCount());
        table.setPaths(m_lesson.edges);
        return writeResultCsv(ListedPaths::of(table), device);
    }

    bool writeEdges(QIODevice *device) const
    {
        QStringList headers;
        for (int c = 0; c < EdgeTable::ColumnCount; ++c)
            headers << EdgeTable::headerText(c);
        return writeEdgeCsv(*m_lesson.edges, headers, device);
    }

    const BatchRequest &m_request;
    Lesson m_lesson;
    std::optional<BestPath> m_best;
    PathMode m_mode = PathMode::Shortest;
    int m_exitCode = 1;
    std::optional<PictureFormat> m_format;
    GraphPicture m_picture;
    QString m_problem;
};

} // namespace

BatchResult runBatch(const BatchRequest &request)
{
    if (!request.newExercise.isEmpty())
        return runNewExercise(request);
    if (!request.worksheet.isEmpty())
        return runWorksheet(request);
    return BatchRun(request).run();
}

} // namespace stagepath
