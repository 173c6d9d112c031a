#pragma once
// Printed PDFs read back with the poppler tools (pdfinfo, pdftotext -bbox,
// pdftoppm), and other programs run for their output.

#include "model/Units.h"

#include <QList>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <QStringList>

// One word of pdftotext -bbox, in points from the page's top-left corner.
struct PdfWord {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};
struct PdfPage {
    double width = 0, height = 0; // points
    QList<PdfWord> words;
};
QList<PdfPage> ReadPdfWords(const QString& pdf);
// pdfinfo's "Pages:" and the first page's size in points.
int PdfPageCount(const QString& pdf);
QSizeF PdfPageSize(const QString& pdf);

// The bounding box of the ink (pixels darker than mid grey) of one page
// rendered at dpi, in pixels; null when the page is blank.
QRect PdfInkBox(const QString& pdf, int page, int dpi);

constexpr double PointsPerMm = 72.0 / 25.4;
inline double MuToPoints(MU mu)
{
    return mu / 1000.0 * PointsPerMm;
}

// Runs a program and gives its output (standard output and error merged);
// *exitCode is -1 when it did not finish normally.
QString RunText(const QString& program, const QStringList& arguments, int* exitCode = nullptr);
