// Real pages drawn into images through the QPainter canvas: the ink must land
// where the page arithmetic puts it, in the right colours and sizes, and
// printed text must have its true point size at the printer's resolution.
#include "common/SampleSheet.h"
#include "model/Job.h"
#include "render/PainterCanvas.h"
#include "render/Renderer.h"

#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

QImage PageImage(int width, int height, double dpi)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    return image;
}

// A 2 x 2 sheet of 200 x 100 pixel labels (at one pixel per 100 MU) starting
// 10 pixels in from the top-left corner, with 20 pixels between columns.
struct PixelJob {
    TJOB job;
    TTEMPLATE& tpl = *job.TEMPLATE();
    TJOBINFO& format = *job.JOBINFO();

    PixelJob()
    {
        applyTestSheet(job,
                       {.paperWidth = 45000,
                        .paperHeight = 22000,
                        .Across = 2,
                        .Down = 2,
                        .Left = 1000,
                        .Top = 1000,
                        .labelWidth = 20000,
                        .labelHeight = 10000,
                        .hGap = 2000},
                       1000);
        format.TEXTALIGNHORIZ = 1;
        format.TEXTALIGNVERT = 1;
        format.FONT.Color = 0x000000FF; // red text, told apart from everything else
    }

    void setLabels(const QList<QStringList>& labels) { setTestLabels(job, labels); }

    // Column c, row r: left, top, right, bottom (exclusive).
    static QRect box(int c, int r) { return QRect(10 + c * 220, 10 + r * 100, 200, 100); }

    void print(PageCanvas& canvas, bool labels, bool outlines, bool toPrinter, QString* pictureError = nullptr)
    {
        TPRINTPARAMS p;
        p.Canvas = &canvas;
        p.PixPerMuX = p.PixPerMuY = 0.01;
        p.ShowLabels = labels;
        p.ShowTemplate = outlines;
        p.ToPrinter = toPrinter;
        PRINT(job, p, pictureError);
    }

    QImage draw(bool labels, bool outlines, QString* pictureError = nullptr)
    {
        QImage image = PageImage(450, 220, 96);
        PainterCanvas canvas(&image);
        print(canvas, labels, outlines, false, pictureError);
        return image;
    }
};

bool IsWhite(QRgb c)
{
    return qRed(c) == 255 && qGreen(c) == 255 && qBlue(c) == 255;
}

bool IsTextInk(QRgb c)
{
    // Red, antialiased towards the white beneath: full red, equal green and blue.
    return qRed(c) == 255 && qGreen(c) == qBlue(c) && qGreen(c) < 255;
}

// The pixels of the image for which the test holds.
QVector<QPoint> PixelsWhere(const QImage& image, const std::function<bool(QRgb)>& test)
{
    QVector<QPoint> found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixel(x, y)))
                found << QPoint(x, y);
        }
    }
    return found;
}

QRect Bounds(const QVector<QPoint>& points)
{
    QRect r;
    for (const QPoint& p : points)
        r |= QRect(p, QSize(1, 1));
    return r;
}

} // namespace

TEST(PainterCanvas, LabelFontsResolveToTheirMetricTwins)
{
    CanvasFont courier;
    courier.name = QStringLiteral("COURIER NEW");
    courier.size = 12;
    EXPECT_EQ(QFontInfo(PainterCanvas::qfont(courier)).family(), QStringLiteral("Liberation Mono"));
    CanvasFont arial;
    arial.name = QStringLiteral("Arial");
    EXPECT_EQ(QFontInfo(PainterCanvas::qfont(arial)).family(), QStringLiteral("Liberation Sans"));
}

TEST(PainterCanvas, NullImageDrawsNothingAndStillMeasures)
{
    PixelJob t;
    t.setLabels({{QStringLiteral("x")}});
    QImage none;
    PainterCanvas canvas(&none);
    TPRINTPARAMS p;
    p.Canvas = &canvas;
    PRINT(t.job, p); // a paper of no size: scales of 0
    canvas.setFont(CanvasFont{});
    EXPECT_GT(canvas.textHeight(QStringLiteral("x")), 0);
    EXPECT_TRUE(none.isNull());
}

