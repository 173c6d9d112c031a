#include "JobInfo.h"

namespace {

FormatValueReader& valueReader()
{
    static FormatValueReader reader;
    return reader;
}

QString readValue(const QString& name, const QString& def)
{
    const FormatValueReader& reader = valueReader();
    return reader ? reader(name, def) : def;
}

using C = TJOBINFO;

const FormatDefault defaultsTable[] = {
    {"BorderLeft", "2000", &C::MUBORDERLEFT},
    {"BorderTop", "2000", &C::MUBORDERTOP},
    {"BorderRight", "2000", &C::MUBORDERRIGHT},
    {"BorderBottom", "2000", &C::MUBORDERBOTTOM},
    {"BorderWidth", "100", &C::MUBORDERWIDTH},
    {"BorderColor", "0", &C::BORDERCOLOR},
    {"TextAlignVert", "1", &C::TEXTALIGNVERT},
    {"TextAlignHoriz", "1", &C::TEXTALIGNHORIZ},
    {"TextJustify", "0", &C::TEXTJUSTIFY},
    {"ShrinkToFit", "TRUE", &C::TEXTSHRINKTOFIT},
    {"ShowBorder", "FALSE", &C::SHOWBORDER},
    {"ShowPic", "TRUE", &C::ShowPic},
    {"FitToLabel", "TRUE", &C::FitToLabel},
    {"KeepRatio", "FALSE", &C::KeepRatio},
    {"PicPCLeft", "0", &C::PicPCLeft},
    {"PicPCTop", "0", &C::PicPCTop},
    {"PicPCWidth", "100", &C::PicPCWidth},
    {"PicPCHeight", "100", &C::PicPCHeight},
    {"UsePicPCLeft", "FALSE", &C::UsePicPCLeft},
    {"UsePicPCTop", "FALSE", &C::UsePicPCTop},
    {"UsePicPCWidth", "FALSE", &C::UsePicPCWidth},
    {"UsePicPCHeight", "FALSE", &C::UsePicPCHeight},
    {"PicAlignVert", "1", &C::PicAlignVert},
    {"PicAlignHoriz", "1", &C::PicAlignHoriz},
    {"Font", "", &C::FONT},
};

} // namespace

void setFormatValueReader(FormatValueReader reader)
{
    valueReader() = std::move(reader);
}

QString FormatDefault::textOf(const TJOBINFO& format) const
{
    return std::visit(
        [&format](auto field) {
            const auto& value = format.*field;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>)
                return FNBOOLTOSTR(value);
            else if constexpr (std::is_same_v<T, double>)
                return numberToStoredText(value);
            else if constexpr (std::is_same_v<T, StoredFont>)
                return FNFONTTOSTRING(value);
            else
                return QString::number(value);
        },
        member);
}

void FormatDefault::setFrom(TJOBINFO& format, const QString& text) const
{
    const QString fallback = QString::fromLatin1(defaultText);
    std::visit(
        [&](auto field) {
            auto& value = format.*field;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>) {
                value = FNSTRTOBOOL(text);
            } else if constexpr (std::is_same_v<T, double>) {
                value = storedTextToNumber(text).value_or(storedTextToNumber(fallback).value_or(0.0));
            } else if constexpr (std::is_same_v<T, StoredFont>) {
                value = defaultLabelFont();
                if (!text.isEmpty() && !FNSTRINGTOFONT(text, value))
                    value = defaultLabelFont(); // undecodable text: the built-in label font
            } else {
                value = storedTextToInteger(text).value_or(storedTextToInteger(fallback).value_or(0));
            }
        },
        member);
}

std::span<const FormatDefault> formatDefaultTable()
{
    return defaultsTable;
}

QList<QPair<QString, QString>> formatDefaultTexts(const TJOBINFO& format)
{
    QList<QPair<QString, QString>> texts;
    for (const FormatDefault& value : defaultsTable)
        texts.append({QString::fromLatin1(value.valueName), value.textOf(format)});
    return texts;
}

TJOBINFO::TJOBINFO()
{
    loadFormatDefaults();
}

void TJOBINFO::loadFormatDefaults()
{
    for (const FormatDefault& value : defaultsTable)
        value.setFrom(*this, readValue(QString::fromLatin1(value.valueName), QString::fromLatin1(value.defaultText)));
}

const PropTable& TJOBINFO::properties() const
{
    static const PropTable table = [] {
        PropInfo font;
        font.name = QStringLiteral("FONT");
        font.kind = PropKind::Object;
        font.getObject = [](Persistent& o) -> Persistent* { return &static_cast<C&>(o).FONT; };
        return withBase({
            Props::integer("MUBORDERLEFT", &C::MUBORDERLEFT),
            Props::integer("MUBORDERTOP", &C::MUBORDERTOP),
            Props::integer("MUBORDERRIGHT", &C::MUBORDERRIGHT),
            Props::integer("MUBORDERBOTTOM", &C::MUBORDERBOTTOM),
            Props::integer("MUBORDERWIDTH", &C::MUBORDERWIDTH),
            Props::integer("BORDERCOLOR", &C::BORDERCOLOR),
            Props::integer("TEXTALIGNVERT", &C::TEXTALIGNVERT),
            Props::integer("TEXTALIGNHORIZ", &C::TEXTALIGNHORIZ),
            Props::integer("TEXTJUSTIFY", &C::TEXTJUSTIFY),
            Props::boolean("TEXTSHRINKTOFIT", &C::TEXTSHRINKTOFIT),
            Props::boolean("SHOWBORDER", &C::SHOWBORDER),
            font,
            Props::boolean("ShowPic", &C::ShowPic),
            Props::boolean("FitToLabel", &C::FitToLabel),
            Props::boolean("KeepRatio", &C::KeepRatio),
            Props::floating("PicPCLeft", &C::PicPCLeft),
            Props::floating("PicPCTop", &C::PicPCTop),
            Props::floating("PicPCWidth", &C::PicPCWidth),
            Props::floating("PicPCHeight", &C::PicPCHeight),
            Props::boolean("UsePicPCLeft", &C::UsePicPCLeft),
            Props::boolean("UsePicPCTop", &C::UsePicPCTop),
            Props::boolean("UsePicPCWidth", &C::UsePicPCWidth),
            Props::boolean("UsePicPCHeight", &C::UsePicPCHeight),
            Props::integer("PicAlignVert", &C::PicAlignVert),
            Props::integer("PicAlignHoriz", &C::PicAlignHoriz),
        });
    }();
    return table;
}
