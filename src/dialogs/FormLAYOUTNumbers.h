#pragma once
// Reading the numbers that the paper-type and layout dialogs take from their
// edit boxes, and the test that a grid of labels fits on its paper.

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

// The grid of a template as the layout dialog edits it.
struct TLAYOUTVALUES {
    qint32 NUMACROSS = 0;
    qint32 NUMDOWN = 0;
    MU MULEFT = 0;
    MU MUTOP = 0;
    MU MULABELWIDTH = 0;
    MU MULABELHEIGHT = 0;
    MU MUHGAP = 0;
    MU MUVGAP = 0;
    bool operator==(const TLAYOUTVALUES&) const = default;
};

// The labels fit when the columns with the gaps between them, after the left
// margin, end within the paper width, and likewise the rows within the paper
// height. No gap follows the last column or row; the right and bottom margins
// may be zero. Extents beyond 32 bits do not fit: they are worked out in 64
// bits so that they cannot wrap round into a small number. The dialog reads
// no negative values.
bool FNLABELSFIT(const TLAYOUTVALUES& v, MU paperWidth, MU paperHeight);
