#pragma once
// The drawing surface of the page renderer and the calibration page: the few
// operations they need and nothing more. PainterCanvas draws through a
// QPainter on the preview image or the printer page; RecordingCanvas
// records every operation for the tests.
//
// Coordinates are whole device pixels, except for the filled shapes and the
// anchored text, which are drawn where they fall between pixels. A CanvasRect covers the columns left
// to right - 1 and the rows top to bottom - 1.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <memory>
#include <span>

class QSvgRenderer;

struct CanvasRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const CanvasRect&) const = default;
};

// Copy is the only mode the program draws with: the pen's colour replaces
// what lies beneath.
enum class PenMode { Copy };
enum class PenStyle { Solid, Dash, Dot, Clear };
enum class BrushStyle { Solid, Clear };

struct CanvasPen {
    PenMode mode = PenMode::Copy;
    PenStyle style = PenStyle::Solid;
    int width = 1; // pixels; 0 is the thinnest line the device draws
    QColor color = Qt::black;
    bool operator==(const CanvasPen&) const = default;
};

struct CanvasBrush {
    BrushStyle style = BrushStyle::Solid;
    QColor color = Qt::white;
    bool operator==(const CanvasBrush&) const = default;
};

struct CanvasFont {
    QString name = QStringLiteral("Arial");
    int size = 10; // points; below 1 nothing is drawn and text measures 0
    int style = 0; // StoredFont::FontStyle bits: bold, italic, underline, strike-out
    QColor color = Qt::black;
    qint32 charset = 1;
    qint32 pitch = 0; // StoredFont::FontPitch
    bool operator==(const CanvasFont&) const = default;
};

// What a canvas keeps of a line it laid out, to draw it without laying it
// out again. Each canvas has its own kind.
class TextShape {
public:
    virtual ~TextShape() = default;
};

// A line of text laid out once in a canvas font: its advance width (what
// textWidth gives for it) and the canvas's own shaping of it.
struct ShapedText {
    QString text;
    int width = 0;
    std::shared_ptr<const TextShape> shape;
};

// One line of a text block and the top-left corner of its line.
struct PlacedText {
    const ShapedText* line = nullptr;
    int x = 0;
    int y = 0;
};

// A line of text drawn at a point rather than in a box: its baseline at
// at.y(), and at.x() its left end, its centre or its right end. The size is
// the font's em height in device pixels; above 0, maxWidth makes the text
// smaller where it would be wider.
struct AnchoredText {
    enum Anchor { Left, Centre, Right };
    QString text;
    QPointF at;
    Anchor anchor = Centre;
    double pixelSize = 0;
    double maxWidth = 0;
    QString fontName = QStringLiteral("Arial");
    QColor color = Qt::black;
};

class PageCanvas {
public:
    virtual ~PageCanvas() = default;

    // Negative pen widths are taken as 0.
    virtual void setPen(const CanvasPen& pen) = 0;
    virtual CanvasPen pen() const = 0;
    virtual void setBrush(const CanvasBrush& brush) = 0;
    virtual CanvasBrush brush() const = 0;
    virtual void setFont(const CanvasFont& font) = 0;
    virtual CanvasFont font() const = 0;

    // The advance width and the line height of a text in the current font.
    virtual int textWidth(const QString& text) = 0;
    virtual int textHeight(const QString& text) = 0;

    // Draws text with the top-left corner of its line at (x, y) in the font's
    // colour, cut at clip. With a solid brush the whole clip rectangle is
    // filled with the brush colour first; with a clear brush the background
    // shows through.
    virtual void textRect(const CanvasRect& clip, int x, int y, const QString& text) = 0;

    // Lays a line out in the current font: its width, and its drawing for
    // drawTextBlock in the same font.
    virtual ShapedText shapeText(const QString& text) = 0;
    // The width shapeText gives a line, without keeping its drawing: lines
    // that are measured but not drawn cost no glyphs.
    virtual int lineWidth(const QString& text) { return shapeText(text).width; }
    // Where tabs in a line stop: every `pixels` device pixels from the line's
    // start. Until it is set, the canvas's own default.
    virtual void setTabDistance(double pixels) { (void)pixels; }
    // Draws the lines of one block of text, shaped in the current font, in
    // the font's colour on a clear background, cut at clip. The block is
    // drawn as one: one text colour, and the clip set only when some line
    // reaches beyond it.
    virtual void drawTextBlock(const CanvasRect& clip, std::span<const PlacedText> lines) = 0;

    // Lines through the points with the current pen.
    virtual void polyline(std::span<const QPoint> points) = 0;
    // A closed polygon filled with the brush and outlined with the pen.
    virtual void polygon(std::span<const QPoint> points) = 0;

    // Fills the shapes of the path (rectangles, polygons, ellipses, in
    // device pixels that need not be whole) in one colour, without an
    // outline, cut at clip. The pen and brush are left as they are.
    virtual void fillPath(const QPainterPath& shapes, const QColor& color, const CanvasRect& clip) = 0;
    // Fills rectangles in one colour, as fillPath fills a path of them in
    // device pixels: the rectangles are in units of their own, which
    // toDevice (a scale and a move) maps to device pixels. A canvas may draw
    // them more cheaply than a path: a PDF holds each as four small numbers.
    virtual void fillRects(std::span<const QRectF> rects, const QTransform& toDevice, const QColor& color,
                           const CanvasRect& clip)
    {
        QPainterPath shapes;
        shapes.setFillRule(Qt::WindingFill);
        for (const QRectF& rect : rects)
            shapes.addRect(toDevice.mapRect(rect));
        fillPath(shapes, color, clip);
    }
    // Draws a line of text at its anchor, cut at clip. The canvas font is
    // left as it is.
    virtual void drawAnchoredText(const AnchoredText& text, const CanvasRect& clip) = 0;

    // Stretches the rectangle source of the picture onto dest. The source may
    // reach beyond the picture; the part of dest it maps there is left alone.
    // A photo may be stored with loss (as JPEG); any other picture is not.
    virtual void stretchDraw(const CanvasRect& dest, const QImage& picture, const CanvasRect& source, bool photo) = 0;
    // Draws a vector drawing scaled into box, cut at clip.
    virtual void drawSvg(const QRectF& box, QSvgRenderer& drawing, const CanvasRect& clip) = 0;
    // Draws the whole picture scaled into box, cut at clip. The same picture
    // drawn again is held once by a PDF.
    virtual void drawImage(const QRectF& box, const QImage& picture, const CanvasRect& clip) = 0;
};
