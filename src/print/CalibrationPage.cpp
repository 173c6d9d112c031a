#include "CalibrationPage.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr MU FiveMm = 5000; // fixed lengths of the page, whatever the display unit
constexpr MU TwoMm = 2000;

// Device pixels of any position the arithmetic can reach are held within a
// range every device takes: a box that far off the paper is not seen anyway,
// and a measurement of a thousandth of a millimetre cannot overflow a pixel.
constexpr std::int64_t FarthestPixel = 1000000;

int pixel(long double value)
{
    return static_cast<int>(std::clamp<std::int64_t>(roundHalfEven(value), -FarthestPixel, FarthestPixel));
}

std::int64_t nearest(long double value)
{
    return roundHalfEven(value);
}

// Text with the top-left corner of its line at (x, y) on the brush's
// background, as far as the text reaches.
void textOut(PageCanvas& canvas, int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    const int w = canvas.textWidth(text);
    const int h = canvas.textHeight(text);
    canvas.textRect(CanvasRect{x, y, x + w, y + h}, x, y, text);
}

void line(PageCanvas& canvas, QPoint from, QPoint to)
{
    const std::array<QPoint, 2> points{from, to};
    canvas.polyline(points);
}

void box(PageCanvas& canvas, const CanvasRect& r)
{
    const std::array<QPoint, 5> points{QPoint(r.left, r.top), QPoint(r.right - 1, r.top),
                                       QPoint(r.right - 1, r.bottom - 1), QPoint(r.left, r.bottom - 1),
                                       QPoint(r.left, r.top)};
    canvas.polyline(points);
}

void setPen(PageCanvas& canvas, PenStyle style, int width)
{
    canvas.setPen(CanvasPen{PenMode::Copy, style, width, Qt::black});
}

// A word centred on a horizontal dimension line.
void wordOnRow(PageCanvas& canvas, QPoint from, QPoint to, const QString& word)
{
    const int w = canvas.textWidth(word);
    const int h = canvas.textHeight(word);
    textOut(canvas, (from.x() + to.x() - w) / 2, from.y() - h / 2, word);
}

// A word centred on a vertical dimension line.
void wordOnColumn(PageCanvas& canvas, QPoint from, QPoint to, const QString& word)
{
    const int w = canvas.textWidth(word);
    const int h = canvas.textHeight(word);
    textOut(canvas, from.x() - w / 2, (from.y() + to.y() - h) / 2, word);
}

} // namespace

TPRINTERCALIBRATION calibrationFromMeasures(const CalibrationMeasures& measures)
{
    TPRINTERCALIBRATION c;
    c.LeftShift = CalibrationBoxLeftMU - measures.Left;
    c.TopShift = CalibrationBoxTopMU - measures.Top;
    c.ScaleX = static_cast<double>(CalibrationBoxSizeMU) / measures.Width;
    c.ScaleY = static_cast<double>(CalibrationBoxSizeMU) / measures.Height;
    return c;
}

