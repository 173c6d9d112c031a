#pragma once
// A canvas that draws nothing and records every operation in order, so that
// the page arithmetic can be checked exactly. It measures text with a fixed
// metric that needs no fonts: every character is `size` pixels wide and a
// line is 2 x `size` pixels tall, `size` being the font size in points
// (a size below 1 measures 0).

#include "render/Canvas.h"

#include <QSize>
#include <QVector>

struct CanvasOp {
    enum Kind { SetPen, SetBrush, SetFont, Text, Polyline, Polygon, StretchDraw, Svg, Image, Fill, TextAt };
    Kind kind = SetPen;
    // The canvas state when the operation ran (for SetPen/SetBrush/SetFont:
    // the state it set).
    CanvasPen pen;
    CanvasBrush brush;
    CanvasFont font;
    // Text: the clip rectangle, the position and the text. StretchDraw: the
    // destination in rect, the source in source. Svg, Image: the clip in
    // rect, the box in box. Fill: the clip in rect, the shapes in path, the
    // colour in color. TextAt: the clip in rect, the text in anchored.
    CanvasRect rect;
    int x = 0;
    int y = 0;
    QString text;
    QVector<QPoint> points;
    CanvasRect source;
    QSize pictureSize;
    QRectF box;
    QPainterPath path;
    QColor color;
    AnchoredText anchored;
};

class RecordingCanvas : public PageCanvas {
public:
    void setPen(const CanvasPen& pen) override;
    CanvasPen pen() const override { return pen_; }
    void setBrush(const CanvasBrush& brush) override;
    CanvasBrush brush() const override { return brush_; }
    void setFont(const CanvasFont& font) override;
    CanvasFont font() const override { return font_; }

    int textWidth(const QString& text) override;
    int textHeight(const QString& text) override;
    void textRect(const CanvasRect& clip, int x, int y, const QString& text) override;
    // Measures as textWidth does; a block is recorded as one Text operation
    // per line.
    ShapedText shapeText(const QString& text) override;
    void drawTextBlock(const CanvasRect& clip, std::span<const PlacedText> lines) override;
    void polyline(std::span<const QPoint> points) override;
    void polygon(std::span<const QPoint> points) override;
    void fillPath(const QPainterPath& shapes, const QColor& color, const CanvasRect& clip) override;
    void drawAnchoredText(const AnchoredText& text, const CanvasRect& clip) override;
    void stretchDraw(const CanvasRect& dest, const QImage& picture, const CanvasRect& source, bool photo) override;
    void drawSvg(const QRectF& box, QSvgRenderer& drawing, const CanvasRect& clip) override;
    void drawImage(const QRectF& box, const QImage& picture, const CanvasRect& clip) override;

    const QVector<CanvasOp>& ops() const { return ops_; }
    // The operations of one kind, in order.
    QVector<CanvasOp> ops(CanvasOp::Kind kind) const;
    // How many times text was measured.
    int measureCount() const { return measureCount_; }
    void clear()
    {
        ops_.clear();
        measureCount_ = 0;
    }

private:
    CanvasOp snapshot(CanvasOp::Kind kind) const;

    CanvasPen pen_;
    CanvasBrush brush_;
    CanvasFont font_;
    QVector<CanvasOp> ops_;
    int measureCount_ = 0;
};
