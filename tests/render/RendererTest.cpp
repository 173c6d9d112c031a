// The page arithmetic, checked through the recording canvas: which slot shows
// which label, where text, pictures, borders and outlines land, at which font
// size, clipped to what, and in which order.
#include "common/SampleSheet.h"
#include "common/PdfReading.h"
#include "common/TestEnv.h"
#include "model/Job.h"
#include "model/Picture.h"
#include "render/PainterCanvas.h"
#include "render/RecordingCanvas.h"
#include "render/Renderer.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <tuple>

namespace {

// One pixel per 100 MU, so that a label of 20 000 x 10 000 MU is 200 x 100.
constexpr double PixPerMu = 0.01;

// A job on a sheet of `across` x `down` labels of 200 x 100 pixels with no
// margins or gaps, plain text formatting with no insets, and the labels given.
struct TestJob {
    TJOB job;
    TTEMPLATE& tpl;
    TJOBINFO& format;

    TestJob(int across, int down, const QList<QStringList>& labels = {}) : tpl(*job.TEMPLATE()), format(*job.JOBINFO())
    {
        // The default font: 12 points.
        applyTestSheet(
            job,
            {.Across = across, .Down = down, .Left = 0, .Top = 0, .labelWidth = 20000, .labelHeight = 10000, .hGap = 0},
            0);
        setLabels(labels);
    }

    void setLabels(const QList<QStringList>& labels) { setTestLabels(job, labels); }
};

QList<QStringList> NumberedLabels(int count)
{
    QList<QStringList> labels;
    for (int i = 0; i < count; ++i)
        labels << QStringList{QStringLiteral("L%1").arg(i)};
    return labels;
}

TPRINTPARAMS Params(PageCanvas* canvas)
{
    TPRINTPARAMS p;
    p.Canvas = canvas;
    p.PixPerMuX = PixPerMu;
    p.PixPerMuY = PixPerMu;
    p.FontScale = 1.0;
    p.PageIndex = 0;
    p.FirstSlot = 0;
    p.RepeatCount = 1;
    p.ShowLabels = true;
    p.ShowTemplate = false;
    p.ToPrinter = true;
    return p;
}

QStringList Texts(const RecordingCanvas& canvas)
{
    QStringList texts;
    for (const CanvasOp& op : canvas.ops(CanvasOp::Text))
        texts << op.text;
    return texts;
}

// The label box of column c, row r on the 200 x 100 grid.
CanvasRect Box(int c, int r)
{
    return CanvasRect{c * 200, r * 100, c * 200 + 200, r * 100 + 100};
}

CanvasRect Inner(const CanvasRect& box)
{
    return CanvasRect{box.left + 1, box.top + 1, box.right - 2, box.bottom - 2};
}

// The job's first page printed into a PDF of 80 x 60 mm at 600 DPI.
QString PrintPdfPage(const TJOB& job, const QString& path)
{
    QPdfWriter pdf(path);
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QSizeF(80, 60), QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF());
    PainterCanvas painter(&pdf);
    TPRINTPARAMS p = Params(&painter);
    p.PixPerMuX = p.PixPerMuY = 600 / 25400.0;
    PRINT(job, p);
    return path;
}

QString WritePng(const QString& path, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.save(path);
    return path;
}

} // namespace

TEST(RendererSlots, FirstSlotFiveOnTwoByThreeSheet)
{
    TestJob t(2, 3, NumberedLabels(3));
    t.format.FONT.Style = StoredFont::fsBold | StoredFont::fsItalic;
    RecordingCanvas canvas;
    TPRINTPARAMS p = Params(&canvas);
    p.FirstSlot = 5;
    p.ShowTemplate = true;
    PRINT(t.job, p);
    QVector<CanvasOp> texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 6);
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(texts[slot].text, QStringLiteral("Label [%1]").arg(slot + 1));
        EXPECT_EQ(texts[slot].rect, Inner(Box(slot % 2, slot / 2)));
        // Regular, as no label text was drawn before: never the label font's italic.
        EXPECT_EQ(texts[slot].font.style, 0);
    }
    EXPECT_EQ(texts[5].text, QStringLiteral("L0"));
    EXPECT_EQ(texts[5].rect, Inner(Box(1, 2)));

    // Without outlines the empty slots show nothing at all.
    canvas.clear();
    p.ShowTemplate = false;
    PRINT(t.job, p);
    EXPECT_EQ(Texts(canvas), QStringList{QStringLiteral("L0")});
    EXPECT_TRUE(canvas.ops(CanvasOp::Polyline).isEmpty());

    // The next sheet continues the slot numbers: slots 6 and 7 hold labels 1
    // and 2, and the placeholders name slots 9 to 12.
    canvas.clear();
    p.ShowTemplate = true;
    p.PageIndex = 1;
    PRINT(t.job, p);
    EXPECT_EQ(Texts(canvas), (QStringList{"L1", "L2", "Label [9]", "Label [10]", "Label [11]", "Label [12]"}));
    texts = canvas.ops(CanvasOp::Text);
    EXPECT_EQ(texts[0].font.style, StoredFont::fsBold | StoredFont::fsItalic);
    EXPECT_EQ(texts[5].font.style, StoredFont::fsItalic);
}

