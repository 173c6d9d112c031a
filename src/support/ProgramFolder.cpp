#include "ProgramFolder.h"

#include "support/Maker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString overriddenFolder;

QString created(const QString& folder)
{
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    QDir().mkpath(path);
    return path;
}

QString perUserDataFolder()
{
    // Without a home folder (HOME unset or empty, as for some services) the
    // toolkit would answer a folder under "/": stay in the temporary folder.
    const bool homeless = qEnvironmentVariableIsEmpty("HOME") && qEnvironmentVariableIsEmpty("XDG_DATA_HOME");
    QString folder = homeless ? QString() : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath() + u'/' + makerShortName() + u'/' + applicationTitle();
    return folder;
}
} // namespace

QString executableFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString chooseProgramFolder(const QString& folder)
{
    const QFileInfo info(folder);
    const bool portable = !folder.isEmpty()
                          && QFileInfo::exists(QDir(folder).filePath(QLatin1String(PortableMarkerName)));
    if (portable && info.isDir() && info.isWritable())
        return QDir::cleanPath(info.absoluteFilePath());
    return created(perUserDataFolder());
}

QString programFolder()
{
    if (!overriddenFolder.isEmpty())
        return created(overriddenFolder);
    const QString fromEnvironment = qEnvironmentVariable("GORVIN_PROGRAM_FOLDER");
    if (!fromEnvironment.isEmpty())
        return created(fromEnvironment);
    return chooseProgramFolder(executableFolder());
}

void setProgramFolderForTests(const QString& path)
{
    overriddenFolder = path;
}
