#include "Barcode.h"

#include "support/Messages.h"

#include <zint.h>

#include <QHash>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const SymbologyInfo Table[] = {
    {Symbology::QrCode, "qrcode", "QR Code", BARCODE_QRCODE, false},
    {Symbology::DataMatrix, "datamatrix", "Data Matrix", BARCODE_DATAMATRIX, false},
    {Symbology::Code128, "code128", "Code 128", BARCODE_CODE128, true},
    {Symbology::Gs1128, "gs1-128", "GS1-128", BARCODE_GS1_128, true},
    {Symbology::Ean13, "ean13", "EAN-13", BARCODE_EANX, true},
    {Symbology::UpcA, "upca", "UPC-A", BARCODE_UPCA, true},
    {Symbology::Code39, "code39", "Code 39", BARCODE_CODE39, true},
    {Symbology::Pdf417, "pdf417", "PDF417", BARCODE_PDF417, false},
    {Symbology::Aztec, "aztec", "Aztec Code", BARCODE_AZTEC, false},
};

// The plain text of a code is set in this face; fontconfig gives its
// metric twin where it is not installed.
const char* const CodeFont = "Arial";

// A text as it is quoted in a message: a long one is cut short.
QString quoted(const QString& text)
{
    constexpr qsizetype Shown = 40;
    if (text.size() <= Shown)
        return u'"' + text + u'"';
    return u'"' + text.left(Shown) + QStringLiteral("...\"");
}

QString caption(Symbology symbology)
{
    return QString::fromLatin1(symbologyInfo(symbology).caption);
}

// The check digit that completes the digits of an EAN or UPC number: weights
// 3 and 1 alternate from the rightmost digit.
int checkDigit(QStringView digits)
{
    int sum = 0;
    bool three = true;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        const int d = digits[i].unicode() - u'0';
        sum += three ? 3 * d : d;
        three = !three;
    }
    return (10 - sum % 10) % 10;
}

// EAN-13 and UPC-A: digits only, the number without its check digit or with
// the right one.
QString numberProblem(Symbology symbology, const QString& text, qsizetype digits)
{
    const QString name = caption(symbology);
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return Messages::codeTakesDigitsOnly(name, quoted(text), QString(c));
    }
    if (text.size() != digits && text.size() != digits + 1) {
        return Messages::codeDigitCount(name, digits, quoted(text), text.size());
    }
    if (text.size() == digits + 1) {
        const int expected = checkDigit(QStringView(text).left(digits));
        const int given = text.back().unicode() - u'0';
        if (given != expected) {
            return Messages::codeWrongCheckDigit(name, quoted(text), given, expected);
        }
    }
    return QString();
}

struct SymbolDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

AnchoredText::Anchor anchorOf(int halign)
{
    switch (halign) {
    case 1: return AnchoredText::Left;
    case 2: return AnchoredText::Right;
    default: return AnchoredText::Centre;
    }
}

// A hexagon of the given diameter about its centre: a corner at the top and
// the bottom, or at the left and the right when turned by 90 or 270 degrees.
QPolygonF hexagon(QPointF centre, double diameter, int rotation)
{
    const double r = diameter / 2;
    const double a = r * std::sqrt(3.0) / 2;
    const double b = r / 2;
    QPolygonF corners;
    if (rotation == 90 || rotation == 270)
        corners << QPointF(-r, 0) << QPointF(-b, -a) << QPointF(b, -a) << QPointF(r, 0) << QPointF(b, a)
                << QPointF(-b, a);
    else
        corners << QPointF(0, -r) << QPointF(a, -b) << QPointF(a, b) << QPointF(0, r) << QPointF(-a, b)
                << QPointF(-a, -b);
    corners.translate(centre);
    return corners;
}

