#include "PdfReading.h"

#include "common/TestEnv.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>

namespace {
QByteArray runTool(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(120000))
        return QByteArray();
    return p.readAllStandardOutput();
}

QString unescapeXml(QString s)
{
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    s.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return s;
}
} // namespace

QList<PdfPage> ReadPdfWords(const QString& pdf)
{
    const QString html = QString::fromUtf8(
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    static const QRegularExpression pageRe(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordRe(QStringLiteral(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    QList<PdfPage> pages;
    const QStringList chunks = html.split(QStringLiteral("</page>"));
    for (const QString& chunk : chunks) {
        const auto pm = pageRe.match(chunk);
        if (!pm.hasMatch())
            continue;
        PdfPage page;
        page.width = pm.captured(1).toDouble();
        page.height = pm.captured(2).toDouble();
        auto it = wordRe.globalMatch(chunk);
        while (it.hasNext()) {
            const auto m = it.next();
            page.words.append(PdfWord{unescapeXml(m.captured(5)), m.captured(1).toDouble(), m.captured(2).toDouble(),
                                      m.captured(3).toDouble(), m.captured(4).toDouble()});
        }
        pages.append(page);
    }
    return pages;
}

int PdfPageCount(const QString& pdf)
{
    const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {pdf}));
    static const QRegularExpression re(QStringLiteral(R"re(Pages:\s+(\d+))re"));
    const auto m = re.match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QSizeF PdfPageSize(const QString& pdf)
{
    const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {pdf}));
    static const QRegularExpression re(QStringLiteral(R"re(Page size:\s+([\d.]+) x ([\d.]+) pts)re"));
    const auto m = re.match(info);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

QRect PdfInkBox(const QString& pdf, int page, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                                         QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                         QString::number(page), QStringLiteral("-singlefile"), pdf, prefix});
    const QByteArray pgm = readFileBytes(prefix + QStringLiteral(".pgm"));
    // "P5", width, height, maximum, each followed by white space, then bytes.
    QList<QByteArray> header;
    qsizetype pos = 0;
    while (header.size() < 4 && pos < pgm.size()) {
        while (pos < pgm.size() && std::isspace(static_cast<unsigned char>(pgm[pos])))
            ++pos;
        const qsizetype start = pos;
        while (pos < pgm.size() && !std::isspace(static_cast<unsigned char>(pgm[pos])))
            ++pos;
        header.append(pgm.mid(start, pos - start));
    }
    ++pos;
    if (header.size() < 4 || header[0] != "P5")
        return QRect();
    const int w = header[1].toInt();
    const int h = header[2].toInt();
    if (pgm.size() < pos + static_cast<qsizetype>(w) * h)
        return QRect();
    const auto* pixels = reinterpret_cast<const unsigned char*>(pgm.constData() + pos);
    int left = w, top = h, right = -1, bottom = -1;
    for (int y = 0; y < h; ++y) {
        const unsigned char* row = pixels + static_cast<qsizetype>(y) * w;
        for (int x = 0; x < w; ++x) {
            if (row[x] < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0)
        return QRect();
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QString RunText(const QString& program, const QStringList& arguments, int* exitCode)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    const bool finished = p.waitForStarted(10000) && p.waitForFinished(30000);
    if (exitCode)
        *exitCode = finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAll());
}
