// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercisecheck.h"

#include "model/numbers.h"
#include "validation.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace stagepath {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("stagepath::ExerciseCheck", text);
}

bool writtenAlike(double a, double b)
{
    return StageProgram::tie(a, b);
}

quint64 addCounts(quint64 a, quint64 b)
{
    return a >= ExerciseCheck::countLimit - b ? ExerciseCheck::countLimit : a + b;
}

// At most this many choices are named in a text; the chosen and the best
// ones are always among them.
constexpr int namedCandidates = 12;

} // namespace

QString PathVerdict::verdictName() const
{
    switch (problem) {
    case PathProblem::None: return QStringLiteral("right");
    case PathProblem::Empty: return QStringLiteral("incomplete");
    default: return QStringLiteral("wrong");
    }
}

ExerciseCheck::ExerciseCheck(const EdgeData &data, PathMode mode)
    : m_data(data), m_mode(mode)
{
    const GraphShape &shape = data.shape;
    const int columns = shape.columnCount();
    if (columns == 0) {
        m_problem = tr("Derste hiç sütun yok.");
        return;
    }
    if (const auto empty = emptyColumnMessage(shape)) {
        m_problem = *empty;
        return;
    }
    if (const auto bad = nonNumberMessage(data)) {
        m_problem = *bad;
        return;
    }
    m_first.resize(size_t(columns) + 1);
    for (int c = 0; c < columns; ++c)
        m_first[size_t(c) + 1] = m_first[size_t(c)] + shape.boxCount(c);
    // The programs only borrow the data: the checker does not outlive it.
    const EdgeDataPtr borrowed(EdgeDataPtr(), &data);
    m_ahead.emplace(borrowed, mode, Recursion::Forward);
    m_behind.emplace(borrowed, mode, Recursion::Backward);
    const int last = columns - 1;
    for (qint64 k = m_first[size_t(last)]; k < m_first.back(); ++k) {
        if (m_ahead->reachable(k) && (!m_hasBest || better(m_ahead->best(k), m_best))) {
            m_best = m_ahead->best(k);
            m_hasBest = true;
        }
    }
    if (m_hasBest) {
        for (qint64 k = m_first[size_t(last)]; k < m_first.back(); ++k) {
            if (m_ahead->reachable(k) && writtenAlike(m_ahead->best(k), m_best))
                m_bestCount = addCounts(m_bestCount, m_ahead->tieCount(k));
        }
    }
    if (m_hasBest && std::isinf(m_best))
        m_problem = tr("Bir yolun toplamı sayı aralığının dışına çıkıyor.");
    else
        m_computed = true;
}

bool ExerciseCheck::hasPath() const
{
    return m_computed && m_hasBest;
}

double ExerciseCheck::bestTotal() const
{
    return m_best;
}

bool ExerciseCheck::reachable(qint64 box) const
{
    return m_computed && m_ahead->reachable(box);
}

double ExerciseCheck::boxTotal(qint64 box) const
{
    return m_ahead->best(box);
}

QString ExerciseCheck::boxTotalText(qint64 box) const
{
    return reachable(box) ? formatNumber(boxTotal(box)) : QStringLiteral("-");
}

bool ExerciseCheck::boxTotalRight(qint64 box, const QString &typed, const QLocale &locale) const
{
    if (!m_computed || typed.trimmed().isEmpty())
        return false;
    if (!reachable(box))
        return isMissingRoadText(typed);
    const auto number = parseNumber(typed.trimmed(), locale);
    return number && writtenAlike(*number, boxTotal(box));
}

int ExerciseCheck::columnOf(qint64 box) const
{
    const auto it = std::upper_bound(m_first.begin(), m_first.end(), box);
    return int(it - m_first.begin()) - 1;
}

double ExerciseCheck::road(int stage, qint64 j, qint64 k) const
{
    return m_data.value(m_data.shape.edgeRow(stage, j, k));
}

std::vector<BoxCandidate> ExerciseCheck::boxCandidates(qint64 box) const
{
    std::vector<BoxCandidate> result;
    if (!m_computed)
        return result;
    const int column = columnOf(box);
    if (column <= 0)
        return result;
    const qint64 k = box - m_first[size_t(column)];
    for (qint64 j = 0; j < m_data.shape.boxCount(column - 1); ++j) {
        const qint64 from = m_first[size_t(column) - 1] + j;
        const double value = road(column - 1, j, k);
        if (value == kMissingRoad || !m_ahead->reachable(from))
            continue;
        result.push_back({from, m_ahead->best(from), value, m_ahead->best(from) + value});
    }
    return result;
}

