#include "Template.h"

const TPROPTABLE& TTEMPLATE::properties() const
{
    using C = TTEMPLATE;
    static const TPROPTABLE table = [] {
        TPROPINFO landscape;
        landscape.name = QStringLiteral("LANDSCAPE");
        landscape.kind = TPropKind::Boolean;
        landscape.names = {QStringLiteral("False"), QStringLiteral("True")};
        landscape.getOrd = [](const TPERSISTENT& o) { return static_cast<const C&>(o).LANDSCAPE() ? 1 : 0; };
        landscape.setOrd = [](TPERSISTENT& o, qint32 v) { static_cast<C&>(o).SETLANDSCAPE(v != 0); };
        return withBase({
            props::integer("PAPERMUWIDTH", &C::PAPERMUWIDTH),
            props::integer("PAPERMUHEIGHT", &C::PAPERMUHEIGHT),
            props::integer("NUMACROSS", &C::NUMACROSS),
            props::integer("NUMDOWN", &C::NUMDOWN),
            props::integer("MULEFT", &C::MULEFT),
            props::integer("MUTOP", &C::MUTOP),
            props::integer("MULABELWIDTH", &C::MULABELWIDTH),
            props::integer("MULABELHEIGHT", &C::MULABELHEIGHT),
            props::integer("MUHGAP", &C::MUHGAP),
            props::integer("MUVGAP", &C::MUVGAP),
            landscape,
            props::text("FULLFILENAME", &C::FULLFILENAME),
            props::boolean("ALTERED", &C::ALTERED, std::nullopt, false),
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

TSLOTRECT TTEMPLATE::slotRect(qint32 slot) const
{
    // A sheet without columns has no slots; keep the arithmetic defined.
    const qint32 across = NUMACROSS > 0 ? NUMACROSS : 1;
    const qint64 c = slot % across;
    const qint64 r = slot / across;
    TSLOTRECT rect;
    rect.left = static_cast<MU>(MULEFT + c * (static_cast<qint64>(MULABELWIDTH) + MUHGAP));
    rect.top = static_cast<MU>(MUTOP + r * (static_cast<qint64>(MULABELHEIGHT) + MUVGAP));
    rect.right = rect.left + MULABELWIDTH;
    rect.bottom = rect.top + MULABELHEIGHT;
    return rect;
}

qint32 TTEMPLATE::GetTemplateNumFromMuXY(MU x, MU y) const
{
    if (NUMACROSS < 1)
        return -1;
    qint32 result = -1;
    for (qint32 c = 0; c < NUMACROSS; ++c)
        for (qint32 r = 0; r < NUMDOWN; ++r) {
            const TSLOTRECT s = slotRect(c + r * NUMACROSS);
            if (s.left < x && x < s.right && s.top < y && y < s.bottom)
                result = c + r * NUMACROSS;
        }
    return result;
}
