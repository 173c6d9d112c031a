#pragma once
// A picture file drawn on the labels: a bitmap read with QImageReader, or an
// SVG drawing kept as its source so that it is drawn as vectors.
//
// A picture name comes from a job file, which anyone may send, so reading one
// costs bounded time and memory and reads that file alone: drawings are
// checked before the SVG renderer sees them (see checkSvgDrawing).

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

struct Picture {
    QImage image;       // bitmaps
    QByteArray svg;     // SVG drawings
    QSize svgSize;      // the drawing's own size
    qint64 svgCost = 0; // what drawing it once costs (see checkSvgDrawing)
    // Read from a JPEG file: a photograph, printed as JPEG as it came. Every
    // other bitmap (a logo, lettering, a code) is printed without loss.
    bool photo = false;
    bool isSvg() const { return !svg.isEmpty(); }
    // Whether the drawing costs too much to be drawn as vectors on every
    // label: it is then drawn once per page into a bitmap.
    bool drawnAsBitmap() const;
    bool isNull() const { return image.isNull() && svg.isEmpty(); }
    QSize size() const { return isSvg() ? svgSize : image.size(); }
    void clear() { *this = Picture(); }
};

// Reads a picture file. On failure the picture is cleared and *error says why.
bool loadPictureFile(const QString& path, Picture& picture, QString* error = nullptr);

// The file name suffixes of the pictures the program reads, lower case.
QStringList pictureSuffixes();

// What a drawing may hold. The SVG renderer would otherwise inflate
// compressed drawings without limit, open the files and addresses that
// images and style sheets name (a pipe there blocks it for good), and draw
// <use> references that multiply without end.
namespace SvgLimits {
// The largest drawing file read.
inline constexpr qint64 MaxBytes = qint64(16) << 20;
// Elements in the file, and elements drawn once every <use> is followed.
inline constexpr qint64 MaxElements = 100000;
inline constexpr qint64 MaxDrawnElements = 250000;
// Characters of text to lay out (a logo holds a few dozen).
inline constexpr qint64 MaxTextCharacters = 100000;
// Stops of one gradient: the SVG renderer takes time growing with the
// square of their number (90 000 took it 15 s); a real gradient has a few.
inline constexpr int MaxGradientStops = 1000;
// Nesting of elements, and of <use> references within each other.
inline constexpr int MaxDepth = 256;
inline constexpr int MaxUseNesting = 32;
// Pixels of all embedded bitmaps together (64 MB as 32-bit pixels).
inline constexpr qint64 MaxEmbeddedPixels = qint64(16) << 20;
// A drawing is drawn as vectors on each label (the printer and the PDF get
// every element again for every label) only while what it draws stays
// within this many characters of the file: its elements, each <use> once
// more for every time it is followed, and for each reference to a paint
// (a gradient's url(#id)) the referenced element once more, as the PDF
// repeats a gradient for each shape it fills. A costlier drawing, or one
// whose style sheet refers to paints, is drawn once per page into a bitmap
// of at most MaxDrawnPixels pixels at the page's resolution, which the PDF
// holds once: any drawing adds at most a few MB to a page.
inline constexpr qint64 MaxVectorCost = qint64(64) << 10;
inline constexpr qint64 MaxDrawnPixels = qint64(2) << 20;
} // namespace SvgLimits

// Checks the bytes of a drawing before they reach the SVG renderer: plain XML
// (no gzip compression, no document type or entities, no processing
// instructions such as style sheets), references only within the drawing,
// except images embedded as data: URLs holding PNG, JPEG, GIF or BMP bitmaps
// within SvgLimits::MaxEmbeddedPixels together, and the other SvgLimits.
// The limits keep loading and drawing such a file within about a second and
// 200 MB (benchmarks/PictureBench.cpp).
// On refusal *reason (when given) completes the sentence "The drawing ...".
// On acceptance *cost (when given) is what drawing it costs, as
// SvgLimits::MaxVectorCost counts it.
bool checkSvgDrawing(const QByteArray& data, QString* reason = nullptr, qint64* cost = nullptr);
