#pragma once
// The printer calibration test page: three 100 x 100 mm boxes (a solid one
// drawn without any correction, a dashed one scaled by the measured width
// and height, and a dotted one that is also moved by the measured left and
// top), dimension lines with arrowheads, and the measurements in words.
// Drawn onto any canvas in the printer's device pixels, with the canvas's
// origin at the corner of the printable area.

#include "model/Units.h"
#include "render/Canvas.h"
#include "print/PrinterCalibration.h"

#include <QPoint>
#include <QString>

// Where the solid box lies, in MU from the paper's top-left corner, and how
// large it is. These are also the desired measurements.
constexpr MU CalibrationBoxLeftMU = 50000;
constexpr MU CalibrationBoxTopMU = 50000;
constexpr MU CalibrationBoxSizeMU = 100000;

// The four measurements the user entered, in MU: the solid box's width and
// height, the dashed box's left and top edges from the paper's edges.
struct CalibrationMeasures {
    MU Width = CalibrationBoxSizeMU;
    MU Height = CalibrationBoxSizeMU;
    MU Left = CalibrationBoxLeftMU;
    MU Top = CalibrationBoxTopMU;
    bool operator==(const CalibrationMeasures&) const = default;
};

// The calibration the measurements stand for: LeftShift = 50000 - left,
// TopShift = 50000 - top, ScaleX = 100000 / width, ScaleY = 100000 / height.
// The width and height must not be 0.
TPRINTERCALIBRATION calibrationFromMeasures(const CalibrationMeasures& measures);

// The texts the page prints besides its fixed lines. Each measurement text
// carries its unit ("100 mm.").
struct CalibrationTexts {
    QString desiredWidth, desiredHeight, desiredLeft, desiredTop;
    QString enteredWidth, enteredHeight, enteredLeft, enteredTop;
    QString printerName;
    QString lastCalibrated;
    QString lastWidth, lastHeight, lastLeft, lastTop;
};

// Everything of the page that follows from the printer and the measurements,
// in device pixels. A box covers the columns left to right - 1 and the rows
// top to bottom - 1.
struct CalibrationLayout {
    CanvasRect solid;  // the reference box, uncorrected
    CanvasRect dashed; // scaled by the measured width and height
    CanvasRect dotted; // scaled and moved by the measured left and top
    // The dimension lines, each from its first to its second point.
    QPoint leftFrom, leftTo;     // printable edge to the dashed box, 5 mm below its top
    QPoint topFrom, topTo;       // printable edge to the dashed box, 5 mm right of its left
    QPoint widthFrom, widthTo;   // across the solid box at three quarters of its height
    QPoint heightFrom, heightTo; // down the solid box at three quarters of its width
    int arrow = 0;               // arrowhead size: 2 mm
    int fiveMm = 0;              // 5 mm down, for the text column
    // Where the text column starts: under the lowest box.
    int textX = 0;
    int textY = 0;
};

// The page's geometry for a printer of the given resolution and printable
// area offset. The width and height must not be 0.
CalibrationLayout calibrationLayout(const PrinterGeometry& printer, const CalibrationMeasures& measures);

enum class ArrowDirection { Up, Down, Left, Right };

// A filled black triangle with its tip at (x, y), `size` long and `size`
// wide, drawn with the current pen; the brush colour is put back afterwards.
void DRAWARROWHEAD(PageCanvas& canvas, int x, int y, int size, ArrowDirection direction);

// Draws the whole page. Nothing is drawn when the measured width or height
// is 0 (no scale follows from it) or the printer reports no resolution.
void drawCalibrationPage(PageCanvas& canvas, const PrinterGeometry& printer, const CalibrationMeasures& measures,
                         const CalibrationTexts& texts);