TEST(PainterCanvasPage, OutlinesLieOnTheLabelBoxEdges)
{
    PixelJob t;
    const QImage image = t.draw(false, true);
    for (int c = 0; c < 2; ++c) {
        for (int r = 0; r < 2; ++r) {
            const QRect b = PixelJob::box(c, r);
            const int midX = b.left() + 50;
            const int midY = b.top() + 50;
            EXPECT_EQ(image.pixel(b.left(), midY), qRgb(0, 0, 0));
            EXPECT_EQ(image.pixel(b.right(), midY), qRgb(0, 0, 0)); // column R - 1
            EXPECT_EQ(image.pixel(midX, b.top()), qRgb(0, 0, 0));
            EXPECT_EQ(image.pixel(midX, b.bottom()), qRgb(0, 0, 0)); // row B - 1
            EXPECT_TRUE(IsWhite(image.pixel(b.left() + 1, midY)));
            EXPECT_TRUE(IsWhite(image.pixel(b.right() - 1, midY)));
        }
    }
    // Margins and the gap between the columns stay blank.
    EXPECT_TRUE(IsWhite(image.pixel(9, 50)));
    EXPECT_TRUE(IsWhite(image.pixel(210, 50)));
    EXPECT_TRUE(IsWhite(image.pixel(229, 50)));
    EXPECT_TRUE(IsWhite(image.pixel(100, 9)));
    // The placeholders are grey text in every slot.
    const QRect grey = Bounds(PixelsWhere(image, [](QRgb c) { return !IsWhite(c) && qRed(c) > 100 && qRed(c) < 250; }));
    EXPECT_TRUE(grey.intersects(PixelJob::box(0, 0)));
    EXPECT_TRUE(grey.intersects(PixelJob::box(1, 1)));
}

