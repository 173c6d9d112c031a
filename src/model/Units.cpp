#include "Units.h"

#include "support/Messages.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

const std::array<QString, 3> UnitNames = {QStringLiteral("milimeters"), QStringLiteral("inches"),
                                          QStringLiteral("centimeters")};
const std::array<QString, 3> UnitAbbreviations = {QStringLiteral("mm."), QStringLiteral("in."), QStringLiteral("cm.")};

QString unitCaption(std::size_t unit)
{
    static const char* const captions[] = {QT_TRANSLATE_NOOP("Units", "milimeters"),
                                           QT_TRANSLATE_NOOP("Units", "inches"),
                                           QT_TRANSLATE_NOOP("Units", "centimeters")};
    return unit < std::size(captions) ? QCoreApplication::translate("Units", captions[unit]) : QString();
}

std::uint8_t CurrentUnit = UnitMm;
int ScreenPixelsPerInch = 96;

std::int64_t roundHalfEven(long double value)
{
    long double whole = std::floor(value);
    long double diff = value - whole;
    auto result = static_cast<std::int64_t>(whole);
    if (diff > 0.5L || (diff == 0.5L && (result % 2 != 0)))
        ++result;
    return result;
}

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return -1;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    bool negative = (product < 0) != (c < 0);
    std::uint64_t num = static_cast<std::uint64_t>(product < 0 ? -product : product);
    std::uint64_t den = static_cast<std::uint64_t>(c < 0 ? -static_cast<std::int64_t>(c) : c);
    std::uint64_t q = num / den;
    if ((num % den) * 2 >= den)
        ++q; // halves away from zero
    auto result = static_cast<std::int64_t>(q);
    return static_cast<std::int32_t>(negative ? -result : result);
}

MU FNCURRENTUNITTOMU(double value)
{
    switch (CurrentUnit) {
    case UnitMm: return FNMMTOMU(value);
    case UnitInch: return FNINCHTOMU(value);
    case UnitCm: return FNCMTOMU(value);
    default: break;
    }
    messageSeam().show(Messages::unitNotCatered(QStringLiteral("FNCURRENTUNITTOMU")));
    return 0;
}

double FNMUTOCURRENTUNIT(MU mu)
{
    switch (CurrentUnit) {
    case UnitMm: return FNMUTOMM(mu);
    case UnitInch: return FNMUTOINCH(mu);
    case UnitCm: return FNMUTOCM(mu);
    default: break;
    }
    messageSeam().show(Messages::unitNotCatered(QStringLiteral("FNMUTOCURRENTUNIT")));
    return 0.0;
}

MU FNMMTOMU(double mm)
{
    return static_cast<MU>(roundHalfEven(static_cast<long double>(mm) * 1000.0L));
}

MU FNCMTOMU(double cm)
{
    return static_cast<MU>(roundHalfEven(static_cast<long double>(cm) * 10000.0L));
}

MU FNINCHTOMU(double inches)
{
    auto tenThousandths = static_cast<std::int32_t>(roundHalfEven(static_cast<long double>(inches) * 10000.0L));
    return MulDiv(tenThousandths, 254, 100);
}

double FNMUTOMM(MU mu)
{
    return mu / 1000.0;
}

double FNMUTOCM(MU mu)
{
    return mu / 10000.0;
}

double FNMUTOINCH(MU mu)
{
    return MulDiv(1000, mu, 25400) / 1000.0;
}

std::int32_t FNMUTOSCREENPIXELS(MU mu)
{
    return static_cast<std::int32_t>(roundHalfEven(static_cast<long double>(FNMUTOINCH(mu)) * ScreenPixelsPerInch));
}

