#include "CalibrationPage.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr MU fiveMm = 5000; // fixed lengths of the page, whatever the display unit
constexpr MU twoMm = 2000;

// Device pixels of any position the arithmetic can reach are held within a
// range every device takes: a box that far off the paper is not seen anyway,
// and a measurement of a thousandth of a millimetre cannot overflow a pixel.
constexpr std::int64_t farthestPixel = 1000000;

int pixel(long double value)
{
    return static_cast<int>(std::clamp<std::int64_t>(roundHalfEven(value), -farthestPixel, farthestPixel));
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
    const MU mx = printer.DpiX > 0 ? FNINCHTOMU(static_cast<double>(printer.OffsetX) / printer.DpiX) : 0;
    const MU my = printer.DpiY > 0 ? FNINCHTOMU(static_cast<double>(printer.OffsetY) / printer.DpiY) : 0;
    const long double muPerInch = FNINCHTOMU(1);
    const long double px = printer.DpiX / muPerInch;
    const long double py = printer.DpiY / muPerInch;

    // The reference box in MU, counted from the printable corner.
    const std::int64_t x0 = CalibrationBoxLeftMU - static_cast<std::int64_t>(mx);
    const std::int64_t y0 = CalibrationBoxTopMU - static_cast<std::int64_t>(my);
    const std::int64_t x1 = CalibrationBoxLeftMU + CalibrationBoxSizeMU - static_cast<std::int64_t>(mx);
    const std::int64_t y1 = CalibrationBoxTopMU + CalibrationBoxSizeMU - static_cast<std::int64_t>(my);
    l.Solid = CanvasRect{pixel(x0 * px), pixel(y0 * py), pixel(x1 * px), pixel(y1 * py)};

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
    l.Dashed = CanvasRect{pixel(dl * px), pixel(dt * py), pixel(dr * px), pixel(db * py)};

    const std::int64_t ol = nearest(sx * (CalibrationBoxLeftMU - static_cast<std::int64_t>(measures.Left) + x0));
    const std::int64_t ot = nearest(sy * (CalibrationBoxTopMU - static_cast<std::int64_t>(measures.Top) + y0));
    const std::int64_t orr = scaledWidth + ol;
    const std::int64_t ob = scaledHeight + ot;
    l.Dotted = CanvasRect{pixel(ol * px), pixel(ot * py), pixel(orr * px), pixel(ob * py)};

    l.FiveMm = pixel(fiveMm * py);
    const int fiveAcross = pixel(fiveMm * px);
    l.Arrow = pixel(twoMm * px);

    const int leftY = l.Dashed.top + l.FiveMm;
    l.LeftFrom = QPoint(0, leftY);
    l.LeftTo = QPoint(l.Dashed.left, leftY);
    const int topX = l.Dashed.left + fiveAcross;
    l.TopFrom = QPoint(topX, 0);
    l.TopTo = QPoint(topX, l.Dashed.top);
    const int widthY = pixel((y0 + (y1 - y0) * 0.75L) * py);
    l.WidthFrom = QPoint(l.Solid.left, widthY);
    l.WidthTo = QPoint(l.Solid.right, widthY);
    const int heightX = pixel((x0 + (x1 - x0) * 0.75L) * px);
    l.HeightFrom = QPoint(heightX, l.Solid.top);
    l.HeightTo = QPoint(heightX, l.Solid.bottom);

    l.TextX = l.Solid.left;
    l.TextY = std::max({l.Solid.bottom, l.Dashed.bottom, l.Dotted.bottom});
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
    if (measures.Width == 0 || measures.Height == 0 || printer.DpiX <= 0 || printer.DpiY <= 0)
        return;
    const CalibrationLayout l = calibrationLayout(printer, measures);

    canvas.setPen(CanvasPen{PenMode::Copy, PenStyle::Solid, 2, Qt::black});
    canvas.setBrush(CanvasBrush{BrushStyle::Solid, Qt::white});
    canvas.setFont(CanvasFont{}); // Arial, 10 points

    // The solid box comes last so that it is whole where the others meet it.
    setPen(canvas, PenStyle::Dot, 1);
    box(canvas, l.Dotted);
    setPen(canvas, PenStyle::Dash, 1);
    box(canvas, l.Dashed);
    setPen(canvas, PenStyle::Solid, 1);
    box(canvas, l.Solid);

    // Left and top: from the printable edges to the dashed box.
    setPen(canvas, PenStyle::Dash, 1);
    line(canvas, l.LeftFrom, l.LeftTo);
    DRAWARROWHEAD(canvas, l.LeftTo.x(), l.LeftTo.y(), l.Arrow, ArrowDirection::Right);
    wordOnRow(canvas, l.LeftFrom, l.LeftTo, QStringLiteral("Left"));
    line(canvas, l.TopFrom, l.TopTo);
    DRAWARROWHEAD(canvas, l.TopTo.x(), l.TopTo.y(), l.Arrow, ArrowDirection::Down);
    wordOnColumn(canvas, l.TopFrom, l.TopTo, QStringLiteral("Top"));

    // Width and height of the solid box.
    setPen(canvas, PenStyle::Solid, 2);
    line(canvas, l.WidthFrom, l.WidthTo);
    DRAWARROWHEAD(canvas, l.WidthFrom.x(), l.WidthFrom.y(), l.Arrow, ArrowDirection::Left);
    DRAWARROWHEAD(canvas, l.WidthTo.x(), l.WidthTo.y(), l.Arrow, ArrowDirection::Right);
    wordOnRow(canvas, l.WidthFrom, l.WidthTo, QStringLiteral("Width"));
    line(canvas, l.HeightFrom, l.HeightTo);
    DRAWARROWHEAD(canvas, l.HeightFrom.x(), l.HeightFrom.y(), l.Arrow, ArrowDirection::Up);
    DRAWARROWHEAD(canvas, l.HeightTo.x(), l.HeightTo.y(), l.Arrow, ArrowDirection::Down);
    wordOnColumn(canvas, l.HeightFrom, l.HeightTo, QStringLiteral("Height"));

    // The text column under the boxes.
    const int x = l.TextX;
    const int lineHeight = canvas.textHeight(QStringLiteral("W"));
    int y = l.TextY + l.FiveMm;
    auto next = [&](const QString& text) {
        textOut(canvas, x, y, text);
        y += lineHeight;
    };
    next(QStringLiteral("Desired measurements:"));
    next(QStringLiteral("Width=") + texts.DesiredWidth + QStringLiteral(" Height=") + texts.DesiredHeight
         + QStringLiteral(" Left=") + texts.DesiredLeft + QStringLiteral(" Top=") + texts.DesiredTop);
    y += l.FiveMm;
    const QStringList instructions{
        QStringLiteral("Instructions:"),
        QStringLiteral("Measure the Width and Height of solid box as accurately as"),
        QStringLiteral("possible and enter your measurements on the calibration form."),
        QStringLiteral("Print another test page and measure Left and Top of dashed box."),
        QStringLiteral("Note: For Left and Top measure from the edge of the paper even"),
        QStringLiteral("if your printer does not print to the edge."),
        QStringLiteral("Print another test page and the dotted box should have the desired"),
        QStringLiteral("measurements as a result of the calculation based on the entered"),
        QStringLiteral("measurements of the solid and dashed boxes which are:"),
    };
    for (const QString& text : instructions)
        next(text);
    next(QStringLiteral("Width: ") + texts.EnteredWidth);
    next(QStringLiteral("Height: ") + texts.EnteredHeight);
    next(QStringLiteral("Left: ") + texts.EnteredLeft);
    next(QStringLiteral("Top: ") + texts.EnteredTop);
    next(QString());
    next(QStringLiteral("Last calibration data:"));
    next(QStringLiteral("Printer name: ") + texts.PrinterName);
    next(QStringLiteral("Last calibrated: ") + texts.LastCalibrated);

    const int indented = x + canvas.textWidth(QStringLiteral("Last calibration:     "));
    textOut(canvas, x, y, QStringLiteral("Last calibration:"));
    const QStringList last{QStringLiteral("Width: ") + texts.LastWidth, QStringLiteral("Height: ") + texts.LastHeight,
                           QStringLiteral("Left: ") + texts.LastLeft, QStringLiteral("Top: ") + texts.LastTop};
    for (const QString& text : last) {
        textOut(canvas, indented, y, text);
        y += lineHeight;
    }
}
