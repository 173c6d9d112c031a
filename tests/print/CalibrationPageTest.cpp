// The calibration test page: its geometry for printers of several
// resolutions and margins, and what it draws, on a recording canvas (every
// character 10 pixels wide, every line 20 pixels high at the page's 10
// points).

#include "model/Template.h"
#include "print/CalibrationPage.h"
#include "render/RecordingCanvas.h"

#include <QVector>
#include <gtest/gtest.h>

namespace {

QVector<QPoint> boxPoints(const CanvasRect& r)
{
    return {QPoint(r.left, r.top), QPoint(r.right - 1, r.top), QPoint(r.right - 1, r.bottom - 1),
            QPoint(r.left, r.bottom - 1), QPoint(r.left, r.top)};
}

CalibrationTexts sampleTexts()
{
    CalibrationTexts t;
    t.desiredWidth = t.desiredHeight = QStringLiteral("100 mm.");
    t.desiredLeft = t.desiredTop = QStringLiteral("50 mm.");
    t.enteredWidth = QStringLiteral("99 mm.");
    t.enteredHeight = QStringLiteral("100 mm.");
    t.enteredLeft = QStringLiteral("52 mm.");
    t.enteredTop = QStringLiteral("50 mm.");
    t.printerName = QStringLiteral("Office");
    t.lastCalibrated = QStringLiteral("Has not been calibrated yet.");
    t.lastWidth = t.lastHeight = QStringLiteral("100 mm.");
    t.lastLeft = t.lastTop = QStringLiteral("50 mm.");
    return t;
}

} // namespace

TEST(CalibrationLayout, UncalibratedAt600Dpi)
{
    const CalibrationLayout l = calibrationLayout(PrinterGeometry{600, 600, 0, 0}, CalibrationMeasures{});
    // 50 mm is 1181.1 pixels, 150 mm 3543.3.
    EXPECT_EQ(l.solid, (CanvasRect{1181, 1181, 3543, 3543}));
    EXPECT_EQ(l.dashed, l.solid);
    EXPECT_EQ(l.dotted, l.solid);
    EXPECT_EQ(l.arrow, 47);   // 2 mm
    EXPECT_EQ(l.fiveMm, 118); // 5 mm
    EXPECT_EQ(l.leftFrom, QPoint(0, 1299));
    EXPECT_EQ(l.leftTo, QPoint(1181, 1299));
    EXPECT_EQ(l.topFrom, QPoint(1299, 0));
    EXPECT_EQ(l.topTo, QPoint(1299, 1181));
    EXPECT_EQ(l.widthFrom, QPoint(1181, 2953));
    EXPECT_EQ(l.widthTo, QPoint(3543, 2953));
    EXPECT_EQ(l.heightFrom, QPoint(2953, 1181));
    EXPECT_EQ(l.heightTo, QPoint(2953, 3543));
    EXPECT_EQ(l.textX, 1181);
    EXPECT_EQ(l.textY, 3543);
}

TEST(CalibrationLayout, MeasuredWidthScalesTheDashedAndDottedBoxes)
{
    CalibrationMeasures m;
    m.Width = 99000;
    const CalibrationLayout l = calibrationLayout(PrinterGeometry{1200, 1200, 0, 0}, m);
    EXPECT_EQ(l.solid, (CanvasRect{2362, 2362, 7087, 7087}));
    // In MU the dashed box runs from 50505 to 151515: 101010 wide.
    EXPECT_EQ(l.dashed, (CanvasRect{2386, 2362, 7158, 7087}));
    EXPECT_EQ(l.dotted, l.dashed);
    EXPECT_NEAR(l.dashed.width() * 25400.0 / 1200, 101010, 25400.0 / 1200);
    // The dimension lines follow the dashed box.
    EXPECT_EQ(l.leftTo.x(), 2386);
    EXPECT_EQ(l.topFrom.x(), 2386 + 236);
}

TEST(CalibrationLayout, MeasuredLeftAndTopMoveOnlyTheDottedBox)
{
    CalibrationMeasures m;
    m.Left = 52000;
    m.Top = 47000;
    const CalibrationLayout l = calibrationLayout(PrinterGeometry{600, 600, 0, 0}, m);
    EXPECT_EQ(l.dashed, l.solid);
    // 2 mm left, 3 mm down: 48 mm and 53 mm from the edges.
    EXPECT_EQ(l.dotted, (CanvasRect{1134, 1252, 3496, 3614}));
    EXPECT_EQ(l.textY, 3614); // under the lowest box
}

