// Text that does not fit its label. The page is drawn with only what can show
// in the text area; it must be, pixel for pixel, the page drawn with every
// line laid out and drawn whole and cut by the clip alone. And the preview
// puts tabs and shrinks text as the printer does, at every scale.
#include "common/SampleSheet.h"
#include "model/Job.h"
#include "render/PainterCanvas.h"
#include "render/Renderer.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// FreeType's glyph cache draws a glyph at a fraction of a pixel as it first
// met it, so that the same page drawn twice can differ in a few pixels of
// marks (seen with pointed Hebrew): set before any font engine is made.
const bool NoGlyphCache = qputenv("QT_NO_FT_CACHE", "1");

constexpr MU PaperWidth = 100000;
constexpr MU PaperHeight = 60000;

QStringList Numbered(const QString& prefix, int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << prefix.arg(i);
    return lines;
}

struct CutCase {
    const char* name;
    QStringList lines;
    MU labelWidth = 60000;
    MU labelHeight = 20000;
    int points = 14;
    bool everyAlignment = true; // or only the three of the 600 DPI pages
};

QList<CutCase> Cases()
{
    const QString address = QStringLiteral("221B Long Street, London NW1 6XE");
    return {
        {"address", {QStringLiteral("Mr Sherlock Holmes, Consulting Detective"), address}, 40000},
        {"pointed Hebrew", {QString::fromUtf8("בְּרֵאשִׁית בָּרָא אֱלֹהִים אֵת הַשָּׁמַיִם וְאֵת הָאָרֶץ")}},
        {"decomposed Latin",
         {QString::fromUtf8("Zoe\u0308 Saldan\u0303a, Ame\u0301lie Poulain, Bjo\u0308rk Gudmundsdo\u0301ttir")}},
        {"Arabic with harakat", {QString::fromUtf8("بِسْمِ اللَّهِ الرَّحْمَٰنِ الرَّحِيمِ مَدِينَةُ السَّلَامِ")}},
        {"mixed directions", {QString::fromUtf8("Order 42: שָׁלוֹם עוֹלָם to 10 Downing Street, London")}},
        {"CJK and no-font characters",
         {QString::fromUtf8("東京都千代田区千代田一丁目一番一号"),
          QString::fromUtf8("x\U000F0041\U000F0042 y \U0010FFFD")}},
        {"tabs", {QStringLiteral("Name:\tAnn Lee\tRef\t42"), QStringLiteral("\t\tindented")}},
        {"ten lines", Numbered(QStringLiteral("L%1"), 10), 40000, 15000},
        {"three hundred lines", Numbered(QStringLiteral("line %1 of the label"), 300)},
        {"a long line", {QStringLiteral("Northampton ").repeated(90) + QStringLiteral("END")}},
        {"wider than the page", {address, QStringLiteral("centred")}, 160000, 20000, 12},
        {"taller than the page", Numbered(QStringLiteral("row %1"), 60), 50000, 90000},
        {"past the limits", {QStringLiteral("x").repeated(12000) + QStringLiteral("END")}, 60000, 20000, 14, false},
        {"past the line limit", QStringList(9990, QStringLiteral("row")) + Numbered(QStringLiteral("%1 of 60"), 60),
         40000, 15000, 4, false},
    };
}

// Notes the size each text block is drawn at.
class SizeNotingCanvas : public PainterCanvas {
public:
    using PainterCanvas::PainterCanvas;
    void drawTextBlock(const CanvasRect& clip, std::span<const PlacedText> lines) override
    {
        drawnSize = font().size;
        PainterCanvas::drawTextBlock(clip, lines);
    }
    int drawnSize = 0;
};

// The page at dpi (times the preview's scale), as the printer or the
// preview draws it, and the size its last text block was drawn at.
struct Drawn {
    QImage image;
    int size = 0;
};

Drawn Draw(TJOB& job, double dpi, bool printer, double scale, TextDrawing drawing)
{
    const double pixPerMu = dpi * scale / 25400.0;
    Drawn drawn{QImage(qRound(PaperWidth * pixPerMu), qRound(PaperHeight * pixPerMu), QImage::Format_RGB32)};
    drawn.image.setDotsPerMeterX(qRound(dpi / 0.0254));
    drawn.image.setDotsPerMeterY(qRound(dpi / 0.0254));
    drawn.image.fill(Qt::white);
    SizeNotingCanvas canvas(&drawn.image);
    canvas.setKeepHiddenGlyphs(drawing == TextDrawing::Whole);
    TPRINTPARAMS p;
    p.Canvas = &canvas;
    p.PixPerMuX = p.PixPerMuY = pixPerMu;
    p.FontScale = scale;
    p.RepeatCount = 1;
    p.ShowLabels = true;
    p.ToPrinter = printer;
    PRINT(job, p, nullptr, drawing);
    drawn.size = canvas.drawnSize;
    return drawn;
}