TEST(PainterCanvasPage, LabelTextStaysInsideItsTextArea)
{
    PixelJob t;
    // Too wide for the text area: centred and cut at both ends.
    t.setLabels({{QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"), QStringLiteral("short")},
                 {QStringLiteral("second label")}});
    const QImage image = t.draw(true, false);
    const QVector<QPoint> ink = PixelsWhere(image, [](QRgb c) { return !IsWhite(c); });
    ASSERT_FALSE(ink.isEmpty());
    // Text areas: the inner rectangle less 10 pixels of insets each side.
    const QRect area0(PixelJob::box(0, 0).left() + 11, PixelJob::box(0, 0).top() + 11, 177, 77);
    const QRect area1(PixelJob::box(1, 0).left() + 11, PixelJob::box(1, 0).top() + 11, 177, 77);
    bool inFirst = false;
    bool inSecond = false;
    for (const QPoint& p : ink) {
        ASSERT_TRUE(area0.contains(p) || area1.contains(p)) << p.x() << "," << p.y();
        inFirst |= area0.contains(p);
        inSecond |= area1.contains(p);
        EXPECT_TRUE(IsTextInk(image.pixel(p))) << std::hex << image.pixel(p);
    }
    EXPECT_TRUE(inFirst);
    EXPECT_TRUE(inSecond);
    // The cut line reaches both edges of its area.
    const QRect first = Bounds(PixelsWhere(image.copy(area0), [](QRgb c) { return !IsWhite(c); }));
    EXPECT_EQ(first.left(), 0);
    EXPECT_EQ(first.right(), area0.width() - 1);
}

TEST(PainterCanvasPage, BorderHasItsWidthAndColourOutsideTheTextArea)
{
    PixelJob t;
    t.setLabels({{QStringLiteral("x")}});
    t.format.SHOWBORDER = true;
    t.format.MUBORDERWIDTH = 400;      // 4 pixels
    t.format.BORDERCOLOR = 0x00FF0000; // blue
    const QImage image = t.draw(true, false);
    const QRect b = PixelJob::box(0, 0);
    const auto isBlue = [](QRgb c) { return c == qRgb(0, 0, 255); };
    // Across the left side at mid height, and down the top side at mid width.
    QVector<int> columns;
    for (int x = b.left(); x < b.left() + 40; ++x) {
        if (isBlue(image.pixel(x, b.top() + 50)))
            columns << x;
    }
    QVector<int> rows;
    for (int y = b.top(); y < b.top() + 40; ++y) {
        if (isBlue(image.pixel(b.left() + 100, y)))
            rows << y;
    }
    // Inset edge at 10 pixels: the line lies just outside it.
    const int inset = 10;
    EXPECT_EQ(columns,
              (QVector<int>{b.left() + inset - 4, b.left() + inset - 3, b.left() + inset - 2, b.left() + inset - 1}));
    EXPECT_EQ(rows, (QVector<int>{b.top() + inset - 4, b.top() + inset - 3, b.top() + inset - 2, b.top() + inset - 1}));
    // Right and bottom: from the inset edge outward.
    columns.clear();
    for (int x = b.right() - 40; x <= b.right(); ++x) {
        if (isBlue(image.pixel(x, b.top() + 50)))
            columns << x;
    }
    const int rightEdge = b.left() + b.width() - inset;
    EXPECT_EQ(columns, (QVector<int>{rightEdge, rightEdge + 1, rightEdge + 2, rightEdge + 3}));
    // No border on the labels that have no data.
    EXPECT_TRUE(PixelsWhere(image.copy(PixelJob::box(1, 0)), isBlue).isEmpty());
}

TEST(PainterCanvasPage, PictureIsCutAtTheLabelBox)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("green.png"));
    QImage green(50, 50, QImage::Format_RGB32);
    green.fill(qRgb(0, 200, 0));
    ASSERT_TRUE(green.save(path));
    PixelJob t;
    t.setLabels({{QStringLiteral("x")}});
    t.format.ShowPic = true;
    t.format.FitToLabel = false;
    t.format.UsePicPCLeft = true;
    t.format.PicPCLeft = 90; // from x 180 of the label: 30 of its 50 pixels hang over
    t.format.UsePicPCTop = true;
    t.format.PicPCTop = 10;
    t.job.DATAINFO()->PicFileName = path;
    QString error;
    const QImage image = t.draw(true, false, &error);
    EXPECT_TRUE(error.isEmpty());
    const QRect shown = Bounds(PixelsWhere(image, [](QRgb c) { return c == qRgb(0, 200, 0); }));
    const QRect b = PixelJob::box(0, 0);
    EXPECT_EQ(shown, QRect(b.left() + 180, b.top() + 10, 20, 50));

    // A drawing lands in the same box, cut the same way.
    const QString svgPath = dir.filePath(QStringLiteral("green.svg"));
    QFile svg(svgPath);
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"50\" height=\"50\">"
              "<rect width=\"50\" height=\"50\" fill=\"#00c800\"/></svg>");
    svg.close();
    t.job.DATAINFO()->PicFileName = svgPath;
    const QImage drawn = t.draw(true, false, &error);
    EXPECT_TRUE(error.isEmpty());
    const QRect drawnBounds = Bounds(PixelsWhere(drawn, [](QRgb c) { return qGreen(c) > qRed(c) + 100; }));
    EXPECT_EQ(drawnBounds, QRect(b.left() + 180, b.top() + 10, 20, 50));
}

