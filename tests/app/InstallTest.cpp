// Installing: `cmake --install` of this build into a temporary prefix, the
// installed tree checked with the desktop's own tools where they are there,
// and the installed program run: printing a job, opening a job named on its
// command line as a file manager does, and keeping its error log in the
// per-user data folder when it cannot write beside itself.

#include "common/PrintFixtures.h"
#include "common/TestEnv.h"
#include "dialogs/FormRTFHelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <memory>
#include <unistd.h>

namespace {

struct ProcessRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProcessRun run(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProcessRun r;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        r.err = QStringLiteral("timed out");
        return r;
    }
    r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = QString::fromUtf8(process.readAllStandardOutput());
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}

// The environment of a user of the installed program: own home, settings and
// data folders, no display, and no folder forced on the program.
QProcessEnvironment userEnvironment(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("GORVIN_PROGRAM_FOLDER"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/.run"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QDir().mkpath(home + QStringLiteral("/.run"));
    QFile::setPermissions(home + QStringLiteral("/.run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return env;
}

// The desktop entry and the software centres' description, named by the
// program's desktop id.
constexpr const char* DesktopEntry = "share/applications/example.mardo_software.gorvin.desktop";
constexpr const char* MetaInfo = "share/metainfo/example.mardo_software.gorvin.metainfo.xml";

QString readText(const QString& path)
{
    return QString::fromUtf8(readFileBytes(path));
}

// The value of a key in the desktop entry's main group.
QString desktopValue(const QString& entry, const QString& key)
{
    for (const QString& line : entry.split(u'\n'))
        if (line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    return QString();
}

class Install : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefixDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/gorvin-install-XXXXXX"));
        prefix = prefixDir->path();
        installRun = run(
            QStringLiteral(GORVIN_CMAKE_COMMAND),
            {QStringLiteral("--install"), QStringLiteral(GORVIN_BUILD_DIR), QStringLiteral("--prefix"), prefix});
    }
    static void TearDownTestSuite() { prefixDir.reset(); }

    void SetUp() override
    {
        ASSERT_EQ(installRun.exitCode, 0) << installRun.err.toStdString() << installRun.out.toStdString();
    }

    static QString installed(const char* path) { return prefix + u'/' + QLatin1String(path); }
    // A job of 50 labels, 21 to a sheet: three pages.
    static QString writeJob(const QString& folder, const QString& name = QStringLiteral("job.GVJ"))
    {
        const QString data = WriteLabelData(folder + QStringLiteral("/labels.txt"), 50);
        const QString job = folder + u'/' + name;
        EXPECT_TRUE(SaveTestJob(job, TestSheet{}, data));
        return job;
    }

    static inline std::unique_ptr<QTemporaryDir> prefixDir;
    static inline QString prefix;
    static inline ProcessRun installRun;
};

} // namespace

TEST_F(Install, PutsEveryFileInItsPlace)
{
    const QFileInfo program(installed("bin/gorvin"));
    EXPECT_TRUE(program.isFile());
    EXPECT_TRUE(program.isExecutable());
    if (QFileInfo::exists(QStringLiteral(GORVIN_SOURCE_DIR "/docs/Gorvin02Instructions.rtf"))) {
        EXPECT_EQ(readFileBytes(installed("share/Mardo/Gorvin/Gorvin02Instructions.rtf")),
                  readFileBytes(QStringLiteral(GORVIN_SOURCE_DIR "/docs/Gorvin02Instructions.rtf")));
    }
    for (const char* path : {DesktopEntry, MetaInfo, "share/mime/packages/gorvin.xml",
                             "share/icons/hicolor/scalable/apps/gorvin.svg", "share/man/man1/gorvin.1"})
        EXPECT_TRUE(QFileInfo(installed(path)).isFile()) << path;

    QSvgRenderer icon(installed("share/icons/hicolor/scalable/apps/gorvin.svg"));
    EXPECT_TRUE(icon.isValid());
    EXPECT_EQ(icon.viewBoxF().width(), icon.viewBoxF().height());
}

TEST_F(Install, InstructionsAreFoundInTheInstalledDataFolder)
{
    if (!QFileInfo::exists(QStringLiteral(GORVIN_SOURCE_DIR "/docs/Gorvin02Instructions.rtf")))
        GTEST_SKIP() << "the instructions document is not written yet";
    const QByteArray saved = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", (prefix + QStringLiteral("/share")).toUtf8());
    const QString found = instructionsFile();
    qputenv("XDG_DATA_DIRS", saved);
    EXPECT_EQ(found, installed("share/Mardo/Gorvin/Gorvin02Instructions.rtf"));
}

TEST_F(Install, DesktopEntryStartsGorvinWithTheFile)
{
    const QString entry = readText(installed(DesktopEntry));
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_EQ(desktopValue(entry, QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(desktopValue(entry, QStringLiteral("Name")), QStringLiteral("Gorvin"));
    // The installed program by its absolute path: it starts when its folder
    // is not on PATH.
    EXPECT_EQ(desktopValue(entry, QStringLiteral("Exec")),
              u'"' + QFileInfo(installed("bin/gorvin")).absoluteFilePath() + QStringLiteral("\" %f"));
    EXPECT_EQ(desktopValue(entry, QStringLiteral("Icon")), QStringLiteral("gorvin"));
    EXPECT_TRUE(desktopValue(entry, QStringLiteral("Categories")).split(u';').contains(QStringLiteral("Office")));
    const QStringList types = desktopValue(entry, QStringLiteral("MimeType")).split(u';', Qt::SkipEmptyParts);
    EXPECT_EQ(types, (QStringList{QStringLiteral("application/x-gorvin-job"),
                                  QStringLiteral("application/x-gorvin-template")}));

    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate not installed (package desktop-file-utils): entry not validated";
    const ProcessRun check = run(validator, {installed(DesktopEntry)});
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_TRUE(check.out.trimmed().isEmpty()) << check.out.toStdString();
}

// The installed tree checked as software centres read it: the metainfo
// file, with its screenshot, and the desktop entry it names.
TEST_F(Install, MetaInfoIsValidAndNamesTheDesktopEntry)
{
    EXPECT_TRUE(readText(installed(MetaInfo)).contains(QStringLiteral("<screenshot type=\"default\">")));
    const QString appstream = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (appstream.isEmpty())
        GTEST_SKIP() << "appstreamcli not installed (package appstream): metainfo not validated";
    const ProcessRun check = run(appstream, {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), prefix});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString() << check.err.toStdString();
}

// The manual page is made from the program's --help: every option the
// program lists is in it.
TEST_F(Install, ManualPageListsEveryOptionOfTheHelp)
{
    const QString page = readText(installed("share/man/man1/gorvin.1"));
    EXPECT_TRUE(page.contains(QStringLiteral(".TH GORVIN \"1\"")));
    const ProcessRun help = run(installed("bin/gorvin"), {QStringLiteral("--help")});
    auto options = QRegularExpression(QStringLiteral("^  (--[a-z-]+)"), QRegularExpression::MultilineOption)
                       .globalMatch(help.out + help.err);
    int count = 0;
    for (; options.hasNext(); ++count) {
        const QString option = options.next().captured(1);
        EXPECT_TRUE(page.contains(QString(option).replace(u'-', QStringLiteral("\\-")))) << option.toStdString();
    }
    EXPECT_GT(count, 10);
}

TEST_F(Install, FileTypesMatchBothLetterCases)
{
    const QString path = installed("share/mime/packages/gorvin.xml");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QMap<QString, QSet<QString>> globs;
    QString type;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"mime-info") {
            EXPECT_EQ(xml.namespaceUri(), u"http://www.freedesktop.org/standards/shared-mime-info");
        }
        if (xml.name() == u"mime-type")
            type = xml.attributes().value(QStringLiteral("type")).toString();
        if (xml.name() == u"glob")
            globs[type] << xml.attributes().value(QStringLiteral("pattern")).toString();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    const auto both = [](std::initializer_list<const char*> extensions) {
        QSet<QString> s;
        for (const char* e : extensions)
            s << QStringLiteral("*.") + QLatin1String(e) << QStringLiteral("*.") + QString::fromLatin1(e).toLower();
        return s;
    };
    EXPECT_EQ(globs.value(QStringLiteral("application/x-gorvin-job")), both({"GVJ", "GVL"}));
    EXPECT_EQ(globs.value(QStringLiteral("application/x-gorvin-template")), both({"GVT", "GVR"}));
    EXPECT_EQ(globs.size(), 2);

    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (!xmllint.isEmpty()) {
        const ProcessRun lint = run(xmllint, {QStringLiteral("--noout"), path});
        EXPECT_EQ(lint.exitCode, 0) << lint.err.toStdString();
    }
    // The install refreshed the prefix's MIME database from the package file.
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        const QString globs2 = readText(installed("share/mime/globs2"));
        for (const char* line : {"application/x-gorvin-job:*.gvj", "application/x-gorvin-job:*.gvl",
                                 "application/x-gorvin-template:*.gvt", "application/x-gorvin-template:*.gvr"})
            EXPECT_TRUE(globs2.contains(QLatin1String(line))) << line;
    }
    if (xmllint.isEmpty())
        GTEST_SKIP() << "xmllint not installed (package libxml2-utils): file not validated";
}