TEST(RendererSlots, RepeatCountFillsConsecutiveSlots)
{
    TestJob t(2, 4, NumberedLabels(3));
    RecordingCanvas canvas;
    TPRINTPARAMS p = Params(&canvas);
    p.FirstSlot = 1;
    p.RepeatCount = 3;
    PRINT(t.job, p);
    EXPECT_EQ(Texts(canvas), (QStringList{"L0", "L0", "L0", "L1", "L1", "L1", "L2"}));
    // The first of them sits in slot 1, the last in slot 7.
    EXPECT_EQ(canvas.ops(CanvasOp::Text).first().rect, Inner(Box(1, 0)));
    EXPECT_EQ(canvas.ops(CanvasOp::Text).last().rect, Inner(Box(1, 3)));

    canvas.clear();
    p.RepeatCount = 0;
    PRINT(t.job, p);
    EXPECT_TRUE(Texts(canvas).isEmpty());

    canvas.clear();
    p.ShowTemplate = true;
    PRINT(t.job, p);
    EXPECT_EQ(Texts(canvas).size(), 8);
    for (const QString& text : Texts(canvas))
        EXPECT_TRUE(text.startsWith(QStringLiteral("Label [")));
}

TEST(RendererGeometry, EachCoordinateIsRoundedSeparatelyHalvesToEven)
{
    TestJob t(2, 1);
    t.tpl.MULEFT = 1;
    t.tpl.MUTOP = 3;
    t.tpl.MULABELWIDTH = 2;
    t.tpl.MULABELHEIGHT = 2;
    t.tpl.MUHGAP = 1;
    RecordingCanvas canvas;
    TPRINTPARAMS p = Params(&canvas);
    p.PixPerMuX = 0.5;
    p.PixPerMuY = 0.5;
    p.ShowTemplate = true;
    p.ShowLabels = false;
    PRINT(t.job, p);
    const QVector<CanvasOp> lines = canvas.ops(CanvasOp::Polyline);
    ASSERT_EQ(lines.size(), 2);
    // Column 0: x from 1 to 3 MU gives 0.5 -> 0 and 1.5 -> 2; y from 3 to 5
    // gives 1.5 -> 2 and 2.5 -> 2. Column 1: x from 4 to 6 gives 2 and 3.
    EXPECT_EQ(lines[0].points, (QVector<QPoint>{{0, 2}, {1, 2}, {1, 1}, {0, 1}, {0, 2}}));
    EXPECT_EQ(lines[1].points, (QVector<QPoint>{{2, 2}, {2, 2}, {2, 1}, {2, 1}, {2, 2}}));

    // Offsets are added in MU before scaling.
    canvas.clear();
    t.tpl.MULABELWIDTH = 20000;
    t.tpl.MULABELHEIGHT = 10000;
    t.tpl.MULEFT = 5000;
    t.tpl.MUTOP = 0;
    t.tpl.MUHGAP = 0;
    t.tpl.NUMACROSS = 1;
    p = Params(&canvas);
    p.ShowTemplate = true;
    p.ShowLabels = false;
    p.MuOffsetX = -1050;
    p.MuOffsetY = 250;
    PRINT(t.job, p);
    ASSERT_EQ(canvas.ops(CanvasOp::Polyline).size(), 1);
    // 3950 MU -> 39.5 -> 40; 250 -> 2.5 -> 2; 23950 -> 239.5 -> 240; 10250 -> 102.5 -> 102.
    EXPECT_EQ(canvas.ops(CanvasOp::Polyline)[0].points,
              (QVector<QPoint>{{40, 2}, {239, 2}, {239, 101}, {40, 101}, {40, 2}}));
}

TEST(RendererText, WideLineWithoutShrinkIsClippedAtTheTextArea)
{
    // Insets of 10 pixels make the text area 11..188 x 11..88, 177 x 77
    // pixels (the inner rectangle 1..198 x 1..98 less the insets).
    TestJob t(1, 1, {{QStringLiteral("a line of twenty-two c")}});
    t.format.MUBORDERLEFT = t.format.MUBORDERTOP = t.format.MUBORDERRIGHT = t.format.MUBORDERBOTTOM = 1000;
    const CanvasRect area{11, 11, 188, 88};
    RecordingCanvas canvas;
    PRINT(t.job, Params(&canvas));
    QVector<CanvasOp> texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].font.size, 12); // 22 x 12 = 264 pixels, wider than 177
    EXPECT_EQ(texts[0].x, 11);
    EXPECT_EQ(texts[0].y, 11);
    EXPECT_EQ(texts[0].rect, area);
    EXPECT_EQ(texts[0].brush.style, BrushStyle::Clear);

    // Centred, the block starts left of the area and is cut at both ends.
    canvas.clear();
    t.format.TEXTALIGNHORIZ = 1;
    PRINT(t.job, Params(&canvas));
    texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].x, -32); // 11 + (177 - 264) div 2, -43.5 truncated
    EXPECT_LT(texts[0].x, area.left);
    EXPECT_GT(texts[0].x + 264, area.right);
    EXPECT_EQ(texts[0].rect, area);
}

TEST(RendererText, ShrinkToFitStepsWidthFirstThenHeight)
{
    // The text area is 177 x 77. Width: 22 characters fit at 8 points (176).
    TestJob t(1, 1, {{QStringLiteral("a line of twenty-two c")}});
    t.format.MUBORDERLEFT = t.format.MUBORDERTOP = t.format.MUBORDERRIGHT = t.format.MUBORDERBOTTOM = 1000;
    t.format.TEXTSHRINKTOFIT = true;
    RecordingCanvas canvas;
    PRINT(t.job, Params(&canvas));
    ASSERT_EQ(canvas.ops(CanvasOp::Text).size(), 1);
    EXPECT_EQ(canvas.ops(CanvasOp::Text)[0].font.size, 8);

    // Five lines: the width allows 8 points, then the height (5 x 2 x size
    // <= 77) brings it down to 7.
    t.setLabels({{"a", "a line of twenty-two c", "b", "c", "d"}});
    canvas.clear();
    PRINT(t.job, Params(&canvas));
    QVector<CanvasOp> texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 5);
    EXPECT_EQ(texts[0].font.size, 7);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(texts[i].y, 11 + 14 * i);

    // A line that does not fit even at 1 point ends at 1 and is clipped.
    t.setLabels({{QString(400, QLatin1Char('x'))}});
    canvas.clear();
    PRINT(t.job, Params(&canvas));
    texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].font.size, 1);
    EXPECT_EQ(texts[0].rect, (CanvasRect{11, 11, 188, 88}));
}

