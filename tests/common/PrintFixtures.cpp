#include "common/PrintFixtures.h"

#include "common/TestEnv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QRegularExpression>

#include <signal.h>
#include <unistd.h>

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