TEST_F(Install, InstalledProgramPrintsAJob)
{
    QTemporaryDir work;
    const QString job = writeJob(work.path());
    const QString pdf = work.filePath(QStringLiteral("x.pdf"));
    const ProcessRun print = run(installed("bin/gorvin"),
                                 {QStringLiteral("--print"), job, QStringLiteral("--output"), pdf},
                                 userEnvironment(work.filePath(QStringLiteral("home"))));
    ASSERT_EQ(print.exitCode, 0) << print.err.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 3);
    EXPECT_FALSE(QFileInfo::exists(installed("bin/ERRFILE.TXT")));
}

TEST_F(Install, OpensTheJobAFileManagerHandsIt)
{
    QTemporaryDir work;
    QDir().mkpath(work.filePath(QStringLiteral("My Labels")));
    const QString job = writeJob(work.filePath(QStringLiteral("My Labels")), QStringLiteral("Christmas cards.GVJ"));
    QProcessEnvironment env = userEnvironment(work.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("GORVIN_EXIT_AFTER_START"), QStringLiteral("1"));
    // Exec="/prefix/bin/gorvin" %f: the program the entry names, whatever
    // PATH holds, with the file's path, blanks and all, as the one parameter.
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    const QString program = desktopValue(readText(installed(DesktopEntry)), QStringLiteral("Exec")).section(u'"', 1, 1);
    ASSERT_TRUE(QFileInfo(program).isAbsolute()) << program.toStdString();
    const ProcessRun start = run(program, {job}, env);
    EXPECT_EQ(start.exitCode, 0) << start.err.toStdString();
    EXPECT_TRUE(start.err.contains(QStringLiteral("started with job '") + job + QStringLiteral("', 3 pages")))
        << start.err.toStdString();
}