CalibrationLayout calibrationLayout(const PrinterGeometry& printer, const CalibrationMeasures& measures)
{
    CalibrationLayout l;
    // The printable area's offset from the paper's corner, and the printer's
    // own pixels per MU.
    const MU mx = printer.dpiX > 0 ? FNINCHTOMU(static_cast<double>(printer.offsetX) / printer.dpiX) : 0;
    const MU my = printer.dpiY > 0 ? FNINCHTOMU(static_cast<double>(printer.offsetY) / printer.dpiY) : 0;
    const long double muPerInch = FNINCHTOMU(1);
    const long double px = printer.dpiX / muPerInch;
    const long double py = printer.dpiY / muPerInch;

    // The reference box in MU, counted from the printable corner.
    const std::int64_t x0 = CalibrationBoxLeftMU - static_cast<std::int64_t>(mx);
    const std::int64_t y0 = CalibrationBoxTopMU - static_cast<std::int64_t>(my);
    const std::int64_t x1 = CalibrationBoxLeftMU + CalibrationBoxSizeMU - static_cast<std::int64_t>(mx);
    const std::int64_t y1 = CalibrationBoxTopMU + CalibrationBoxSizeMU - static_cast<std::int64_t>(my);
    l.solid = CanvasRect{pixel(x0 * px), pixel(y0 * py), pixel(x1 * px), pixel(y1 * py)};

    // The candidate scales, and the boxes where the renderer would put the
    // reference box under the candidate calibration: first in whole MU,
    // then in whole pixels.
    const long double sx = static_cast<long double>(CalibrationBoxSizeMU) / measures.Width;
    const long double sy = static_cast<long double>(CalibrationBoxSizeMU) / measures.Height;
    const std::int64_t scaledWidth = nearest(sx * CalibrationBoxSizeMU);
    const std::int64_t scaledHeight = nearest(sy * CalibrationBoxSizeMU);

    const std::int64_t dl = nearest(sx * x0);
    const std::int64_t dt = nearest(sy * y0);
    const std::int64_t dr = scaledWidth + dl;
    const std::int64_t db = scaledHeight + dt;
    l.dashed = CanvasRect{pixel(dl * px), pixel(dt * py), pixel(dr * px), pixel(db * py)};

    const std::int64_t ol = nearest(sx * (CalibrationBoxLeftMU - static_cast<std::int64_t>(measures.Left) + x0));
    const std::int64_t ot = nearest(sy * (CalibrationBoxTopMU - static_cast<std::int64_t>(measures.Top) + y0));
    const std::int64_t orr = scaledWidth + ol;
    const std::int64_t ob = scaledHeight + ot;
    l.dotted = CanvasRect{pixel(ol * px), pixel(ot * py), pixel(orr * px), pixel(ob * py)};

    l.fiveMm = pixel(FiveMm * py);
    const int fiveAcross = pixel(FiveMm * px);
    l.arrow = pixel(TwoMm * px);

    const int leftY = l.dashed.top + l.fiveMm;
    l.leftFrom = QPoint(0, leftY);
    l.leftTo = QPoint(l.dashed.left, leftY);
    const int topX = l.dashed.left + fiveAcross;
    l.topFrom = QPoint(topX, 0);
    l.topTo = QPoint(topX, l.dashed.top);
    const int widthY = pixel((y0 + (y1 - y0) * 0.75L) * py);
    l.widthFrom = QPoint(l.solid.left, widthY);
    l.widthTo = QPoint(l.solid.right, widthY);
    const int heightX = pixel((x0 + (x1 - x0) * 0.75L) * px);
    l.heightFrom = QPoint(heightX, l.solid.top);
    l.heightTo = QPoint(heightX, l.solid.bottom);

    l.textX = l.solid.left;
    l.textY = std::max({l.solid.bottom, l.dashed.bottom, l.dotted.bottom});
    return l;
}

void DRAWARROWHEAD(PageCanvas& canvas, int x, int y, int size, ArrowDirection direction)
{
    const int h = size / 2;
    std::array<QPoint, 3> points{QPoint(x, y), QPoint(x, y), QPoint(x, y)};
    switch (direction) {
    case ArrowDirection::Up:
        points[1] = QPoint(x - h, y + size);
        points[2] = QPoint(x + h, y + size);
        break;
    case ArrowDirection::Down:
        points[1] = QPoint(x - h, y - size);
        points[2] = QPoint(x + h, y - size);
        break;
    case ArrowDirection::Left:
        points[1] = QPoint(x + size, y - h);
        points[2] = QPoint(x + size, y + h);
        break;
    case ArrowDirection::Right:
        points[1] = QPoint(x - size, y - h);
        points[2] = QPoint(x - size, y + h);
        break;
    }
    CanvasBrush brush = canvas.brush();
    const QColor previous = brush.color;
    brush.color = Qt::black;
    canvas.setBrush(brush);
    canvas.polygon(points);
    brush.color = previous;
    canvas.setBrush(brush);
}