TEST(CalibrationLayout, SolidBoxCountsFromThePapersEdge)
{
    // A quarter inch and an eighth of an inch not printable: the canvas
    // starts there, and the box moves back by as much.
    const PrinterGeometry printer{600, 600, 150, 75};
    const CalibrationLayout l = calibrationLayout(printer, CalibrationMeasures{});
    EXPECT_EQ(l.solid.left + printer.offsetX, 1181);
    EXPECT_EQ(l.solid.top + printer.offsetY, 1181);
    EXPECT_EQ(l.solid.width(), 2362);
    EXPECT_EQ(l.leftFrom.x(), 0); // from the printable edge
    EXPECT_EQ(l.topFrom.y(), 0);
}

TEST(CalibrationLayout, BoxesLieWhereAPrintUnderTheNewCalibrationPutsTheSolidBox)
{
    // The page shows what the calibration will do: the dotted box is the
    // reference box drawn as a print run with the candidate calibration
    // would draw it, the dashed box the same with the scales alone.
    const PrinterGeometry printer{600, 600, 150, 75};
    const CalibrationMeasures m{98000, 102000, 53000, 47000};
    const CalibrationLayout l = calibrationLayout(printer, m);
    TTEMPLATE a4;
    a4.PAPERMUWIDTH = 210000;
    a4.PAPERMUHEIGHT = 297000;

    auto expectPlaced = [&](const CanvasRect& box, const TPRINTERCALIBRATION& c) {
        TPRINTPARAMS p;
        applyPrinterGeometry(p, c, printer, a4);
        EXPECT_NEAR(box.left, (50000 + p.MuOffsetX) * p.PixPerMuX, 2.0);
        EXPECT_NEAR(box.right, (150000 + p.MuOffsetX) * p.PixPerMuX, 2.0);
        EXPECT_NEAR(box.top, (50000 + p.MuOffsetY) * p.PixPerMuY, 2.0);
        EXPECT_NEAR(box.bottom, (150000 + p.MuOffsetY) * p.PixPerMuY, 2.0);
    };
    const TPRINTERCALIBRATION full = calibrationFromMeasures(m);
    TPRINTERCALIBRATION scalesOnly = full;
    scalesOnly.LeftShift = scalesOnly.TopShift = 0;
    {
        SCOPED_TRACE("dotted");
        expectPlaced(l.dotted, full);
    }
    {
        SCOPED_TRACE("dashed");
        expectPlaced(l.dashed, scalesOnly);
    }
}

TEST(CalibrationLayout, MeasuresGiveTheCalibration)
{
    const TPRINTERCALIBRATION desired = calibrationFromMeasures(CalibrationMeasures{});
    EXPECT_EQ(desired, TPRINTERCALIBRATION());
    // A solid box printed 99 mm wide is stretched by 1/0.99 from now on; a
    // dashed box whose left edge measures 52 mm moves everything 2 mm left.
    const TPRINTERCALIBRATION c = calibrationFromMeasures(CalibrationMeasures{99000, 125000, 52000, 40000});
    EXPECT_DOUBLE_EQ(c.ScaleX, 100000.0 / 99000.0);
    EXPECT_DOUBLE_EQ(c.ScaleY, 0.8);
    EXPECT_EQ(c.LeftShift, -2000);
    EXPECT_EQ(c.TopShift, 10000);
}