// Gathers a code's dark runs, given row by row and left to right, into
// rectangles: a run right under a run of the same columns lengthens it, so
// that a code is drawn with fewer shapes.
class BarJoiner {
public:
    explicit BarJoiner(CodeSymbol& symbol) : symbol_(symbol) {}
    void add(double x, double y, double width, double height)
    {
        const auto run = qMakePair(x, width);
        const auto above = columnEnds_.constFind(run);
        if (above != columnEnds_.cend() && std::abs(symbol_.bars[above.value()].bottom() - y) < 1e-3) {
            symbol_.bars[above.value()].setBottom(y + height);
        } else {
            columnEnds_.insert(run, symbol_.bars.size());
            symbol_.bars.append(QRectF(x, y, width, height));
        }
        if (width > 0 && (symbol_.module == 0 || width < symbol_.module))
            symbol_.module = width;
    }

private:
    CodeSymbol& symbol_;
    QHash<QPair<double, double>, qsizetype> columnEnds_; // run's left and width -> its rectangle
};

// A matrix code (square modules, no text) from the library's picture of it
// at one pixel a module: much quicker than its list of shapes, which it
// allocates shape by shape, and the same modules.
bool matrixSymbolOf(CodeSymbol& symbol, zint_symbol& made)
{
    made.scale = 0.5f; // the library's smallest scale: a module is one pixel
    if (ZBarcode_Buffer(&made, 0) >= ZINT_ERROR || !made.bitmap || made.bitmap_width <= 0 || made.bitmap_height <= 0)
        return false;
    symbol.size = QSizeF(made.bitmap_width, made.bitmap_height);
    BarJoiner bars(symbol);
    const unsigned char* pixel = made.bitmap; // red, green, blue; dark modules are black
    for (int y = 0; y < made.bitmap_height; ++y) {
        int runStart = -1;
        for (int x = 0; x <= made.bitmap_width; ++x) {
            const bool dark = x < made.bitmap_width && pixel[0] == 0;
            if (x < made.bitmap_width)
                pixel += 3;
            if (dark && runStart < 0)
                runStart = x;
            if (!dark && runStart >= 0) {
                bars.add(runStart, y, x - runStart, 1);
                runStart = -1;
            }
        }
    }
    return true;
}

CodeSymbol symbolOf(Symbology symbology, const zint_symbol& made)
{
    CodeSymbol symbol;
    symbol.symbology = symbology;
    symbol.columns = made.width;
    symbol.rows = made.rows;
    const zint_vector& vector = *made.vector;
    symbol.size = QSizeF(vector.width, vector.height);
    // Every kind in the table draws its rectangles in the foreground colour
    // (the colour field is for kinds of several colours). The library gives
    // a matrix code's dark modules row by row, a run of them a rectangle.
    BarJoiner bars(symbol);
    for (const zint_vector_rect* r = vector.rectangles; r; r = r->next)
        bars.add(r->x, r->y, r->width, r->height);
    for (const zint_vector_hexagon* h = vector.hexagons; h; h = h->next)
        symbol.hexagons.append(hexagon(QPointF(h->x, h->y), h->diameter, h->rotation));
    for (const zint_vector_circle* c = vector.circles; c; c = c->next)
        symbol.circles.append(CodeCircle{QPointF(c->x, c->y), c->diameter, c->width, c->colour != 0});
    for (const zint_vector_string* s = vector.strings; s; s = s->next) {
        CodeText text;
        text.text = QString::fromUtf8(reinterpret_cast<const char*>(s->text), s->length);
        text.at = QPointF(s->x, s->y);
        text.anchor = anchorOf(s->halign);
        text.size = s->fsize;
        text.width = s->width;
        symbol.texts.append(text);
    }
    return symbol;
}

// The device pixels a box covers, kept well inside int.
CanvasRect coveredPixels(const QRectF& box)
{
    static constexpr double Limit = 1 << 29;
    const auto held = [](double v) { return static_cast<int>(std::clamp(v, -Limit, Limit)); };
    return CanvasRect{held(std::floor(box.left())), held(std::floor(box.top())), held(std::ceil(box.right())),
                      held(std::ceil(box.bottom()))};
}