// The block of a label shrunk to its width is as wide as its longest line
// at the shrunk size: right-justified lines end at that line's end, inside
// the text area.
TEST(RendererText, ShrunkBlockIsAsWideAsItsLongestLineAtTheShrunkSize)
{
    // The text area is 177 wide; 22 characters fit at 8 points (176).
    TestJob t(1, 1, {{QStringLiteral("a line of twenty-two c"), QStringLiteral("b")}});
    t.format.MUBORDERLEFT = t.format.MUBORDERTOP = t.format.MUBORDERRIGHT = t.format.MUBORDERBOTTOM = 1000;
    t.format.TEXTSHRINKTOFIT = true;
    t.format.TEXTJUSTIFY = 2;
    RecordingCanvas canvas;
    PRINT(t.job, Params(&canvas));
    const QVector<CanvasOp> texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0].font.size, 8);
    EXPECT_EQ(texts[0].x, 11);
    EXPECT_EQ(texts[1].x, 11 + 176 - 8);
}

// The painter canvas with the real fonts, noting the size and the text area
// of the last label text drawn.
class NotingCanvas : public PainterCanvas {
public:
    using PainterCanvas::PainterCanvas;
    void drawTextBlock(const CanvasRect& clip, std::span<const PlacedText> lines) override
    {
        drawnSize = font().size;
        area = clip;
        PainterCanvas::drawTextBlock(clip, lines);
    }
    int drawnSize = 0;
    CanvasRect area;
};

// The shrink rule as it reads: the longest line (the first of the widest) at
// the starting size, then one point down at a time, width first.
int SteppedSize(PageCanvas& canvas, CanvasFont font, const QStringList& lines, const CanvasRect& area)
{
    canvas.setFont(font);
    QString longest;
    for (const QString& line : lines)
        if (canvas.textWidth(line) > canvas.textWidth(longest))
            longest = line;
    while (canvas.textWidth(longest) > area.width() && font.size > 1) {
        --font.size;
        canvas.setFont(font);
    }
    while (canvas.textHeight(longest) * lines.size() > area.height() && font.size > 1) {
        --font.size;
        canvas.setFont(font);
    }
    return font.size;
}

TEST(RendererText, ShrinkToFitEndsAtTheSizeOfTheOnePointSteps)
{
    QRandomGenerator random(20240611);
    const QString letters = QStringLiteral("iIl1 .,WMmw@abcdefghxyz\u00e9\u00c5\u0416\u4e2d");
    for (int round = 0; round < 120; ++round) {
        const int dpi = round % 2 ? 96 : 300;
        QImage image(8, 8, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        QList<QStringList> labels(1);
        for (int n = 1 + random.bounded(6); n > 0; --n) {
            QString line;
            for (int length = 1 + random.bounded(40); length > 0; --length)
                line += letters[random.bounded(letters.size())];
            labels[0] << line;
        }
        TestJob t(1, 1, labels);
        t.tpl.MULABELWIDTH = 1000 + random.bounded(60000);
        t.tpl.MULABELHEIGHT = 1000 + random.bounded(30000);
        t.format.TEXTSHRINKTOFIT = true;
        t.format.FONT.Name = round % 3 ? QStringLiteral("Arial") : QStringLiteral("COURIER NEW");
        t.format.FONT.setSize(1 + random.bounded(round % 8 ? 72 : 400));
        TPRINTPARAMS p = Params(nullptr);
        p.PixPerMuX = p.PixPerMuY = dpi / 25400.0;
        NotingCanvas canvas(&image);
        p.Canvas = &canvas;
        PRINT(t.job, p);
        QImage other = image;
        PainterCanvas reference(&other);
        const CanvasFont start = canvasFont(t.format.FONT);
        ASSERT_EQ(canvas.drawnSize, SteppedSize(reference, start, labels[0], canvas.area))
            << "round " << round << ", from " << start.size << " points: " << labels[0].join(u'|').toStdString();
    }
}

// Heights from damaged files: billions of pixels shrink quickly (one point
// at a time they took billions of steps) and ten thousand are drawn, at the
// font dialog's largest size.
TEST(RendererText, AbsurdFontHeightsAreDrawnAtTheLargestSize)
{
    TestJob t(1, 1, {{QStringLiteral("ab")}});
    RecordingCanvas canvas;
    for (qint32 height : {-2000000000, -10000, INT32_MIN, 2000000000}) {
        t.format.FONT.Height = height;
        t.format.TEXTSHRINKTOFIT = false;
        canvas.clear();
        PRINT(t.job, Params(&canvas));
        ASSERT_EQ(canvas.ops(CanvasOp::Text).size(), 1);
        EXPECT_EQ(canvas.ops(CanvasOp::Text)[0].font.size, StoredFont::MaxPoints) << height;
        // The text area is 197 x 97: one line of two characters fits at 48
        // points (2 x 48 = 96 pixels tall).
        t.format.TEXTSHRINKTOFIT = true;
        canvas.clear();
        PRINT(t.job, Params(&canvas));
        EXPECT_EQ(canvas.ops(CanvasOp::Text)[0].font.size, 48) << height;
        EXPECT_LT(canvas.measureCount(), 60);
    }

    // On paper the text shows.
    t.format.FONT.Height = -10000;
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        PainterCanvas painter(&image);
        PRINT(t.job, Params(&painter));
    }
    bool inked = false;
    for (int y = 0; y < 100 && !inked; ++y)
        for (int x = 0; x < 200 && !inked; ++x)
            inked = image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_TRUE(inked);
}

