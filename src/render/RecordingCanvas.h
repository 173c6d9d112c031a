#pragma once
// A canvas that draws nothing and records every operation in order, so that
// the page arithmetic can be checked exactly. It measures text with a fixed
// metric that needs no fonts: every character is `size` pixels wide and a
// line is 2 x `size` pixels tall, `size` being the font size in points
// (a size below 1 measures 0).

#include "render/Canvas.h"

#include <QSize>
#include <QVector>

struct TCANVASOP {
    enum TKind { SetPen, SetBrush, SetFont, Text, Polyline, Polygon, StretchDraw, Svg };
    TKind kind = SetPen;
    // The canvas state when the operation ran (for SetPen/SetBrush/SetFont:
    // the state it set).
    TCANVASPEN pen;
    TCANVASBRUSH brush;
    TCANVASFONT font;
    // Text: the clip rectangle, the position and the text. StretchDraw: the
    // destination in rect, the source in source. Svg: the clip in rect.
    TCANVASRECT rect;
    int x = 0;
    int y = 0;
    QString text;
    QVector<QPoint> points;
    TCANVASRECT source;
    QSize pictureSize;
    QRectF box;
};

class TRECORDINGCANVAS : public TCANVAS {
public:
    void setPen(const TCANVASPEN& pen) override;
    TCANVASPEN pen() const override { return pen_; }
    void setBrush(const TCANVASBRUSH& brush) override;
    TCANVASBRUSH brush() const override { return brush_; }
    void setFont(const TCANVASFONT& font) override;
    TCANVASFONT font() const override { return font_; }

    int textWidth(const QString& text) override;
    int textHeight(const QString& text) override;
    void textRect(const TCANVASRECT& clip, int x, int y, const QString& text) override;
    void polyline(std::span<const QPoint> points) override;
    void polygon(std::span<const QPoint> points) override;
    void stretchDraw(const TCANVASRECT& dest, const QImage& picture, const TCANVASRECT& source) override;
    void drawSvg(const QRectF& box, QSvgRenderer& drawing, const TCANVASRECT& clip) override;

    const QVector<TCANVASOP>& ops() const { return ops_; }
    // The operations of one kind, in order.
    QVector<TCANVASOP> ops(TCANVASOP::TKind kind) const;
    // How many times text was measured.
    int measureCount() const { return measureCount_; }
    void clear() { ops_.clear(); measureCount_ = 0; }

private:
    TCANVASOP snapshot(TCANVASOP::TKind kind) const;

    TCANVASPEN pen_;
    TCANVASBRUSH brush_;
    TCANVASFONT font_;
    QVector<TCANVASOP> ops_;
    int measureCount_ = 0;
};