TEST(PainterCanvasPrinter, SeventyTwoPointsAtTwelveHundredDpiIsOneInchOfEm)
{
    // Whatever the screen's resolution, the printed size comes from points.
    const int savedPpi = ScreenPixelsPerInch;
    ScreenPixelsPerInch = 144;
    StoredFont font;
    font.Name = QStringLiteral("Arial");
    font.setSize(72); // a height of 144 screen pixels
    font.Color = 0;
    font.Style = 0;

    TJOB job;
    TTEMPLATE& tpl = *job.TEMPLATE();
    tpl.PAPERMUWIDTH = 127000;
    tpl.PAPERMUHEIGHT = 50800;
    tpl.NUMACROSS = tpl.NUMDOWN = 1;
    tpl.MULABELWIDTH = 127000; // 5 x 2 inches
    tpl.MULABELHEIGHT = 50800;
    TJOBINFO& format = *job.JOBINFO();
    format.FONT = font;
    format.MUBORDERLEFT = format.MUBORDERTOP = format.MUBORDERRIGHT = format.MUBORDERBOTTOM = 0;
    format.TEXTALIGNHORIZ = format.TEXTALIGNVERT = format.TEXTJUSTIFY = 0;
    format.TEXTSHRINKTOFIT = true; // it fits: nothing shrinks
    format.ShowPic = false;
    job.DATAINFO()->FILECONTENT.setLines({QStringLiteral("HHH")});
    job.DATAINFO()->STARTLABNUM = 1;
    job.DATAINFO()->RepeatLabelNum = 1;
    job.DATAINFO()->reindex();

    QImage page = PageImage(6000, 2400, 1200);
    {
        PainterCanvas canvas(&page);
        TPRINTPARAMS p;
        p.Canvas = &canvas;
        p.PixPerMuX = p.PixPerMuY = 1200.0 / 25400.0;
        p.ToPrinter = true;
        p.FontScale = 0.25; // not used on a printer
        PRINT(job, p);

        // The font's own metrics at an em of 1 200 pixels.
        QFont em = PainterCanvas::qfont(canvasFont(font));
        em.setPixelSize(1200);
        const QFontMetrics metrics(em);
        CanvasFont printed = canvasFont(font);
        EXPECT_EQ(printed.size, 72);
        canvas.setFont(printed);
        EXPECT_NEAR(canvas.textHeight(QStringLiteral("HHH")), metrics.height(), 2);
        EXPECT_NEAR(canvas.textWidth(QStringLiteral("HHH")), metrics.horizontalAdvance(QStringLiteral("HHH")), 3);

        // The ink of the capitals stands cap height tall, its base on the
        // baseline one ascent below the text area's top (1, 1).
        const QRect ink = Bounds(PixelsWhere(page.copy(0, 0, 3000, 2400), [](QRgb c) { return qGray(c) < 128; }));
        EXPECT_NEAR(ink.height(), metrics.capHeight(), 3);
        EXPECT_NEAR(ink.bottom() + 1, 1 + metrics.ascent(), 3);
        // Liberation Sans capitals are 0.69 em: about 825 pixels, where a
        // screen-pixel assumption would give half again as much or less.
        EXPECT_NEAR(ink.height(), 825, 15);
    }
    ScreenPixelsPerInch = savedPpi;
}

TEST(PainterCanvasPrinter, LargeTextMatchesThePaintersOwnDrawing)
{
    // Text above the painter's glyph cache size is drawn from the canvas's
    // own glyph images; it must put the ink where drawText would.
    const QString text = QStringLiteral("Quay 42, Wg");
    CanvasFont font;
    font.name = QStringLiteral("COURIER NEW");
    font.size = 24;
    font.style = StoredFont::fsBold;
    QImage ours = PageImage(2600, 400, 600);
    QImage theirs = PageImage(2600, 400, 600);
    {
        PainterCanvas canvas(&ours);
        canvas.setFont(font);
        canvas.setBrush(CanvasBrush{BrushStyle::Clear, Qt::white});
        canvas.textRect(CanvasRect{0, 0, 2600, 400}, 40, 60, text);
        QPainter painter(&theirs);
        painter.setFont(PainterCanvas::qfont(font));
        painter.drawText(QPoint(40, 60 + QFontMetrics(painter.font(), &theirs).ascent()), text);
    }
    const auto dark = [](QRgb c) { return qGray(c) < 128; };
    const QRect a = Bounds(PixelsWhere(ours, dark));
    const QRect b = Bounds(PixelsWhere(theirs, dark));
    ASSERT_FALSE(a.isEmpty());
    EXPECT_NEAR(a.left(), b.left(), 1);
    EXPECT_NEAR(a.top(), b.top(), 1);
    EXPECT_NEAR(a.right(), b.right(), 1);
    EXPECT_NEAR(a.bottom(), b.bottom(), 1);
    int differing = 0;
    for (int y = 0; y < ours.height(); ++y) {
        for (int x = 0; x < ours.width(); ++x)
            differing += dark(ours.pixel(x, y)) != dark(theirs.pixel(x, y));
    }
    EXPECT_LT(differing, PixelsWhere(theirs, dark).size() / 20);
}

// ---------------------------------------------------------------- text blocks

