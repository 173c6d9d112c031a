#include "ErrorLog.h"

#include "support/Maker.h"
#include "support/Messages.h"
#include "support/ProgramFolder.h"

#include <QFile>
#include <QLocale>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray lineEnd = QByteArrayLiteral("\r\n");

// Message texts break lines with LF CR; other sources use CR LF or a lone
// LF or CR. Each break becomes one CR LF, so no bare LF reaches the file.
QString withFileLineBreaks(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\n' || c == u'\r') {
            const QChar pair = c == u'\n' ? u'\r' : u'\n';
            if (i + 1 < text.size() && text.at(i + 1) == pair)
                ++i;
            out += QStringLiteral("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}
} // namespace

ErrorLogFailure::ErrorLogFailure(const QString& path, const QString& reason)
    : std::runtime_error(Messages::errorLogUnwritable(path, reason).toStdString()), path_(path)
{}

QString errorLogPath()
{
    return programFolder() + QStringLiteral("/ERRFILE.TXT");
}

QStringList errorLogHeader()
{
    return {
        QStringLiteral("Please send this file to %1 for analysis: it records the errors %2 met.")
            .arg(makerFullName(), applicationTitle()),
        QStringLiteral("%1, %2").arg(makerFullName(), makerPostalAddress()),
        QStringLiteral("Telephone %1, fax %2, mail %3").arg(makerPhone(), makerFax(), makerSupportMail()),
    };
}

QString errorLogTimeStamp(const QDateTime& when)
{
    const QLocale locale = QLocale::system();
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    if (when.time().msecsSinceStartOfDay() == 0)
        return date;
    return date + u' ' + locale.toString(when.time(), QLocale::LongFormat);
}

QByteArray errorLogEntry(std::int32_t number, const QString& text, const QDateTime& when)
{
    const QString line = errorLogTimeStamp(when) + QStringLiteral(" Error[") + QString::number(number)
                         + QStringLiteral("]: ") + text;
    return withFileLineBreaks(line).toUtf8() + lineEnd;
}

void appendErrorLogEntry(const QString& path, std::int32_t number, const QString& text, const QDateTime& when)
{
    const auto failure = [&](int error) { return ErrorLogFailure(path, QString::fromLocal8Bit(std::strerror(error))); };
    // Opened as job files are: never waited on (a pipe put in the log's
    // place would hold the program for good), and only an ordinary file.
    const QByteArray name = QFile::encodeName(path);
    const int log = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (log < 0)
        throw failure(errno);
    struct stat info {};
    if (::fstat(log, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(log);
        throw ErrorLogFailure(path, Messages::notAnOrdinaryFile());
    }
    QByteArray bytes;
    // A log that is new, or was emptied by hand, starts with the header.
    if (info.st_size == 0) {
        for (const QString& line : errorLogHeader())
            bytes += line.toUtf8() + lineEnd;
    }
    bytes += errorLogEntry(number, text, when);

    // The entry goes in whole or not at all: a write cut short (a full
    // disk) is taken back, so the next entry does not continue a torn one.
    qint64 done = 0;
    int error = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(log, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            break;
        }
        done += n;
    }
    if (error != 0 && done > 0)
        (void)::ftruncate(log, info.st_size);
    if (::close(log) != 0 && error == 0)
        error = errno;
    if (error != 0)
        throw failure(error);
}

bool FNLOGERROR(std::int32_t number, const QString& text, bool beep, bool show)
{
    if (beep)
        messageSeam().beep();
    bool logged = true;
    try {
        appendErrorLogEntry(errorLogPath(), number, text, QDateTime::currentDateTime());
    } catch (const ErrorLogFailure& e) {
        // The log only records what went wrong; failing to write it must not
        // stop the operation that was reporting (a save, a load, a list read
        // at start-up). The user still sees the message asked for, and the
        // failure goes straight to standard error: not through the toolkit's
        // message handler, which the batch printer keeps quiet about warnings.
        logged = false;
        std::fprintf(stderr, "%s\n", e.what());
        std::fflush(stderr);
    }
    if (show)
        messageSeam().show(text);
    return logged;
}
