#pragma once
// Lengths are stored as MU, one thousandth of a millimetre, in signed 32-bit
// integers. Dialogs show them in the current display unit and convert at
// their edges through FNCURRENTUNITTOMU and FNMUTOCURRENTUNIT.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

using MU = std::int32_t;

enum : std::uint8_t { UNIT_MM = 0, UNIT_INCH = 1, UNIT_CM = 2 };

extern const std::array<QString, 3> UnitNames;
extern const std::array<QString, 3> UnitAbbreviations;

// The process-wide display unit: 0 millimetres, 1 inches, 2 centimetres.
extern std::uint8_t CurrentUnit;

// The screen's logical pixels per inch. The program sets it from the screen
// at start; 96 until then, as on Xvfb and the offscreen platform.
extern int ScreenPixelsPerInch;

// Rounds to the nearest integer, halves to the even neighbour.
std::int64_t RoundHalfEven(long double value);
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

// Numbers kept as text in the settings store (format defaults, the preview
// scale, printer calibrations) are written and read the same way whatever
// the user's locale: a full stop as the decimal mark, no digit grouping, an
// optional minus sign and exponent. Reading refuses anything else, "nan" and
// "inf" included, so "12.500" is twelve and a half everywhere and "1,5" is
// no number at all rather than fifteen.
QString FNNUMBERTOSTOREDTEXT(double value);
std::optional<double> FNSTOREDTEXTTONUMBER(const QString& text);
// Whole numbers kept as text (lengths in MU, codes, counts, coordinates):
// decimal digits with an optional minus sign, within 32 bits.
std::optional<std::int32_t> FNSTOREDTEXTTOINTEGER(const QString& text);