namespace {

// Label text drawn the way it was before blocks: each line on its own,
// measured and shaped again by drawText and cut at the text area.
class LineByLineCanvas : public PainterCanvas {
public:
    using PainterCanvas::PainterCanvas;
    void drawTextBlock(const CanvasRect& clip, std::span<const PlacedText> lines) override
    {
        for (const PlacedText& line : lines)
            textRect(clip, line.x, line.y, line.line->text);
    }
};

// A paint device whose engine counts what reaches it: text items, clips
// switched on, and pens of the text's colour.
class CountingEngine : public QPaintEngine {
public:
    CountingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& changed) override
    {
        if ((changed.state() & (DirtyClipPath | DirtyClipRegion)) && changed.clipOperation() != Qt::NoClip)
            ++clips;
        if ((changed.state() & DirtyPen) && changed.pen().color() == Qt::red)
            ++textPens;
    }
    void drawTextItem(const QPointF&, const QTextItem&) override { ++textItems; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return User; }
    int textItems = 0;
    int clips = 0;
    int textPens = 0;
};

class CountingDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return 450;
        case PdmHeight: return 220;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return 1;
        }
    }
    mutable CountingEngine engine;
};

} // namespace

// The same ink as line-by-line drawing, on the screen and (through the
// canvas's own glyph images) at 600 DPI: plain, accented, right-to-left
// and mixed text, lines cut at the text area, shrunk, underlined text,
// borders.
TEST(PainterCanvasBlocks, BlocksDrawWhatLineByLineDrawingDrew)
{
    const QList<QStringList> labels = {
        {QStringLiteral("Mr John Addressee 1"), QStringLiteral("2 Long Meadow Street "),
         QStringLiteral("AVAWAY fi ffl")},
        {QStringLiteral("\u00c5ngstr\u00f6m caf\u00e9 na\u00efve"),
         QStringLiteral("\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd 123")},
        {QStringLiteral("\u0645\u0631\u062d\u0628\u0627 Arabic"),
         QStringLiteral("a line much wider than the label's own text area")},
        {QStringLiteral("x"), QStringLiteral("Wg")},
    };
    const std::function<void(TJOBINFO&)> formats[] = {
        [](TJOBINFO&) {},
        [](TJOBINFO& f) {
            f.TEXTSHRINKTOFIT = true;
            f.TEXTJUSTIFY = 2;
        },
        [](TJOBINFO& f) {
            f.FONT.Style = StoredFont::fsUnderline | StoredFont::fsItalic;
            f.TEXTALIGNHORIZ = 2;
        },
        [](TJOBINFO& f) {
            f.SHOWBORDER = true;
            f.MUBORDERWIDTH = 300;
            f.TEXTALIGNVERT = 2;
            f.TEXTJUSTIFY = 1;
        },
    };
    for (double dpi : {96.0, 600.0}) {
        for (std::size_t i = 0; i < std::size(formats); ++i) {
            PixelJob t;
            t.setLabels(labels);
            formats[i](t.format);
            QImage blocks = PageImage(450, 220, dpi);
            QImage lines = blocks;
            {
                PainterCanvas canvas(&blocks);
                t.print(canvas, true, false, true);
            }
            {
                LineByLineCanvas canvas(&lines);
                t.print(canvas, true, false, true);
            }
            EXPECT_EQ(blocks, lines) << "format " << i << " at " << dpi << " DPI";
        }
    }
}

// A label's lines reach the device as one text item in one pen; only the
// label whose line runs past its text area is clipped.
TEST(PainterCanvasBlocks, OneTextItemPerLabelAndAClipOnlyWhereTextOverflows)
{
    PixelJob t;
    t.setLabels({{QStringLiteral("one"), QStringLiteral("two")},
                 {QStringLiteral("three"), QStringLiteral("four")},
                 {QStringLiteral("a line much wider than the label's own text area")},
                 {QStringLiteral("five")}});
    CountingDevice device;
    QPainter painter(&device);
    PainterCanvas canvas(&painter);
    t.print(canvas, true, false, true);
    painter.end();
    EXPECT_EQ(device.engine.textItems, 4);
    EXPECT_EQ(device.engine.clips, 1);
    EXPECT_EQ(device.engine.textPens, 1);
}