TEST(CalibrationPage, BoxesDottedThenDashedThenSolid)
{
    RecordingCanvas canvas;
    const PrinterGeometry printer{600, 600, 0, 0};
    const CalibrationMeasures m{99000, 100000, 52000, 50000};
    drawCalibrationPage(canvas, printer, m, sampleTexts());
    const CalibrationLayout l = calibrationLayout(printer, m);

    const QVector<CanvasOp>& ops = canvas.ops();
    ASSERT_GE(ops.size(), 9);
    // The canvas is set up first: solid pen 2 wide, white brush, Arial 10.
    EXPECT_EQ(ops[0].kind, CanvasOp::SetPen);
    EXPECT_EQ(ops[0].pen, (CanvasPen{PenMode::Copy, PenStyle::Solid, 2, Qt::black}));
    EXPECT_EQ(ops[1].brush, (CanvasBrush{BrushStyle::Solid, Qt::white}));
    EXPECT_EQ(ops[2].font.name, QStringLiteral("Arial"));
    EXPECT_EQ(ops[2].font.size, 10);

    const QVector<CanvasOp> lines = canvas.ops(CanvasOp::Polyline);
    ASSERT_EQ(lines.size(), 3 + 4);
    EXPECT_EQ(lines[0].pen, (CanvasPen{PenMode::Copy, PenStyle::Dot, 1, Qt::black}));
    EXPECT_EQ(lines[0].points, boxPoints(l.dotted));
    EXPECT_EQ(lines[1].pen, (CanvasPen{PenMode::Copy, PenStyle::Dash, 1, Qt::black}));
    EXPECT_EQ(lines[1].points, boxPoints(l.dashed));
    EXPECT_EQ(lines[2].pen, (CanvasPen{PenMode::Copy, PenStyle::Solid, 1, Qt::black}));
    EXPECT_EQ(lines[2].points, boxPoints(l.solid));
    EXPECT_NE(l.dotted, l.dashed);

    // Left and top dashed and thin, width and height solid and 2 wide.
    EXPECT_EQ(lines[3].points, (QVector<QPoint>{l.leftFrom, l.leftTo}));
    EXPECT_EQ(lines[3].pen.style, PenStyle::Dash);
    EXPECT_EQ(lines[4].points, (QVector<QPoint>{l.topFrom, l.topTo}));
    EXPECT_EQ(lines[4].pen.width, 1);
    EXPECT_EQ(lines[5].points, (QVector<QPoint>{l.widthFrom, l.widthTo}));
    EXPECT_EQ(lines[5].pen, (CanvasPen{PenMode::Copy, PenStyle::Solid, 2, Qt::black}));
    EXPECT_EQ(lines[6].points, (QVector<QPoint>{l.heightFrom, l.heightTo}));
    EXPECT_EQ(lines[6].pen.width, 2);
}

TEST(CalibrationPage, ArrowheadsAtTheEndsOfTheDimensionLines)
{
    RecordingCanvas canvas;
    const PrinterGeometry printer{600, 600, 0, 0};
    drawCalibrationPage(canvas, printer, CalibrationMeasures{}, sampleTexts());
    const CalibrationLayout l = calibrationLayout(printer, CalibrationMeasures{});
    const QVector<CanvasOp> heads = canvas.ops(CanvasOp::Polygon);
    ASSERT_EQ(heads.size(), 6);
    const int a = l.arrow;
    const int h = a / 2;
    auto tri = [](QPoint tip, QPoint b1, QPoint b2) { return QVector<QPoint>{tip, b1, b2}; };
    const QPoint left = l.leftTo, top = l.topTo;
    EXPECT_EQ(heads[0].points, tri(left, left + QPoint(-a, -h), left + QPoint(-a, h))); // right
    EXPECT_EQ(heads[1].points, tri(top, top + QPoint(-h, -a), top + QPoint(h, -a)));    // down
    const QPoint w0 = l.widthFrom, w1 = l.widthTo, h0 = l.heightFrom, h1 = l.heightTo;
    EXPECT_EQ(heads[2].points, tri(w0, w0 + QPoint(a, -h), w0 + QPoint(a, h)));   // left
    EXPECT_EQ(heads[3].points, tri(w1, w1 + QPoint(-a, -h), w1 + QPoint(-a, h))); // right
    EXPECT_EQ(heads[4].points, tri(h0, h0 + QPoint(-h, a), h0 + QPoint(h, a)));   // up
    EXPECT_EQ(heads[5].points, tri(h1, h1 + QPoint(-h, -a), h1 + QPoint(h, -a))); // down
    for (const CanvasOp& head : heads)
        EXPECT_EQ(head.brush.color, QColor(Qt::black));
    EXPECT_EQ(heads[0].pen.width, 1);
    EXPECT_EQ(heads[2].pen.width, 2);
    // The brush is white again for the words that follow.
    for (const CanvasOp& text : canvas.ops(CanvasOp::Text))
        EXPECT_EQ(text.brush, (CanvasBrush{BrushStyle::Solid, Qt::white})) << text.text.toStdString();
}

