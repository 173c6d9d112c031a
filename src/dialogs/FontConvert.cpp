#include "FontConvert.h"

#include "model/Font.h"
#include "model/Units.h"
#include "render/PainterCanvas.h"

#include <QFontInfo>
#include <algorithm>
#include <cmath>

namespace {
// Qt refuses point sizes below 1.
constexpr double MinPoints = 1.0;
constexpr double MaxPoints = StoredFont::MaxPoints;

double pointsOfHeight(qint32 height)
{
    const int ppi = ScreenPixelsPerInch > 0 ? ScreenPixelsPerInch : 96;
    // A positive height is a cell height rather than a character height; its
    // magnitude is close enough for showing the font.
    const double points = std::abs(static_cast<double>(height)) * 72.0 / ppi;
    return std::clamp(points, MinPoints, MaxPoints);
}
} // namespace

QFont fontToQFont(const StoredFont& font)
{
    return PainterCanvas::qfont(font.Name, pointsOfHeight(font.Height), font.Style, font.Pitch);
}

QFont fontForDialog(const StoredFont& font)
{
    QFont shown = fontToQFont(font);
    const QFontInfo used(shown);
    shown.setFamilies({used.family()});
    shown.setStyleName(used.styleName());
    return shown;
}

void qFontToFont(const QFont& chosen, StoredFont& font)
{
    const QString family = chosen.family();
    const bool sameFace = family.compare(font.Name, Qt::CaseInsensitive) == 0
                          || family.compare(QFontInfo(QFont(font.Name)).family(), Qt::CaseInsensitive) == 0
                          || family.compare(QFontInfo(fontToQFont(font)).family(), Qt::CaseInsensitive) == 0;
    if (!sameFace && !family.isEmpty()) {
        font.Name = family;
        font.Pitch = StoredFont::fpDefault;
    }

    double points = chosen.pointSizeF();
    if (points <= 0) { // a font given in pixels
        const int ppi = ScreenPixelsPerInch > 0 ? ScreenPixelsPerInch : 96;
        points = chosen.pixelSize() * 72.0 / ppi;
    }
    points = std::clamp(points, MinPoints, MaxPoints);
    const int ppi = ScreenPixelsPerInch > 0 ? ScreenPixelsPerInch : 96;
    font.Height = -static_cast<qint32>(roundHalfEven(points * ppi / 72.0L));

    qint32 style = 0;
    if (chosen.bold())
        style |= StoredFont::fsBold;
    if (chosen.italic())
        style |= StoredFont::fsItalic;
    if (chosen.underline())
        style |= StoredFont::fsUnderline;
    if (chosen.strikeOut())
        style |= StoredFont::fsStrikeOut;
    font.Style = style;
}

qint32 qColorToColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return static_cast<qint32>(static_cast<quint32>(rgb.red()) | (static_cast<quint32>(rgb.green()) << 8)
                               | (static_cast<quint32>(rgb.blue()) << 16));
}
