#include "PainterCanvas.h"

#include "model/Font.h"

#include <QPaintDevice>
#include <QSvgRenderer>

namespace {

// Fonts kept per canvas: enough for a page's shrink-to-fit sizes and the
// placeholders without growing without bound.
constexpr std::size_t FontCacheSize = 48;

bool SameFace(const TCANVASFONT& a, const TCANVASFONT& b)
{
    return a.size == b.size && a.style == b.style && a.pitch == b.pitch && a.charset == b.charset
           && a.name == b.name;
}

QRect ToQRect(const TCANVASRECT& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

Qt::PenStyle ToQtStyle(TPenStyle style)
{
    switch (style) {
    case TPenStyle::Dash:
        return Qt::DashLine;
    case TPenStyle::Dot:
        return Qt::DotLine;
    case TPenStyle::Clear:
        return Qt::NoPen;
    case TPenStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

} // namespace

TPAINTERCANVAS::TPAINTERCANVAS(QPainter* painter)
    : painter_(painter)
{
    init();
}

TPAINTERCANVAS::TPAINTERCANVAS(QPaintDevice* device)
    : ownPainter_(std::make_unique<QPainter>(device))
    , painter_(ownPainter_.get())
{
    init();
}

TPAINTERCANVAS::~TPAINTERCANVAS()
{
    if (ownPainter_ && ownPainter_->isActive())
        ownPainter_->end();
}

void TPAINTERCANVAS::init()
{
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

QFont TPAINTERCANVAS::qfont(const TCANVASFONT& font)
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

void TPAINTERCANVAS::setPen(const TCANVASPEN& pen)
{
    pen_ = pen;
    if (pen_.width < 0)
        pen_.width = 0;
    applyPen();
}

void TPAINTERCANVAS::applyPen()
{
    qpen_ = QPen(pen_.color, pen_.width, ToQtStyle(pen_.style), Qt::SquareCap, Qt::MiterJoin);
    painter_->setPen(qpen_);
}

void TPAINTERCANVAS::setBrush(const TCANVASBRUSH& brush)
{
    brush_ = brush;
    painter_->setBrush(brush_.style == TBrushStyle::Solid ? QBrush(brush_.color) : QBrush(Qt::NoBrush));
}

void TPAINTERCANVAS::setFont(const TCANVASFONT& font)
{
    font_ = font;
    if (current_ && !SameFace(current_->key, font_))
        current_ = nullptr;
}

const TPAINTERCANVAS::TFontEntry* TPAINTERCANVAS::currentFont()
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
    const QFont f = qfont(font_);
    fonts_.push_back(std::make_unique<TFontEntry>(TFontEntry{font_, f, QFontMetrics(f, device_)}));
    current_ = fonts_.back().get();
    return current_;
}

int TPAINTERCANVAS::textWidth(const QString& text)
{
    if (font_.size < 1 || text.isEmpty())
        return 0;
    return currentFont()->metrics.horizontalAdvance(text);
}

int TPAINTERCANVAS::textHeight(const QString&)
{
    if (font_.size < 1)
        return 0;
    return currentFont()->metrics.height();
}

void TPAINTERCANVAS::textRect(const TCANVASRECT& clip, int x, int y, const QString& text)
{
    if (clip.isEmpty())
        return;
    const QRect clipRect = ToQRect(clip);
    if (brush_.style == TBrushStyle::Solid)
        painter_->fillRect(clipRect, brush_.color);
    if (font_.size < 1 || text.isEmpty())
        return;
    const TFontEntry* f = currentFont();
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
    painter_->setPen(font_.color);
    painter_->drawText(QPoint(x, y + f->metrics.ascent()), text);
    painter_->setPen(qpen_);
    if (hasBaseClip_)
        painter_->setClipRegion(baseClip_);
    else
        painter_->setClipping(false);
}

void TPAINTERCANVAS::polyline(std::span<const QPoint> points)
{
    if (points.empty())
        return;
    painter_->drawPolyline(points.data(), static_cast<int>(points.size()));
}

void TPAINTERCANVAS::polygon(std::span<const QPoint> points)
{
    if (points.empty())
        return;
    painter_->drawPolygon(points.data(), static_cast<int>(points.size()));
}

void TPAINTERCANVAS::stretchDraw(const TCANVASRECT& dest, const QImage& picture, const TCANVASRECT& source)
{
    if (dest.isEmpty() || source.isEmpty() || picture.isNull())
        return;
    // QPainter leaves the part of dest alone that the source maps beyond the
    // picture. Transparent picture pixels keep the label beneath them.
    painter_->drawImage(QRectF(ToQRect(dest)), picture, QRectF(ToQRect(source)));
}

void TPAINTERCANVAS::drawSvg(const QRectF& box, QSvgRenderer& drawing, const TCANVASRECT& clip)
{
    if (clip.isEmpty() || box.isEmpty())
        return;
    painter_->save();
    painter_->setClipRect(ToQRect(clip), hasBaseClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    drawing.render(painter_, box);
    painter_->restore();
    painterFont_ = nullptr;
}
