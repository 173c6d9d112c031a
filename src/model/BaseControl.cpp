#include "BaseControl.h"

const PropTable& TBASECONTROL::baseProperties()
{
    using C = TBASECONTROL;
    static const PropTable table = {
        props::text("Name", &C::Name, false),
        props::integer("Tag", &C::Tag, 0),
        props::integer("LEFT", &C::Left, std::nullopt, false),
        props::integer("TOP", &C::Top, std::nullopt, false),
        props::integer("WIDTH", &C::Width, std::nullopt, false),
        props::integer("HEIGHT", &C::Height, std::nullopt, false),
        props::integer("Cursor", &C::Cursor, 0),
        props::text("Hint", &C::Hint),
        props::enumeration("HelpType", &C::HelpType, {QStringLiteral("htKeyword"), QStringLiteral("htContext")},
                           htContext),
        props::text("HelpKeyword", &C::HelpKeyword),
        props::integer("HelpContext", &C::HelpContext, 0),
    };
    return table;
}

PropTable TBASECONTROL::withBase(PropTable own)
{
    PropTable all = baseProperties();
    all.insert(all.end(), own.begin(), own.end());
    return all;
}
