#include "Template.h"

#include <algorithm>

namespace {

qint64 floorDiv(qint64 a, qint64 b) // b > 0
{
    const qint64 q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

} // namespace

qint64 GridAxis::lastHolding(qint64 count, qint64 point) const
{
    if (count < 1 || size <= 0)
        return -1;
    // point - size < margin + k * pitch < point, with d = point - margin.
    const qint64 pitch = size + gap;
    const qint64 d = point - margin;
    qint64 lo = 0;
    qint64 hi = count - 1;
    if (pitch == 0) {
        if (!(d - size < 0 && 0 < d))
            return -1;
    } else if (pitch > 0) {
        lo = std::max(lo, floorDiv(d - size, pitch) + 1);
        hi = std::min(hi, floorDiv(d - 1, pitch));
    } else {
        const qint64 q = -pitch;
        lo = std::max(lo, floorDiv(-d, q) + 1);
        hi = std::min(hi, floorDiv(size - d - 1, q));
    }
    return hi >= lo ? hi : -1;
}

const PropTable& TTEMPLATE::properties() const
{
    using C = TTEMPLATE;
    static const PropTable table = [] {
        PropInfo landscape;
        landscape.name = QStringLiteral("LANDSCAPE");
        landscape.kind = PropKind::Boolean;
        landscape.names = {QStringLiteral("False"), QStringLiteral("True")};
        landscape.getOrd = [](const Persistent& o) { return static_cast<const C&>(o).LANDSCAPE() ? 1 : 0; };
        landscape.setOrd = [](Persistent& o, qint32 v) { static_cast<C&>(o).SETLANDSCAPE(v != 0); };
        return withBase({
            Props::integer("PAPERMUWIDTH", &C::PAPERMUWIDTH),
            Props::integer("PAPERMUHEIGHT", &C::PAPERMUHEIGHT),
            Props::integer("NUMACROSS", &C::NUMACROSS),
            Props::integer("NUMDOWN", &C::NUMDOWN),
            Props::integer("MULEFT", &C::MULEFT),
            Props::integer("MUTOP", &C::MUTOP),
            Props::integer("MULABELWIDTH", &C::MULABELWIDTH),
            Props::integer("MULABELHEIGHT", &C::MULABELHEIGHT),
            Props::integer("MUHGAP", &C::MUHGAP),
            Props::integer("MUVGAP", &C::MUVGAP),
            landscape,
            Props::text("FULLFILENAME", &C::FULLFILENAME),
            Props::boolean("ALTERED", &C::ALTERED, std::nullopt, false),
        });
    }();
    return table;
}

void TTEMPLATE::SETLANDSCAPE(bool value)
{
    if (value == landscape_)
        return;
    ALTERED = true;
    landscape_ = value;
}

SlotRect TTEMPLATE::slotRect(qint32 slot) const
{
    // A sheet without columns has no slots; keep the arithmetic defined.
    const qint32 across = NUMACROSS > 0 ? NUMACROSS : 1;
    const qint64 c = slot % across;
    const qint64 r = slot / across;
    // A template read from a file may hold any values: the edges wrap to 32
    // bits like the stored lengths do.
    return {static_cast<MU>(columns().start(c)), static_cast<MU>(rows().start(r)), static_cast<MU>(columns().end(c)),
            static_cast<MU>(rows().end(r))};
}

qint32 TTEMPLATE::GetTemplateNumFromMuXY(MU x, MU y) const
{
    // Columns and rows are matched apart: slot (c, r) holds the point when
    // column c holds x and row r holds y. Scanning every column and, inside
    // it, every row with the last match winning therefore finds the last
    // column and the last row that match; they are worked out directly, so
    // a template of millions of labels (from a damaged file) costs nothing.
    if (NUMACROSS < 1)
        return -1;
    const qint64 c = columns().lastHolding(NUMACROSS, x);
    const qint64 r = rows().lastHolding(NUMDOWN, y);
    if (c < 0 || r < 0)
        return -1;
    const qint64 slot = c + r * NUMACROSS;
    return slot <= INT32_MAX ? static_cast<qint32>(slot) : -1;
}

bool labelsFit(const LayoutValues& v, MU paperWidth, MU paperHeight)
{
    return GridAxis{v.MULEFT, v.MULABELWIDTH, v.MUHGAP}.extent(v.NUMACROSS) <= paperWidth
           && GridAxis{v.MUTOP, v.MULABELHEIGHT, v.MUVGAP}.extent(v.NUMDOWN) <= paperHeight;
}
