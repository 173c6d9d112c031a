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

const FormatDefault defaultsTable[] = {
    {"BorderLeft", "2000"},
    {"BorderTop", "2000"},
    {"BorderRight", "2000"},
    {"BorderBottom", "2000"},
    {"BorderWidth", "100"},
    {"BorderColor", "0"},
    {"TextAlignVert", "1"},
    {"TextAlignHoriz", "1"},
    {"TextJustify", "0"},
    {"ShrinkToFit", "TRUE"},
    {"ShowBorder", "FALSE"},
    {"ShowPic", "TRUE"},
    {"FitToLabel", "TRUE"},
    {"KeepRatio", "FALSE"},
    {"PicPCLeft", "0"},
    {"PicPCTop", "0"},
    {"PicPCWidth", "100"},
    {"PicPCHeight", "100"},
    {"UsePicPCLeft", "FALSE"},
    {"UsePicPCTop", "FALSE"},
    {"UsePicPCWidth", "FALSE"},
    {"UsePicPCHeight", "FALSE"},
    {"PicAlignVert", "1"},
    {"PicAlignHoriz", "1"},
    {"Font", ""},
};

// A stored default that is not a number falls back to the default text, so
// that one bad value cannot stop a job from being made.
qint32 readInteger(const char* name, const char* def)
{
    const QString text = readValue(QString::fromLatin1(name), QString::fromLatin1(def));
    return storedTextToInteger(text).value_or(storedTextToInteger(QString::fromLatin1(def)).value_or(0));
}

double readNumber(const char* name, const char* def)
{
    const QString text = readValue(QString::fromLatin1(name), QString::fromLatin1(def));
    return storedTextToNumber(text).value_or(storedTextToNumber(QString::fromLatin1(def)).value_or(0.0));
}

bool readBool(const char* name, const char* def)
{
    return FNSTRTOBOOL(readValue(QString::fromLatin1(name), QString::fromLatin1(def)));
}

} // namespace

void setFormatValueReader(FormatValueReader reader)
{
    valueReader() = std::move(reader);
}

std::span<const FormatDefault> formatDefaultTable()
{
    return defaultsTable;
}

TJOBINFO::TJOBINFO()
{
    loadFormatDefaults();
}

void TJOBINFO::loadFormatDefaults()
{
    MUBORDERLEFT = readInteger("BorderLeft", "2000");
    MUBORDERTOP = readInteger("BorderTop", "2000");
    MUBORDERRIGHT = readInteger("BorderRight", "2000");
    MUBORDERBOTTOM = readInteger("BorderBottom", "2000");
    MUBORDERWIDTH = readInteger("BorderWidth", "100");
    BORDERCOLOR = readInteger("BorderColor", "0");
    TEXTALIGNVERT = readInteger("TextAlignVert", "1");
    TEXTALIGNHORIZ = readInteger("TextAlignHoriz", "1");
    TEXTJUSTIFY = readInteger("TextJustify", "0");
    TEXTSHRINKTOFIT = readBool("ShrinkToFit", "TRUE");
    SHOWBORDER = readBool("ShowBorder", "FALSE");
    ShowPic = readBool("ShowPic", "TRUE");
    FitToLabel = readBool("FitToLabel", "TRUE");
    KeepRatio = readBool("KeepRatio", "FALSE");
    PicPCLeft = readNumber("PicPCLeft", "0");
    PicPCTop = readNumber("PicPCTop", "0");
    PicPCWidth = readNumber("PicPCWidth", "100");
    PicPCHeight = readNumber("PicPCHeight", "100");
    UsePicPCLeft = readBool("UsePicPCLeft", "FALSE");
    UsePicPCTop = readBool("UsePicPCTop", "FALSE");
    UsePicPCWidth = readBool("UsePicPCWidth", "FALSE");
    UsePicPCHeight = readBool("UsePicPCHeight", "FALSE");
    PicAlignVert = readInteger("PicAlignVert", "1");
    PicAlignHoriz = readInteger("PicAlignHoriz", "1");

    const QString fontText = readValue(QStringLiteral("Font"), QString());
    FONT = defaultLabelFont();
    if (!fontText.isEmpty() && !FNSTRINGTOFONT(fontText, FONT))
        FONT = defaultLabelFont(); // undecodable text: the built-in label font
}

const PropTable& TJOBINFO::properties() const
{
    using C = TJOBINFO;
    static const PropTable table = [] {
        PropInfo font;
        font.name = QStringLiteral("FONT");
        font.kind = PropKind::Object;
        font.getObject = [](Persistent& o) -> Persistent* { return &static_cast<C&>(o).FONT; };
        return withBase({
            props::integer("MUBORDERLEFT", &C::MUBORDERLEFT),
            props::integer("MUBORDERTOP", &C::MUBORDERTOP),
            props::integer("MUBORDERRIGHT", &C::MUBORDERRIGHT),
            props::integer("MUBORDERBOTTOM", &C::MUBORDERBOTTOM),
            props::integer("MUBORDERWIDTH", &C::MUBORDERWIDTH),
            props::integer("BORDERCOLOR", &C::BORDERCOLOR),
            props::integer("TEXTALIGNVERT", &C::TEXTALIGNVERT),
            props::integer("TEXTALIGNHORIZ", &C::TEXTALIGNHORIZ),
            props::integer("TEXTJUSTIFY", &C::TEXTJUSTIFY),
            props::boolean("TEXTSHRINKTOFIT", &C::TEXTSHRINKTOFIT),
            props::boolean("SHOWBORDER", &C::SHOWBORDER),
            font,
            props::boolean("ShowPic", &C::ShowPic),
            props::boolean("FitToLabel", &C::FitToLabel),
            props::boolean("KeepRatio", &C::KeepRatio),
            props::floating("PicPCLeft", &C::PicPCLeft),
            props::floating("PicPCTop", &C::PicPCTop),
            props::floating("PicPCWidth", &C::PicPCWidth),
            props::floating("PicPCHeight", &C::PicPCHeight),
            props::boolean("UsePicPCLeft", &C::UsePicPCLeft),
            props::boolean("UsePicPCTop", &C::UsePicPCTop),
            props::boolean("UsePicPCWidth", &C::UsePicPCWidth),
            props::boolean("UsePicPCHeight", &C::UsePicPCHeight),
            props::integer("PicAlignVert", &C::PicAlignVert),
            props::integer("PicAlignHoriz", &C::PicAlignHoriz),
        });
    }();
    return table;
}