bool FNISUNSIGNEDNUMBER(const QString& text)
{
    QString s = text;
    for (;;) {
        const qsizetype before = s.size();
        if (!s.isEmpty() && s.front() == QLatin1Char(' '))
            s.remove(0, 1);
        if (!s.isEmpty() && s.back() == QLatin1Char(' '))
            s.chop(1);
        if (s.size() == before)
            break;
    }
    const qsizetype stop = s.indexOf(QLatin1Char('.'));
    if (stop >= 0)
        s.remove(stop, 1);
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool FNISSIGNEDNUMBER(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    QString s = text.mid(i);
    if (!s.isEmpty() && s.front() == QLatin1Char('-'))
        s.remove(0, 1);
    return FNISUNSIGNEDNUMBER(s);
}

bool FNISUNSIGNEDINTEGER(const QString& text)
{
    return FNISUNSIGNEDNUMBER(text) && !text.contains(QLatin1Char('.'));
}

QString FNBOOLTOSTR(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool FNSTRTOBOOL(const QString& text)
{
    return !text.isEmpty() && text.front().toUpper() == QLatin1Char('T');
}

QString numberText(double value, int significantDigits)
{
    // QString::number never uses the user's locale.
    return QString::number(value, 'g', significantDigits);
}

std::optional<double> readTypedNumber(const QString& text)
{
    // QString::toDouble reads the C locale's form whatever the user's locale,
    // and gives infinity, with ok false, for a number beyond a double.
    bool ok = false;
    const double value = QString(text).remove(QLatin1Char(' ')).toDouble(&ok);
    if (!ok && !std::isinf(value))
        return std::nullopt;
    return value;
}

double decimalValue(const QString& text)
{
    return readTypedNumber(text).value_or(0.0);
}

std::size_t currentUnitIndex()
{
    return CurrentUnit < UnitNames.size() ? CurrentUnit : std::size_t{UnitMm};
}

std::optional<MU> currentUnitToMuChecked(double value)
{
    const auto fitsMU = [](std::int64_t count) {
        return count >= std::numeric_limits<MU>::min() && count <= std::numeric_limits<MU>::max();
    };
    // Far beyond any 32-bit count in every unit; keeps the products below
    // within 64 bits.
    if (!std::isfinite(value) || std::fabs(value) > 1.0e12)
        return std::nullopt;
    switch (CurrentUnit) {
    case UnitMm:
        if (!fitsMU(roundHalfEven(static_cast<long double>(value) * 1000.0L)))
            return std::nullopt;
        break;
    case UnitCm:
        if (!fitsMU(roundHalfEven(static_cast<long double>(value) * 10000.0L)))
            return std::nullopt;
        break;
    case UnitInch: {
        // Inches go through whole ten-thousandths, which must fit themselves.
        const std::int64_t tenThousandths = roundHalfEven(static_cast<long double>(value) * 10000.0L);
        if (!fitsMU(tenThousandths))
            return std::nullopt;
        const std::int64_t product = tenThousandths * 254;
        const std::int64_t magnitude = (std::llabs(product) + 50) / 100;
        if (!fitsMU(product < 0 ? -magnitude : magnitude))
            return std::nullopt;
        break;
    }
    default: break; // the conversion reports a unit it does not know
    }
    return FNCURRENTUNITTOMU(value);
}

std::optional<MU> readLength(const QString& text)
{
    const std::optional<double> value = readTypedNumber(text);
    if (!value)
        return std::nullopt;
    return currentUnitToMuChecked(*value);
}

QString muToCurrentUnitText(MU mu, int significantDigits)
{
    return numberText(FNMUTOCURRENTUNIT(mu), significantDigits);
}

QString numberToStoredText(double value)
{
    return numberText(value);
}

std::optional<std::int32_t> storedTextToInteger(const QString& text)
{
    // QString::toInt reads the C locale's form whatever the user's locale.
    bool ok = false;
    const std::int32_t value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<double> storedTextToNumber(const QString& text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    if (first == last)
        return std::nullopt;
    // from_chars reads the locale-free form (".5" and "5." included) but
    // also "nan" and "inf"; letters other than an exponent's are refused
    // before it sees them.
    for (const char* c = first; c != last; ++c) {
        const bool allowed = (*c >= '0' && *c <= '9') || *c == '.' || *c == '-' || *c == '+' || *c == 'e' || *c == 'E';
        if (!allowed)
            return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> digitsToNumber(QStringView text, int maxDigits)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty() || t.size() > maxDigits)
        return std::nullopt;
    for (const QChar c : t)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return t.toLongLong();
}
