#include "validation.h"

#include "model/inputlimits.h"
#include "model/numbers.h"
#include "model/stagetable.h"
#include "paths.h"

#include <QCoreApplication>

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

std::optional<QString> nonNumberMessage(const EdgeData &data)
{
    const auto row = data.firstNonNumber();
    if (!row)
        return std::nullopt;
    return Validation::tr("Değer sütununun %1. satırındaki değer bir sayı değil: \"%2\".")
        .arg(QLocale().toString(*row + 1), data.text(*row));
}

namespace {

// Follows the greatest (or least) left-to-right sums forward and, when one
// goes beyond the double range, returns a whole path through that point.
std::optional<std::vector<qint64>> overflowingPath(const EdgeData &data, double sign)
{
    const GraphShape &shape = data.shape;
    const int stages = shape.stageCount();
    std::vector<std::vector<qint64>> from(size_t(stages) + 1);
    std::vector<double> reach(size_t(shape.boxCount(0)), 0.0);
    std::vector<double> next;
    for (int s = 0; s < stages; ++s) {
        const qint64 left = shape.boxCount(s);
        const qint64 right = shape.boxCount(s + 1);
        next.assign(size_t(right), -std::numeric_limits<double>::infinity());
        from[size_t(s) + 1].assign(size_t(right), 0);
        for (qint64 j = 0; j < left; ++j) {
            const double *row = data.values.data() + shape.edgeRow(s, j, 0);
            for (qint64 k = 0; k < right; ++k) {
                const double a = reach[size_t(j)] + sign * row[k];
                if (a > next[size_t(k)]) {
                    next[size_t(k)] = a;
                    from[size_t(s) + 1][size_t(k)] = j;
                }
            }
        }
        reach.swap(next);
        // An infinite sum stays infinite: values are finite.
        for (qint64 k = 0; k < right; ++k) {
            if (std::isinf(reach[size_t(k)])) {
                // Any way on from there keeps the sum infinite: take the first boxes.
                std::vector<qint64> path(size_t(stages) + 1, 0);
                path[size_t(s) + 1] = k;
                for (int c = s + 1; c > 0; --c)
                    path[size_t(c) - 1] = from[size_t(c)][size_t(path[size_t(c)])];
                return path;
            }
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
    auto path = overflowingPath(data, 1);
    if (!path)
        path = overflowingPath(data, -1);
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

std::optional<QString> tooManyPathsMessage(const GraphShape &shape)
{
    const qint64 count = shape.pathCount();
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
