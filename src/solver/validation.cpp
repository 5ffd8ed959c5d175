// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "validation.h"

#include "leasttotals.h"
#include "model/inputlimits.h"
#include "model/numbers.h"
#include "model/stagetable.h"
#include "paths.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace stagepath {

namespace {

// The translation context of the messages below.
class Validation
{
    Q_DECLARE_TR_FUNCTIONS(Validation)
};

} // namespace

std::optional<QString> emptyColumnMessage(const GraphShape &shape)
{
    if (shape.stageCount() < 1)
        return std::nullopt;
    for (int c = 0; c < shape.columnCount(); ++c) {
        if (shape.boxCount(c) == 0)
            return Validation::tr("%1 için kutu sayısı 0: o sütunda hiç kutu yok, bu yüzden hiçbir yol yok.")
                .arg(stageLabel(c + 1));
    }
    return std::nullopt;
}

std::optional<QString> noPathMessage(const GraphShape &shape)
{
    if (shape.stageCount() == 0)
        return Validation::tr("Vorta Sayısı 0: tek bir kutu sütunu var, kutuları birleştiren çizgi yok; bu yüzden hiçbir yol yok.");
    return emptyColumnMessage(shape);
}

std::optional<QString> nonNumberMessage(const EdgeData &data)
{
    const auto row = data.firstNonNumber();
    if (!row)
        return std::nullopt;
    return Validation::tr("Değer sütununun %1. satırındaki değer bir sayı değil: \"%2\".")
        .arg(QLocale().toString(*row + 1), data.text(*row));
}

namespace {

// A path whose total goes beyond the double range in the given direction:
// the least totals (of the negated values for the greatest) reach -inf at
// some first column (+inf there is a box no real path reaches); a path to a box there, and any way on from
// it, since an infinite sum stays infinite.
std::optional<std::vector<qint64>> overflowingPath(const EdgeData &data, PathMode direction)
{
    const GraphShape &shape = data.shape;
    const std::vector<double> least = leastTotals(data, direction).least;
    for (int c = 1; c < shape.columnCount(); ++c) {
        for (qint64 k = 0; k < shape.boxCount(c); ++k) {
            if (least[size_t(shape.globalBox(c, k) - 1)] != -std::numeric_limits<double>::infinity())
                continue;
            std::vector<qint64> path = leastPathTo(data, direction, least, c, k);
            path.resize(size_t(shape.columnCount()), 0);
            return path;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> overflowMessage(const EdgeData &data)
{
    const GraphShape &shape = data.shape;
    if (shape.stageCount() < 1 || shape.pathCount(1) == 0)
        return std::nullopt;
    auto path = overflowingPath(data, PathMode::Longest);
    if (!path)
        path = overflowingPath(data, PathMode::Shortest);
    if (!path)
        return std::nullopt;
    return Validation::tr("Bir yolun toplamı sayı sınırını aşıyor (taşma): %1.").arg(pathText(data, *path));
}

std::optional<QString> checkComputable(const EdgeData &data)
{
    if (auto message = emptyColumnMessage(data.shape))
        return message;
    if (auto message = nonNumberMessage(data))
        return message;
    return overflowMessage(data);
}

std::optional<QString> noPathMessage(const EdgeData &data)
{
    if (auto why = noPathMessage(data.shape))
        return why;
    if (!data.hasMissing())
        return std::nullopt;
    // The first column that no real path reaches.
    const std::vector<double> least = leastTotals(data, PathMode::Shortest).least;
    const GraphShape &shape = data.shape;
    for (int c = 1; c < shape.columnCount(); ++c) {
        const auto begin = least.begin() + shape.globalBox(c, 0) - 1;
        if (std::all_of(begin, begin + shape.boxCount(c), [](double t) { return t == kMissingRoad; }))
            return Validation::tr("Hiçbir yol yok: eksik yollar (\"-\") yüzünden %1. sütundaki hiçbir kutuya ulaşılamıyor.")
                .arg(c + 1);
    }
    return std::nullopt;
}

std::optional<QString> tooManyPathsMessage(const EdgeData &data)
{
    return tooManyPathsMessage(data.shape, realPathCount(data));
}

std::optional<QString> tooManyPathsMessage(const GraphShape &shape)
{
    return tooManyPathsMessage(shape, shape.pathCount());
}

std::optional<QString> tooManyPathsMessage(const GraphShape &shape, qint64 count)
{
    if (count <= limits::maxListedPaths)
        return std::nullopt;
    QString countText;
    if (count < std::numeric_limits<qint64>::max()) {
        countText = QLocale().toString(count);
    } else {
        double digits = 0;
        for (qint64 n : shape.boxCounts())
            digits += std::log10(double(n));
        countText = Validation::tr("yaklaşık 10^%1").arg(qint64(std::floor(digits)));
    }
    return Validation::tr("Yol sayısı (%1) çok büyük: \"Hesaplama Yap\" en çok %2 yol listeleyebilir.")
        .arg(countText, QLocale().toString(limits::maxListedPaths));
}

} // namespace stagepath
