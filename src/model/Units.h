#pragma once
// Lengths are stored as MU, one thousandth of a millimetre, in signed 32-bit
// integers. Dialogs show them in the current display unit and convert at
// their edges through FNCURRENTUNITTOMU and FNMUTOCURRENTUNIT.

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

using MU = std::int32_t;

// A 128-bit integer, for exact arithmetic on products that may pass 64 bits
// (lengths read from outside files, label numbers of damaged jobs). GCC and
// clang both have one; __extension__ marks its use as deliberate.
__extension__ typedef __int128 Int128;

enum : std::uint8_t { UnitMm = 0, UnitInch = 1, UnitCm = 2 };

extern const std::array<QString, 3> UnitNames;
extern const std::array<QString, 3> UnitAbbreviations;
// The name of a unit as the dialogs show it, in the user's language. The
// stored name stays UnitNames, whatever the language.
QString unitCaption(std::size_t unit);

// The process-wide display unit: 0 millimetres, 1 inches, 2 centimetres.
extern std::uint8_t CurrentUnit;

// The screen's logical pixels per inch. The program sets it from the screen
// at start; 96 until then, as on Xvfb and the offscreen platform.
extern int ScreenPixelsPerInch;

// Rounds to the nearest integer, halves to the even neighbour.
std::int64_t roundHalfEven(long double value);
// a * b / c with a 64-bit intermediate, halves away from zero. Division by
// zero gives -1, as the platform's MulDiv does.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

MU FNCURRENTUNITTOMU(double value);
double FNMUTOCURRENTUNIT(MU mu);
MU FNMMTOMU(double mm);
MU FNCMTOMU(double cm);
MU FNINCHTOMU(double inches);
double FNMUTOMM(MU mu);
double FNMUTOCM(MU mu);
double FNMUTOINCH(MU mu);
std::int32_t FNMUTOSCREENPIXELS(MU mu);

bool FNISUNSIGNEDNUMBER(const QString& text);
bool FNISSIGNEDNUMBER(const QString& text);
bool FNISUNSIGNEDINTEGER(const QString& text);
QString FNBOOLTOSTR(bool value);
bool FNSTRTOBOOL(const QString& text);

// Numbers written for people and files alike: the shortest general form
// with at most the given number of significant digits, a full stop as the
// decimal mark whatever the user's locale, no digit grouping.
QString numberText(double value, int significantDigits = 15);

// A number typed into a dialog, once the text has passed FNISUNSIGNEDNUMBER
// or FNISSIGNEDNUMBER: the spaces those tests allow (around the number and
// after its sign) are passed over, and a full stop is the decimal mark
// whatever the locale ("2." and ".5" included). A number too large for a
// double is infinite; none when the text holds no number.
std::optional<double> readTypedNumber(const QString& text);
// The same, 0 when the text holds no number (the format dialog's reading).
double decimalValue(const QString& text);

// The display unit as an index into the unit tables; millimetres when
// CurrentUnit holds no known unit.
std::size_t currentUnitIndex();
// A length in the current display unit as a count of MU, or none when the
// count does not fit in 32 bits (the plain conversion would wrap round).
std::optional<MU> currentUnitToMuChecked(double value);
// A typed length (see readTypedNumber) in the display unit, as MU; none when
// it is no number or too large for a 32-bit count.
std::optional<MU> readLength(const QString& text);
// A length in MU written for an edit box or caption in the display unit
// (numberText).
QString muToCurrentUnitText(MU mu, int significantDigits = 15);

// Numbers kept as text in the settings store (format defaults, the preview
// scale, printer calibrations) are written and read the same way whatever
// the user's locale: a full stop as the decimal mark, no digit grouping, an
// optional minus sign and exponent. Reading refuses anything else, "nan" and
// "inf" included, so "12.500" is twelve and a half everywhere and "1,5" is
// no number at all rather than fifteen.
QString numberToStoredText(double value);
std::optional<double> storedTextToNumber(const QString& text);
// Whole numbers kept as text (lengths in MU, codes, counts, coordinates)
// and counts typed into dialogs: decimal digits with an optional sign and
// blanks around them, within 32 bits.
std::optional<std::int32_t> storedTextToInteger(const QString& text);
// A number typed as digits alone (no sign), blanks around them allowed, at
// most maxDigits of them: label numbers and serial numbers.
std::optional<qint64> digitsToNumber(QStringView text, int maxDigits);