void drawCalibrationPage(PageCanvas& canvas, const PrinterGeometry& printer, const CalibrationMeasures& measures,
                         const CalibrationTexts& texts)
{
    if (measures.Width == 0 || measures.Height == 0 || printer.dpiX <= 0 || printer.dpiY <= 0)
        return;
    const CalibrationLayout l = calibrationLayout(printer, measures);

    canvas.setPen(CanvasPen{PenMode::Copy, PenStyle::Solid, 2, Qt::black});
    canvas.setBrush(CanvasBrush{BrushStyle::Solid, Qt::white});
    canvas.setFont(CanvasFont{}); // Arial, 10 points

    // The solid box comes last so that it is whole where the others meet it.
    setPen(canvas, PenStyle::Dot, 1);
    box(canvas, l.dotted);
    setPen(canvas, PenStyle::Dash, 1);
    box(canvas, l.dashed);
    setPen(canvas, PenStyle::Solid, 1);
    box(canvas, l.solid);

    // Left and top: from the printable edges to the dashed box.
    setPen(canvas, PenStyle::Dash, 1);
    line(canvas, l.leftFrom, l.leftTo);
    DRAWARROWHEAD(canvas, l.leftTo.x(), l.leftTo.y(), l.arrow, ArrowDirection::Right);
    wordOnRow(canvas, l.leftFrom, l.leftTo, QCoreApplication::translate("CalibrationPage", "Left"));
    line(canvas, l.topFrom, l.topTo);
    DRAWARROWHEAD(canvas, l.topTo.x(), l.topTo.y(), l.arrow, ArrowDirection::Down);
    wordOnColumn(canvas, l.topFrom, l.topTo, QCoreApplication::translate("CalibrationPage", "Top"));

    // Width and height of the solid box.
    setPen(canvas, PenStyle::Solid, 2);
    line(canvas, l.widthFrom, l.widthTo);
    DRAWARROWHEAD(canvas, l.widthFrom.x(), l.widthFrom.y(), l.arrow, ArrowDirection::Left);
    DRAWARROWHEAD(canvas, l.widthTo.x(), l.widthTo.y(), l.arrow, ArrowDirection::Right);
    wordOnRow(canvas, l.widthFrom, l.widthTo, QCoreApplication::translate("CalibrationPage", "Width"));
    line(canvas, l.heightFrom, l.heightTo);
    DRAWARROWHEAD(canvas, l.heightFrom.x(), l.heightFrom.y(), l.arrow, ArrowDirection::Up);
    DRAWARROWHEAD(canvas, l.heightTo.x(), l.heightTo.y(), l.arrow, ArrowDirection::Down);
    wordOnColumn(canvas, l.heightFrom, l.heightTo, QCoreApplication::translate("CalibrationPage", "Height"));

    // The text column under the boxes.
    const int x = l.textX;
    const int lineHeight = canvas.textHeight(QStringLiteral("W"));
    int y = l.textY + l.fiveMm;
    auto next = [&](const QString& text) {
        textOut(canvas, x, y, text);
        y += lineHeight;
    };
    next(QCoreApplication::translate("CalibrationPage", "Desired measurements:"));
    next(QCoreApplication::translate("CalibrationPage", "Width=%1 Height=%2 Left=%3 Top=%4")
             .arg(texts.desiredWidth, texts.desiredHeight, texts.desiredLeft, texts.desiredTop));
    y += l.fiveMm;
    const QStringList instructions{
        QCoreApplication::translate("CalibrationPage", "Instructions:"),
        QCoreApplication::translate("CalibrationPage", "Measure the Width and Height of solid box as accurately as"),
        QCoreApplication::translate("CalibrationPage", "possible and enter your measurements on the calibration form."),
        QCoreApplication::translate("CalibrationPage",
                                    "Print another test page and measure Left and Top of dashed box."),
        QCoreApplication::translate("CalibrationPage",
                                    "Note: For Left and Top measure from the edge of the paper even"),
        QCoreApplication::translate("CalibrationPage", "if your printer does not print to the edge."),
        QCoreApplication::translate("CalibrationPage",
                                    "Print another test page and the dotted box should have the desired"),
        QCoreApplication::translate("CalibrationPage",
                                    "measurements as a result of the calculation based on the entered"),
        QCoreApplication::translate("CalibrationPage", "measurements of the solid and dashed boxes which are:"),
    };
    for (const QString& text : instructions)
        next(text);
    next(QCoreApplication::translate("CalibrationPage", "Width: ") + texts.enteredWidth);
    next(QCoreApplication::translate("CalibrationPage", "Height: ") + texts.enteredHeight);
    next(QCoreApplication::translate("CalibrationPage", "Left: ") + texts.enteredLeft);
    next(QCoreApplication::translate("CalibrationPage", "Top: ") + texts.enteredTop);
    next(QString());
    next(QCoreApplication::translate("CalibrationPage", "Last calibration data:"));
    next(QCoreApplication::translate("CalibrationPage", "Printer name: ") + texts.printerName);
    next(QCoreApplication::translate("CalibrationPage", "Last calibrated: ") + texts.lastCalibrated);

    const int indented = x
                         + canvas.textWidth(QCoreApplication::translate("CalibrationPage", "Last calibration:")
                                            + QStringLiteral("     "));
    textOut(canvas, x, y, QCoreApplication::translate("CalibrationPage", "Last calibration:"));
    const QStringList last{QCoreApplication::translate("CalibrationPage", "Width: ") + texts.lastWidth,
                           QCoreApplication::translate("CalibrationPage", "Height: ") + texts.lastHeight,
                           QCoreApplication::translate("CalibrationPage", "Left: ") + texts.lastLeft,
                           QCoreApplication::translate("CalibrationPage", "Top: ") + texts.lastTop};
    for (const QString& text : last) {
        textOut(canvas, indented, y, text);
        y += lineHeight;
    }
}
