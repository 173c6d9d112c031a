#pragma once
// Barcodes and two-dimensional codes made from a text: which kinds there
// are, what text each takes, the symbol itself as plain shapes, and how it is
// drawn onto a canvas. The shapes are vectors, so a PDF keeps the code sharp
// at any size and a printer draws it at its own resolution.

#include "render/Canvas.h"
#include "render/BoxPlacement.h"

#include <QPolygonF>
#include <QSizeF>
#include <QString>
#include <QVector>

#include <span>

enum class Symbology { QrCode, DataMatrix, Code128, Gs1128, Ean13, UpcA, Code39, Pdf417, Aztec };

struct SymbologyInfo {
    Symbology symbology;
    const char* name;    // on the command line, in any letter case
    const char* caption; // in dialogs
    int zintId;          // the symbology's number in the code library
    bool linear;         // bars in one row, with the text in plain letters beneath
};

// Every kind of code, in the order a list shows them.
std::span<const SymbologyInfo> symbologies();
const SymbologyInfo& symbologyInfo(Symbology symbology);
// The kind of code a name stands for, in any letter case; null when no kind
// has that name.
const SymbologyInfo* findSymbology(QStringView name);

// A line of plain text under a linear code: at.y() is its baseline, at.x()
// its left end, centre or right end; size is the font's em height, width the
// room it has (0 when not limited).
struct CodeText {
    QString text;
    QPointF at;
    AnchoredText::Anchor anchor = AnchoredText::Centre;
    double size = 0;
    double width = 0;
};

// A round dot, or a ring where ringWidth is above 0.
struct CodeCircle {
    QPointF centre;
    double diameter = 0;
    double ringWidth = 0;
    bool light = false; // drawn in the background's colour over dark shapes
};

// A code as plain shapes, in the symbol's own units with y growing downwards:
// size covers everything, the quiet zones around it and the text beneath.
struct CodeSymbol {
    Symbology symbology = Symbology::QrCode;
    QSizeF size;
    // Modules across and rows of modules (a linear code has one row).
    int columns = 0;
    int rows = 0;
    // The width of one module: the narrowest bar (0 for a symbol of dots).
    double module = 0;
    QVector<QRectF> bars; // dark rectangles
    QVector<QPolygonF> hexagons;
    QVector<CodeCircle> circles;
    QVector<CodeText> texts;
    bool isEmpty() const { return size.isEmpty() || (bars.isEmpty() && hexagons.isEmpty() && circles.isEmpty()); }
};

// Longest text a code is made from, in UTF-8 bytes: more than any of the
// kinds holds.
constexpr qsizetype MaxCodeTextBytes = 8000;

// Why a text cannot be made into a code of this kind, where the code library
// would take it anyway or take it as something else (five digits as an
// EAN-13 add-on, a wrong check digit); empty when the text may be tried.
QString codeTextProblem(Symbology symbology, const QString& text);

struct CodeResult {
    CodeSymbol symbol;
    QString error;   // why no symbol was made; empty when one was
    QString warning; // what the library noted while making it, if anything
    bool ok() const { return error.isEmpty(); }
};

// Makes the code of a text, with the quiet zones the kind needs.
CodeResult makeCode(Symbology symbology, const QString& text);

// The placement a code gets without other settings: as large as the box
// allows, in its middle.
BoxPlacement centredCode();

// Draws the symbol into box (in the canvas's pixels) by the placement, always
// keeping the symbol's ratio, cut at the box. Where a module comes out at
// least a pixel wide, the symbol is drawn a little smaller, with modules of
// whole pixels from a whole pixel, so that no bar is a pixel wider than its
// like. Shapes and text are in color; light circles are white.
void drawCode(PageCanvas& canvas, const CodeSymbol& symbol, const QRectF& box,
              const BoxPlacement& placement = centredCode(), const QColor& color = Qt::black);