// Installed system-wide, the program's folder is not the user's to write: the
// error log goes to ~/.local/share/Mardo/Gorvin instead. Run as a user who
// cannot write the installed bin folder (root runs it as nobody).
TEST_F(Install, SystemWideInstallKeepsTheLogInTheUserDataFolder)
{
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    const bool asRoot = geteuid() == 0;
    if (asRoot && setpriv.isEmpty())
        GTEST_SKIP() << "running as root without setpriv: no user to whom the bin folder is closed";

    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/gorvin-user-XXXXXX"));
    const auto open = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                      | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                      | QFileDevice::WriteOther | QFileDevice::ExeOther;
    QFile::setPermissions(work.path(), open);
    const QString job = writeJob(work.path());
    QFile::setPermissions(job, open);
    const QString home = work.filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    QFile::setPermissions(home, open);
    const QString bin = installed("bin");
    const auto binMode = QFile::permissions(bin);

    // A data file the user may not read: the batch printer logs error 8.
    const QString locked = WriteLabelData(work.filePath(QStringLiteral("locked.txt")), 3);
    QFile::setPermissions(locked, {});
    QString program = installed("bin/gorvin");
    QStringList arguments{QStringLiteral("--print"),  job,
                          QStringLiteral("--data"),   locked,
                          QStringLiteral("--output"), work.filePath(QStringLiteral("x.pdf"))};
    QProcessEnvironment env = userEnvironment(home);
    if (asRoot) {
        // nobody must reach the installed program through the prefix.
        QFile::setPermissions(prefix, QFile::permissions(prefix) | QFileDevice::ExeOther | QFileDevice::ReadOther);
        arguments.prepend(program);
        arguments = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                QStringLiteral("--clear-groups"), QStringLiteral("--")}
                    + arguments;
        program = setpriv;
        QFile::setPermissions(home + QStringLiteral("/.run"), open);
    } else {
        QFile::setPermissions(bin, binMode
                                       & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup
                                           | QFileDevice::WriteOther));
    }
    const ProcessRun print = run(program, arguments, env);
    QFile::setPermissions(bin, binMode);

    EXPECT_EQ(print.exitCode, 1) << print.err.toStdString(); // the data file cannot be read
    EXPECT_TRUE(print.err.contains(QStringLiteral("Cannot load data file"))) << print.err.toStdString();
    const QString userLog = home + QStringLiteral("/.local/share/Mardo/Gorvin/ERRFILE.TXT");
    EXPECT_TRUE(readText(userLog).contains(QStringLiteral(" Error[8]: Cannot load data file '")))
        << userLog.toStdString();
    EXPECT_FALSE(QFileInfo::exists(bin + QStringLiteral("/ERRFILE.TXT")));
}