TEST(CalibrationPage, WordsAndTextColumn)
{
    RecordingCanvas canvas;
    const PrinterGeometry printer{600, 600, 0, 0};
    const CalibrationMeasures m{99000, 100000, 52000, 50000};
    drawCalibrationPage(canvas, printer, m, sampleTexts());
    const CalibrationLayout l = calibrationLayout(printer, m);
    const QVector<CanvasOp> texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 4 + 23);

    // Words centred on their lines, on a white ground as wide as the word.
    auto expectWord = [](const CanvasOp& op, const char* word, int x, int y) {
        EXPECT_EQ(op.text, QString::fromLatin1(word));
        EXPECT_EQ(op.x, x) << word;
        EXPECT_EQ(op.y, y) << word;
        EXPECT_EQ(op.rect, (CanvasRect{x, y, x + 10 * int(qstrlen(word)), y + 20})) << word;
    };
    expectWord(texts[0], "Left", (0 + l.leftTo.x() - 40) / 2, l.leftFrom.y() - 10);
    expectWord(texts[1], "Top", l.topFrom.x() - 15, (0 + l.topTo.y() - 20) / 2);
    expectWord(texts[2], "Width", (l.widthFrom.x() + l.widthTo.x() - 50) / 2, l.widthFrom.y() - 10);
    expectWord(texts[3], "Height", l.heightFrom.x() - 30, (l.heightFrom.y() + l.heightTo.y() - 20) / 2);

    const QStringList expected{
        "Desired measurements:",
        "Width=100 mm. Height=100 mm. Left=50 mm. Top=50 mm.",
        "Instructions:",
        "Measure the Width and Height of solid box as accurately as",
        "possible and enter your measurements on the calibration form.",
        "Print another test page and measure Left and Top of dashed box.",
        "Note: For Left and Top measure from the edge of the paper even",
        "if your printer does not print to the edge.",
        "Print another test page and the dotted box should have the desired",
        "measurements as a result of the calculation based on the entered",
        "measurements of the solid and dashed boxes which are:",
        "Width: 99 mm.",
        "Height: 100 mm.",
        "Left: 52 mm.",
        "Top: 50 mm.",
        "Last calibration data:",
        "Printer name: Office",
        "Last calibrated: Has not been calibrated yet.",
        "Last calibration:",
        "Width: 100 mm.",
        "Height: 100 mm.",
        "Left: 50 mm.",
        "Top: 50 mm.",
    };
    QStringList column;
    for (qsizetype i = 4; i < texts.size(); ++i)
        column << texts[i].text;
    EXPECT_EQ(column, expected);

    // One line height (20) apart, 5 mm under the lowest box, 5 mm more
    // before the instructions, an empty line before the last calibration.
    const int x = l.solid.left;
    int y = l.textY + l.fiveMm;
    QList<QPoint> wanted;
    for (int i = 0; i < 18; ++i) {
        wanted << QPoint(x, y);
        y += 20;
        if (i == 1)
            y += l.fiveMm;
        if (i == 14)
            y += 20;
    }
    const int indented = x + 10 * int(qstrlen("Last calibration:     "));
    wanted << QPoint(x, y);
    for (int i = 0; i < 4; ++i)
        wanted << QPoint(indented, y + 20 * i);
    QList<QPoint> got;
    for (qsizetype i = 4; i < texts.size(); ++i)
        got << QPoint(texts[i].x, texts[i].y);
    EXPECT_EQ(got, wanted);
}

TEST(CalibrationPage, NothingWithoutAScale)
{
    RecordingCanvas canvas;
    drawCalibrationPage(canvas, PrinterGeometry{600, 600, 0, 0}, CalibrationMeasures{0, 100000, 50000, 50000},
                        sampleTexts());
    drawCalibrationPage(canvas, PrinterGeometry{600, 600, 0, 0}, CalibrationMeasures{100000, 0, 50000, 50000},
                        sampleTexts());
    drawCalibrationPage(canvas, PrinterGeometry{0, 0, 0, 0}, CalibrationMeasures{}, sampleTexts());
    EXPECT_TRUE(canvas.ops().isEmpty());
}

TEST(CalibrationPage, TinyMeasurementStaysWithinTheCanvasRange)
{
    // A thousandth of a millimetre is an accepted width; the dashed box is
    // then far off the paper but every coordinate is still a number.
    const CalibrationLayout l = calibrationLayout(PrinterGeometry{1200, 1200, 0, 0},
                                                  CalibrationMeasures{1, 1, 50000, 50000});
    EXPECT_GT(l.dashed.right, l.solid.right);
    EXPECT_LE(l.dashed.right, 1000000);
    EXPECT_EQ(l.solid, (CanvasRect{2362, 2362, 7087, 7087}));
}