QString ExerciseCheck::boxCandidatesText(qint64 box) const
{
    if (!m_computed)
        return m_problem;
    if (columnOf(box) == 0)
        return tr("İlk sütunun kutularının en iyi toplamı 0'dır.");
    const auto candidates = boxCandidates(box);
    if (candidates.empty())
        return tr("Bu kutuya var olan bir yol gelmiyor; en iyi toplamı \"-\" yazılır.");
    QStringList lines;
    lines << tr("Adaylar (önceki kutunun en iyi toplamı + yolun değeri):");
    int named = 0;
    for (const BoxCandidate &c : candidates) {
        const bool best = writtenAlike(c.total, boxTotal(box));
        if (named >= namedCandidates && !best)
            continue;
        ++named;
        QString line = tr("%1 kutusundan: %2 + %3 = %4")
                           .arg(m_data.boxLabel(c.from + 1), formatNumber(c.before), formatNumber(c.value),
                                formatNumber(c.total));
        if (best)
            line += QLatin1Char(' ') + tr("(en iyi)");
        lines << line;
    }
    if (named < int(candidates.size()))
        lines << tr("… ve %1 aday daha").arg(int(candidates.size()) - named);
    lines << tr("En iyi toplam: %1").arg(formatNumber(boxTotal(box)));
    return lines.join(QLatin1Char('\n'));
}

QStringList ExerciseCheck::pathWords(const QString &pathText)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,\\-]+"));
    return pathText.split(separators, Qt::SkipEmptyParts);
}

qint64 ExerciseCheck::boxOfWord(const QString &word, int expectedColumn) const
{
    const GraphShape &shape = m_data.shape;
    if (m_data.names) {
        const BoxNames &names = *m_data.names;
        const qint64 boxes = qMin<qint64>(qint64(names.size()), shape.totalBoxes());
        if (expectedColumn >= 0 && expectedColumn < shape.columnCount()) {
            const qint64 end = qMin(boxes, m_first[size_t(expectedColumn) + 1]);
            for (qint64 b = m_first[size_t(expectedColumn)]; b < end; ++b) {
                if (names[size_t(b)].compare(word, Qt::CaseInsensitive) == 0)
                    return b;
            }
        }
        for (qint64 b = 0; b < boxes; ++b) {
            if (names[size_t(b)].compare(word, Qt::CaseInsensitive) == 0)
                return b;
        }
    }
    bool ok = false;
    const qint64 number = word.toLongLong(&ok);
    return ok && number >= 1 && number <= shape.totalBoxes() ? number - 1 : -1;
}

PathVerdict ExerciseCheck::checkPath(const QString &pathText, const QString &totalText, const QLocale &locale) const
{
    PathVerdict verdict;
    const QStringList words = pathWords(pathText);
    if (words.isEmpty() || totalText.trimmed().isEmpty()) {
        verdict.problem = PathProblem::Empty;
        verdict.text = words.isEmpty() ? tr("Yolu yazın ya da çizimde kutulara sırayla tıklayın.")
                                       : tr("Yolun toplamını yazın.");
        return verdict;
    }
    if (!m_computed) {
        verdict.problem = PathProblem::Unsolvable;
        verdict.text = m_problem;
        return verdict;
    }
    const GraphShape &shape = m_data.shape;
    const int columns = shape.columnCount();
    for (int i = 0; i < words.size(); ++i) {
        const qint64 box = boxOfWord(words[i], i);
        if (box < 0) {
            verdict.problem = PathProblem::UnknownBox;
            verdict.column = i;
            verdict.text = tr("\"%1\" bir kutu değil: kutuları numarası ya da adıyla yazın.").arg(words[i]);
            return verdict;
        }
        verdict.boxes.push_back(box);
        if (i < columns && columnOf(box) != i) {
            verdict.problem = PathProblem::NotAPath;
            verdict.column = i;
            verdict.text = tr("Yol her sütundan bir kutu geçmeli: yolun %1. kutusu (%2) %3. sütunda, "
                              "%4. sütunda olmalıydı.")
                               .arg(i + 1)
                               .arg(m_data.boxLabel(box + 1))
                               .arg(columnOf(box) + 1)
                               .arg(i + 1);
            return verdict;
        }
    }
    if (words.size() != columns) {
        verdict.problem = PathProblem::NotAPath;
        verdict.column = qMin(int(words.size()), columns - 1);
        verdict.text = words.size() < columns
                           ? tr("Yol son sütuna varmıyor: %1 kutu var, her sütundan bir tane, %2 kutu olmalı.")
                                 .arg(words.size())
                                 .arg(columns)
                           : tr("Yolda fazla kutu var: %1 kutu yazıldı, sütun sayısı %2.")
                                 .arg(words.size())
                                 .arg(columns);
        return verdict;
    }
    double sum = 0;
    QStringList terms;
    for (int s = 0; s + 1 < columns; ++s) {
        const qint64 j = verdict.boxes[size_t(s)] - m_first[size_t(s)];
        const qint64 k = verdict.boxes[size_t(s) + 1] - m_first[size_t(s) + 1];
        const double value = m_data.value(shape.edgeRow(s, j, k));
        if (value == kMissingRoad) {
            verdict.problem = PathProblem::MissingRoad;
            verdict.column = s + 1;
            verdict.fromBox = verdict.boxes[size_t(s)];
            verdict.toBox = verdict.boxes[size_t(s) + 1];
            verdict.text = tr("%1 kutusundan %2 kutusuna yol yok (değeri \"-\").")
                               .arg(m_data.boxLabel(verdict.fromBox + 1), m_data.boxLabel(verdict.toBox + 1));
            return verdict;
        }
        sum += value;
        terms << formatNumber(value);
    }
    verdict.pathTotal = sum;
    verdict.bestPathCount = m_bestCount;
    const auto typed = parseNumber(totalText.trimmed(), locale);
    if (!typed) {
        verdict.problem = PathProblem::BadTotal;
        verdict.text = tr("Toplam \"%1\" bir sayı değil.").arg(totalText.trimmed());
        return verdict;
    }
    const QString sumText = terms.isEmpty() ? formatNumber(sum)
                                            : terms.join(QStringLiteral(" + ")) + QStringLiteral(" = ")
                                                  + formatNumber(sum);
    if (!writtenAlike(*typed, sum)) {
        verdict.problem = PathProblem::WrongTotal;
        verdict.text = tr("Toplam yanlış: bu yolun değerlerinin toplamı %1, siz %2 yazdınız.")
                           .arg(sumText, formatNumber(*typed));
        return verdict;
    }
    if (!writtenAlike(sum, m_best)) {
        verdict.problem = PathProblem::NotBest;
        noteNotBest(verdict);
        return verdict;
    }
    verdict.problem = PathProblem::None;
    verdict.text = m_bestCount == 1
                       ? tr("Doğru! Bu yol en iyi yol; toplamı %1. Başka en iyi yol yok.").arg(formatNumber(sum))
                       : tr("Doğru! Bu yol en iyi yollardan biri; toplamı %1. En iyi yol sayısı: %2.")
                             .arg(formatNumber(sum), m_bestCount >= countLimit
                                                         ? QStringLiteral("> %1").arg(countLimit - 1)
                                                         : QString::number(m_bestCount));
    return verdict;
}

