#include "TestEnv.h"

#include "support/Maker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace {
// Removed when the test program ends.
std::unique_ptr<QTemporaryDir> userRoot;
} // namespace

void TestEnv::isolateUserFolders()
{
    if (userRoot)
        return;
    userRoot = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/gorvin-test-XXXXXX"));
    const QString base = userRoot->path();
    QDir(base).mkpath(QStringLiteral("config"));
    QDir(base).mkpath(QStringLiteral("data"));
    QDir(base).mkpath(QStringLiteral("home"));
    QDir(base).mkpath(QStringLiteral("program"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(base + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(base + QStringLiteral("/data")));
    qputenv("HOME", QFile::encodeName(base + QStringLiteral("/home")));
    // The error log and the program's folders go here, never beside the
    // test executable.
    qputenv("GORVIN_PROGRAM_FOLDER", QFile::encodeName(base + QStringLiteral("/program")));
}

QString TestEnv::root()
{
    return userRoot ? userRoot->path() : QString();
}

QString versionTextOfThisBuild()
{
    const QString version = QStringLiteral(GORVIN_TEST_VERSION);
    return QStringLiteral("Version %1 Release %2").arg(version.section(u'.', 0, 1), version.section(u'.', 2, 3));
}

void clearSettingsStore()
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, makerShortName(), applicationTitle());
    store.clear();
    store.sync();
    QFile::remove(store.fileName());
}

QString TestEnv::freshFolder(const QString& name)
{
    const QString path = root() + u'/' + name;
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

QString WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    f.write(bytes);
    return path;
}

QByteArray readFileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QByteArray FromHex(const char* hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}