// A line of a megabyte and a label of thousands of lines: a label holds
// 10 000 lines of 10 000 characters, and only the lines that can show are
// laid out for drawing.
TEST(RendererText, LabelsAreCutAtTenThousandLinesOfTenThousandCharacters)
{
    QTemporaryDir dir;
    QFile data(dir.filePath(QStringLiteral("data.txt")));
    ASSERT_TRUE(data.open(QIODevice::WriteOnly));
    data.write("start" + QByteArray(1 << 20, 'x') + "\n" + QByteArray("short line\n").repeated(12000));
    data.close();
    TestJob t(1, 1);
    t.job.DATAINFO()->FULLFILENAME = data.fileName();
    ASSERT_TRUE(t.job.DATAINFO()->LOADDATA());
    t.format.TEXTALIGNVERT = 2;
    RecordingCanvas canvas;
    PRINT(t.job, Params(&canvas));
    // 24 pixels a line: the area of 97 shows the last four of the 10 000
    // and a part of the one before, and three more above are drawn.
    const QVector<CanvasOp> texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 4 + 1 + 3);
    EXPECT_EQ(texts.back().y, 98 - 24);
    EXPECT_EQ(texts.back().text, QStringLiteral("short line"));

    // Top-aligned, the first line is the one cut at 10 000 characters.
    canvas.clear();
    t.format.TEXTALIGNVERT = 0;
    PRINT(t.job, Params(&canvas));
    EXPECT_EQ(canvas.ops(CanvasOp::Text).value(0).text.size(), 10000);
    EXPECT_TRUE(canvas.ops(CanvasOp::Text).value(0).text.startsWith(QLatin1String("startxxx")));

    // Right-aligned, that line ends at the area's right edge.
    canvas.clear();
    t.format.TEXTALIGNHORIZ = 2;
    PRINT(t.job, Params(&canvas));
    EXPECT_EQ(canvas.ops(CanvasOp::Text).value(0).x, 198 - 10000 * 12);
}

TEST(RendererText, BlockAlignmentAndLineJustification)
{
    TestJob t(1, 1, {{"ab", "abcd", "abc"}});
    t.format.TEXTALIGNHORIZ = 1;
    t.format.TEXTALIGNVERT = 1;
    t.format.TEXTJUSTIFY = 0;
    // Inner rectangle 1..198 x 1..98; the block is 48 wide and 3 x 24 tall.
    const int blockLeft = 1 + (197 - 48) / 2;
    const int blockTop = 1 + (97 - 72) / 2;
    RecordingCanvas canvas;
    PRINT(t.job, Params(&canvas));
    QVector<CanvasOp> texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(texts[i].x, blockLeft) << i;
        EXPECT_EQ(texts[i].y, blockTop + 24 * i) << i;
    }

    canvas.clear();
    t.format.TEXTJUSTIFY = 2;
    PRINT(t.job, Params(&canvas));
    texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(texts[i].x + texts[i].text.size() * 12, blockLeft + 48) << i;

    canvas.clear();
    t.format.TEXTJUSTIFY = 1;
    t.format.TEXTALIGNHORIZ = 2;
    t.format.TEXTALIGNVERT = 2;
    PRINT(t.job, Params(&canvas));
    texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0].x, 198 - 48 + 12); // (48 - 24) div 2
    EXPECT_EQ(texts[2].x, 198 - 48 + 6);  // (48 - 36) div 2
    EXPECT_EQ(texts[2].y + 24, 98);
}

namespace {

// Measures a line holding "tall" one pixel taller, so that the line chosen
// as the longest shows in the line height.
class TallLineCanvas : public RecordingCanvas {
public:
    int textHeight(const QString& text) override
    {
        return RecordingCanvas::textHeight(text) + (text.contains(QStringLiteral("tall")) ? 1 : 0);
    }
};

} // namespace

TEST(RendererText, OfEquallyWideLinesTheFirstIsTheLongest)
{
    TestJob t(1, 1, {{"flat", "tall"}});
    TallLineCanvas canvas;
    PRINT(t.job, Params(&canvas));
    QVector<CanvasOp> texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[1].y - texts[0].y, 24);

    t.setLabels({{"tall", "flat"}});
    canvas.clear();
    PRINT(t.job, Params(&canvas));
    texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[1].y - texts[0].y, 25);
}