// The first column whose prefix no best path shares, and the choices there:
// from the last box the path shares with a best path (or, in column 1,
// among the first boxes), each next box with the best full total it allows.
void ExerciseCheck::noteNotBest(PathVerdict &verdict) const
{
    const GraphShape &shape = m_data.shape;
    const int columns = shape.columnCount();
    double prefix = 0;
    int column = columns - 1;
    double before = 0;
    for (int c = 0; c < columns; ++c) {
        double here = prefix;
        if (c > 0)
            here += road(c - 1, verdict.boxes[size_t(c) - 1] - m_first[size_t(c) - 1],
                         verdict.boxes[size_t(c)] - m_first[size_t(c)]);
        const qint64 box = verdict.boxes[size_t(c)];
        if (!m_behind->reachable(box) || !writtenAlike(here + m_behind->best(box), m_best)) {
            column = c;
            before = prefix;
            break;
        }
        prefix = here;
    }
    verdict.column = column;
    for (qint64 k = 0; k < shape.boxCount(column); ++k) {
        const qint64 box = m_first[size_t(column)] + k;
        if (!m_behind->reachable(box))
            continue;
        double total = before + m_behind->best(box);
        if (column > 0)
            total += road(column - 1, verdict.boxes[size_t(column) - 1] - m_first[size_t(column) - 1], k);
        if (std::isinf(total) || std::isnan(total))
            continue;
        verdict.candidates.push_back({box, total, writtenAlike(total, m_best), box == verdict.boxes[size_t(column)]});
    }
    QStringList choices;
    int named = 0;
    for (const PathCandidate &c : verdict.candidates) {
        if (named >= namedCandidates && !c.best && !c.chosen)
            continue;
        ++named;
        QString line = QStringLiteral("%1 → %2").arg(m_data.boxLabel(c.box + 1), formatNumber(c.total));
        if (c.best)
            line += QLatin1Char(' ') + tr("(en iyi)");
        if (c.chosen)
            line += QLatin1Char(' ') + tr("(sizin seçiminiz)");
        choices << line;
    }
    if (named < int(verdict.candidates.size()))
        choices << tr("… ve %1 seçenek daha").arg(int(verdict.candidates.size()) - named);
    const QString goal = m_mode == PathMode::Longest ? tr("en büyük") : tr("en küçük");
    if (column == 0) {
        verdict.text = tr("Toplam doğru (%1), ama bu yol en iyi değil. Yol 1. sütunda ayrılıyor: hiçbir en iyi yol "
                          "%2 kutusundan başlamıyor. Her başlangıç kutusundan varılabilecek %3 toplam: %4.")
                           .arg(formatNumber(verdict.pathTotal), m_data.boxLabel(verdict.boxes[0] + 1), goal,
                                choices.join(QStringLiteral(", ")));
    } else {
        verdict.text = tr("Toplam doğru (%1), ama bu yol en iyi değil. Yol %2. sütunda bütün en iyi yollardan "
                          "ayrılıyor. %3 kutusundan sonra seçenekler ve her biriyle varılabilecek %4 toplam: %5.")
                           .arg(formatNumber(verdict.pathTotal))
                           .arg(column + 1)
                           .arg(m_data.boxLabel(verdict.boxes[size_t(column) - 1] + 1), goal,
                                choices.join(QStringLiteral(", ")));
    }
}

} // namespace stagepath
