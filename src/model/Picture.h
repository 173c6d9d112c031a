#pragma once
// A picture file drawn on the labels: a bitmap read with QImageReader, or an
// SVG drawing kept as its source so that it is drawn as vectors.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

struct TPICTURE {
    QImage image;     // bitmaps
    QByteArray svg;   // SVG drawings
    QSize svgSize;    // the drawing's own size
    bool isSvg() const { return !svg.isEmpty(); }
    bool isNull() const { return image.isNull() && svg.isEmpty(); }
    QSize size() const { return isSvg() ? svgSize : image.size(); }
    void clear() { *this = TPICTURE(); }
};

// Reads a picture file. On failure the picture is cleared and *error says why.
bool LoadPictureFile(const QString& path, TPICTURE& picture, QString* error = nullptr);

// The file name suffixes of the pictures the program reads, lower case.
QStringList PictureSuffixes();
