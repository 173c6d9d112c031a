#pragma once
// The canvas over a QPainter: the preview image and the printer page. Fonts
// are set in points and measured with the metrics of the device drawn on, so
// printed text has its true size whatever the screen's resolution.

#include "render/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QPen>
#include <QRawFont>
#include <QRegion>
#include <QTextLayout>

#include <memory>
#include <vector>

class QPaintDevice;
class ShapingRules;

class PainterCanvas : public PageCanvas {
public:
    // Draws through a painter that is already active on its device (the
    // printer's painter of a print run). The painter is not owned.
    explicit PainterCanvas(QPainter* painter);
    // Opens its own painter on the device (a preview image) and ends it when
    // destroyed. A device that cannot be painted on (a null image) gives a
    // canvas that draws nothing.
    explicit PainterCanvas(QPaintDevice* device);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    void setPen(const CanvasPen& pen) override;
    CanvasPen pen() const override { return pen_; }
    void setBrush(const CanvasBrush& brush) override;
    CanvasBrush brush() const override { return brush_; }
    void setFont(const CanvasFont& font) override;
    CanvasFont font() const override { return font_; }

    int textWidth(const QString& text) override;
    int textHeight(const QString& text) override;
    void textRect(const CanvasRect& clip, int x, int y, const QString& text) override;
    ShapedText shapeText(const QString& text) override;
    int lineWidth(const QString& text) override;
    void setTabDistance(double pixels) override;
    void drawTextBlock(const CanvasRect& clip, std::span<const PlacedText> lines) override;
    void polyline(std::span<const QPoint> points) override;
    void polygon(std::span<const QPoint> points) override;
    void fillPath(const QPainterPath& shapes, const QColor& color, const CanvasRect& clip) override;
    // Rectangles as rectangles, in their own units under the painter's
    // transformation: a PDF holds four small numbers for each.
    void fillRects(std::span<const QRectF> rects, const QTransform& toDevice, const QColor& color,
                   const CanvasRect& clip) override;
    void drawAnchoredText(const AnchoredText& text, const CanvasRect& clip) override;
    void stretchDraw(const CanvasRect& dest, const QImage& picture, const CanvasRect& source, bool photo) override;
    void drawSvg(const QRectF& box, QSvgRenderer& drawing, const CanvasRect& clip) override;
    void drawImage(const QRectF& box, const QImage& picture, const CanvasRect& clip) override;

    QPainter* painter() const { return painter_; }
    // The glyphs of a line this canvas laid out; none for a line the painter
    // draws whole.
    static QList<QGlyphRun> glyphRuns(const ShapedText& line);

    // A line that reaches beyond its block's clip is drawn only with the
    // glyphs that can show inside it. Kept, every glyph goes to the device
    // and the clip alone cuts them: the reference the cutting is checked
    // against.
    void setKeepHiddenGlyphs(bool keep) { keepHiddenGlyphs_ = keep; }
    // A line whose characters the font's rules leave alone is laid out from
    // the font's characters, each laid out once. Off, every line goes
    // through the shaper: the reference the characters are checked against.
    void setLinesFromCharacters(bool on) { linesFromCharacters_ = on; }

    // Whether text in the font comes out as letters: false where no font
    // is installed at all (a container, a print server), where every
    // character would come out as a solid box.
    static bool drawsLetters(const CanvasFont& font);

