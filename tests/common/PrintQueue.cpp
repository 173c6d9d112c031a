#include "PrintQueue.h"

#include "common/PdfReading.h"
#include "common/TestEnv.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QThread>

#include <cups/cups.h>

#include <functional>

#include <pwd.h>
#include <unistd.h>

namespace PrintQueue {

QString name()
{
    return QStringLiteral("LabelPDF");
}

QString unavailable(bool asDefault)
{
    int code = 0;
    const QString scheduler = RunText(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &code);
    if (code != 0 || !scheduler.contains(QStringLiteral("scheduler is running")))
        return QStringLiteral("cupsd is not running (lpstat -r: ") + scheduler.trimmed()
               + QStringLiteral("); scripts/test starts it");
    const QString queue = RunText(QStringLiteral("lpstat"), {QStringLiteral("-v"), name()}, &code);
    if (code != 0)
        return QStringLiteral("no print queue \"LabelPDF\" (lpstat -v: ") + queue.trimmed()
               + QStringLiteral("); scripts/test adds it");
    if (asDefault && QPrinterInfo::defaultPrinter().printerName() != name())
        return QStringLiteral("LabelPDF cannot be made the default printer through PRINTER");
    return QString();
}

// cups-pdf's "Out" setting (the queue's own configuration file first), with
// ${HOME} and ${USER} taken from the user database as cups-pdf takes them,
// and its folder for users it does not know.
QStringList pdfFolders()
{
    QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
    for (const QString& conf : {QStringLiteral("/etc/cups/cups-pdf-") + name() + QStringLiteral(".conf"),
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

namespace {

// The first file of the queue's folders that `wanted` accepts, once cups-pdf
// has finished it: it writes in place, so the size must stay put and poppler
// read it.
QString waitForFile(const std::function<bool(const QFileInfo&)>& wanted)
{
    const QDateTime deadline = QDateTime::currentDateTime().addSecs(90);
    while (QDateTime::currentDateTime() < deadline) {
        for (const QString& folder : pdfFolders()) {
            for (const QFileInfo& f : QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time)) {
                if (!wanted(f))
                    continue;
                const qint64 size = f.size();
                QThread::msleep(500);
                if (size > 0 && QFileInfo(f.filePath()).size() == size && PdfPageCount(f.filePath()) > 0)
                    return f.filePath();
            }
        }
        QThread::msleep(300);
    }
    return QString();
}

template <class Visit>
void forEachJob(Visit visit)
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name().toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < count; ++i)
        visit(jobs[i]);
    cupsFreeJobs(count, jobs);
}

} // namespace

QString waitForPdf(int jobId)
{
    if (jobId <= 0)
        return QString();
    const QString ending = QStringLiteral("-job_%1.pdf").arg(jobId);
    return waitForFile([&](const QFileInfo& f) { return f.fileName().endsWith(ending); });
}

QString waitForPdf(const QString& titleText, const QDateTime& since)
{
    if (titleText.isEmpty())
        return QString();
    return waitForFile([&](const QFileInfo& f) {
        return f.fileName().contains(titleText, Qt::CaseInsensitive)
               && (!since.isValid() || f.lastModified() >= since.addSecs(-2));
    });
}

Job job(int jobId)
{
    Job found;
    forEachJob([&](const cups_job_t& j) {
        if (j.id == jobId)
            found = {true, QString::fromUtf8(j.title), j.priority};
    });
    return found;
}

bool hadJobTitled(const QString& text)
{
    bool found = false;
    forEachJob(
        [&](const cups_job_t& j) { found = found || QString::fromUtf8(j.title).contains(text, Qt::CaseInsensitive); });
    return found;
}

} // namespace PrintQueue
