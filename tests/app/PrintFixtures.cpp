#include "PrintFixtures.h"

#include "common/TestEnv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

QString WriteLabelData(const QString& path, int labels, int linesPerLabel, const QString& prefix)
{
    QByteArray bytes;
    for (int k = 0; k < labels; ++k) {
        bytes += (prefix + QString::number(k)).toUtf8() + "\r\n";
        for (int l = 2; l <= linesPerLabel; ++l)
            bytes += "line " + QByteArray::number(l) + "\r\n";
        bytes += "\r\n";
    }
    return WriteFile(path, bytes);
}

bool SaveTestJob(const QString& path, const TestSheet& sheet, const QString& dataFile,
                 const std::function<void(TJOB&)>& setup)
{
    TJOB job;
    job.MAKENEWTEMPLATE(sheet.PaperWidth, sheet.PaperHeight);
    TTEMPLATE& t = *job.TEMPLATE();
    t.NUMACROSS = sheet.Across;
    t.NUMDOWN = sheet.Down;
    t.MULEFT = sheet.Left;
    t.MUTOP = sheet.Top;
    t.MULABELWIDTH = sheet.LabelWidth;
    t.MULABELHEIGHT = sheet.LabelHeight;
    t.MUHGAP = sheet.HGap;
    t.MUVGAP = sheet.VGap;
    t.SETLANDSCAPE(sheet.Landscape);
    TJOBINFO& f = *job.JOBINFO();
    f.MUBORDERLEFT = f.MUBORDERTOP = f.MUBORDERRIGHT = f.MUBORDERBOTTOM = 2000;
    f.TEXTALIGNHORIZ = 0;
    f.TEXTALIGNVERT = 0;
    f.TEXTJUSTIFY = 0;
    f.TEXTSHRINKTOFIT = false;
    f.SHOWBORDER = false;
    f.ShowPic = false;
    f.FONT = defaultLabelFont();
    job.DATAINFO()->FULLFILENAME = dataFile;
    job.DATAINFO()->STARTLABNUM = 1;
    job.DATAINFO()->RepeatLabelNum = 1;
    if (setup)
        setup(job);
    return job.SAVETOFILE(path);
}

namespace {

// Starts the program, under a file size limit in KiB (ulimit -f) when one is
// given, with its own TMPDIR when one is given.
void startGorvin(QProcess& process, const QStringList& arguments, int fileSizeKiB, const QString& tmpDir)
{
    if (!tmpDir.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), tmpDir);
        process.setProcessEnvironment(environment);
    }
    const QString limit = QStringLiteral("ulimit -f %1 && exec \"$0\" \"$@\"")
                              .arg(fileSizeKiB > 0 ? QString::number(fileSizeKiB) : QStringLiteral("unlimited"));
    process.start(QStringLiteral("/bin/bash"),
                  QStringList{QStringLiteral("-c"), limit, QStringLiteral(GORVIN_EXECUTABLE)} + arguments);
}

RunResult finish(QProcess& process)
{
    RunResult r;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        r.err = QStringLiteral("timed out");
        return r;
    }
    r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(process.readAllStandardError());
    return r;
}

} // namespace

RunResult RunGorvin(const QStringList& arguments, int fileSizeKiB, const QString& tmpDir)
{
    QProcess process;
    startGorvin(process, arguments, fileSizeKiB, tmpDir);
    return finish(process);
}

RunResult InterruptGorvin(const QStringList& arguments, int signal, const QString& folder, const QString& tmpDir)
{
    QProcess process;
    startGorvin(process, arguments, 0, tmpDir);
    const auto fileOpenUnderFolder = [&] {
        const QString fds = QStringLiteral("/proc/%1/fd").arg(process.processId());
        for (const QString& fd : QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            if (QFileInfo(fds + u'/' + fd).symLinkTarget().startsWith(folder + u'/'))
                return true;
        return false;
    };
    QElapsedTimer waited;
    waited.start();
    while (process.state() != QProcess::NotRunning && !fileOpenUnderFolder() && waited.elapsed() < 30000)
        QThread::msleep(5);
    ::kill(static_cast<pid_t>(process.processId()), signal);
    return finish(process);
}

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
    const QString html = QString::fromUtf8(runTool(QStringLiteral("pdftotext"),
                                                   {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
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
            page.words.append(PdfWord{unescapeXml(m.captured(5)), m.captured(1).toDouble(),
                                       m.captured(2).toDouble(), m.captured(3).toDouble(),
                                       m.captured(4).toDouble()});
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
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-f"),
             QString::number(page), QStringLiteral("-l"), QString::number(page),
             QStringLiteral("-singlefile"), pdf, prefix});
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

// The folders cups-pdf may write this user's files to: its "Out" setting
// (the queue's own configuration file first), with ${HOME} and ${USER} taken
// from the user database as cups-pdf takes them, and its folder for users it
// does not know.
QStringList CupsPdfFolders(const QString& queueName)
{
    QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
    for (const QString& conf : {QStringLiteral("/etc/cups/cups-pdf-") + queueName + QStringLiteral(".conf"),
                                QStringLiteral("/etc/cups/cups-pdf.conf")}) {
        const QString text = QString::fromLocal8Bit(readFileBytes(conf));
        if (text.isEmpty())
            continue;
        for (const QString& line : text.split(u'\n')) {
            const QString t = line.trimmed();
            if (t.startsWith(QStringLiteral("Out ")) || t.startsWith(QStringLiteral("Out\t")))
                out = t.mid(4).trimmed();
        }
        break;
    }
    QString home, user;
    if (const passwd* pw = getpwuid(getuid())) {
        home = QString::fromLocal8Bit(pw->pw_dir);
        user = QString::fromLocal8Bit(pw->pw_name);
    }
    out.replace(QStringLiteral("${HOME}"), home).replace(QStringLiteral("${USER}"), user);
    return {out, QStringLiteral("/var/spool/cups-pdf/ANONYMOUS")};
}

QStringList LeftInTemporaryFolder(const QString& tmpDir)
{
    return QDir(tmpDir)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
        .filter(QRegularExpression(QStringLiteral("^(?!runtime-)")));
}

FileSizeLimit::FileSizeLimit(qint64 bytes) : previousHandler_(::signal(SIGXFSZ, SIG_IGN))
{
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousHandler_);
}