    // The QFont a canvas font becomes (without its colour).
    static QFont qfont(const CanvasFont& font);
    // A font of that family and point size with a StoredFont's style bits
    // (bold, italic, underline, strike-out) and pitch.
    static QFont qfont(const QString& name, double points, int style, qint32 pitch);

private:
    // A character laid out alone, and a font's characters so laid out.
    struct PlainCharacter;
    struct PlainCharacters;
    // A glyph drawn once in one colour, and where its image lies relative to
    // the glyph's origin on the baseline.
    struct GlyphKey {
        QRawFont font;
        quint32 glyph = 0;
        QRgb color = 0;
        bool operator==(const GlyphKey&) const = default;
        friend size_t qHash(const GlyphKey& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.font, key.glyph, key.color);
        }
    };
    struct GlyphImage {
        QImage image;
        QPoint offset;
    };
    struct FontEntry {
        CanvasFont key;
        QFont font;
        QFontMetrics metrics;
        bool largeOnImage = false; // drawn from this canvas's own glyph images
        QHash<GlyphKey, GlyphImage> glyphs;
        QHash<GlyphKey, QRectF> inkBounds; // colour 0
        // Lines laid out in this font: address labels repeat many of theirs.
        QHash<QString, ShapedText> shaped;
        std::unique_ptr<QTextLayout> layout;
        // Widths of lines measured without their glyphs, and advances of
        // long texts.
        QHash<QString, int> widths;
        QHash<QString, int> advances;
        // The font's characters laid out one at a time, once needed.
        std::shared_ptr<PlainCharacters> characters;
    };

    void init();
    void applyPen();
    // Whether the line is the sum of its characters in the font: then
    // plainLine_ holds them.
    bool plainLine(FontEntry& f, const QString& text);
    void layOutAlone(FontEntry& f, PlainCharacters& chars, QChar c, PlainCharacter& known);
    bool plainPair(FontEntry& f, PlainCharacters& chars, char16_t a, const PlainCharacter& first, char16_t b,
                   const PlainCharacter& second);
    qint64 plainAdvance() const;
    ShapedText plainShape(const QString& text) const;
    // The picture with no more pixels than it covers on the device: averaged
    // down where it is finer, kept for the canvas's later labels so that a
    // PDF holds it once.
    const QImage& onDevice(const QImage& picture, QSize covered);
    FontEntry* currentFont();
    // Lays text out as one line of the font's layout; false when the layout
    // breaks it (a line separator), which is then drawn whole.
    bool layOut(FontEntry& f, const QString& text, QTextLine& line);
    QTextOption lineOption() const;
    // Lays the layout's text out as one line in the canvas's option.
    QTextLine singleLine(QTextLayout& layout) const;
    // Underlined and struck-out text is drawn whole by the painter.
    static bool drawnWhole(const FontEntry& f);
    int wholeWidth(FontEntry& f, const QString& text);
    void drawWhole(FontEntry& f, int x, int y, const QString& text);
    static bool canShow(const QRectF& ink, QPointF at, const QRectF& reach);
    void drawLargeText(FontEntry& font, QPoint origin, const QString& text, const QList<QGlyphRun>* runs = nullptr,
                       const QRectF* reach = nullptr);
    const QRectF& inkBounds(FontEntry& font, const QRawFont& raw, quint32 glyph);
    // Clips to rect, within the caller's own clipping, until endClip().
    void beginClip(const CanvasRect& rect);
    void endClip();
    // The pen of lines and outlines back on the painter after text.
    void restoreLinePen();
    const GlyphImage& glyphImage(FontEntry& font, const QRawFont& raw, quint32 glyph);

    std::unique_ptr<QPainter> ownPainter_;
    QPainter* painter_ = nullptr;
    QPaintDevice* device_ = nullptr;
    bool active_ = false;
    QRegion baseClip_; // the caller's clipping, kept under every clip of ours
    bool hasBaseClip_ = false;
    CanvasPen pen_;
    QPen qpen_;
    CanvasBrush brush_;
    CanvasFont font_;
    // Fonts built on this device, most recent last: shrink-to-fit steps
    // through sizes label after label, and a QFontMetrics is costly to make.
    std::vector<std::unique_ptr<FontEntry>> fonts_;
    FontEntry* current_ = nullptr;           // the entry of font_, once looked up
    const FontEntry* painterFont_ = nullptr; // the entry the painter holds
    bool textPen_ = false;                   // the painter holds the text colour, not qpen_
    double tabDistance_ = 0;                 // 0: the painter's own tab stops
    bool keepHiddenGlyphs_ = false;
    bool linesFromCharacters_ = true;
    std::vector<const PlainCharacter*> plainLine_;
    const PlainCharacters* plainFont_ = nullptr; // of the characters in plainLine_
    struct Reduced {
        qint64 picture = 0; // the picture's cache key
        QSize size;
        QImage image;
    };
    std::vector<Reduced> reduced_;
    qint64 reducedBytes_ = 0;
};
