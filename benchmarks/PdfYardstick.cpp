// The yardstick of the batch printer: the plainest loop that puts a job's
// labels into a PDF with Qt's QPdfWriter. The same sheet, paper, resolution
// and font as `gorvin --print JOB --data DATA --output FILE.pdf`, every line
// measured once and drawn once, centred in its label; no clipping, no
// shrinking, no border, one pen for the whole document. benchmarks/
// batch_print.sh runs it beside the batch printer on the same data and
// compares their CPU times.
// Usage: pdf_yardstick JOB.GVJ DATA.txt OUT.pdf

#include "model/Job.h"
#include "model/Units.h"
#include "render/PainterCanvas.h"
#include "render/Renderer.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "Usage: pdf_yardstick JOB.GVJ DATA.txt OUT.pdf\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    TJOB job;
    if (!job.LOADFROMFILE(QString::fromLocal8Bit(argv[1])))
        return 1;
    job.DATAINFO()->FULLFILENAME = QString::fromLocal8Bit(argv[2]);
    if (!job.DATAINFO()->LOADDATA())
        return 1;
    const TTEMPLATE& paper = *job.TEMPLATE();
    const TJOBINFO& format = *job.JOBINFO();

    constexpr int Resolution = 1200;
    QPdfWriter writer(QString::fromLocal8Bit(argv[3]));
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(
        QPageSize(QSizeF(FNMUTOMM(paper.PAPERMUWIDTH), FNMUTOMM(paper.PAPERMUHEIGHT)), QPageSize::Millimeter),
        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter(&writer);
    const CanvasFont labelFont = canvasFont(format.FONT);
    painter.setFont(PainterCanvas::qfont(labelFont));
    painter.setPen(labelFont.color);
    const QFontMetrics metrics(painter.font(), &writer);

    const double pixPerMu = Resolution / 25400.0;
    const GridAxis columns = paper.columns();
    const GridAxis rows = paper.rows();
    const qint32 pages = job.PAGECOUNT();
    const qint32 across = paper.NUMACROSS;
    QStringList lines;
    for (qint32 page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        for (qint32 r = 0; r < paper.NUMDOWN; ++r) {
            for (qint32 c = 0; c < across; ++c) {
                lines.clear();
                const qint64 label = (static_cast<qint64>(page) * paper.NUMDOWN + r) * across + c;
                if (!job.GETLABEL(static_cast<qint32>(label), lines))
                    continue;
                const int left = qRound(static_cast<double>(columns.start(c)) * pixPerMu);
                const int right = qRound(static_cast<double>(columns.end(c)) * pixPerMu);
                const int top = qRound(static_cast<double>(rows.start(r)) * pixPerMu);
                const int bottom = qRound(static_cast<double>(rows.end(r)) * pixPerMu);
                const int lineHeight = metrics.height();
                int y = top + (bottom - top - lineHeight * static_cast<int>(lines.size())) / 2 + metrics.ascent();
                for (const QString& line : lines) {
                    const int width = metrics.horizontalAdvance(line);
                    painter.drawText(QPoint(left + (right - left - width) / 2, y), line);
                    y += lineHeight;
                }
            }
        }
    }
    return painter.end() ? 0 : 1;
}
