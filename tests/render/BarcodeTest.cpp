// Codes made by the code library and drawn through the canvases: drawn small
// at a printer's resolution they read back with a scanning library as the
// text they were made from, a PDF holds them as vectors, and texts the
// library would take wrongly are refused with a reason.
#include "CodeScan.h"
#include "common/PdfReading.h"
#include "render/Barcode.h"
#include "render/PainterCanvas.h"
#include "render/RecordingCanvas.h"

#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

double mmToPixels(double mm, double dpi = 300)
{
    return mm / 25.4 * dpi;
}

// The code drawn alone into a white image at dpi, in a box of the given
// millimetres with a margin of 2 mm.
QImage drawnCode(const CodeSymbol& symbol, double widthMm, double heightMm, double dpi)
{
    const auto mmToPixels = [dpi](double mm) { return ::mmToPixels(mm, dpi); };
    const double margin = mmToPixels(2);
    QImage image(qCeil(mmToPixels(widthMm) + 2 * margin), qCeil(mmToPixels(heightMm) + 2 * margin),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    PainterCanvas canvas(&image);
    drawCode(canvas, symbol, QRectF(margin, margin, mmToPixels(widthMm), mmToPixels(heightMm)));
    return image;
}

struct ReadBack {
    const char* name;
    QString text;
    double widthMm, heightMm;
    QString read; // what the scanner reports
};

} // namespace

TEST(Barcode, SmallCodesReadBackAsTheirText)
{
    const ReadBack cases[] = {
        {"QRCode", "Gorvin 42 Grüße", 12, 12, "QR-Code:Gorvin 42 Grüße"},
        {"code128", "LOT-2026/17a", 40, 12, "CODE-128:LOT-2026/17a"},
        {"Ean13", "400638133393", 32, 22, "EAN-13:4006381333931"},
        {"EAN13", "4006381333931", 32, 22, "EAN-13:4006381333931"},
        {"upca", "03600029145", 32, 22, "UPC-A:036000291452"},
        {"UPCA", "036000291452", 32, 22, "UPC-A:036000291452"},
        {"code39", "ABC-123 $", 50, 12, "CODE-39:ABC-123 $"},
        {"gs1-128", "[01]09501101530003[10]LOT7[17]250101", 60, 12,
         "CODE-128/GS1:010950110153000310LOT7\x1d"
         "17250101"},
        {"GS1-128", "(01)09501101530003", 45, 12, "CODE-128/GS1:0109501101530003"},
    };
    for (const ReadBack& c : cases) {
        SCOPED_TRACE(c.name + std::string(" ") + c.text.toStdString());
        const SymbologyInfo* info = findSymbology(QString::fromLatin1(c.name));
        ASSERT_NE(info, nullptr);
        const CodeResult made = makeCode(info->symbology, c.text);
        ASSERT_TRUE(made.ok()) << made.error.toStdString();
        // A laser printer, and a label printer's coarser dots.
        for (const double dpi : {300, 203})
            EXPECT_EQ(scan(drawnCode(made.symbol, c.widthMm, c.heightMm, dpi)).join(" / ").toStdString(),
                      c.read.toStdString())
                << dpi << " DPI";
    }
}