TEST(RendererText, PreviewScalesFontsThePrinterDoesNot)
{
    TestJob t(1, 2, NumberedLabels(1));
    t.tpl.MULABELWIDTH = 6000; // 60 x 20 pixels: the placeholder must shrink
    t.tpl.MULABELHEIGHT = 2000;
    RecordingCanvas canvas;
    TPRINTPARAMS p = Params(&canvas);
    p.ShowTemplate = true;
    PRINT(t.job, p);
    QVector<CanvasOp> texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0].font.size, 12);
    // "Label [2]" in an inner rectangle of 57 x 17: height brings 14 points
    // to 8, width (9 x size <= 57) stops at the floor of 6.
    EXPECT_EQ(texts[1].text, QStringLiteral("Label [2]"));
    EXPECT_EQ(texts[1].font.size, 6);
    EXPECT_EQ(texts[1].font.name, QStringLiteral("Arial"));
    EXPECT_EQ(texts[1].font.color, QColor(192, 192, 192));
    EXPECT_EQ(texts[1].font.style & StoredFont::fsBold, 0);
    EXPECT_EQ(texts[1].brush.style, BrushStyle::Solid);
    EXPECT_EQ(texts[1].brush.color, QColor(Qt::white));

    canvas.clear();
    p.ToPrinter = false;
    p.FontScale = 0.5;
    PRINT(t.job, p);
    texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0].font.size, 6);
    EXPECT_EQ(texts[1].font.size, 3); // fitted first, then scaled

    // Label text rounds halves to even; the placeholder rounds up.
    canvas.clear();
    p.FontScale = 0.375; // 12 -> 4.5 -> 4; 6 -> 2.25 -> 3
    PRINT(t.job, p);
    texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0].font.size, 4);
    EXPECT_EQ(texts[1].font.size, 3);
    // Placeholder centred in the inner rectangle 1..58 x 21..38.
    EXPECT_EQ(texts[1].x, (1 + 58 - 27) / 2);
    EXPECT_EQ(texts[1].y, (21 + 38 - 6) / 2);
}

TEST(RendererLayers, TemplatePageDrawsOutlinesAndPlaceholdersOnly)
{
    QTemporaryDir dir;
    TestJob t(2, 2, NumberedLabels(4));
    t.format.SHOWBORDER = true;
    t.format.ShowPic = true;
    t.job.DATAINFO()->PicFileName = WritePng(dir.filePath(QStringLiteral("p.png")), 20, 10);
    RecordingCanvas canvas;
    TPRINTPARAMS p = Params(&canvas);
    p.ShowLabels = false;
    p.ShowTemplate = true;
    PRINT(t.job, p);
    EXPECT_TRUE(canvas.ops(CanvasOp::StretchDraw).isEmpty());
    EXPECT_EQ(Texts(canvas), (QStringList{"Label [1]", "Label [2]", "Label [3]", "Label [4]"}));
    const QVector<CanvasOp> lines = canvas.ops(CanvasOp::Polyline);
    ASSERT_EQ(lines.size(), 4);
    for (const CanvasOp& line : lines) {
        EXPECT_EQ(line.pen.width, 1);
        EXPECT_EQ(line.pen.color, QColor(Qt::black));
    }
    EXPECT_EQ(lines[3].points, (QVector<QPoint>{{200, 100}, {399, 100}, {399, 199}, {200, 199}, {200, 100}}));
}

TEST(RendererLayers, PicturesAndBordersLieUnderOutlinesAndText)
{
    QTemporaryDir dir;
    TestJob t(2, 2, NumberedLabels(4));
    t.format.SHOWBORDER = true;
    t.format.MUBORDERWIDTH = 300; // 3 pixels, unlike the outlines
    t.format.ShowPic = true;
    t.format.FitToLabel = true;
    t.job.DATAINFO()->PicFileName = WritePng(dir.filePath(QStringLiteral("p.png")), 20, 10);
    RecordingCanvas canvas;
    TPRINTPARAMS p = Params(&canvas);
    p.ShowTemplate = true;
    PRINT(t.job, p);
    int lastUnder = -1;
    int firstOver = -1;
    const QVector<CanvasOp>& ops = canvas.ops();
    for (int i = 0; i < ops.size(); ++i) {
        const bool under = ops[i].kind == CanvasOp::StretchDraw
                           || (ops[i].kind == CanvasOp::Polyline && ops[i].pen.width != 1);
        const bool over = ops[i].kind == CanvasOp::Text || (ops[i].kind == CanvasOp::Polyline && ops[i].pen.width == 1);
        if (under)
            lastUnder = i;
        if (over && firstOver < 0)
            firstOver = i;
    }
    EXPECT_EQ(canvas.ops(CanvasOp::StretchDraw).size(), 4);
    ASSERT_GE(lastUnder, 0);
    ASSERT_GE(firstOver, 0);
    EXPECT_LT(lastUnder, firstOver);
}

TEST(RendererBorder, GrowsOutwardFromTheInsetEdges)
{
    TestJob t(1, 1, NumberedLabels(1));
    t.format.SHOWBORDER = true;
    t.format.MUBORDERLEFT = 1000;
    t.format.MUBORDERTOP = 2000;
    t.format.MUBORDERRIGHT = 1500;
    t.format.MUBORDERBOTTOM = 500;
    t.format.MUBORDERWIDTH = 500;      // 5 pixels, half of it 2
    t.format.BORDERCOLOR = 0x00FF8000; // blue 255, green 128, red 0
    RecordingCanvas canvas;
    PRINT(t.job, Params(&canvas));
    const QVector<CanvasOp> lines = canvas.ops(CanvasOp::Polyline);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].pen.width, 5);
    EXPECT_EQ(lines[0].pen.color, QColor(0, 128, 255));
    EXPECT_EQ(lines[0].points, (QVector<QPoint>{{8, 18}, {187, 18}, {187, 97}, {8, 97}, {8, 18}}));
    // The text area is the inner rectangle less the same insets.
    ASSERT_EQ(canvas.ops(CanvasOp::Text).size(), 1);
    EXPECT_EQ(canvas.ops(CanvasOp::Text)[0].rect, (CanvasRect{11, 21, 183, 93}));
}

