#include "common/TestEnv.h"
#include "support/ProgramFolder.h"
#include "support/ReplacingFile.h"
#include "support/Utilities.h"

#include <QDesktopServices>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(Utilities, VersionTextAndCaptionsWithoutAccelerators)
{
    EXPECT_EQ(FNGETVERSIONTEXT(), versionTextOfThisBuild());
    EXPECT_EQ(versionText(2, 0, -1, 8), QStringLiteral("Version number not available."));
    EXPECT_EQ(FNSTRIPAMPERSANDS(QStringLiteral("&1 C:\\x&&y")), QStringLiteral("1 C:\\xy"));
}

namespace {
// Stands in for the desktop: records what it was asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened.append(url); }

public:
    QList<QUrl> opened;
};
} // namespace

TEST(Utilities, ShellOpenHandsAddressesAndLocalFilesToTheDesktop)
{
    UrlRecorder recorder;
    const QStringList schemes = {QStringLiteral("https"), QStringLiteral("mailto"), QStringLiteral("file")};
    for (const QString& scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, &recorder, "open");

    EXPECT_TRUE(FNSHELLOPEN(QStringLiteral("https://www.mardo-software.example/gorvin")));
    EXPECT_TRUE(FNSHELLOPEN(QStringLiteral("mailto:Gorvin <support@mardo-software.example>")));
    EXPECT_TRUE(FNSHELLOPEN(QStringLiteral("/tmp/My Labels/Gorvin02Instructions.rtf")));
    EXPECT_TRUE(FNSHELLOPEN(QStringLiteral("docs/a.rtf")));
    for (const QString& scheme : schemes)
        QDesktopServices::unsetUrlHandler(scheme);

    ASSERT_EQ(recorder.opened.size(), 4);
    EXPECT_EQ(recorder.opened[0].host(), QStringLiteral("www.mardo-software.example"));
    EXPECT_EQ(recorder.opened[1].scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(recorder.opened[1].path().contains(QStringLiteral("support@mardo-software.example")));
    EXPECT_EQ(recorder.opened[2].toLocalFile(), QStringLiteral("/tmp/My Labels/Gorvin02Instructions.rtf"));
    EXPECT_EQ(recorder.opened[3].toLocalFile(), QDir::current().absoluteFilePath(QStringLiteral("docs/a.rtf")));
}

TEST(ProgramFolder, OnlyAWritablePortableFolderKeepsTheFilesBesideTheProgram)
{
    QTemporaryDir folder;
    const QString userData = QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // Writable but installed (no marker): the user's data folder.
    EXPECT_EQ(chooseProgramFolder(folder.path()), userData);
    WriteFile(QDir(folder.path()).filePath(QLatin1String(PortableMarkerName)), "");
    EXPECT_EQ(chooseProgramFolder(folder.path()), QDir::cleanPath(folder.path()));
    // A folder that does not exist cannot be written, whoever runs the test.
    const QString chosen = chooseProgramFolder(folder.path() + QStringLiteral("/gone"));
    EXPECT_EQ(chosen, userData);
    EXPECT_TRUE(chosen.endsWith(QStringLiteral("/Mardo/Gorvin")));
    EXPECT_TRUE(chosen.startsWith(TestEnv::root())) << chosen.toStdString();
    EXPECT_TRUE(QDir(chosen).exists());
}

TEST(ProgramFolder, TestsAndScriptedRunsChooseTheirOwnFolder)
{
    QTemporaryDir folder;
    const QString fromEnvironment = folder.path() + QStringLiteral("/env");
    const QString fromTest = folder.path() + QStringLiteral("/test");
    const QByteArray saved = qgetenv("GORVIN_PROGRAM_FOLDER");

    qputenv("GORVIN_PROGRAM_FOLDER", QFile::encodeName(fromEnvironment));
    EXPECT_EQ(programFolder(), fromEnvironment);
    EXPECT_TRUE(QDir(fromEnvironment).exists());
    setProgramFolderForTests(fromTest);
    EXPECT_EQ(programFolder(), fromTest);
    setProgramFolderForTests(QString());
    EXPECT_EQ(programFolder(), fromEnvironment);

    if (saved.isNull())
        qunsetenv("GORVIN_PROGRAM_FOLDER");
    else
        qputenv("GORVIN_PROGRAM_FOLDER", saved);
}

TEST(ProgramFolder, WithoutAHomeTheDataFolderIsInTheTemporaryFolder)
{
    const QByteArray home = qgetenv("HOME");
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    const QString chosen = chooseProgramFolder(QString());
    qputenv("HOME", home);
    if (!data.isNull())
        qputenv("XDG_DATA_HOME", data);
    EXPECT_EQ(chosen, QDir::cleanPath(QDir::tempPath() + QStringLiteral("/Mardo/Gorvin")));
}

TEST(ReplacingFile, OnlyOurOldTemporariesGoAndOnlyAnOrdinaryFileIsReplaced)
{
    QTemporaryDir folder;
    const QString target = WriteFile(folder.filePath(QStringLiteral("order.GVJ")), "old");
    const QDateTime twoHoursAgo = QDateTime::currentDateTime().addSecs(-7200);
    const auto aged = [&](const QString& name) {
        QFile file(WriteFile(folder.filePath(name), "x"));
        file.open(QIODevice::ReadWrite);
        file.setFileTime(twoHoursAgo, QFileDevice::FileModificationTime);
        return file.fileName();
    };
    // Left by a save killed an hour ago; a save in progress elsewhere; the
    // user's own backup.
    const QString stale = aged(QStringLiteral(".order.GVJ.gorvin-AbC123"));
    const QString fresh = WriteFile(folder.filePath(QStringLiteral(".other.GVJ.gorvin-Zz9Zz9")), "y");
    const QString backup = aged(QStringLiteral("order.GVJ.backup"));

    QString error;
    ReplacingFile file(target);
    ASSERT_TRUE(file.open(error)) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_TRUE(QFileInfo::exists(fresh));
    EXPECT_TRUE(QFileInfo::exists(backup));
    file.file().write("new");
    ASSERT_TRUE(file.commit(error)) << error.toStdString();
    EXPECT_EQ(readFileBytes(target), "new");

    // A pipe put at the name while the file was written is traded back
    // untouched, and the temporary file goes.
    ReplacingFile second(target);
    ASSERT_TRUE(second.open(error));
    second.file().write("newer");
    ASSERT_TRUE(QFile::remove(target));
    ASSERT_EQ(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    EXPECT_FALSE(second.commit(error));
    EXPECT_TRUE(error.contains(QStringLiteral("it is a pipe"))) << error.toStdString();
    EXPECT_FALSE(QFileInfo(target).isFile());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);
}

#include "UtilitiesTest.moc"
