#include "PainterCanvas.h"

#include "model/Font.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QSvgRenderer>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Fonts kept per canvas: enough for a page's shrink-to-fit sizes and the
// placeholders without growing without bound.
constexpr std::size_t FontCacheSize = 48;

// The largest glyphs, in pixels, that QPainter keeps in its own glyph cache;
// above it this canvas keeps its own, up to a size where few glyphs fit on a
// page and their images would cost more memory than drawing them as outlines.
constexpr double LargeGlyphPixels = 64;
constexpr double LargestCachedGlyphPixels = 400;

// The largest font, in pixels, whose metrics the font engine gives right:
// beyond about 16 000 pixels its line height and ascent come out negative
// (the largest font size on a 1 200 DPI printer is 27 300 pixels). Larger
// fonts are measured and drawn at this size; no label is that tall.
constexpr double LargestFontPixels = 15000;

bool SameFace(const CanvasFont& a, const CanvasFont& b)
{
    return a.size == b.size && a.style == b.style && a.pitch == b.pitch && a.charset == b.charset
           && a.name == b.name;
}

QRect ToQRect(const CanvasRect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

Qt::PenStyle toQtStyle(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::Clear:
        return Qt::NoPen;
    case PenStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

} // namespace

PainterCanvas::PainterCanvas(QPainter* painter)
    : painter_(painter)
{
    init();
}

PainterCanvas::PainterCanvas(QPaintDevice* device)
    : ownPainter_(std::make_unique<QPainter>())
    , painter_(ownPainter_.get())
{
    // A null image (a paper of no size) has no engine: nothing to draw on.
    if (device && device->paintEngine())
        ownPainter_->begin(device);
    init();
}

PainterCanvas::~PainterCanvas()
{
    if (ownPainter_ && ownPainter_->isActive())
        ownPainter_->end();
}

void PainterCanvas::init()
{
    // Without an active painter the canvas draws nothing and measures with
    // the screen's metrics.
    active_ = painter_ && painter_->isActive();
    if (!active_)
        return;
    device_ = painter_->device();
    // Lines and boxes land on whole pixels; text and pictures are smoothed.
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (painter_->hasClipping())
        baseClip_ = painter_->clipRegion();
    hasBaseClip_ = painter_->hasClipping();
    applyPen();
    setBrush(brush_);
}

QFont PainterCanvas::qfont(const CanvasFont& font)
{
    QFont f(font.name);
    // Points, not pixels: the device's own resolution makes the pixels.
    f.setPointSizeF(font.size >= 1 ? font.size : 1);
    f.setBold((font.style & TFONT::fsBold) != 0);
    f.setItalic((font.style & TFONT::fsItalic) != 0);
    f.setUnderline((font.style & TFONT::fsUnderline) != 0);
    f.setStrikeOut((font.style & TFONT::fsStrikeOut) != 0);
    if (font.pitch == TFONT::fpFixed) {
        f.setFixedPitch(true);
        f.setStyleHint(QFont::TypeWriter);
    }
    return f;
}

void PainterCanvas::setPen(const CanvasPen& pen)
{
    pen_ = pen;
    if (pen_.width < 0)
        pen_.width = 0;
    applyPen();
}

void PainterCanvas::applyPen()
{
    qpen_ = QPen(pen_.color, pen_.width, toQtStyle(pen_.style), Qt::SquareCap, Qt::MiterJoin);
    // Dashes and dots of a fixed size on paper (about 1 mm and 0.3 mm), so a
    // dashed line on a 1 200 DPI printer does not come out as a hairline.
    if ((pen_.style == PenStyle::Dash || pen_.style == PenStyle::Dot) && device_) {
        const qreal perMm = device_->logicalDpiX() / 25.4;
        const qreal unit = pen_.width > 0 ? pen_.width : 1;
        const qreal dash = std::max<qreal>(1.0, (pen_.style == PenStyle::Dash ? 1.0 : 0.3) * perMm / unit);
        const qreal gap = std::max<qreal>(1.0, (pen_.style == PenStyle::Dash ? 0.6 : 0.3) * perMm / unit);
        qpen_.setDashPattern({dash, gap});
        qpen_.setCapStyle(Qt::FlatCap);
    }
    if (active_)
        painter_->setPen(qpen_);
}

void PainterCanvas::setBrush(const CanvasBrush& brush)
{
    brush_ = brush;
    if (active_)
        painter_->setBrush(brush_.style == BrushStyle::Solid ? QBrush(brush_.color) : QBrush(Qt::NoBrush));
}

void PainterCanvas::setFont(const CanvasFont& font)
{
    font_ = font;
    if (current_ && !SameFace(current_->key, font_))
        current_ = nullptr;
}

PainterCanvas::FontEntry* PainterCanvas::currentFont()
{
    if (current_)
        return current_;
    for (auto it = fonts_.rbegin(); it != fonts_.rend(); ++it) {
        if (SameFace((*it)->key, font_)) {
            current_ = it->get();
            return current_;
        }
    }
    if (fonts_.size() >= FontCacheSize) {
        if (painterFont_ == fonts_.front().get())
            painterFont_ = nullptr;
        fonts_.erase(fonts_.begin());
    }
    QFont f = qfont(font_);
    if (device_ && font_.size * device_->logicalDpiY() / 72.0 > LargestFontPixels)
        f.setPointSizeF(LargestFontPixels * 72.0 / device_->logicalDpiY());
    auto entry = std::make_unique<FontEntry>(
        FontEntry{font_, f, device_ ? QFontMetrics(f, device_) : QFontMetrics(f), false, {}});
    // The raster engine draws glyphs above its cache size as outlines, which
    // costs a page of 600 DPI text a tenth of a second; such glyphs are drawn
    // once here and copied after.
    if (device_) {
        const double pixelSize = font_.size * device_->logicalDpiY() / 72.0;
        entry->largeOnImage = device_->devType() == QInternal::Image && pixelSize > LargeGlyphPixels
                              && pixelSize <= LargestCachedGlyphPixels
                              && painter_->deviceTransform().type() <= QTransform::TxTranslate;
    }
    fonts_.push_back(std::move(entry));
    current_ = fonts_.back().get();
    return current_;
}

int PainterCanvas::textWidth(const QString& text)
{
    if (font_.size < 1 || text.isEmpty())
        return 0;
    return currentFont()->metrics.horizontalAdvance(text);
}

int PainterCanvas::textHeight(const QString&)
{
    if (font_.size < 1)
        return 0;
    return currentFont()->metrics.height();
}

void PainterCanvas::textRect(const CanvasRect& clip, int x, int y, const QString& text)
{
    if (!active_ || clip.isEmpty())
        return;
    const QRect clipRect = ToQRect(clip);
    if (brush_.style == BrushStyle::Solid)
        painter_->fillRect(clipRect, brush_.color);
    if (font_.size < 1 || text.isEmpty())
        return;
    FontEntry* f = currentFont();
    if (hasBaseClip_) {
        painter_->setClipRegion(baseClip_);
        painter_->setClipRect(clipRect, Qt::IntersectClip);
    } else {
        painter_->setClipRect(clipRect);
    }
    if (painterFont_ != f) {
        painter_->setFont(f->font);
        painterFont_ = f;
    }
    if (f->largeOnImage) {
        drawLargeText(*f, QPoint(x, y + f->metrics.ascent()), text);
    } else {
        painter_->setPen(font_.color);
        painter_->drawText(QPoint(x, y + f->metrics.ascent()), text);
        painter_->setPen(qpen_);
    }
    if (hasBaseClip_)
        painter_->setClipRegion(baseClip_);
    else
        painter_->setClipping(false);
}

void PainterCanvas::drawLargeText(FontEntry& font, QPoint origin, const QString& text)
{
    // The same shaping as drawText and horizontalAdvance, on this device.
    QTextLayout layout(text, font.font, device_);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return;
    const QPointF lineOrigin(origin.x(), origin.y() - line.ascent());
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
            const GlyphImage& glyph = glyphImage(font, raw, indexes[i]);
            if (glyph.image.isNull())
                continue;
            const QPointF at = lineOrigin + positions[i];
            painter_->drawImage(QPoint(qRound(at.x()) + glyph.offset.x(), qRound(at.y()) + glyph.offset.y()),
                                glyph.image);
        }
    }
    const QFontMetrics& m = font.metrics;
    const int width = m.horizontalAdvance(text);
    const int thickness = std::max(1, m.lineWidth());
    if (font.font.underline())
        painter_->fillRect(origin.x(), origin.y() + m.underlinePos(), width, thickness, font_.color);
    if (font.font.strikeOut())
        painter_->fillRect(origin.x(), origin.y() - m.strikeOutPos(), width, thickness, font_.color);
}

