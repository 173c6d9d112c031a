#pragma once
// Reading the numbers that the paper-type and layout dialogs take from their
// edit boxes.

#include "model/Units.h"

#include <QString>
#include <cstddef>
#include <optional>

// A length in the current display unit as a count of MU, or none when the
// count does not fit in 32 bits (the plain conversion would wrap round).
std::optional<MU> FNCURRENTUNITTOMUCHECKED(double value);

// The text of an edit box that passed FNISUNSIGNEDNUMBER, in the display unit,
// as MU; none when it is too large for a 32-bit count.
std::optional<MU> FNREADLENGTH(const QString& text);
// The text of an edit box that passed FNISUNSIGNEDINTEGER as a count; none
// when it is too large for a 32-bit integer.
std::optional<qint32> FNREADCOUNT(const QString& text);

// The display unit as an index into the unit tables; millimetres when
// CurrentUnit holds no known unit.
std::size_t FNCURRENTUNITINDEX();

// A length in MU written for an edit box or caption in the display unit:
// shortest general form, at most the given number of significant digits.
QString FNMUTOCURRENTUNITTEXT(MU mu, int significantDigits = 15);
