#pragma once
// One kind of label sheet: the paper as it lies in its print orientation and
// a regular grid of equal labels. Lengths in MU.

#include "model/BaseControl.h"
#include "model/Units.h"

#include <algorithm>

struct TSLOTRECT {
    MU left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const TSLOTRECT&) const = default;
};

class TTEMPLATE : public TBASECONTROL {
public:
    QString className() const override { return QStringLiteral("TTEMPLATE"); }
    const TPROPTABLE& properties() const override;

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

    // Slots of one sheet, at most INT32_MAX.
    qint32 slotCount() const
    {
        const qint64 n = static_cast<qint64>(NUMACROSS) * NUMDOWN;
        return static_cast<qint32>(std::clamp<qint64>(n, INT32_MIN, INT32_MAX));
    }
    // The rectangle of slot k (numbered row by row from 0) on the paper.
    TSLOTRECT slotRect(qint32 slot) const;
    // The slot strictly inside which the point lies, or -1. Where labels
    // overlap the last match wins.
    qint32 GetTemplateNumFromMuXY(MU x, MU y) const;

private:
    bool landscape_ = false;
};
