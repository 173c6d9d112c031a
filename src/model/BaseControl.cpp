#include "BaseControl.h"

const PropTable& TBASECONTROL::baseProperties()
{
    using C = TBASECONTROL;
    static const PropTable table = {
        Props::text("Name", &C::Name, false),
        Props::integer("Tag", &C::Tag, 0),
        Props::integer("LEFT", &C::Left, std::nullopt, false),
        Props::integer("TOP", &C::Top, std::nullopt, false),
        Props::integer("WIDTH", &C::Width, std::nullopt, false),
        Props::integer("HEIGHT", &C::Height, std::nullopt, false),
        Props::integer("Cursor", &C::Cursor, 0),
        Props::text("Hint", &C::Hint),
        Props::enumeration("HelpType", &C::HelpType, {QStringLiteral("htKeyword"), QStringLiteral("htContext")},
                           htContext),
        Props::text("HelpKeyword", &C::HelpKeyword),
        Props::integer("HelpContext", &C::HelpContext, 0),
    };
    return table;
}

PropTable TBASECONTROL::withBase(PropTable own)
{
    PropTable all = baseProperties();
    all.insert(all.end(), own.begin(), own.end());
    return all;
}
