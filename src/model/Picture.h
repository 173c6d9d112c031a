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
    QImage image;   // bitmaps
    QByteArray svg; // SVG drawings
    QSize svgSize;  // the drawing's own size
    bool isSvg() const { return !svg.isEmpty(); }
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
// Nesting of elements, and of <use> references within each other.
inline constexpr int MaxDepth = 256;
inline constexpr int MaxUseNesting = 32;
// Pixels of all embedded bitmaps together (64 MB as 32-bit pixels).
inline constexpr qint64 MaxEmbeddedPixels = qint64(16) << 20;
} // namespace SvgLimits

// Checks the bytes of a drawing before they reach the SVG renderer: plain XML
// (no gzip compression, no document type or entities, no processing
// instructions such as style sheets), references only within the drawing,
// except images embedded as data: URLs holding PNG, JPEG, GIF or BMP bitmaps
// within SvgLimits::MaxEmbeddedPixels together, and the other SvgLimits.
// The limits keep loading and drawing such a file within about a second and
// 200 MB (benchmarks/PictureBench.cpp).
// On refusal *reason (when given) completes the sentence "The drawing ...".
bool checkSvgDrawing(const QByteArray& data, QString* reason = nullptr);
