#include "FormLAYOUTNumbers.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {
constexpr std::int64_t mostMU = std::numeric_limits<MU>::max();
constexpr std::int64_t leastMU = std::numeric_limits<MU>::min();

bool fitsMU(std::int64_t count)
{
    return count >= leastMU && count <= mostMU;
}

// Spaces around a number are allowed by the text tests; the conversion takes
// them too, but only the space character, as the tests do.
QString withoutSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}
} // namespace

std::optional<MU> FNCURRENTUNITTOMUCHECKED(double value)
{
    // Far beyond any 32-bit count in every unit; keeps the products below
    // within 64 bits.
    if (!std::isfinite(value) || std::fabs(value) > 1.0e12)
        return std::nullopt;
    switch (CurrentUnit) {
    case UNIT_MM:
        if (!fitsMU(RoundHalfEven(static_cast<long double>(value) * 1000.0L)))
            return std::nullopt;
        break;
    case UNIT_CM:
        if (!fitsMU(RoundHalfEven(static_cast<long double>(value) * 10000.0L)))
            return std::nullopt;
        break;
    case UNIT_INCH: {
        // Inches go through whole ten-thousandths, which must fit themselves.
        const std::int64_t tenThousandths = RoundHalfEven(static_cast<long double>(value) * 10000.0L);
        if (!fitsMU(tenThousandths))
            return std::nullopt;
        const std::int64_t product = tenThousandths * 254;
        const std::int64_t magnitude = (std::llabs(product) + 50) / 100;
        if (!fitsMU(product < 0 ? -magnitude : magnitude))
            return std::nullopt;
        break;
    }
    default:
        break; // the conversion reports a unit it does not know
    }
    return FNCURRENTUNITTOMU(value);
}

std::optional<MU> FNREADLENGTH(const QString& text)
{
    bool ok = false;
    const double value = withoutSpaces(text).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return FNCURRENTUNITTOMUCHECKED(value);
}

std::optional<qint32> FNREADCOUNT(const QString& text)
{
    bool ok = false;
    const qint32 value = withoutSpaces(text).toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

std::size_t FNCURRENTUNITINDEX()
{
    return CurrentUnit < UnitNames.size() ? CurrentUnit : std::size_t{UNIT_MM};
}

QString FNMUTOCURRENTUNITTEXT(MU mu, int significantDigits)
{
    return QString::number(FNMUTOCURRENTUNIT(mu), 'g', significantDigits);
}
