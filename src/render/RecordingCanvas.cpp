#include "RecordingCanvas.h"

#include <QSvgRenderer>

TCANVASOP TRECORDINGCANVAS::snapshot(TCANVASOP::TKind kind) const
{
    TCANVASOP op;
    op.kind = kind;
    op.pen = pen_;
    op.brush = brush_;
    op.font = font_;
    return op;
}

QVector<TCANVASOP> TRECORDINGCANVAS::ops(TCANVASOP::TKind kind) const
{
    QVector<TCANVASOP> result;
    for (const TCANVASOP& op : ops_) {
        if (op.kind == kind)
            result.append(op);
    }
    return result;
}

void TRECORDINGCANVAS::setPen(const TCANVASPEN& pen)
{
    pen_ = pen;
    if (pen_.width < 0)
        pen_.width = 0;
    ops_.append(snapshot(TCANVASOP::SetPen));
}

void TRECORDINGCANVAS::setBrush(const TCANVASBRUSH& brush)
{
    brush_ = brush;
    ops_.append(snapshot(TCANVASOP::SetBrush));
}

void TRECORDINGCANVAS::setFont(const TCANVASFONT& font)
{
    font_ = font;
    ops_.append(snapshot(TCANVASOP::SetFont));
}

int TRECORDINGCANVAS::textWidth(const QString& text)
{
    ++measureCount_;
    return font_.size < 1 ? 0 : static_cast<int>(text.size()) * font_.size;
}

int TRECORDINGCANVAS::textHeight(const QString&)
{
    ++measureCount_;
    return font_.size < 1 ? 0 : 2 * font_.size;
}

void TRECORDINGCANVAS::textRect(const TCANVASRECT& clip, int x, int y, const QString& text)
{
    TCANVASOP op = snapshot(TCANVASOP::Text);
    op.rect = clip;
    op.x = x;
    op.y = y;
    op.text = text;
    ops_.append(op);
}

void TRECORDINGCANVAS::polyline(std::span<const QPoint> points)
{
    TCANVASOP op = snapshot(TCANVASOP::Polyline);
    op.points = QVector<QPoint>(points.begin(), points.end());
    ops_.append(op);
}

void TRECORDINGCANVAS::polygon(std::span<const QPoint> points)
{
    TCANVASOP op = snapshot(TCANVASOP::Polygon);
    op.points = QVector<QPoint>(points.begin(), points.end());
    ops_.append(op);
}

void TRECORDINGCANVAS::stretchDraw(const TCANVASRECT& dest, const QImage& picture, const TCANVASRECT& source)
{
    TCANVASOP op = snapshot(TCANVASOP::StretchDraw);
    op.rect = dest;
    op.source = source;
    op.pictureSize = picture.size();
    ops_.append(op);
}

void TRECORDINGCANVAS::drawSvg(const QRectF& box, QSvgRenderer& drawing, const TCANVASRECT& clip)
{
    TCANVASOP op = snapshot(TCANVASOP::Svg);
    op.rect = clip;
    op.box = box;
    op.pictureSize = drawing.defaultSize();
    ops_.append(op);
}