// The scanner reads neither these nor PDF417 (Debian's zbar is built
// without its PDF417 decoder).
TEST(Barcode, MatrixCodesTheScannerCannotReadAreSquare)
{
    for (const Symbology kind : {Symbology::DataMatrix, Symbology::Aztec}) {
        const CodeResult made = makeCode(kind, QStringLiteral("Gorvin label 0042"));
        ASSERT_TRUE(made.ok()) << made.error.toStdString();
        const CodeSymbol& symbol = made.symbol;
        EXPECT_GT(symbol.bars.size(), 20);
        EXPECT_EQ(symbol.rows, symbol.columns);
        EXPECT_DOUBLE_EQ(symbol.size.width(), symbol.size.height());
        EXPECT_TRUE(symbol.texts.isEmpty());
        // Drawn into a wide box, it stays square in the middle of it.
        RecordingCanvas canvas;
        drawCode(canvas, symbol, QRectF(10, 20, 300, 100));
        const QVector<CanvasOp> fills = canvas.ops(CanvasOp::Fill);
        ASSERT_EQ(fills.size(), 1);
        const QRectF ink = fills[0].path.boundingRect();
        EXPECT_NEAR(ink.width(), ink.height(), 100.0 / symbol.columns);
        EXPECT_NEAR(ink.center().x(), 160, 100.0 / symbol.columns);
        EXPECT_EQ(fills[0].rect, (CanvasRect{10, 20, 310, 120}));
    }
}

TEST(Barcode, StackedCodeHasRowsAndNoText)
{
    const CodeResult made = makeCode(Symbology::Pdf417, QStringLiteral("Gorvin label 0042"));
    ASSERT_TRUE(made.ok()) << made.error.toStdString();
    EXPECT_GE(made.symbol.rows, 3);
    EXPECT_GT(made.symbol.columns, made.symbol.rows);
    EXPECT_TRUE(made.symbol.texts.isEmpty());
}

TEST(Barcode, PlacementKeepsTheRatioAndWholePixelModules)
{
    const CodeResult made = makeCode(Symbology::Ean13, QStringLiteral("400638133393"));
    ASSERT_TRUE(made.ok());
    const CodeSymbol& symbol = made.symbol;
    BoxPlacement far;
    far.fitToBox = true;
    far.keepRatio = false; // a code keeps its ratio all the same
    far.alignHoriz = BoxPlacement::Far;
    far.alignVert = BoxPlacement::Far;
    RecordingCanvas canvas;
    drawCode(canvas, symbol, QRectF(0.5, 0, 1000, 1000), far);
    // Fitted, a module would be 8.85 pixels wide: it is drawn 8 wide, and
    // the symbol's bottom-right corner stays at the box's.
    const double scale = std::floor(1000 / symbol.size.width() * symbol.module) / symbol.module;
    const QPointF origin(std::round(1000.5 - symbol.size.width() * scale),
                         std::round(1000 - symbol.size.height() * scale));
    const QPainterPath path = canvas.ops(CanvasOp::Fill).value(0).path;
    ASSERT_EQ(path.elementCount(), 5 * symbol.bars.size());
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPointF corner(path.elementAt(i).x, path.elementAt(i).y);
        const QPointF inSymbol = symbol.bars[i / 5].topLeft();
        if (i % 5 == 0) {
            EXPECT_EQ(corner, origin + inSymbol * scale);
        }
        EXPECT_EQ(corner.x(), std::round(corner.x()));
    }
    // The digits: the first left of the bars, two groups of six beneath them.
    const QVector<CanvasOp> texts = canvas.ops(CanvasOp::TextAt);
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0].anchored.text, "4");
    EXPECT_EQ(texts[0].anchored.anchor, AnchoredText::Right);
    EXPECT_EQ(texts[1].anchored.text + texts[2].anchored.text, "006381333931");
    EXPECT_EQ(texts[1].anchored.at, origin + symbol.texts[1].at * scale);
    EXPECT_EQ(texts[1].anchored.pixelSize, symbol.texts[1].size * scale);
}