// A line's laid-out width is the width the canvas measures for it, on the
// screen and on paper, whatever the letters and spaces.
TEST(PainterCanvasBlocks, LaidOutLinesAreAsWideAsMeasured)
{
    QRandomGenerator random(20261207);
    const QString letters = QStringLiteral("iIl1 .,WMmw@AVTo fiffl\u00e9\u00c5\u05e9\u05dc\u0645\u0631");
    for (double dpi : {96.0, 600.0, 1200.0}) {
        QImage image = PageImage(8, 8, dpi);
        PainterCanvas canvas(&image);
        for (int round = 0; round < 200; ++round) {
            CanvasFont font;
            font.name = round % 2 ? QStringLiteral("Arial") : QStringLiteral("COURIER NEW");
            font.size = 1 + random.bounded(40);
            font.style = round % 3 ? 0 : StoredFont::fsBold;
            canvas.setFont(font);
            QString line;
            for (int length = 1 + random.bounded(30); length > 0; --length)
                line += letters[random.bounded(letters.size())];
            ASSERT_EQ(canvas.shapeText(line).width, canvas.textWidth(line))
                << dpi << " DPI, " << font.size << " points: " << line.toStdString();
        }
    }
}

// A line laid out from its characters is the line the shaper lays out: the
// same glyphs at the same places in the same font, and the same widths,
// on the screen and in a PDF. Fonts with kerning and ligatures, accents,
// joining marks, tabs, other scripts, spaces of other kinds and characters
// the font lacks included.
TEST(PainterCanvasBlocks, LinesFromCharactersAreTheShapersLines)
{
    QRandomGenerator random(20261208);
    const QString letters = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzAVTWYo  -'#.,0123456789\u00e9\u00fc\u00f8\u0144\u0142\u0105\u0131\u016b\u00df"
        "\u00c5\u00d6fiffl\u0301\t\u00a0\u2009\u05e9\u0645\u4e2d\u00ad\u200b");
    const QString emoji = QStringLiteral("\U0001F600");
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath(QStringLiteral("lines.pdf")));
    pdf.setResolution(1200);
    QImage screen = PageImage(8, 8, 96);
    for (QPaintDevice* device : std::initializer_list<QPaintDevice*>{&screen, &pdf}) {
        QPainter painter(device);
        PainterCanvas plain(&painter);
        PainterCanvas shaped(&painter);
        shaped.setLinesFromCharacters(false);
        for (int round = 0; round < 400; ++round) {
            CanvasFont font;
            font.name = std::array{QStringLiteral("COURIER NEW"), QStringLiteral("Arial"),
                                   QStringLiteral("Times New Roman"),
                                   QStringLiteral("DejaVu Sans")}[static_cast<std::size_t>(round % 4)];
            font.size = 1 + random.bounded(40);
            font.style = round % 3 ? 0 : StoredFont::fsBold;
            plain.setFont(font);
            shaped.setFont(font);
            QString line;
            // Most lines of Latin letters alone, as address labels are.
            const qsizetype pool = round % 2 ? letters.size() : 52;
            for (int length = 1 + random.bounded(40); length > 0; --length)
                line += letters[random.bounded(pool)];
            if (round % 37 == 0)
                line += emoji;
            const std::string what = font.name.toStdString() + " " + std::to_string(font.size) + ": "
                                     + line.toStdString();
            const ShapedText a = plain.shapeText(line);
            const ShapedText b = shaped.shapeText(line);
            ASSERT_EQ(a.width, b.width) << what;
            EXPECT_EQ(plain.lineWidth(line), b.width) << what;
            EXPECT_EQ(plain.textWidth(line), shaped.textWidth(line)) << what;
            const QList<QGlyphRun> ra = PainterCanvas::glyphRuns(a);
            const QList<QGlyphRun> rb = PainterCanvas::glyphRuns(b);
            ASSERT_EQ(ra.size(), rb.size()) << what;
            for (qsizetype k = 0; k < ra.size(); ++k) {
                EXPECT_TRUE(ra[k].rawFont() == rb[k].rawFont()) << what;
                EXPECT_EQ(ra[k].glyphIndexes(), rb[k].glyphIndexes()) << what;
                EXPECT_EQ(ra[k].positions(), rb[k].positions()) << what;
            }
        }
    }
}
