#pragma once
// One kind of label sheet: the paper as it lies in its print orientation and
// a regular grid of equal labels. Lengths in MU.

#include "model/BaseControl.h"
#include "model/Units.h"

#include <algorithm>

// One axis of a grid of equal labels, in MU: labels `size` long, the first
// `margin` from the paper's edge, `gap` between neighbours. Label k (from 0)
// runs from start(k) to end(k). The edges are worked out in 64 bits, so that
// lengths from a damaged file never wrap round: a sum of two 32-bit lengths
// times a 32-bit count stays below 2^63.
struct GridAxis {
    qint64 margin = 0;
    qint64 size = 0;
    qint64 gap = 0;

    qint64 start(qint64 k) const { return margin + k * (size + gap); }
    qint64 end(qint64 k) const { return start(k) + size; }
    // Where the last of `count` labels ends: no gap follows it.
    qint64 extent(qint64 count) const { return end(count - 1); }
    // The last label k in [0, count) with start(k) < point < end(k), or -1
    // when there is none. Worked out directly, whatever the count.
    qint64 lastHolding(qint64 count, qint64 point) const;
};

struct SlotRect {
    MU left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const SlotRect&) const = default;
};

class TTEMPLATE : public TBASECONTROL {
public:
    QString className() const override { return QStringLiteral("TTEMPLATE"); }
    const PropTable& properties() const override;

    MU PAPERMUWIDTH = 0;
    MU PAPERMUHEIGHT = 0;
    qint32 NUMACROSS = 1;
    qint32 NUMDOWN = 1;
    MU MULEFT = 0;
    MU MUTOP = 0;
    MU MULABELWIDTH = PAPERMUWIDTH;
    MU MULABELHEIGHT = PAPERMUHEIGHT;
    MU MUHGAP = 0;
    MU MUVGAP = 0;
    QString FULLFILENAME;
    bool ALTERED = false;

    bool LANDSCAPE() const { return landscape_; }
    // Marks the template altered when the orientation changes.
    void SETLANDSCAPE(bool value);

    // The grid's columns across the paper and its rows down it.
    GridAxis columns() const { return {MULEFT, MULABELWIDTH, MUHGAP}; }
    GridAxis rows() const { return {MUTOP, MULABELHEIGHT, MUVGAP}; }
    // Slots of one sheet, at most INT32_MAX.
    qint32 slotCount() const
    {
        const qint64 n = static_cast<qint64>(NUMACROSS) * NUMDOWN;
        return static_cast<qint32>(std::clamp<qint64>(n, INT32_MIN, INT32_MAX));
    }
    // A start or repeat number as the start and repeat boxes keep it: at
    // least 1 and at most the slots of one sheet.
    qint32 fitToSheet(qint64 n) const
    {
        return static_cast<qint32>(std::clamp<qint64>(std::min<qint64>(n, slotCount()), 1, INT32_MAX));
    }
    // The rectangle of slot k (numbered row by row from 0) on the paper; the
    // edges wrap to 32 bits as the stored lengths do.
    SlotRect slotRect(qint32 slot) const;
    // The slot strictly inside which the point lies, or -1. Where labels
    // overlap the last match wins.
    qint32 GetTemplateNumFromMuXY(MU x, MU y) const;

private:
    bool landscape_ = false;
};

// The grid of a template as the layout dialog edits it.
struct LayoutValues {
    qint32 NUMACROSS = 0;
    qint32 NUMDOWN = 0;
    MU MULEFT = 0;
    MU MUTOP = 0;
    MU MULABELWIDTH = 0;
    MU MULABELHEIGHT = 0;
    MU MUHGAP = 0;
    MU MUVGAP = 0;
    bool operator==(const LayoutValues&) const = default;
};

// The labels fit when the columns with the gaps between them, after the left
// margin, end within the paper width, and likewise the rows within the paper
// height. No gap follows the last column or row; the right and bottom margins
// may be zero. Extents beyond 32 bits do not fit: they cannot wrap round into
// a small number. The layout dialog reads no negative values.
bool labelsFit(const LayoutValues& v, MU paperWidth, MU paperHeight);
