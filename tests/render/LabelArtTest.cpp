// A code or a picture of each label's own, from table data on disk: printed
// into a PDF the codes read back as their rows say, labels that cannot be
// printed are crossed out in the preview and left empty on paper, the check
// before printing finds them, and a picture file is read once.
#include "CodeScan.h"
#include "common/PdfReading.h"
#include "common/SampleSheet.h"
#include "model/Job.h"
#include "render/LabelArt.h"
#include "render/LabelCheck.h"
#include "render/PainterCanvas.h"
#include "render/RecordingCanvas.h"
#include "render/Renderer.h"
#include "support/Messages.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A sheet of 2 x 3 labels of 90 x 50 mm, the labels from a table file with
// column names, each label showing its Name above its code or picture.
struct TableJob {
    QTemporaryDir dir;
    TJOB job;

    TableJob(const QByteArray& table, const QString& codeKind, const QString& codeText)
    {
        applyTestSheet(job, {.Across = 2,
                             .Down = 3,
                             .Left = 10000,
                             .Top = 20000,
                             .labelWidth = 90000,
                             .labelHeight = 50000,
                             .hGap = 5000});
        const QString path = dir.filePath(QStringLiteral("rows.csv"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(table) == table.size());
        file.close();
        TDATAINFO& data = *job.DATAINFO();
        data.FULLFILENAME = path;
        data.setHeaderChoice(HeaderChoice::Yes);
        data.tableSettings().LabelLayout = QStringLiteral("{Name}");
        EXPECT_TRUE(data.LOADDATA());
        TJOBINFO& format = *job.JOBINFO();
        format.ShowPic = true;
        format.CodeType = codeKind;
        format.CodeText = codeText;
        // The lower two thirds of the label, in its middle.
        format.UsePicPCHeight = true;
        format.PicPCHeight = 66;
        format.PicAlignHoriz = 1;
        format.PicAlignVert = 2;
    }

    static TPRINTPARAMS params(PageCanvas* canvas, double pixPerMu, bool preview)
    {
        TPRINTPARAMS p;
        p.Canvas = canvas;
        p.PixPerMuX = p.PixPerMuY = pixPerMu;
        p.ToPrinter = !preview;
        p.MarkUnprintable = preview;
        return p;
    }

    // Label k's box on the page at this many pixels per MU.
    QRect box(int k, double pixPerMu) const
    {
        const GridAxis columns = job.TEMPLATE()->columns();
        const GridAxis rows = job.TEMPLATE()->rows();
        const auto px = [pixPerMu](qint64 mu) { return qRound(static_cast<double>(mu) * pixPerMu); };
        return QRect(QPoint(px(columns.start(k % 2)), px(rows.start(k / 2))),
                     QPoint(px(columns.end(k % 2)) - 1, px(rows.end(k / 2)) - 1));
    }
};

const QByteArray Rows = "Name,Qr,C128,Ean\n"
                        "Anna,https://example.com/r/1,LOT-0001/A,400638133393\n"
                        "Ben,https://example.com/r/2?x=Grüße,LOT-0002/B,5012345678900\n"
                        "Chloé,WIFI:S:Gorvin;;,ITEM 77,761234567890\n"
                        "David,3,Code 128 text,480123456789\n"
                        "Elif,https://example.com/r/5,x,5901234123457\n"
                        "Jonas,Ünïcödé ✓,LOT-0006/F,871234567890\n";

bool overlaps(const CanvasRect& r, const QRect& box)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)).intersects(box);
}

} // namespace