// The placed symbol, in the canvas's pixels, made smaller where needed so
// that a module is a whole number of pixels and the symbol starts on a whole
// pixel. A printer of coarse dots (203 DPI) would otherwise draw modules of
// 2.3 dots as bars of 2 and 3 dots, which scanners misread. The smaller
// symbol keeps the placement's alignment within the place it was given.
QRectF wholeModules(const QRectF& placed, const CodeSymbol& symbol, const BoxPlacement& placement)
{
    const double pixels = placed.width() / symbol.size.width() * symbol.module;
    if (!(pixels >= 1) || !std::isfinite(pixels) || pixels > 1e6)
        return placed;
    // A hair's allowance, so that a module of exactly 3 pixels is not taken
    // for 2.9999.
    const double f = std::floor(pixels + 1e-9) / pixels;
    const QSizeF size = placed.size() * f;
    const auto start = [f](double near, double extent, int align, bool byPercent) {
        if (byPercent || align == BoxPlacement::Near)
            return near;
        if (align == BoxPlacement::Centre)
            return near + (extent - extent * f) / 2;
        return near + extent - extent * f;
    };
    const double x = start(placed.x(), placed.width(), placement.alignHoriz, placement.useLeftPercent);
    const double y = start(placed.y(), placed.height(), placement.alignVert, placement.useTopPercent);
    return QRectF(QPointF(std::round(x), std::round(y)), size);
}

} // namespace

std::span<const SymbologyInfo> symbologies()
{
    return Table;
}

const SymbologyInfo& symbologyInfo(Symbology symbology)
{
    for (const SymbologyInfo& info : Table) {
        if (info.symbology == symbology)
            return info;
    }
    return Table[0];
}

const SymbologyInfo* findSymbology(QStringView name)
{
    for (const SymbologyInfo& info : Table) {
        if (name.compare(QLatin1StringView(info.name), Qt::CaseInsensitive) == 0)
            return &info;
    }
    return nullptr;
}

QString codeTextProblem(Symbology symbology, const QString& text)
{
    if (text.isEmpty())
        return Messages::codeTextEmpty(caption(symbology));
    // UTF-8 has no form for half a pair: the code would hold a replacement
    // character instead.
    if (!QStringView(text).isValidUtf16()) {
        return Messages::codeTextHalfPair(caption(symbology));
    }
    const qsizetype bytes = text.toUtf8().size();
    if (bytes > MaxCodeTextBytes) {
        return Messages::codeTextTooLong(caption(symbology), bytes, MaxCodeTextBytes);
    }
    switch (symbology) {
    case Symbology::Ean13: return numberProblem(symbology, text, 12);
    case Symbology::UpcA: return numberProblem(symbology, text, 11);
    case Symbology::Code39:
        // The library would turn small letters into capitals: the code would
        // then read as another text.
        for (const QChar c : text) {
            if (c.isLower()) {
                return Messages::code39SmallLetter(quoted(text), QString(c));
            }
        }
        break;
    default: break;
    }
    return QString();
}

CodeResult makeCode(Symbology symbology, const QString& text)
{
    CodeResult result;
    result.error = codeTextProblem(symbology, text);
    if (!result.error.isEmpty())
        return result;

    const SymbologyInfo& info = symbologyInfo(symbology);
    const std::unique_ptr<zint_symbol, SymbolDeleter> made(ZBarcode_Create());
    if (!made) {
        result.error = Messages::codeOutOfMemory(caption(symbology));
        return result;
    }
    made->symbology = info.zintId;
    // The quiet zones the kind needs are part of the symbol, and a kind with
    // a standard height (EAN-13, UPC-A, GS1-128) gets it, so a code scaled
    // to its box keeps the proportions scanners expect.
    made->output_options |= BARCODE_QUIET_ZONES | COMPLIANT_HEIGHT;
    made->show_hrt = info.linear ? 1 : 0;
    // Square Data Matrix symbols only, as labels and scanners expect; the
    // library would otherwise pick a rectangle for short texts.
    if (symbology == Symbology::DataMatrix)
        made->option_3 = DM_SQUARE;
    if (symbology == Symbology::Gs1128) {
        // Application identifiers in square brackets, or in parentheses as
        // they are printed under the code.
        made->input_mode = GS1_MODE;
        if (text.startsWith(u'('))
            made->input_mode |= GS1PARENS_MODE;
    } else {
        made->input_mode = UNICODE_MODE;
    }

    const QByteArray data = text.toUtf8();
    int status = ZBarcode_Encode(made.get(), reinterpret_cast<const unsigned char*>(data.constData()),
                                 static_cast<int>(data.size()));
    if (status < ZINT_ERROR && status != 0)
        result.warning = QString::fromUtf8(made->errtxt);
    if (status < ZINT_ERROR && !info.linear) {
        result.symbol.symbology = symbology;
        result.symbol.columns = made->width;
        result.symbol.rows = made->rows;
        if (!matrixSymbolOf(result.symbol, *made))
            status = ZINT_ERROR;
    } else if (status < ZINT_ERROR) {
        status = ZBarcode_Buffer_Vector(made.get(), 0);
        if (status < ZINT_ERROR && made->vector)
            result.symbol = symbolOf(symbology, *made);
        else
            status = ZINT_ERROR;
    }
    if (status >= ZINT_ERROR) {
        result.error = Messages::codeCannotEncode(caption(symbology), quoted(text), QString::fromUtf8(made->errtxt));
        return result;
    }
    if (result.symbol.isEmpty()) {
        result.error = Messages::codeCameOutEmpty(caption(symbology), quoted(text));
    }
    return result;
}