TEST(RendererPicture, FitToLabelKeepingRatio)
{
    QTemporaryDir dir;
    TestJob t(1, 1, NumberedLabels(1));
    t.tpl.MULABELHEIGHT = 20000; // a square label, 200 x 200
    t.format.ShowPic = true;
    t.format.FitToLabel = true;
    t.format.KeepRatio = true;
    t.format.PicAlignHoriz = 0;
    t.format.PicAlignVert = 0;
    t.job.DATAINFO()->PicFileName = WritePng(dir.filePath(QStringLiteral("wide.png")), 40, 20);
    RecordingCanvas canvas;
    PRINT(t.job, Params(&canvas));
    QVector<CanvasOp> pictures = canvas.ops(CanvasOp::StretchDraw);
    ASSERT_EQ(pictures.size(), 1);
    // The picture box is 200 x 100 at the top: the label box covers twice
    // the picture's height.
    EXPECT_EQ(pictures[0].rect, (CanvasRect{0, 0, 200, 200}));
    EXPECT_EQ(pictures[0].source, (CanvasRect{0, 0, 40, 40}));
    EXPECT_EQ(pictures[0].pictureSize, QSize(40, 20));

    canvas.clear();
    t.format.PicAlignVert = 1; // box from y 50 to 150
    PRINT(t.job, Params(&canvas));
    pictures = canvas.ops(CanvasOp::StretchDraw);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0].source, (CanvasRect{0, -10, 40, 30}));

    canvas.clear();
    t.format.PicAlignVert = 2; // box from y 100 to 200
    PRINT(t.job, Params(&canvas));
    pictures = canvas.ops(CanvasOp::StretchDraw);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0].source, (CanvasRect{0, -20, 40, 20}));
}

TEST(RendererPicture, PercentagesOfWidthAndHeightAndLeft)
{
    QTemporaryDir dir;
    TestJob t(1, 1, NumberedLabels(1)); // 200 x 100
    t.format.ShowPic = true;
    t.format.FitToLabel = false;
    t.format.KeepRatio = true;
    t.format.UsePicPCWidth = true;
    t.format.PicPCWidth = 50;
    t.format.UsePicPCHeight = true;
    t.format.PicPCHeight = 25;
    t.format.PicAlignHoriz = 0;
    t.format.PicAlignVert = 0;
    t.job.DATAINFO()->PicFileName = WritePng(dir.filePath(QStringLiteral("wide.png")), 200, 100);
    RecordingCanvas canvas;
    PRINT(t.job, Params(&canvas));
    QVector<CanvasOp> pictures = canvas.ops(CanvasOp::StretchDraw);
    ASSERT_EQ(pictures.size(), 1);
    // Width first: 100 x 50; the height rule then decides: 50 x 25, a
    // quarter of the label's height in the picture's proportions.
    EXPECT_EQ(pictures[0].source, (CanvasRect{0, 0, 800, 400}));

    // The left percentage wins over centring; the width stays 50.
    canvas.clear();
    t.format.PicAlignHoriz = 1;
    t.format.UsePicPCLeft = true;
    t.format.PicPCLeft = 10; // x from 20 to 70
    PRINT(t.job, Params(&canvas));
    pictures = canvas.ops(CanvasOp::StretchDraw);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0].source, (CanvasRect{-80, 0, 720, 400}));

    // Without the left percentage the centring holds: x from 75 to 125.
    canvas.clear();
    t.format.UsePicPCLeft = false;
    PRINT(t.job, Params(&canvas));
    pictures = canvas.ops(CanvasOp::StretchDraw);
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0].source, (CanvasRect{-300, 0, 500, 400}));
}

TEST(RendererPicture, EmptyPictureBoxDrawsNoPicture)
{
    QTemporaryDir dir;
    TestJob t(1, 1, NumberedLabels(1));
    t.format.ShowPic = true;
    t.format.UsePicPCWidth = true;
    t.format.PicPCWidth = 0;
    t.format.UsePicPCHeight = true;
    t.format.PicPCHeight = 50;
    t.format.KeepRatio = true;
    t.job.DATAINFO()->PicFileName = WritePng(dir.filePath(QStringLiteral("p.png")), 20, 10);
    RecordingCanvas canvas;
    PRINT(t.job, Params(&canvas));
    EXPECT_TRUE(canvas.ops(CanvasOp::StretchDraw).isEmpty());
    EXPECT_EQ(Texts(canvas), QStringList{QStringLiteral("L0")});

    // A label of no size: fitting gives a box of no size.
    canvas.clear();
    t.format.UsePicPCWidth = t.format.UsePicPCHeight = false;
    t.format.FitToLabel = true;
    t.tpl.MULABELWIDTH = 0;
    PRINT(t.job, Params(&canvas));
    EXPECT_TRUE(canvas.ops(CanvasOp::StretchDraw).isEmpty());

    // A drawing of no width draws nothing either.
    canvas.clear();
    t.tpl.MULABELWIDTH = 20000;
    QFile svg(dir.filePath(QStringLiteral("empty.svg")));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"0\" height=\"10\"/>");
    svg.close();
    t.job.DATAINFO()->PicFileName = svg.fileName();
    QString error;
    PRINT(t.job, Params(&canvas), &error);
    EXPECT_TRUE(canvas.ops(CanvasOp::Svg).isEmpty());
    EXPECT_TRUE(canvas.ops(CanvasOp::StretchDraw).isEmpty());
    EXPECT_EQ(Texts(canvas), QStringList{QStringLiteral("L0")});
}