TEST(LabelArt, EveryPrintedCodeReadsBackAsItsRow)
{
    const struct {
        const char* kind;
        const char* text;
        const char* scanned; // the scanner's name of the kind
        int column;
    } cases[] = {
        {"qrcode", "{Qr}", "QR-Code", 1}, {"code128", "{C128}", "CODE-128", 2}, {"ean13", "{Ean}", "EAN-13", 3}};
    const QStringList rows = QString::fromUtf8(Rows).split(u'\n', Qt::SkipEmptyParts).mid(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        TableJob t(Rows, QString::fromLatin1(c.kind), QString::fromLatin1(c.text));
        const QString pdf = t.dir.filePath(QStringLiteral("codes.pdf"));
        {
            const TTEMPLATE& paper = *t.job.TEMPLATE();
            QPdfWriter writer(pdf);
            writer.setResolution(1200);
            writer.setPageLayout(QPageLayout(
                QPageSize(QSizeF(paper.PAPERMUWIDTH / 1000.0, paper.PAPERMUHEIGHT / 1000.0), QPageSize::Millimeter),
                QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
            PainterCanvas canvas(&writer);
            PRINT(t.job, t.params(&canvas, 1200 / 25400.0, false));
        }
        int status = 0;
        RunText("pdftoppm", {"-r", "300", "-gray", "-png", "-singlefile", pdf, t.dir.filePath("page")}, &status);
        ASSERT_EQ(status, 0);
        const QImage page(t.dir.filePath("page.png"));
        for (int k = 0; k < rows.size(); ++k) {
            QString expected = rows[k].split(u',')[c.column];
            if (expected.size() == 12) // an EAN-13 number gets its check digit
                for (const char* full : {"4006381333931", "7612345678900", "4801234567897", "8712345678906"})
                    if (QString::fromLatin1(full).startsWith(expected))
                        expected = QString::fromLatin1(full);
            EXPECT_EQ(scan(page.copy(t.box(k, 300 / 25400.0))).join(u' ').toStdString(),
                      (QString::fromLatin1(c.scanned) + u':' + expected).toStdString())
                << "label " << k + 1;
        }
    }
}

TEST(LabelArt, ACodeThatCannotBeMadeIsCrossedOutInThePreviewAndLeftOutOnPaper)
{
    TableJob t("Name,Ean\nAnna,400638133393\nBen,AB12\nChloé,5012345678900\n", QStringLiteral("ean13"),
               QStringLiteral("{Ean}"));
    const double scale = 0.01;
    const QRect bad = t.box(1, scale);
    for (const bool preview : {true, false}) {
        SCOPED_TRACE(preview ? "preview" : "print");
        RecordingCanvas canvas;
        PRINT(t.job, t.params(&canvas, scale, preview));
        QStringList texts;
        for (const CanvasOp& op : canvas.ops(CanvasOp::Text))
            texts << op.text;
        EXPECT_EQ(texts, preview ? QStringList({"Anna", "Ben", "Chloé"}) : QStringList({"Anna", "Chloé"}));
        int codesInBadBox = 0;
        for (const CanvasOp& op : canvas.ops(CanvasOp::Fill))
            codesInBadBox += overlaps(op.rect, bad);
        EXPECT_EQ(canvas.ops(CanvasOp::Fill).size(), 2);
        EXPECT_EQ(codesInBadBox, 0);
        // Two diagonals over the lower two thirds of the label, and why.
        const QVector<CanvasOp> lines = canvas.ops(CanvasOp::Polyline);
        QStringList reason;
        for (const CanvasOp& op : canvas.ops(CanvasOp::TextAt))
            if (bad.contains(op.anchored.at.toPoint()))
                reason << op.anchored.text;
        if (!preview) {
            EXPECT_TRUE(lines.isEmpty());
            EXPECT_TRUE(reason.isEmpty());
            continue;
        }
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines[0].points, (QVector<QPoint>{{bad.left(), bad.top() + 170}, {bad.right(), bad.bottom()}}));
        EXPECT_EQ(reason.join(u' '), QStringLiteral("EAN-13 takes digits only: \"AB12\" holds \"A\"."));
    }
}

TEST(LabelArt, TheCheckCountsEveryBadLabelAndListsTheFirst)
{
    const struct {
        const char* kind;
        const char* text;
        qint64 failed;
        QStringList listed;
    } cases[] = {
        {"ean13",
         "{Ean}",
         2,
         {"Label 2: EAN-13 takes digits only: \"AB12\" holds \"A\".",
          "Label 4: EAN-13 has no text to encode: the text is empty."}},
        {"ean13", "{#}", 4, {"Label 1: EAN-13 takes 12 digits, or 13 with the check digit: \"1\" has 1."}},
        {"qrcode", "{Ean}", 1, {"Label 4: QR Code has no text to encode: the text is empty."}},
        {"code-128", "{Ean}", 4, {"Label 1: There is no kind of code named \"code-128\"."}},
        {"", "{Ean}", 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind + std::string(" ") + c.text);
        TableJob t("Name,Ean\nAnna,400638133393\nBen,AB12\nChloé,5012345678900\nDavid,\n", QString::fromLatin1(c.kind),
                   QString::fromLatin1(c.text));
        const LabelCheck check = checkLabels(t.job, static_cast<int>(c.listed.size()));
        EXPECT_EQ(check.failed, c.failed);
        QStringList listed;
        for (const LabelProblem& problem : check.first)
            listed << Messages::labelProblem(problem.number, problem.reason);
        EXPECT_EQ(listed.join(u'\n').toStdString(), c.listed.join(u'\n').toStdString());
    }
}

TEST(LabelArt, EachPictureFileIsReadOnceForAllItsLabels)
{
    TableJob t("Name,Photo\nA,red.png\nB,blue.png\nC,red.png\nD,gone.png\nE,red.png\nF,blue.png\n", QString(),
               QString());
    t.job.DATAINFO()->PicFileName = QStringLiteral("photos/{Photo}");
    t.job.JOBINFO()->FitToLabel = true;
    ASSERT_TRUE(QDir(t.dir.path()).mkdir("photos"));
    for (const auto& [name, width] : {std::pair("red", 40), std::pair("blue", 30)}) {
        QImage image(width, 20, QImage::Format_RGB32);
        image.fill(QColor(QString::fromLatin1(name)));
        ASSERT_TRUE(image.save(t.dir.filePath(QStringLiteral("photos/%1.png").arg(name))));
    }
    const qint64 readBefore = pictureCacheStatistics().made;
    for (int round = 0; round < 3; ++round) {
        RecordingCanvas canvas;
        PRINT(t.job, t.params(&canvas, 0.01, false));
        QList<int> widths;
        for (const CanvasOp& op : canvas.ops(CanvasOp::StretchDraw))
            widths << op.pictureSize.width();
        EXPECT_EQ(widths, (QList<int>{40, 30, 40, 40, 30}));
        EXPECT_EQ(canvas.ops(CanvasOp::Text).size(), 5); // label D is left out
    }
    const LabelCheck check = checkLabels(t.job);
    EXPECT_EQ(check.failed, 1);
    EXPECT_EQ(check.first.value(0).number, 4);
    EXPECT_EQ(check.first.value(0).reason,
              QStringLiteral("The picture %1 does not exist.").arg(t.dir.filePath("photos/gone.png")));
    EXPECT_EQ(pictureCacheStatistics().made - readBefore, 2);
}

TEST(LabelArt, CodesOfEqualContentAreMadeOnceAndManyAreMadeTogether)
{
    const struct {
        const char* text;
        qint64 made; // codes made for 3 000 serial labels
    } cases[] = {{"same for every label 7f3a", 1}, {"S-{1}-{#}", 3000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TJOB job;
        applyTestSheet(job, {});
        job.DATAINFO()->SerialFrom = QStringLiteral("1");
        job.DATAINFO()->SerialTo = QStringLiteral("3000");
        ASSERT_TRUE(job.DATAINFO()->LOADDATA());
        job.JOBINFO()->ShowPic = true;
        job.JOBINFO()->CodeType = QStringLiteral("code128");
        job.JOBINFO()->CodeText = QString::fromLatin1(c.text);
        clearArtCaches();
        const qint64 before = codeCacheStatistics().made;
        EXPECT_TRUE(checkLabels(job).ok());
        EXPECT_EQ(codeCacheStatistics().made - before, c.made);
        // The page drawn after the check makes no code again.
        RecordingCanvas canvas;
        PRINT(job, TableJob::params(&canvas, 0.01, false));
        EXPECT_EQ(canvas.ops(CanvasOp::Fill).size(), 21);
        EXPECT_EQ(codeCacheStatistics().made - before, c.made);
    }
}