BoxPlacement centredCode()
{
    BoxPlacement placement;
    placement.fitToBox = true;
    placement.keepRatio = true;
    placement.alignHoriz = BoxPlacement::Centre;
    placement.alignVert = BoxPlacement::Centre;
    return placement;
}

void drawCode(PageCanvas& canvas, const CodeSymbol& symbol, const QRectF& box, const BoxPlacement& placement,
              const QColor& color)
{
    if (symbol.isEmpty())
        return;
    BoxPlacement kept = placement;
    kept.keepRatio = true;
    const std::optional<QRectF> inBox = placeInBox(kept, symbol.size, box.size());
    if (!inBox)
        return;
    const CanvasRect clip = coveredPixels(box);
    if (clip.isEmpty())
        return;
    const QRectF placed = wholeModules(inBox->translated(box.topLeft()), symbol, kept);
    const double sx = placed.width() / symbol.size.width();
    const double sy = placed.height() / symbol.size.height();
    const QTransform toBox(sx, 0, 0, sy, placed.x(), placed.y());

    QPainterPath dark;
    dark.setFillRule(Qt::WindingFill);
    QPainterPath light;
    light.setFillRule(Qt::WindingFill);
    // Codes of bars alone (all the kinds in the table) are drawn as
    // rectangles in the symbol's units, which a PDF holds in fewer bytes
    // than a path.
    const bool barsAlone = symbol.hexagons.isEmpty() && symbol.circles.isEmpty();
    if (!barsAlone)
        for (const QRectF& bar : symbol.bars)
            dark.addRect(toBox.mapRect(bar));
    for (const QPolygonF& hexagon : symbol.hexagons)
        dark.addPolygon(toBox.map(hexagon));
    for (const CodeCircle& circle : symbol.circles) {
        const QPointF centre = toBox.map(circle.centre);
        QPainterPath shape;
        if (circle.ringWidth > 0) {
            // The ring's line is centred on the circle of the given diameter.
            const double outer = (circle.diameter + circle.ringWidth) / 2;
            const double inner = (circle.diameter - circle.ringWidth) / 2;
            shape.addEllipse(centre, outer * sx, outer * sy);
            if (inner > 0) {
                QPainterPath hole;
                hole.addEllipse(centre, inner * sx, inner * sy);
                shape = shape.subtracted(hole);
            }
        } else {
            shape.addEllipse(centre, circle.diameter / 2 * sx, circle.diameter / 2 * sy);
        }
        (circle.light ? light : dark).addPath(shape);
    }
    if (barsAlone)
        canvas.fillRects(symbol.bars, toBox, color, clip);
    else
        canvas.fillPath(dark, color, clip);
    if (!light.isEmpty())
        canvas.fillPath(light, Qt::white, clip);

    for (const CodeText& line : symbol.texts) {
        AnchoredText text;
        text.text = line.text;
        text.at = toBox.map(line.at);
        text.anchor = line.anchor;
        text.pixelSize = line.size * sy;
        text.maxWidth = line.width * sx;
        text.fontName = QString::fromLatin1(CodeFont);
        text.color = color;
        canvas.drawAnchoredText(text, clip);
    }
}
