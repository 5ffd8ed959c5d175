#include "prefixsearch.h"

#include "numbers.h"

#include <charconv>
#include <cmath>

namespace stagepath {

bool startsWithIgnoringCase(QStringView text, QStringView prefix)
{
    return text.startsWith(prefix, Qt::CaseInsensitive);
}

bool numberStartsWith(double value, QStringView prefix, const QLocale &locale)
{
    // A whole number from 0 to 10^15 is written as plain digits in any locale
    // whose digits are the ASCII ones.
    static const QString asciiZero = QStringLiteral("0");
    if (value >= 0 && value < 1e15 && value == std::floor(value) && locale.zeroDigit() == asciiZero) {
        char digits[20];
        const auto end = std::to_chars(digits, digits + sizeof digits, qint64(value)).ptr;
        const qsizetype length = end - digits;
        if (prefix.size() > length)
            return false;
        for (qsizetype i = 0; i < prefix.size(); ++i)
            if (prefix[i] != QLatin1Char(digits[i]))
                return false;
        return true;
    }
    return startsWithIgnoringCase(formatNumber(value, locale), prefix);
}

} // namespace stagepath
