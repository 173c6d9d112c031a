#include "Renderer.h"

#include "model/Job.h"
#include "model/Picture.h"
#include "render/BoxPlacement.h"
#include "render/LabelArt.h"
#include "support/Messages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

QColor colorToQColor(qint32 color)
{
    const auto value = static_cast<quint32>(color);
    if ((value & 0xFF000000u) == 0x80000000u) {
        // The usual values of the system colours, by number.
        static const QRgb systemColors[] = {
            qRgb(200, 200, 200), // scroll bar
            qRgb(0, 0, 0),       // desktop
            qRgb(153, 180, 209), // active caption
            qRgb(191, 205, 219), // inactive caption
            qRgb(240, 240, 240), // menu
            qRgb(255, 255, 255), // window
            qRgb(100, 100, 100), // window frame
            qRgb(0, 0, 0),       // menu text
            qRgb(0, 0, 0),       // window text
            qRgb(0, 0, 0),       // caption text
            qRgb(180, 180, 180), // active border
            qRgb(244, 247, 252), // inactive border
            qRgb(171, 171, 171), // application workspace
            qRgb(0, 120, 215),   // highlight
            qRgb(255, 255, 255), // highlight text
            qRgb(240, 240, 240), // button face
            qRgb(160, 160, 160), // button shadow
            qRgb(109, 109, 109), // grey text
            qRgb(0, 0, 0),       // button text
            qRgb(0, 0, 0),       // inactive caption text
            qRgb(255, 255, 255), // button highlight
            qRgb(105, 105, 105), // 3D dark shadow
            qRgb(227, 227, 227), // 3D light
            qRgb(0, 0, 0),       // info text
            qRgb(255, 255, 225), // info background
            qRgb(0, 0, 0),       // (unused)
            qRgb(0, 102, 204),   // hot light
            qRgb(185, 209, 234), // gradient active caption
            qRgb(215, 228, 242), // gradient inactive caption
            qRgb(0, 120, 215),   // menu highlight
            qRgb(240, 240, 240), // menu bar
        };
        const quint32 index = value & 0xFFu;
        if (index < std::size(systemColors))
            return QColor(systemColors[index]);
        return QColor(Qt::black);
    }
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

CanvasFont canvasFont(const StoredFont& font)
{
    CanvasFont f;
    f.name = font.Name;
    // A positive height is a cell height rather than a character height; its
    // size comes out negative, and its magnitude is close enough. Sizes
    // beyond the font dialog's largest come only from damaged or hostile
    // files and are drawn at that largest size: a size of billions of points
    // would take billions of shrink steps, and glyphs that large are not
    // drawn at all.
    const qint64 points = -static_cast<qint64>(MulDiv(font.Height, 72, ScreenPixelsPerInch));
    f.size = static_cast<int>(std::min<qint64>(std::abs(points), StoredFont::MaxPoints));
    f.style = font.Style;
    f.color = colorToQColor(font.Color);
    f.charset = font.Charset;
    f.pitch = font.Pitch;
    return f;
}

namespace {

constexpr int AlignCentre = 1;
constexpr int AlignFar = 2; // right, or bottom

// Device coordinates stay well inside int so that sums of a few never overflow.
constexpr qint64 CoordinateLimit = 1 << 29;
constexpr qint64 MaxSlotsDrawn = 20000;

// What a label can hold: text beyond it is cut from the end before the
// label is measured, so a data file of one line of a hundred megabytes
// costs what ten thousand characters cost.
constexpr int MaxLabelLines = 10000;
constexpr qsizetype MaxLineChars = 10000;

// Tabs stop every half inch of paper, in the preview as on the printer.
constexpr double TabStopMU = 12700;

int nearest(double value)
{
    if (!(value > -CoordinateLimit))
        return -CoordinateLimit;
    if (!(value < CoordinateLimit))
        return CoordinateLimit;
    // The default rounding of the floating-point unit: halves to the even
    // neighbour.
    return static_cast<int>(std::nearbyint(value));
}

// The product is a 64-bit float, like the scale itself, so that a position
// that reads as an exact half (10 250 MU at 0.01) is rounded as one.
int toPixels(qint64 mu, double pixPerMu)
{
    return nearest(static_cast<double>(mu) * pixPerMu);
}

// How the format places its picture on a label.
BoxPlacement picturePlacement(const TJOBINFO& format)
{
    BoxPlacement p;
    p.fitToBox = format.FitToLabel;
    p.keepRatio = format.KeepRatio;
    p.useLeftPercent = format.UsePicPCLeft;
    p.useTopPercent = format.UsePicPCTop;
    p.useWidthPercent = format.UsePicPCWidth;
    p.useHeightPercent = format.UsePicPCHeight;
    p.leftPercent = format.PicPCLeft;
    p.topPercent = format.PicPCTop;
    p.widthPercent = format.PicPCWidth;
    p.heightPercent = format.PicPCHeight;
    p.alignHoriz = format.PicAlignHoriz;
    p.alignVert = format.PicAlignVert;
    return p;
}

// How the format places a label's code: as its picture, except that a code
// has no size of its own. Where a picture would keep its own size (neither
// fitted nor sized by percentages), the code is fitted to the label; it
// always keeps its ratio.
BoxPlacement codePlacement(const TJOBINFO& format)
{
    BoxPlacement p = picturePlacement(format);
    if (!p.useWidthPercent && !p.useHeightPercent)
        p.fitToBox = true;
    p.keepRatio = true;
    return p;
}

// Where a code of the given size goes in the label box, in the canvas's
// pixels. A code cut at the label's edge cannot be read: one that the
// placement puts partly beyond the label is made smaller, about its middle,
// until it lies within the label.
std::optional<QRectF> codeBox(const TJOBINFO& format, QSizeF size, const CanvasRect& box)
{
    const QSizeF label(box.width(), box.height());
    std::optional<QRectF> placed = placeInBox(codePlacement(format), size, label);
    if (!placed)
        return std::nullopt;
    QRectF& b = *placed;
    const double f = std::min({1.0, label.width() / b.width(), label.height() / b.height()});
    if (f < 1) {
        const QPointF middle = b.center();
        b.setSize(b.size() * f);
        b.moveCenter(middle);
    }
    b.moveLeft(std::clamp(b.left(), 0.0, std::max(0.0, label.width() - b.width())));
    b.moveTop(std::clamp(b.top(), 0.0, std::max(0.0, label.height() - b.height())));
    return b.translated(box.left, box.top);
}

// The code is drawn into its box as large as it fits, aligned as the
// format aligns its picture where whole pixels make it smaller.
BoxPlacement codeAlignment(const TJOBINFO& format)
{
    BoxPlacement p = centredCode();
    p.alignHoriz = format.PicAlignHoriz;
    p.alignVert = format.PicAlignVert;
    return p;
}

// The box of art that cannot be drawn: where the picture rules put a
// picture fitted to the label, relative to the label box; the whole box
// when they put it nowhere.
QRectF missingArtBox(const TJOBINFO& format, const CanvasRect& box)
{
    BoxPlacement p = picturePlacement(format);
    p.fitToBox = true;
    p.keepRatio = false;
    const QSizeF size(box.width(), box.height());
    return placeInBox(p, QSizeF(1, 1), size).value_or(QRectF(QPointF(0, 0), size));
}

// The picture of one call: loaded once, drawn on every label. A costly
// drawing is drawn once into a bitmap at the size of its box on the page.
struct PagePicture {
    Picture picture;
    std::unique_ptr<QSvgRenderer> svg;
    QImage drawn;
    bool loaded = false;
};

// A drawing drawn into a bitmap of w x h pixels, or fewer when that is more
// than SvgLimits::MaxDrawnPixels; transparent where it draws nothing.
QImage drawnDrawing(QSvgRenderer& drawing, double w, double h)
{
    const double area = w * h;
    const double f = area > SvgLimits::MaxDrawnPixels ? std::sqrt(SvgLimits::MaxDrawnPixels / area) : 1.0;
    const QSize size(std::max(1, static_cast<int>(std::ceil(w * f))), std::max(1, static_cast<int>(std::ceil(h * f))));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    drawing.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void loadPagePicture(const TJOB& job, PagePicture& page, QString* pictureError)
{
    const QString& path = job.DATAINFO()->PicFileName;
    if (!job.JOBINFO()->ShowPic || path.isEmpty() || !QFileInfo::exists(path))
        return;
    QString error;
    if (!loadPictureFile(path, page.picture, &error)) {
        if (pictureError)
            *pictureError = error;
        return;
    }
    if (page.picture.isSvg()) {
        page.svg = std::make_unique<QSvgRenderer>(page.picture.svg);
        if (!page.svg->isValid()) {
            if (pictureError)
                *pictureError = Messages::notAReadableDrawing(path);
            return;
        }
    }
    page.loaded = true;
}

// Draws a picture into the label box by the format's placement. A drawing
// drawn as a bitmap is drawn into *drawn once, at the size of the first box.
void drawLabelPicture(PageCanvas& canvas, const TJOBINFO& format, const Picture& picture, QSvgRenderer* svg,
                      QImage& drawn, const CanvasRect& box)
{
    const QSize size = picture.size();
    const double pw = size.width();
    const double ph = size.height();
    const int lw = box.width();
    const int lh = box.height();
    const std::optional<QRectF> placed = placeInBox(picturePlacement(format), QSizeF(pw, ph), QSizeF(lw, lh));
    if (!placed)
        return;
    const QRectF& b = *placed;
    if (svg) {
        const QRectF target(box.left + b.x(), box.top + b.y(), b.width(), b.height());
        if (!picture.drawnAsBitmap()) {
            canvas.drawSvg(target, *svg, box);
            return;
        }
        // The labels' boxes differ by a rounded pixel at most: one bitmap
        // serves them all.
        if (drawn.isNull())
            drawn = drawnDrawing(*svg, b.width(), b.height());
        canvas.drawImage(target, drawn, box);
        return;
    }
    // The label box expressed in picture pixels: the stretch copy then shows
    // the picture at its box and cuts it off at the label's edges.
    const double w = b.width();
    const double h = b.height();
    CanvasRect source;
    source.left = nearest(-b.x() * pw / w);
    source.right = nearest((lw - b.x()) * pw / w);
    source.top = nearest(-b.y() * ph / h);
    source.bottom = nearest((lh - b.y()) * ph / h);
    if (source.isEmpty() || box.isEmpty())
        return;
    canvas.stretchDraw(box, picture.image, source, picture.photo);
}

// The last picture of a label's own drawn on the page, with its bitmap, so
// that labels of the same costly drawing draw it once.
struct LastOwnPicture {
    std::shared_ptr<const LabelPicture> picture;
    QImage drawn;
};

// Art that cannot be drawn, in the preview: its box crossed out, and why,
// in small letters across its middle.
void drawCrossedOut(PageCanvas& canvas, const TPRINTPARAMS& p, const QRectF& where, const QString& reason)
{
    const CanvasRect box{nearest(where.left()), nearest(where.top()), nearest(where.right()) - 1,
                         nearest(where.bottom()) - 1};
    if (box.isEmpty())
        return;
    const QColor red(200, 0, 0);
    CanvasPen pen = canvas.pen();
    pen.color = red;
    pen.style = PenStyle::Solid;
    pen.width = std::max(1, toPixels(200, std::min(p.PixPerMuX, p.PixPerMuY)));
    canvas.setPen(pen);
    const QPoint down[] = {{box.left, box.top}, {box.right, box.bottom}};
    const QPoint up[] = {{box.left, box.bottom}, {box.right, box.top}};
    canvas.polyline(down);
    canvas.polyline(up);

    // Seven points high at most, a sixth of the box at least; the lines
    // broken at spaces where a line would hold too many letters.
    const double pointPixels = TabStopMU / 36.0 * p.PixPerMuY;
    const double size = std::max(1.0, std::min(7 * pointPixels, box.height() / 6.0));
    const double width = box.width() * 0.9;
    const qsizetype perLine = std::max<qsizetype>(8, static_cast<qsizetype>(width / (size * 0.5)));
    QStringList lines;
    QString line;
    for (const QString& word : reason.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > perLine) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines << line;
    constexpr qsizetype MaxLines = 4;
    if (lines.size() > MaxLines) {
        lines.resize(MaxLines);
        lines.back() += QStringLiteral("...");
    }
    const double lineHeight = size * 1.2;
    double baseline = (box.top + box.bottom) / 2.0 - lineHeight * static_cast<double>(lines.size()) / 2 + size;
    for (const QString& text : lines) {
        AnchoredText t;
        t.text = text;
        t.at = QPointF((box.left + box.right) / 2.0, baseline);
        t.anchor = AnchoredText::Centre;
        t.pixelSize = size;
        t.maxWidth = width;
        t.color = red;
        canvas.drawAnchoredText(t, box);
        baseline += lineHeight;
    }
}

// Draws a label's code or its own picture into the label box. False when it
// cannot be drawn: the preview then crosses out its box.
bool drawLabelArt(PageCanvas& canvas, const TJOBINFO& format, const TPRINTPARAMS& p, const LabelArt& art,
                  LastOwnPicture& last, const CanvasRect& box)
{
    if (!art.ok()) {
        if (p.MarkUnprintable)
            drawCrossedOut(canvas, p, missingArtBox(format, box).translated(box.left, box.top), art.problem);
        return false;
    }
    if (art.code) {
        const std::optional<QRectF> at = codeBox(format, art.code->symbol.size, box);
        if (at)
            drawCode(canvas, art.code->symbol, *at, codeAlignment(format));
    } else if (art.picture) {
        if (last.picture != art.picture) {
            last.picture = art.picture;
            last.drawn = QImage();
        }
        drawLabelPicture(canvas, format, art.picture->picture, art.picture->svg.get(), last.drawn, box);
    }
    return true;
}

void drawBorder(PageCanvas& canvas, const TJOBINFO& format, const TPRINTPARAMS& p, const CanvasRect& box)
{
    CanvasPen pen = canvas.pen();
    pen.color = colorToQColor(format.BORDERCOLOR);
    pen.width = toPixels(format.MUBORDERWIDTH, p.PixPerMuX);
    canvas.setPen(pen);
    // The line grows outward from the inset edges, so it never covers text.
    const int hw = canvas.pen().width / 2;
    const int left = box.left + toPixels(format.MUBORDERLEFT, p.PixPerMuX) - hw;
    const int right = box.right - toPixels(format.MUBORDERRIGHT, p.PixPerMuX) + hw;
    const int top = box.top + toPixels(format.MUBORDERTOP, p.PixPerMuY) - hw;
    const int bottom = box.bottom - toPixels(format.MUBORDERBOTTOM, p.PixPerMuY) + hw;
    const QPoint points[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    canvas.polyline(points);
}

// A label's outline: one pixel wide on the screen. On paper a line of one
// printer pixel (a fiftieth of a millimetre at 1200 dpi) is lost by devices
// and rasterisers of a coarser grid, so there it is at least 0.1 mm wide.
constexpr double MinimumPrintedOutlineMU = 100;

void drawOutline(PageCanvas& canvas, const CanvasRect& box, const TPRINTPARAMS& p)
{
    CanvasPen pen = canvas.pen();
    pen.color = Qt::black;
    pen.width = 1;
    if (p.ToPrinter) {
        const double pixels = MinimumPrintedOutlineMU * std::min(p.PixPerMuX, p.PixPerMuY);
        pen.width = std::max(1, static_cast<int>(std::ceil(pixels - 1e-9)));
    }
    canvas.setPen(pen);
    const QPoint points[] = {{box.left, box.top},
                             {box.right - 1, box.top},
                             {box.right - 1, box.bottom - 1},
                             {box.left, box.bottom - 1},
                             {box.left, box.top}};
    canvas.polyline(points);
}

// The text area: the inner rectangle less the border insets, whether or not
// the border is shown.
CanvasRect textArea(const TJOBINFO& format, const TPRINTPARAMS& p, const CanvasRect& inner)
{
    CanvasRect area = inner;
    area.left += toPixels(format.MUBORDERLEFT, p.PixPerMuX);
    area.right -= toPixels(format.MUBORDERRIGHT, p.PixPerMuX);
    area.top += toPixels(format.MUBORDERTOP, p.PixPerMuY);
    area.bottom -= toPixels(format.MUBORDERBOTTOM, p.PixPerMuY);
    return area;
}

// The label font at the size the text is drawn at before any shrinking.
CanvasFont labelFont(const TJOBINFO& format, const TPRINTPARAMS& p)
{
    CanvasFont font = canvasFont(format.FONT);
    if (!p.ToPrinter)
        font.size = nearest(font.size * p.FontScale);
    return font;
}

// Shrink-to-fit steps down one point at a time from `size`, which does not
// fit, until a size fits or 1 is reached. Text grows with its size, so the
// steps end at the largest size below `size` that fits (or at 1). The size
// the overflow's ratio gives is measured first, then its neighbours one
// point at a time; a guess far off (sizes beyond what the font engine
// draws all measure alike) is narrowed by halves.
template <typename Fits>
int shrunkSize(PageCanvas& canvas, CanvasFont font, int size, qint64 guess, Fits fits)
{
    if (size <= 1)
        return size; // the steps do not start
    // The result lies in low..high; every size above high is too large, and
    // low fits unless it is 1.
    int low = 1;
    int high = size - 1;
    int probe = static_cast<int>(std::clamp<qint64>(guess, 1, high));
    for (int step = 0; low < high; ++step) {
        if (step >= 4)
            probe = low + (high - low + 1) / 2;
        probe = std::clamp(probe, low + 1, high);
        font.size = probe;
        canvas.setFont(font);
        if (fits()) {
            low = probe;
            ++probe;
        } else {
            high = probe - 1;
            --probe;
        }
    }
    return low;
}

// Lines that lie further than this many line heights above or below the
// text area are not drawn: no glyph of theirs reaches into it.
constexpr qint64 LinesOfInkReach = 3;

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

void drawLabelText(PageCanvas& canvas, const TJOBINFO& format, const TPRINTPARAMS& p, const CanvasRect& inner,
                   const QStringList& lines, TextDrawing drawing)
{
    CanvasFont font = labelFont(format, p);
    canvas.setFont(font);
    const CanvasRect area = textArea(format, p, inner);

    // The whole block is measured and placed; only the drawing is cut to
    // what can show. Of equally wide lines the first is the longest.
    const std::size_t n = static_cast<std::size_t>(lines.size());
    std::vector<int> widths(n);
    const auto measure = [&] {
        for (std::size_t i = 0; i < n; ++i)
            widths[i] = canvas.lineWidth(lines[static_cast<qsizetype>(i)]);
    };
    measure();
    std::size_t longest = n;
    for (std::size_t i = 0; i < n; ++i)
        if (widths[i] > (longest < n ? widths[longest] : 0))
            longest = i;
    const QString longestText = longest < n ? lines[static_cast<qsizetype>(longest)] : QString();
    const qint64 lineCount = static_cast<qint64>(n);

    if (format.TEXTSHRINKTOFIT) {
        const int size = font.size;
        const int longestWidth = longest < n ? widths[longest] : 0;
        // The width first, then the height, as the one-point steps go. The
        // ratio only gives the size to start from; an empty text in a text
        // area of negative size (insets wider than the label) starts at 0.
        // A line still too wide at 2 points ends the steps at 1 after that
        // one measurement.
        if (longestWidth > area.width())
            font.size = shrunkSize(
                canvas, font, font.size,
                longestWidth > 0 ? static_cast<qint64>(font.size) * std::max(area.width(), 0) / longestWidth : 0,
                [&] { return canvas.textWidth(longestText) <= area.width(); });
        canvas.setFont(font);
        const qint64 blockHeight = static_cast<qint64>(canvas.textHeight(longestText)) * lineCount;
        if (blockHeight > area.height())
            font.size = shrunkSize(
                canvas, font, font.size,
                blockHeight > 0 ? static_cast<qint64>(font.size) * std::max(area.height(), 0) / blockHeight : 0,
                [&] { return static_cast<qint64>(canvas.textHeight(longestText)) * lineCount <= area.height(); });
        canvas.setFont(font);
        if (font.size != size)
            measure();
    }

    // A long block's arithmetic is 64-bit; positions are held in the
    // coordinate range when drawn.
    const qint64 wl = longest < n ? widths[longest] : 0;
    const qint64 lh = canvas.textHeight(longestText);
    qint64 x = area.left;
    if (format.TEXTALIGNHORIZ == AlignCentre)
        x = area.left + (area.width() - wl) / 2;
    else if (format.TEXTALIGNHORIZ == AlignFar)
        x = area.right - wl;
    const qint64 blockHeight = lh * lineCount;
    qint64 y = area.top;
    if (format.TEXTALIGNVERT == AlignCentre)
        y = area.top + (area.height() - blockHeight) / 2;
    else if (format.TEXTALIGNVERT == AlignFar)
        y = area.bottom - blockHeight;

    // The lines whose ink can reach the text area.
    qint64 first = 0;
    qint64 last = lineCount;
    if (drawing == TextDrawing::Visible && lh > 0) {
        const qint64 reach = LinesOfInkReach * lh;
        first = std::max<qint64>(0, floorDiv(area.top - reach - lh - y, lh) + 1);
        last = std::min<qint64>(lineCount, floorDiv(area.bottom + reach - y + lh - 1, lh));
    }

    CanvasBrush brush = canvas.brush();
    brush.style = BrushStyle::Clear;
    canvas.setBrush(brush);
    const auto held = [](qint64 v) { return static_cast<int>(std::clamp(v, -CoordinateLimit, CoordinateLimit)); };
    std::vector<ShapedText> shaped;
    shaped.reserve(static_cast<std::size_t>(std::max<qint64>(last - first, 0)));
    for (qint64 i = first; i < last; ++i)
        shaped.push_back(canvas.shapeText(lines[static_cast<qsizetype>(i)]));
    std::vector<PlacedText> placed(shaped.size());
    for (std::size_t k = 0; k < shaped.size(); ++k) {
        const std::size_t i = static_cast<std::size_t>(first) + k;
        qint64 dx = 0;
        if (format.TEXTJUSTIFY == AlignCentre)
            dx = (wl - widths[i]) / 2;
        else if (format.TEXTJUSTIFY == AlignFar)
            dx = wl - widths[i];
        placed[k] = PlacedText{&shaped[k], held(x + dx), held(y + lh * static_cast<qint64>(i))};
    }
    canvas.drawTextBlock(area, placed);
}

void drawPlaceholder(PageCanvas& canvas, const TPRINTPARAMS& p, const CanvasRect& inner, qint64 slot)
{
    const QString text = QCoreApplication::translate("Renderer", "Label [%1]").arg(slot + 1);
    CanvasBrush brush = canvas.brush();
    brush.style = BrushStyle::Solid;
    canvas.setBrush(brush);

    // The canvas font's style without bold (regular on an outline page,
    // where no label text was drawn), never the label font's.
    CanvasFont font = canvas.font();
    font.name = QStringLiteral("Arial");
    font.size = 14;
    font.style &= ~StoredFont::fsBold;
    font.color = QColor(192, 192, 192);
    canvas.setFont(font);
    while (canvas.textHeight(text) > inner.height() && font.size > 6) {
        --font.size;
        canvas.setFont(font);
    }
    while (canvas.textWidth(text) > inner.width() && font.size > 6) {
        --font.size;
        canvas.setFont(font);
    }
    if (!p.ToPrinter) {
        // The tolerance keeps a product such as 10 x 1.1 from rounding up past
        // the whole number it stands for.
        const double scaled = font.size * p.FontScale;
        font.size = nearest(std::ceil(scaled - 1e-9));
        canvas.setFont(font);
    }
    const int th = canvas.textHeight(text);
    const int tw = canvas.textWidth(text);
    int x = (inner.left + inner.right - tw) / 2;
    const int y = (inner.top + inner.bottom - th) / 2;
    if (x + tw > inner.right)
        x = inner.right - tw;
    canvas.textRect(inner, x, y, text);
}

} // namespace

void PRINT(const TJOB& job, const TPRINTPARAMS& params, QString* pictureError, TextDrawing drawing)
{
    const TPRINTPARAMS p = params;
    if (!p.Canvas)
        return;
    PageCanvas& canvas = *p.Canvas;
    const TTEMPLATE& tpl = *job.TEMPLATE();
    const TJOBINFO& format = *job.JOBINFO();

    CanvasPen pen;
    pen.mode = PenMode::Copy;
    pen.style = PenStyle::Solid;
    pen.width = 1;
    pen.color = Qt::black;
    canvas.setPen(pen);
    canvas.setBrush(CanvasBrush{BrushStyle::Solid, Qt::white});

    if (tpl.NUMACROSS < 1 || tpl.NUMDOWN < 1)
        return;
    // A template from a damaged file may hold billions of slots. A page
    // draws its slots row by row up to a bound some twenty times what the
    // densest real label sheets carry, so that drawing always ends soon.
    const qint64 across = tpl.NUMACROSS;
    const qint64 drawnAcross = std::min<qint64>(across, MaxSlotsDrawn);
    const qint64 drawnDown = std::min<qint64>(tpl.NUMDOWN, (MaxSlotsDrawn + drawnAcross - 1) / drawnAcross);

    // Only the first pass draws the picture; a template page needs none.
    // Labels of art of their own (a code, a picture each) draw no picture
    // of the job's.
    const bool ownArt = labelsHaveArt(job);
    PagePicture picture;
    if (p.ShowLabels && !ownArt)
        loadPagePicture(job, picture, pictureError);
    const qint64 pageFirstSlot = static_cast<qint64>(p.PageIndex) * across * tpl.NUMDOWN;

    const GridAxis columns = tpl.columns();
    const GridAxis rows = tpl.rows();
    const auto labelBox = [&](qint64 c, qint64 r) {
        CanvasRect box;
        box.left = toPixels(columns.start(c) + p.MuOffsetX, p.PixPerMuX);
        box.right = toPixels(columns.end(c) + p.MuOffsetX, p.PixPerMuX);
        box.top = toPixels(rows.start(r) + p.MuOffsetY, p.PixPerMuY);
        box.bottom = toPixels(rows.end(r) + p.MuOffsetY, p.PixPerMuY);
        return box;
    };
    // Each label fills RepeatCount consecutive slots from FirstSlot on.
    const auto labelOf = [&](qint64 slot) -> qint64 {
        const qint64 d = slot - p.FirstSlot;
        if (d < 0 || p.RepeatCount < 1 || d / p.RepeatCount > std::numeric_limits<qint32>::max())
            return -1;
        return d / p.RepeatCount;
    };
    const auto exists = [&](qint64 slot) {
        const qint64 label = labelOf(slot);
        return label >= 0 && job.labelContent(static_cast<qint32>(label), LabelLimits{0, 0}).has_value();
    };
    // What a label shows, fetched once for the slots it fills in a row, as
    // much of it as a label can show.
    qint64 fetchedLabel = -1;
    std::optional<LabelContent> fetched;
    const auto fetch = [&](qint64 slot) -> const LabelContent* {
        const qint64 label = labelOf(slot);
        if (label < 0)
            return nullptr;
        if (label != fetchedLabel) {
            fetchedLabel = label;
            fetched = job.labelContent(static_cast<qint32>(label), LabelLimits{MaxLabelLines, MaxLineChars});
        }
        return fetched ? &*fetched : nullptr;
    };
    // Tabs stop at whole steps of the paper, scaled with the page.
    canvas.setTabDistance(TabStopMU * p.PixPerMuX);

    // A label's code and its own picture, for the slots it fills in a row:
    // fetched with no more of its text than it takes to fill them in.
    qint64 artLabel = -1;
    LabelArt art;
    const auto artOf = [&](qint64 slot) -> const LabelArt& {
        const qint64 label = labelOf(slot);
        if (label != artLabel) {
            artLabel = label;
            const std::optional<LabelContent> content = job.labelContent(static_cast<qint32>(label), LabelLimits{1, 1});
            art = content ? labelArt(format, *content) : LabelArt();
        }
        return art;
    };
    // The slots of labels that cannot be printed, left empty on paper.
    std::vector<bool> leftEmpty;
    if (ownArt && !p.MarkUnprintable)
        leftEmpty.assign(static_cast<std::size_t>(drawnDown * drawnAcross), false);

    if (p.ShowLabels) {
        const bool drawPicture = format.ShowPic && picture.loaded;
        LastOwnPicture lastOwn;
        for (qint64 r = 0; r < drawnDown; ++r) {
            for (qint64 c = 0; c < drawnAcross; ++c) {
                const qint64 slot = pageFirstSlot + r * across + c;
                if (!exists(slot))
                    continue;
                const CanvasRect box = labelBox(c, r);
                if (ownArt && !drawLabelArt(canvas, format, p, artOf(slot), lastOwn, box) && !p.MarkUnprintable) {
                    leftEmpty[static_cast<std::size_t>(r * drawnAcross + c)] = true;
                    continue;
                }
                if (drawPicture)
                    drawLabelPicture(canvas, format, picture.picture, picture.svg.get(), picture.drawn, box);
                if (format.SHOWBORDER)
                    drawBorder(canvas, format, p, box);
            }
        }
    }

    // Text and placeholders first: a placeholder fills its white inner box,
    // which must not cover any part of an outline, its own or a neighbour's.
    // The labels are all of one size; their boxes differ by a rounded pixel.
    for (qint64 r = 0; r < drawnDown; ++r) {
        for (qint64 c = 0; c < drawnAcross; ++c) {
            const qint64 slot = pageFirstSlot + r * across + c;
            const CanvasRect box = labelBox(c, r);
            const CanvasRect inner{box.left + 1, box.top + 1, box.right - 2, box.bottom - 2};
            if (!leftEmpty.empty() && leftEmpty[static_cast<std::size_t>(r * drawnAcross + c)])
                continue;
            const LabelContent* content = p.ShowLabels ? fetch(slot) : nullptr;
            if (content)
                drawLabelText(canvas, format, p, inner, content->lines, drawing);
            else if (p.ShowTemplate)
                drawPlaceholder(canvas, p, inner, slot);
        }
    }
    if (p.ShowTemplate)
        for (qint64 r = 0; r < drawnDown; ++r)
            for (qint64 c = 0; c < drawnAcross; ++c)
                drawOutline(canvas, labelBox(c, r), p);
}