// Installed where the user may write bin/ (--prefix ~/.local), the program
// still keeps its files in the user's data folder; a copy with the portable
// marker beside it keeps them beside itself.
TEST_F(Install, OnlyAPortableCopyKeepsItsFilesBesideItself)
{
    QTemporaryDir work;
    const QString job = writeJob(work.path());
    const QString home = work.filePath(QStringLiteral("home"));
    // A PDF into a folder that is not there: error 13 in the log.
    const QStringList arguments{QStringLiteral("--print"), job, QStringLiteral("--output"),
                                work.filePath(QStringLiteral("gone/x.pdf"))};
    ASSERT_TRUE(QFileInfo(installed("bin")).isWritable());
    EXPECT_FALSE(QFileInfo::exists(installed("bin/gorvin.portable")));
    EXPECT_EQ(run(installed("bin/gorvin"), arguments, userEnvironment(home)).exitCode, 3);
    EXPECT_TRUE(readText(home + QStringLiteral("/.local/share/Mardo/Gorvin/ERRFILE.TXT"))
                    .contains(QStringLiteral(" Error[13]: ")));
    EXPECT_FALSE(QFileInfo::exists(installed("bin/ERRFILE.TXT")));

    const QString portable = work.filePath(QStringLiteral("portable"));
    QDir().mkpath(portable);
    ASSERT_TRUE(QFile::copy(installed("bin/gorvin"), portable + QStringLiteral("/gorvin")));
    WriteFile(portable + QStringLiteral("/gorvin.portable"), "");
    EXPECT_EQ(run(portable + QStringLiteral("/gorvin"), arguments, userEnvironment(home)).exitCode, 3);
    EXPECT_TRUE(readText(portable + QStringLiteral("/ERRFILE.TXT")).contains(QStringLiteral(" Error[13]: ")));
}