void Prepare(TJOB& job, const CutCase& c)
{
    applyTestSheet(job,
                   {.paperWidth = PaperWidth,
                    .paperHeight = PaperHeight,
                    .Across = 1,
                    .Down = 1,
                    .Left = 5000,
                    .Top = 5000,
                    .labelWidth = c.labelWidth,
                    .labelHeight = c.labelHeight},
                   1500);
    job.JOBINFO()->FONT.setSize(c.points);
    setTestLabels(job, {c.lines});
}

} // namespace

// Every alignment of the block and justification of its lines, shrinking on
// and off, at the preview's 96 DPI; three of them again at 600 DPI.
TEST(TextCut, WhatIsDrawnIsWhatTheWholeBlockDraws)
{
    for (const CutCase& c : Cases()) {
        TJOB job;
        Prepare(job, c);
        TJOBINFO& format = *job.JOBINFO();
        for (int combination = 0; combination < 2 * 27; ++combination) {
            format.TEXTSHRINKTOFIT = combination >= 27;
            format.TEXTALIGNHORIZ = combination % 3;
            format.TEXTALIGNVERT = combination / 3 % 3;
            format.TEXTJUSTIFY = combination / 9 % 3;
            const bool fine = format.TEXTALIGNHORIZ == format.TEXTALIGNVERT
                              && format.TEXTALIGNVERT == format.TEXTJUSTIFY;
            for (const double dpi : {96.0, 600.0}) {
                if (!fine && (dpi > 96 || !c.everyAlignment))
                    continue;
                const QImage cut = Draw(job, dpi, dpi > 96, 1.0, TextDrawing::Visible).image;
                const QImage whole = Draw(job, dpi, dpi > 96, 1.0, TextDrawing::Whole).image;
                ASSERT_TRUE(cut == whole) << c.name << ": horizontal " << format.TEXTALIGNHORIZ << ", vertical "
                                          << format.TEXTALIGNVERT << ", justified " << format.TEXTJUSTIFY
                                          << (format.TEXTSHRINKTOFIT ? ", shrunk" : "") << ", " << dpi << " DPI";
            }
        }
    }
}

namespace {

// The left edge of the ink, in millimetres from the paper's edge.
double InkLeftMm(const QImage& image, double pixelsPerMm)
{
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return x / pixelsPerMm;
    return -1;
}

} // namespace

// A line that starts with tabs lands where the printer puts it, at any
// preview scale; shrunk, it is drawn at the printer's size times the scale.
TEST(TextCut, PreviewPutsTabsAndShrinksAsThePrinterDoes)
{
    TJOB job;
    Prepare(job, {"tabs", {QStringLiteral("\t\tX")}, 60000, 20000, 16});
    const QImage printed = Draw(job, 600, true, 1.0, TextDrawing::Visible).image;
    const double printedLeft = InkLeftMm(printed, 600 / 25.4);
    ASSERT_GT(printedLeft, 5 + 1.5 + 2 * 12.7 - 1);
    for (const double scale : {0.5, 1.0, 2.0}) {
        const QImage preview = Draw(job, 96, false, scale, TextDrawing::Visible).image;
        EXPECT_NEAR(InkLeftMm(preview, 96 * scale / 25.4), printedLeft, 25.4 / (96 * scale) + 0.3) << scale;
    }

    // Too wide for its label at 16 points: the sizes shrink alike.
    job.JOBINFO()->TEXTSHRINKTOFIT = true;
    setTestLabels(job, {{QStringLiteral("Ann Lee\t221B Long Street\tLondon NW1 6XE")}});
    const auto drawnSize = [&](double dpi, bool printer, double scale) {
        return Draw(job, dpi, printer, scale, TextDrawing::Visible).size;
    };
    const int printedSize = drawnSize(600, true, 1.0);
    ASSERT_LT(printedSize, 16);
    ASSERT_GT(printedSize, 4);
    for (const double scale : {0.5, 1.0, 2.0})
        EXPECT_NEAR(drawnSize(96, false, scale), printedSize * scale, 1.5) << scale;
}
