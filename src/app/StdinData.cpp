#include "StdinData.h"

#include "model/DataFile.h"
#include "support/Messages.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The temporary file's name, for the signal handlers: they may only look at
// plain memory. The name is made in place by mkostemps while the signals
// that remove it are held back, so a signal never sees half a name or misses
// a file just made.
char stdinFilePath[4096];
volatile std::sig_atomic_t stdinFileMade = 0;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

const char* suffixOf(StdinFormat format)
{
    switch (format) {
    case StdinFormat::Csv: return ".csv";
    case StdinFormat::Tsv: return ".tsv";
    case StdinFormat::Text: break;
    }
    return ".txt";
}

// The signals on which the file is removed (see the batch printer's
// handlers), held back while the name is made.
class HeldSignals {
public:
    HeldSignals()
    {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
            sigaddset(&held, signal);
        sigprocmask(SIG_BLOCK, &held, &previous_);
    }
    ~HeldSignals() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

private:
    sigset_t previous_{};
};

bool writeAll(int descriptor, const char* bytes, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(descriptor, bytes, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = EIO;
        if (n <= 0)
            return false;
        bytes += n;
        size -= n;
    }
    return true;
}

} // namespace

void removeStdinDataFile() noexcept
{
    if (stdinFileMade != 0) {
        stdinFileMade = 0;
        ::unlink(stdinFilePath);
    }
}

std::optional<StdinFormat> stdinFormatNamed(const QString& name)
{
    for (const auto& [text, format] : {std::pair{"text", StdinFormat::Text}, std::pair{"csv", StdinFormat::Csv},
                                       std::pair{"tsv", StdinFormat::Tsv}}) {
        if (name.compare(QLatin1StringView(text), Qt::CaseInsensitive) == 0)
            return format;
    }
    return std::nullopt;
}

StdinData::~StdinData()
{
    remove();
}

void StdinData::remove()
{
    if (fileName_.isEmpty())
        return;
    removeStdinDataFile();
    fileName_.clear();
}

bool StdinData::read(int descriptor, StdinFormat format, QString& error)
{
    remove();
    const QString folder = QDir::tempPath();
    const QByteArray pattern = QFile::encodeName(folder + QStringLiteral("/gorvin-data-XXXXXX")) + suffixOf(format);
    if (pattern.size() >= qsizetype(sizeof stdinFilePath)) {
        error = Messages::stdinCannotBeKept(folder, systemReason(ENAMETOOLONG));
        return false;
    }
    int file = -1;
    {
        const HeldSignals held;
        std::memcpy(stdinFilePath, pattern.constData(), size_t(pattern.size()) + 1);
        // Made anew with O_EXCL: a link planted under the name is never
        // followed. The mode is 0600.
        file = ::mkostemps(stdinFilePath, int(std::strlen(suffixOf(format))), O_CLOEXEC);
        if (file >= 0)
            stdinFileMade = 1;
    }
    if (file < 0) {
        error = Messages::stdinCannotBeKept(folder, systemReason(errno));
        return false;
    }
    static const bool removedAtExit = std::atexit(removeStdinDataFile) == 0;
    (void)removedAtExit;
    fileName_ = QFile::decodeName(stdinFilePath);

    const auto fail = [&](const QString& message) {
        ::close(file);
        remove();
        error = message;
        return false;
    };
    constexpr qsizetype Piece = qsizetype(1) << 20;
    QByteArray buffer(Piece, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const ssize_t n = ::read(descriptor, buffer.data(), size_t(Piece));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(Messages::stdinCannotBeRead(systemReason(errno)));
        if (n == 0)
            break;
        total += n;
        if (total > DataLines::MaxDataFileBytes)
            return fail(Messages::stdinTooLarge(QString::number(DataLines::MaxDataFileBytes >> 20)));
        if (!writeAll(file, buffer.constData(), n))
            return fail(Messages::stdinCannotBeKept(folder, systemReason(errno)));
    }
    if (::close(file) != 0) {
        const int closeError = errno;
        remove();
        error = Messages::stdinCannotBeKept(folder, systemReason(closeError));
        return false;
    }
    return true;
}
