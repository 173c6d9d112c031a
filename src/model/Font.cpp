#include "Font.h"

#include "model/ComponentStream.h"
#include "model/Units.h"

const PropTable& StoredFont::properties() const
{
    using C = StoredFont;
    static const PropTable table = [] {
        PropInfo charset = Props::integer("Charset", &C::Charset);
        charset.idents = charsetIdents();
        PropInfo color = Props::integer("Color", &C::Color);
        color.idents = colorIdents();
        PropInfo size;
        size.name = QStringLiteral("Size");
        size.kind = PropKind::Integer;
        size.stored = false;
        size.getOrd = [](const Persistent& o) { return static_cast<const C&>(o).size(); };
        size.setOrd = [](Persistent& o, qint32 v) { static_cast<C&>(o).setSize(v); };
        PropInfo style = Props::integer("Style", &C::Style);
        style.kind = PropKind::Set;
        style.names = {QStringLiteral("fsBold"), QStringLiteral("fsItalic"), QStringLiteral("fsUnderline"),
                       QStringLiteral("fsStrikeOut")};
        return PropTable{
            charset,
            color,
            Props::integer("Height", &C::Height),
            Props::text("Name", &C::Name),
            Props::enumeration("Pitch", &C::Pitch,
                               {QStringLiteral("fpDefault"), QStringLiteral("fpVariable"), QStringLiteral("fpFixed")},
                               fpDefault),
            size,
            style,
        };
    }();
    return table;
}

qint32 StoredFont::size() const
{
    return -MulDiv(Height, 72, ScreenPixelsPerInch);
}

void StoredFont::setSize(qint32 points)
{
    Height = -MulDiv(points, ScreenPixelsPerInch, 72);
}

bool StoredFont::operator==(const StoredFont& o) const
{
    return Charset == o.Charset && Color == o.Color && Height == o.Height && Name == o.Name && Pitch == o.Pitch
           && Style == o.Style;
}

StoredFont defaultLabelFont()
{
    StoredFont f;
    f.Charset = 1;
    f.Color = 0;
    f.Name = QStringLiteral("COURIER NEW");
    f.Pitch = StoredFont::fpDefault;
    f.setSize(12);
    f.Style = StoredFont::fsBold;
    return f;
}

const PropTable& TFONTWRAPPER::properties() const
{
    static const PropTable table = [] {
        PropInfo font;
        font.name = QStringLiteral("FONT");
        font.kind = PropKind::Object;
        font.getObject = [](Persistent& o) -> Persistent* { return &static_cast<TFONTWRAPPER&>(o).FONT; };
        return withBase({font});
    }();
    return table;
}

QString FNFONTTOSTRING(const StoredFont& font)
{
    TFONTWRAPPER holder;
    holder.FONT = font;
    QByteArray stream;
    WriteObjectStream(stream, holder);
    QStringList lines = objectBinaryToText(stream).split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return joinCommaText(lines);
}

bool FNSTRINGTOFONT(const QString& text, StoredFont& font)
{
    try {
        const QStringList lines = splitCommaText(text);
        if (lines.isEmpty() || lines.front().simplified() != QStringLiteral("object TFONTWRAPPER"))
            return false;
        const QByteArray stream = objectTextToBinary(lines.join(QLatin1Char('\n')));
        TFONTWRAPPER holder;
        qsizetype pos = 0;
        ReadObjectStream(stream, pos, holder);
        font = holder.FONT;
        return true;
    } catch (const EFilerError&) {
        return false;
    }
}