TEST(RendererPicture, SvgIsDrawnIntoThePictureBoxCutAtTheLabel)
{
    QTemporaryDir dir;
    TestJob t(2, 1, NumberedLabels(2));
    t.format.ShowPic = true;
    t.format.FitToLabel = true;
    t.format.KeepRatio = true;
    t.format.PicAlignHoriz = 1;
    t.format.PicAlignVert = 0;
    QFile svg(dir.filePath(QStringLiteral("logo.svg")));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"50\" height=\"50\">"
              "<circle cx=\"25\" cy=\"25\" r=\"20\" fill=\"red\"/></svg>");
    svg.close();
    t.job.DATAINFO()->PicFileName = svg.fileName();
    RecordingCanvas canvas;
    PRINT(t.job, Params(&canvas));
    const QVector<CanvasOp> drawings = canvas.ops(CanvasOp::Svg);
    ASSERT_EQ(drawings.size(), 2);
    EXPECT_EQ(drawings[1].box, QRectF(250, 0, 100, 100));
    EXPECT_EQ(drawings[1].rect, Box(1, 0));
}

TEST(RendererPicture, CostlyDrawingIsDrawnOnceIntoABitmapAndAddsLittleToAPdf)
{
    // Eighty gradients of a thousand stops (3 MB), each filling a shape:
    // within every limit of a drawing, but drawn as vectors on 24 labels
    // it made a PDF page of hundreds of MB. It is drawn once into a bitmap
    // at the page's resolution, which every label shows and the PDF holds
    // once.
    QTemporaryDir dir;
    QByteArray drawing = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">";
    for (int g = 0; g < 80; ++g) {
        drawing += "<linearGradient id=\"g" + QByteArray::number(g) + "\">";
        for (int i = 0; i < 1000; ++i)
            drawing += "<stop offset=\"" + QByteArray::number(i / 1000.0) + "\" stop-color=\"#"
                       + QByteArray::number(0x100000 + (g * 1000 + i) * 97 % 0xEFFFFF, 16) + "\"/>";
        drawing += "</linearGradient><rect x=\"" + QByteArray::number(g % 10 * 10) + "\" y=\""
                   + QByteArray::number(g / 10 * 10) + "\" width=\"10\" height=\"10\" fill=\"url(#g"
                   + QByteArray::number(g) + ")\"/>";
    }
    drawing += "</svg>";
    TestJob t(4, 6, NumberedLabels(24));
    t.format.ShowPic = true;
    t.format.FitToLabel = true;
    t.format.KeepRatio = true;
    t.format.PicAlignHoriz = 1;
    t.format.PicAlignVert = 0;
    t.job.DATAINFO()->PicFileName = WriteFile(dir.filePath(QStringLiteral("gradient.svg")), drawing);
    RecordingCanvas canvas;
    QString error;
    PRINT(t.job, Params(&canvas), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_TRUE(canvas.ops(CanvasOp::Svg).isEmpty());
    const QVector<CanvasOp> images = canvas.ops(CanvasOp::Image);
    ASSERT_EQ(images.size(), 24);
    EXPECT_EQ(images[5].box, QRectF(250, 100, 100, 100));
    EXPECT_EQ(images[5].rect, Box(1, 1));
    EXPECT_EQ(images[5].pictureSize, QSize(100, 100)); // the box's pixels

    const QString pdfPath = PrintPdfPage(t.job, dir.filePath(QStringLiteral("page.pdf")));
    EXPECT_LT(QFileInfo(pdfPath).size(), 2 << 20);

    // A gradient of more stops than a real one has is refused: the SVG
    // renderer alone took 15 s over one of 90 000.
    QString reason;
    EXPECT_FALSE(checkSvgDrawing("<svg xmlns=\"http://www.w3.org/2000/svg\"><linearGradient>"
                                     + QByteArray("<stop/>").repeated(SvgLimits::MaxGradientStops + 1)
                                     + "</linearGradient></svg>",
                                 &reason));
    EXPECT_EQ(reason, QStringLiteral("has a gradient of more than 1000 stops"));
    // A small drawing stays vectors; a style sheet's paints cost as much as
    // anything can.
    drawing = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"><style>.a{fill:url(#g)}</style>"
              "<linearGradient id=\"g\"/><rect class=\"a\" width=\"10\" height=\"10\"/></svg>";
    qint64 cost = 0;
    ASSERT_TRUE(checkSvgDrawing(drawing, nullptr, &cost));
    EXPECT_GT(cost, SvgLimits::MaxVectorCost);
    drawing.replace("<style>.a{fill:url(#g)}</style>", "");
    ASSERT_TRUE(checkSvgDrawing(drawing, nullptr, &cost));
    EXPECT_LT(cost, 200);
    // Each <use> and each paint reference counts its elements once more.
    QByteArray stops;
    for (int i = 0; i < 1000; ++i)
        stops += "<stop offset=\"0\"/>";
    const QByteArray used = "<svg xmlns=\"http://www.w3.org/2000/svg\"><linearGradient id=\"g\">" + stops
                            + "</linearGradient><rect id=\"r\" fill=\"url(#g)\"/>"
                            + QByteArray("<use href=\"#r\"/>").repeated(3) + "</svg>";
    ASSERT_TRUE(checkSvgDrawing(used, nullptr, &cost));
    EXPECT_GT(cost, 5 * stops.size());
    EXPECT_LT(cost, 5 * stops.size() + 400);
}

TEST(RendererPicture, UnreadablePictureIsReportedAndThePageStillDrawn)
{
    QTemporaryDir dir;
    TestJob t(2, 1, NumberedLabels(2));
    t.format.ShowPic = true;
    t.format.SHOWBORDER = true;
    QFile broken(dir.filePath(QStringLiteral("broken.png")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("this is not a picture");
    broken.close();
    t.job.DATAINFO()->PicFileName = broken.fileName();
    RecordingCanvas canvas;
    QString error;
    PRINT(t.job, Params(&canvas), &error);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("broken.png"))) << error.toStdString();
    EXPECT_TRUE(canvas.ops(CanvasOp::StretchDraw).isEmpty());
    EXPECT_EQ(Texts(canvas), (QStringList{"L0", "L1"}));
    EXPECT_EQ(canvas.ops(CanvasOp::Polyline).size(), 2);

    // A missing file is not an error.
    canvas.clear();
    error.clear();
    t.job.DATAINFO()->PicFileName = dir.filePath(QStringLiteral("missing.png"));
    PRINT(t.job, Params(&canvas), &error);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(Texts(canvas), (QStringList{"L0", "L1"}));
}

TEST(RendererStart, NoCanvasNoDrawingAndTheRecordIsLeftAlone)
{
    TestJob t(1, 1, NumberedLabels(1));
    TPRINTPARAMS p = Params(nullptr);
    PRINT(t.job, p); // nothing to draw on, nothing happens

    RecordingCanvas canvas;
    p.Canvas = &canvas;
    const TPRINTPARAMS before = p;
    PRINT(t.job, p);
    EXPECT_EQ(p.FirstSlot, before.FirstSlot);
    // The canvas starts from a black 1-pixel solid pen and a white brush.
    ASSERT_GE(canvas.ops().size(), 2);
    EXPECT_EQ(canvas.ops()[0].kind, CanvasOp::SetPen);
    EXPECT_EQ(canvas.ops()[0].pen, CanvasPen{});
    EXPECT_EQ(canvas.ops()[1].kind, CanvasOp::SetBrush);
    EXPECT_EQ(canvas.ops()[1].brush, (CanvasBrush{BrushStyle::Solid, Qt::white}));
}

TEST(RendererColours, FileColoursAndSystemColours)
{
    EXPECT_EQ(colorToQColor(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(colorToQColor(0x00123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(colorToQColor(StoredFont::clWindowText), QColor(Qt::black));
    EXPECT_EQ(colorToQColor(static_cast<qint32>(0x80000005u)), QColor(Qt::white)); // window
    EXPECT_EQ(colorToQColor(static_cast<qint32>(0x800000FFu)), QColor(Qt::black));

    StoredFont font = defaultLabelFont();
    font.Style = StoredFont::fsItalic | StoredFont::fsUnderline;
    const CanvasFont c = canvasFont(font);
    EXPECT_EQ(c.name, QStringLiteral("COURIER NEW"));
    EXPECT_EQ(c.size, 12);
    EXPECT_EQ(c.style, StoredFont::fsItalic | StoredFont::fsUnderline);
    EXPECT_EQ(c.color, QColor(Qt::black));
}

TEST(RendererPicture, PicturesGoToThePdfWithoutLossAtTheDevicesPixelsAndToTheScreenAveraged)
{
    // A logo of black lettering, much finer than its boxes on a 600 DPI page.
    QTemporaryDir dir;
    QImage logo(2400, 1200, QImage::Format_RGB32);
    logo.fill(Qt::white);
    {
        QPainter painter(&logo);
        QFont font;
        font.setPixelSize(300);
        painter.setFont(font);
        painter.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("Logo Ltd"));
    }
    TestJob t(4, 6, NumberedLabels(24));
    t.format.ShowPic = true;
    t.format.FitToLabel = true;
    t.format.KeepRatio = true;
    const auto images = [&](const char* name, const char* format) {
        t.job.DATAINFO()->PicFileName = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(logo.save(t.job.DATAINFO()->PicFileName, format));
        const QString pdfPath = PrintPdfPage(t.job, dir.filePath(QStringLiteral("page.pdf")));
        // page num type width height color comp bpc enc interp object ID x-ppi ...
        QStringList rows = RunText("pdfimages", {"-list", pdfPath}).trimmed().split(u'\n').mid(2);
        rows.removeDuplicates();
        return rows;
    };
    for (const auto& [name, format, encoding] :
         {std::tuple{"logo.png", "PNG", "image"}, {"photo.jpg", "JPEG", "jpeg"}}) {
        SCOPED_TRACE(name);
        const QStringList rows = images(name, format);
        ASSERT_EQ(rows.size(), 24) << rows.join(u'\n').toStdString(); // a use on every label...
        const QStringList first = rows[0].simplified().split(u' ');
        EXPECT_EQ(first[8], QLatin1String(encoding)); // lossless but for a photo
        for (const QString& row : rows)
            EXPECT_EQ(row.simplified().split(u' ')[10], first[10]) << row.toStdString(); // ...of one stored picture
        // As many pixels as the box covers on the page, not the file's 2400.
        EXPECT_LE(first[3].toInt(), 20 / 25.4 * 600 + 1);
        EXPECT_NEAR(first[12].toDouble(), 600, 2);
    }

    // On the screen the picture is averaged down, as a smooth reduction of
    // the file is, rather than sampled (which breaks lettering up).
    QImage screen(120, 60, QImage::Format_RGB32);
    screen.fill(Qt::white);
    {
        PainterCanvas canvas(&screen);
        canvas.stretchDraw(CanvasRect{0, 0, 120, 60}, logo, CanvasRect{0, 0, 2400, 1200}, false);
    }
    const QImage reference = logo.scaled(120, 60, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    qint64 difference = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x)
            difference += std::abs(qGray(screen.pixel(x, y)) - qGray(reference.pixel(x, y)));
    EXPECT_LT(difference / (120 * 60), 2);
}