TEST(Barcode, TextsTheLibraryWouldTakeWronglyAreRefused)
{
    const struct {
        Symbology kind;
        QString text;
        const char* error; // empty: accepted
    } cases[] = {
        {Symbology::Ean13, "40063813339",
         "EAN-13 takes 12 digits, or 13 with the check digit: \"40063813339\" has 11."},
        {Symbology::Ean13, "400638133393", ""},
        {Symbology::Ean13, "4006381333931", ""},
        {Symbology::Ean13, "4006381333932",
         "The check digit of the EAN-13 number \"4006381333932\" is 2; it should be 1."},
        {Symbology::Ean13, "40063813339310",
         "EAN-13 takes 12 digits, or 13 with the check digit: \"40063813339310\" has 14."},
        {Symbology::Ean13, "12345", "EAN-13 takes 12 digits, or 13 with the check digit: \"12345\" has 5."},
        {Symbology::Ean13, "40063813339A", "EAN-13 takes digits only: \"40063813339A\" holds \"A\"."},
        {Symbology::Ean13, "400638+12345", "EAN-13 takes digits only: \"400638+12345\" holds \"+\"."},
        {Symbology::UpcA, "0360002914", "UPC-A takes 11 digits, or 12 with the check digit: \"0360002914\" has 10."},
        {Symbology::UpcA, "036000291453", "The check digit of the UPC-A number \"036000291453\" is 3; it should be 2."},
        {Symbology::QrCode, "", "QR Code has no text to encode: the text is empty."},
        {Symbology::Code39, "abc", "Code 39 has no small letters: \"abc\" holds \"a\"; write it in capitals."},
        {Symbology::Aztec, QString(1, QChar(0xD83D)) + "x",
         "The text of the Aztec Code holds half of a pair of UTF-16 units, which no code can hold."},
        {Symbology::QrCode, QString(8001, u'7'), "The text of the QR Code is too long: 8001 bytes, at most 8000."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.left(20).toStdString());
        EXPECT_EQ(codeTextProblem(c.kind, c.text), QString::fromUtf8(c.error));
        const CodeResult made = makeCode(c.kind, c.text);
        EXPECT_EQ(made.error, QString::fromUtf8(c.error));
        EXPECT_EQ(made.symbol.isEmpty(), !made.ok());
    }
    // What only the library finds is told in its own words.
    const CodeResult noIdentifier = makeCode(Symbology::Gs1128, QStringLiteral("0109501101530003"));
    EXPECT_EQ(noIdentifier.error.toStdString(),
              "GS1-128 cannot encode \"0109501101530003\": Error 252: Data does not start with an AI");
    EXPECT_FALSE(makeCode(Symbology::Code128, QStringLiteral("Ωmega")).ok());
    EXPECT_EQ(findSymbology(u"ean-13"), nullptr);
    EXPECT_EQ(findSymbology(u"PDF417")->symbology, Symbology::Pdf417);
}

TEST(Barcode, APdfHoldsCodesAsVectorsThatStillRead)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("codes.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::A6));
        PainterCanvas canvas(&writer);
        const double mm = 1200 / 25.4;
        drawCode(canvas, makeCode(Symbology::QrCode, QStringLiteral("Label 7")).symbol,
                 QRectF(5 * mm, 5 * mm, 15 * mm, 15 * mm));
        drawCode(canvas, makeCode(Symbology::Ean13, QStringLiteral("400638133393")).symbol,
                 QRectF(5 * mm, 30 * mm, 40 * mm, 30 * mm));
    }
    int status = 0;
    const QStringList images = RunText("pdfimages", {"-list", pdf}, &status).trimmed().split('\n');
    ASSERT_EQ(status, 0);
    EXPECT_EQ(images.size(), 2) << images.join('\n').toStdString(); // the two heading lines, no image
    RunText("pdftoppm", {"-r", "300", "-gray", "-png", "-singlefile", pdf, dir.filePath("page")}, &status);
    ASSERT_EQ(status, 0);
    QStringList found = scan(QImage(dir.filePath("page.png")));
    found.sort();
    EXPECT_EQ(found, (QStringList{"EAN-13:4006381333931", "QR-Code:Label 7"}));
    // The digits under the EAN-13 are text in the PDF.
    QString words;
    for (const PdfWord& word : ReadPdfWords(pdf).value(0).words)
        words += word.text + ' ';
    EXPECT_EQ(words, "4 006381 333931 ");
}