const PainterCanvas::GlyphImage& PainterCanvas::glyphImage(FontEntry& font, const QRawFont& raw, quint32 glyph)
{
    const GlyphKey key{raw, glyph, font_.color.rgba()};
    auto it = font.glyphs.constFind(key);
    if (it != font.glyphs.constEnd())
        return *it;
    GlyphImage result;
    const QRectF bounds = raw.boundingRect(glyph);
    if (!bounds.isEmpty()) {
        // A margin for antialiasing and hinting beyond the outline's bounds.
        const int left = static_cast<int>(std::floor(bounds.left())) - 2;
        const int top = static_cast<int>(std::floor(bounds.top())) - 2;
        const int right = static_cast<int>(std::ceil(bounds.right())) + 2;
        const int bottom = static_cast<int>(std::ceil(bounds.bottom())) + 2;
        QImage image(right - left, bottom - top, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(font_.color);
        QGlyphRun single;
        single.setRawFont(raw);
        single.setGlyphIndexes({glyph});
        single.setPositions({QPointF(-left, -top)});
        p.drawGlyphRun(QPointF(0, 0), single);
        p.end();
        result.image = std::move(image);
        result.offset = QPoint(left, top);
    }
    return *font.glyphs.insert(key, std::move(result));
}

void PainterCanvas::polyline(std::span<const QPoint> points)
{
    if (!active_ || points.empty())
        return;
    painter_->drawPolyline(points.data(), static_cast<int>(points.size()));
}

void PainterCanvas::polygon(std::span<const QPoint> points)
{
    if (!active_ || points.empty())
        return;
    painter_->drawPolygon(points.data(), static_cast<int>(points.size()));
}

void PainterCanvas::stretchDraw(const CanvasRect& dest, const QImage& picture, const CanvasRect& source)
{
    if (!active_ || dest.isEmpty() || source.isEmpty() || picture.isNull())
        return;
    // QPainter leaves the part of dest alone that the source maps beyond the
    // picture. Transparent picture pixels keep the label beneath them.
    painter_->drawImage(QRectF(ToQRect(dest)), picture, QRectF(ToQRect(source)));
}

void PainterCanvas::drawSvg(const QRectF& box, QSvgRenderer& drawing, const CanvasRect& clip)
{
    if (!active_ || clip.isEmpty() || box.isEmpty())
        return;
    painter_->save();
    painter_->setClipRect(ToQRect(clip), hasBaseClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    drawing.render(painter_, box);
    painter_->restore();
    painterFont_ = nullptr;
}
