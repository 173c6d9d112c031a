#include "RecordingCanvas.h"

#include <QSvgRenderer>

CanvasOp RecordingCanvas::snapshot(CanvasOp::Kind kind) const
{
    CanvasOp op;
    op.kind = kind;
    op.pen = pen_;
    op.brush = brush_;
    op.font = font_;
    return op;
}

QVector<CanvasOp> RecordingCanvas::ops(CanvasOp::Kind kind) const
{
    QVector<CanvasOp> result;
    for (const CanvasOp& op : ops_) {
        if (op.kind == kind)
            result.append(op);
    }
    return result;
}

void RecordingCanvas::setPen(const CanvasPen& pen)
{
    pen_ = pen;
    if (pen_.width < 0)
        pen_.width = 0;
    ops_.append(snapshot(CanvasOp::SetPen));
}

void RecordingCanvas::setBrush(const CanvasBrush& brush)
{
    brush_ = brush;
    ops_.append(snapshot(CanvasOp::SetBrush));
}

void RecordingCanvas::setFont(const CanvasFont& font)
{
    font_ = font;
    ops_.append(snapshot(CanvasOp::SetFont));
}

int RecordingCanvas::textWidth(const QString& text)
{
    ++measureCount_;
    return font_.size < 1 ? 0 : static_cast<int>(text.size()) * font_.size;
}

int RecordingCanvas::textHeight(const QString&)
{
    ++measureCount_;
    return font_.size < 1 ? 0 : 2 * font_.size;
}

void RecordingCanvas::textRect(const CanvasRect& clip, int x, int y, const QString& text)
{
    CanvasOp op = snapshot(CanvasOp::Text);
    op.rect = clip;
    op.x = x;
    op.y = y;
    op.text = text;
    ops_.append(op);
}

ShapedText RecordingCanvas::shapeText(const QString& text)
{
    return ShapedText{text, textWidth(text), nullptr};
}

void RecordingCanvas::drawTextBlock(const CanvasRect& clip, std::span<const PlacedText> lines)
{
    for (const PlacedText& line : lines)
        textRect(clip, line.x, line.y, line.line->text);
}

void RecordingCanvas::polyline(std::span<const QPoint> points)
{
    CanvasOp op = snapshot(CanvasOp::Polyline);
    op.points = QVector<QPoint>(points.begin(), points.end());
    ops_.append(op);
}

void RecordingCanvas::polygon(std::span<const QPoint> points)
{
    CanvasOp op = snapshot(CanvasOp::Polygon);
    op.points = QVector<QPoint>(points.begin(), points.end());
    ops_.append(op);
}

void RecordingCanvas::stretchDraw(const CanvasRect& dest, const QImage& picture, const CanvasRect& source, bool)
{
    CanvasOp op = snapshot(CanvasOp::StretchDraw);
    op.rect = dest;
    op.source = source;
    op.pictureSize = picture.size();
    ops_.append(op);
}

void RecordingCanvas::drawSvg(const QRectF& box, QSvgRenderer& drawing, const CanvasRect& clip)
{
    CanvasOp op = snapshot(CanvasOp::Svg);
    op.rect = clip;
    op.box = box;
    op.pictureSize = drawing.defaultSize();
    ops_.append(op);
}

void RecordingCanvas::drawImage(const QRectF& box, const QImage& picture, const CanvasRect& clip)
{
    CanvasOp op = snapshot(CanvasOp::Image);
    op.rect = clip;
    op.box = box;
    op.pictureSize = picture.size();
    ops_.append(op);
}

void RecordingCanvas::fillPath(const QPainterPath& shapes, const QColor& color, const CanvasRect& clip)
{
    CanvasOp op = snapshot(CanvasOp::Fill);
    op.rect = clip;
    op.path = shapes;
    op.color = color;
    ops_.append(op);
}

void RecordingCanvas::drawAnchoredText(const AnchoredText& text, const CanvasRect& clip)
{
    CanvasOp op = snapshot(CanvasOp::TextAt);
    op.rect = clip;
    op.anchored = text;
    ops_.append(op);
}
