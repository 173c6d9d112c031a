#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "settings/RegistryStore.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString closed = QStringLiteral("Files\\Closed");
const QString settings = QStringLiteral("Settings");
const QString job = QStringLiteral("Job");

// Every test starts from an empty store and keeps its error log in a folder
// of its own.
class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programFolder.isValid());
        setProgramFolderForTests(programFolder.path());
        clearSettingsStore();
        iniPath = QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Mardo"),
                            QStringLiteral("Gorvin"))
                      .fileName();
    }
    void TearDown() override
    {
        QDir(iniPath).removeRecursively(); // left by the failing-store test
        setProgramFolderForTests(QString());
    }

    // The store as another program (or a hand edit) sees it.
    QStringList rawKeys(const QString& key, const QString& putName = {}, const QVariant& putValue = {})
    {
        QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Mardo"), QStringLiteral("Gorvin"));
        store.beginGroup(registryGroup(key));
        if (!putName.isEmpty())
            store.setValue(putName, putValue);
        QStringList keys = store.allKeys();
        keys.sort();
        return keys;
    }
    QByteArray log() const { return readFileBytes(programFolder.path() + QStringLiteral("/ERRFILE.TXT")); }

    QTemporaryDir programFolder;
    QString iniPath;
};
} // namespace

TEST_F(RegistryStoreTest, StoreIsTheUserIniFileWithTheRootKeyAsNestedGroups)
{
    EXPECT_EQ(regRootKey(), QStringLiteral("Software\\Mardo\\Gorvin\\v2"));
    EXPECT_EQ(registryGroup(closed), QStringLiteral("Software/Mardo/Gorvin/v2/Files/Closed"));
    EXPECT_EQ(iniPath, TestEnv::root() + QStringLiteral("/config/Mardo/Gorvin.ini"));

    FNREGWRITESTRING(closed, QStringLiteral("Job0"), QStringLiteral("/a.GVJ"));
    // On disk as soon as the call returns.
    EXPECT_TRUE(readFileBytes(iniPath).contains("Mardo\\Gorvin\\v2\\Files\\Closed\\Job0=/a.GVJ"));

    // Another copy of the program changes the file; the next call sees it.
    WriteFile(iniPath, "[Software]\nMardo\\Gorvin\\v2\\Settings\\Units=centimeters\n");
    EXPECT_EQ(FNREGREADSTRING(settings, QStringLiteral("Units"), QString()), QStringLiteral("centimeters"));
}

TEST_F(RegistryStoreTest, ReadsGiveTheDefaultOnlyWhenKeyOrValueIsMissing)
{
    const QString scale = QStringLiteral("MainScale");
    EXPECT_EQ(FNREGREADSTRING(settings, scale, QStringLiteral("1.0")), QStringLiteral("1.0"));
    FNREGWRITESTRING(settings, QStringLiteral("Units"), QStringLiteral("inches"));
    EXPECT_EQ(FNREGREADSTRING(settings, scale, QStringLiteral("1.0")), QStringLiteral("1.0"));
    EXPECT_EQ(FNREGREADSTRING(settings, QStringLiteral("Units"), QString()), QStringLiteral("inches"));
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Settings\\Units"), QStringLiteral("Units"), QStringLiteral("d")),
              QStringLiteral("d"));

    // An empty text is a value, and so is one that is not text.
    FNREGWRITESTRING(QStringLiteral("Files\\Current"), job, QString());
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Files\\Current"), job, QStringLiteral("d")), QString());
    rawKeys(settings, QStringLiteral("List"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
    rawKeys(settings, QStringLiteral("Bytes"), QByteArray("\x01\x02"));
    EXPECT_EQ(FNREGREADSTRING(settings, QStringLiteral("List"), QStringLiteral("d")), QString());
    EXPECT_EQ(FNREGREADSTRING(settings, QStringLiteral("Bytes"), QStringLiteral("d")), QString());
}

TEST_F(RegistryStoreTest, TextsAndKeyNamesRoundTripUnchanged)
{
    const QStringList texts = {
        QStringLiteral("\"object TFONTWRAPPER\",\"  FONT.Charset = DEFAULT_CHARSET\",\"  FONT.Name = 'COURIER NEW'\","
                       "\"  FONT.Style = [fsBold]\",end"),
        QStringLiteral("  blanks  "), QStringLiteral("@Variant(x)"), QStringLiteral("a, b; c # d = e"),
        QStringLiteral("C:\\Jobs\\Größe 10%.GVJ")};
    // Printer names become keys of their own, whatever they hold.
    const QStringList printers = {QStringLiteral("HP LaserJet 4 (Room 2)"), QStringLiteral("Drucker Büro=#;"),
                                  QStringLiteral("General")};
    for (int i = 0; i < texts.size(); ++i)
        FNREGWRITESTRING(QStringLiteral("Printers\\") + printers[i % 3], QStringLiteral("V%1").arg(i), texts[i]);
    FNREGWRITESTRING(QStringLiteral("Printers"), QStringLiteral("NotAKey"), QStringLiteral("x"));

    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Printers\\") + printers[i % 3], QStringLiteral("V%1").arg(i), {}),
                  texts[i]);
    QStringList names;
    FNREGKEYNAMES(QStringLiteral("Printers"), names);
    names.sort();
    QStringList expected = printers;
    expected.sort();
    EXPECT_EQ(names, expected);
    FNREGKEYNAMES(QStringLiteral("DeskTop"), names);
    EXPECT_TRUE(names.isEmpty());
}

TEST_F(RegistryStoreTest, SavingAListWritesItemsAndCountAndAnEmptyListRemovesTheKey)
{
    const QStringList three = {QStringLiteral("/c.GVJ"), QStringLiteral("/b.GVJ"), QStringLiteral("/a.GVJ")};
    ASSERT_TRUE(FNREGSAVELIST(closed, job, three));
    EXPECT_EQ(rawKeys(closed), (QStringList{QStringLiteral("Job0"), QStringLiteral("Job1"), QStringLiteral("Job2"),
                                            QStringLiteral("JobCOUNT")}));
    EXPECT_EQ(FNREGREADSTRING(closed, QStringLiteral("JobCOUNT"), QString()), QStringLiteral("3"));
    QStringList loaded;
    EXPECT_TRUE(FNREGLOADLIST(closed, job, loaded));
    EXPECT_EQ(loaded, three);

    // A second list under another prefix keeps the key alive...
    ASSERT_TRUE(FNREGSAVELIST(closed, QStringLiteral("Data"), {QStringLiteral("/d.txt")}));
    ASSERT_TRUE(FNREGSAVELIST(closed, job, {}));
    EXPECT_EQ(rawKeys(closed), (QStringList{QStringLiteral("Data0"), QStringLiteral("DataCOUNT")}));
    // ...and the key goes with the last of them.
    ASSERT_TRUE(FNREGSAVELIST(closed, QStringLiteral("Data"), {}));
    FNREGKEYNAMES(QStringLiteral("Files"), loaded);
    EXPECT_TRUE(loaded.isEmpty());
    EXPECT_TRUE(FNREGDELETELIST(closed, job)); // nothing left to delete is no failure
}

TEST_F(RegistryStoreTest, AddingStopsAtTheHundredthItem)
{
    QStringList eighty, thirty;
    for (int i = 0; i < 80; ++i)
        eighty << QStringLiteral("old%1").arg(i);
    for (int i = 0; i < 30; ++i)
        thirty << QStringLiteral("new%1").arg(i);
    ASSERT_TRUE(FNREGADDTOLIST(closed, job, eighty));
    EXPECT_TRUE(FNREGADDTOLIST(closed, job, thirty));

    EXPECT_EQ(FNREGREADSTRING(closed, QStringLiteral("JobCOUNT"), QString()), QStringLiteral("100"));
    EXPECT_EQ(FNREGREADSTRING(closed, QStringLiteral("Job80"), QString()), QStringLiteral("new0"));
    EXPECT_EQ(FNREGREADSTRING(closed, QStringLiteral("Job99"), QString()), QStringLiteral("new19"));
    EXPECT_TRUE(FNREGADDTOLIST(closed, job, {QStringLiteral("more")}));
    EXPECT_EQ(rawKeys(closed).size(), 101);

    // Adding nothing writes nothing, not even the key.
    EXPECT_TRUE(FNREGADDTOLIST(QStringLiteral("Empty"), job, {}));
    EXPECT_TRUE(rawKeys(QStringLiteral("Empty")).isEmpty());
}

TEST_F(RegistryStoreTest, MissingItemIsSkippedAndLoggedAndTheSaveRewritesTheWholeList)
{
    ScriptedMessages messages;
    FNREGWRITESTRING(closed, QStringLiteral("JobCOUNT"), QStringLiteral("3"));
    FNREGWRITESTRING(closed, QStringLiteral("Job0"), QStringLiteral("/zero.GVJ"));
    FNREGWRITESTRING(closed, QStringLiteral("Job2"), QStringLiteral("/two.GVJ"));

    QStringList loaded = {QStringLiteral("stale")};
    EXPECT_FALSE(FNREGLOADLIST(closed, job, loaded));
    EXPECT_EQ(loaded, (QStringList{QStringLiteral("/zero.GVJ"), QStringLiteral("/two.GVJ")}));
    EXPECT_TRUE(log().endsWith(" Error[11]: Value (Software\\Mardo\\Gorvin\\v2\\Files\\Closed\\Job1) "
                               "missing in registry list of items.\r\n"))
        << log().constData();
    EXPECT_EQ(log().count(" Error["), 1);
    EXPECT_EQ(messages.beeps, 0);
    EXPECT_TRUE(messages.shown.isEmpty());

    // The save replaces the whole list, past the gap too, from index 0.
    EXPECT_TRUE(FNREGSAVELIST(closed, job, loaded));
    EXPECT_EQ(rawKeys(closed),
              (QStringList{QStringLiteral("Job0"), QStringLiteral("Job1"), QStringLiteral("JobCOUNT")}));
    EXPECT_TRUE(FNREGLOADLIST(closed, job, loaded));
    EXPECT_EQ(loaded, (QStringList{QStringLiteral("/zero.GVJ"), QStringLiteral("/two.GVJ")}));
}

TEST_F(RegistryStoreTest, DamagedCountsStayWithinTheList)
{
    ScriptedMessages messages;
    FNREGWRITESTRING(closed, QStringLiteral("Job0"), QStringLiteral("kept"));
    QStringList loaded;
    for (const char* count : {"many", "-4", ""}) {
        FNREGWRITESTRING(closed, QStringLiteral("JobCOUNT"), QString::fromLatin1(count));
        EXPECT_TRUE(FNREGLOADLIST(closed, job, loaded)) << count;
        EXPECT_TRUE(loaded.isEmpty()) << count;
    }
    // A negative count must not make adding write "Job-4".
    EXPECT_TRUE(FNREGADDTOLIST(closed, job, {QStringLiteral("first")}));
    EXPECT_EQ(rawKeys(closed), (QStringList{QStringLiteral("Job0"), QStringLiteral("JobCOUNT")}));

    // A huge count reads as a full list: 99 gaps are logged, not two thousand million.
    FNREGWRITESTRING(closed, QStringLiteral("JobCOUNT"), QStringLiteral("2000000000"));
    EXPECT_FALSE(FNREGLOADLIST(closed, job, loaded));
    EXPECT_EQ(loaded, QStringList{QStringLiteral("first")});
    EXPECT_EQ(log().count(" Error[11]: "), 99);
}

TEST_F(RegistryStoreTest, StoreThatCannotBeWrittenFailsQuietly)
{
    // A folder where the settings file belongs can be neither read nor written.
    ASSERT_TRUE(QDir().mkpath(iniPath));
    ScriptedMessages messages;
    EXPECT_FALSE(FNREGADDTOLIST(closed, job, {QStringLiteral("/a.GVJ")}));
    EXPECT_FALSE(FNREGSAVELIST(closed, QStringLiteral("Data"), {QStringLiteral("/a.txt")}));
    FNREGWRITESTRING(settings, QStringLiteral("Units"), QStringLiteral("centimeters"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(RegistryStoreTest, ItemsPastTheCapacityGoAtTheNextSave)
{
    // A list grown by hand: the count says 100, the items go on to 149.
    QByteArray bytes = "[Software]\nMardo\\Gorvin\\v2\\Files\\Closed\\JobCOUNT=100\n";
    for (int i = 0; i < 150; ++i)
        bytes += "Mardo\\Gorvin\\v2\\Files\\Closed\\Job" + QByteArray::number(i) + "=/j" + QByteArray::number(i) + "\n";
    for (const char* other : {"Job99999999999=x", "JobLast=x", "Data100=x"})
        bytes += QByteArray("Mardo\\Gorvin\\v2\\Files\\Closed\\") + other + "\n";
    WriteFile(iniPath, bytes);

    QStringList loaded;
    EXPECT_TRUE(FNREGLOADLIST(closed, job, loaded));
    EXPECT_EQ(loaded.size(), 100);
    ASSERT_TRUE(FNREGSAVELIST(closed, job, {QStringLiteral("/new.GVJ")}));
    // Only the list's own names go: another list and other values stay.
    EXPECT_EQ(rawKeys(closed), (QStringList{QStringLiteral("Data100"), QStringLiteral("Job0"),
                                            QStringLiteral("JobCOUNT"), QStringLiteral("JobLast")}));
}

TEST_F(RegistryStoreTest, SessionSeesItsOwnChangesAndWritesThemOnceAtItsEnd)
{
    FNREGWRITESTRING(settings, QStringLiteral("Units"), QStringLiteral("inches"));
    const QByteArray before = readFileBytes(iniPath);
    {
        const RegSession session;
        FNREGWRITESTRING(settings, QStringLiteral("Units"), QStringLiteral("centimeters"));
        ASSERT_TRUE(FNREGSAVELIST(closed, job, {QStringLiteral("/a.GVJ")}));
        EXPECT_EQ(FNREGREADSTRING(settings, QStringLiteral("Units"), {}), QStringLiteral("centimeters"));
        EXPECT_EQ(readFileBytes(iniPath), before);
    }
    EXPECT_TRUE(readFileBytes(iniPath).contains("Settings\\Units=centimeters"));
    EXPECT_TRUE(readFileBytes(iniPath).contains("Files\\Closed\\Job0=/a.GVJ"));

    // A value written again as it is costs no write: a hand comment survives.
    WriteFile(iniPath, "; kept\n[Software]\nMardo\\Gorvin\\v2\\Settings\\Units=inches\n");
    FNREGWRITESTRING(settings, QStringLiteral("Units"), QStringLiteral("inches"));
    EXPECT_TRUE(readFileBytes(iniPath).startsWith("; kept"));
}

TEST(StringToUnits, GoesByTheFirstCharacterOnly)
{
    for (const char* inches : {"inches", "Inch", "i"})
        EXPECT_EQ(FNSTRINGTOUNITS(QString::fromLatin1(inches)), UnitInch) << inches;
    for (const char* cm : {"centimeters", "cm"})
        EXPECT_EQ(FNSTRINGTOUNITS(QString::fromLatin1(cm)), UnitCm) << cm;
    for (const char* mm : {"milimeters", "mm", "x", "", " inches"})
        EXPECT_EQ(FNSTRINGTOUNITS(QString::fromLatin1(mm)), UnitMm) << mm;
}

TEST_F(RegistryStoreTest, WrittenBytesAreTheToolkitsOwn)
{
    // The same values, in the same steps, through the store and through the
    // toolkit's INI writer into another file: the files are equal.
    const QString other = QFileInfo(iniPath).absolutePath() + QStringLiteral("/Toolkit.ini");
    QFile::remove(other);
    const QList<std::tuple<QString, QString, QString>> steps = {
        {"Settings", "Units", "centimeters"},
        {"Printers\\HP LaserJet 4 (Room 2)", "Font", "\"object TFONTWRAPPER\",\"  FONT.Name = 'COURIER NEW'\",end"},
        {"Printers\\Drucker Büro=#;", "V1", "  blanks  "},
        {"Printers\\General", "V2", "@Variant(x)"},
        {"Files\\Closed", "Job0", "C:\\Jobs\\Größe 10%.GVJ"},
        {"Files\\Closed", "Job1",
         QString::fromUtf16(u"tab\tline\nnul\0"
                            "1\x01"
                            "f end \x7f\u00e9\u6253\U0001F600")},
        {"Settings", "Units", "inches"},
        {"A", "@start", "@@x;y"},
        {"Files\\Closed", "Job0", ""},
    };
    for (const auto& [key, name, text] : steps) {
        FNREGWRITESTRING(key, name, text);
        QSettings toolkit(other, QSettings::IniFormat);
        toolkit.setValue(registryGroup(key) + u'/' + name, text);
    }
    EXPECT_EQ(readFileBytes(iniPath), readFileBytes(other));
    QMap<QPair<QString, QString>, QString> last;
    for (const auto& [key, name, text] : steps)
        last[{key, name}] = text;
    for (auto it = last.cbegin(); it != last.cend(); ++it)
        EXPECT_EQ(FNREGREADSTRING(it.key().first, it.key().second, {}), it.value());
    QFile::remove(other);
}

TEST_F(RegistryStoreTest, HandEditedLinesCostOnlyThemselvesAndAreKept)
{
    // A stray quote, an unquoted comma, a line without '=', a section not
    // closed: each costs its own line; the values around them read, and a
    // change writes back every other line as it stood.
    const QByteArray file = "; my notes\r\n"
                            "[Software]\n"
                            "Mardo\\Gorvin\\v2\\Settings\\AppLocation=/opt/x\"y\n"
                            "Mardo\\Gorvin\\v2\\Settings\\Units=inches\n"
                            "Mardo\\Gorvin\\v2\\Settings\\Folder=/opt/a,b\n"
                            "some words\n"
                            "[Unclosed\n"
                            "Mardo\\Gorvin\\v2\\Files\\Closed\\JobCOUNT=1\n"
                            "Mardo\\Gorvin\\v2\\Files\\Closed\\Job0 = \"/my jobs/a.GVJ\" \n";
    WriteFile(iniPath, file);
    EXPECT_EQ(FNREGREADSTRING(settings, QStringLiteral("Units"), {}), QStringLiteral("inches"));
    EXPECT_EQ(FNREGREADSTRING(settings, QStringLiteral("Folder"), {}), QStringLiteral("/opt/a,b"));
    EXPECT_EQ(FNREGREADSTRING(settings, QStringLiteral("AppLocation"), QStringLiteral("none")), QStringLiteral("none"));
    QStringList jobs;
    EXPECT_TRUE(FNREGLOADLIST(closed, job, jobs));
    EXPECT_EQ(jobs, QStringList{"/my jobs/a.GVJ"});
    EXPECT_TRUE(log().isEmpty()); // reading alone says nothing

    FNREGWRITESTRING(settings, QStringLiteral("Units"), QStringLiteral("centimeters"));
    FNREGWRITESTRING(settings, QStringLiteral("Scale"), QStringLiteral("100"));
    // Keys in name order, as the toolkit writes them; a line that is no key
    // goes with the key after it.
    const QByteArray expected = "; my notes\r\n"
                                "[Software]\n"
                                "Mardo\\Gorvin\\v2\\Files\\Closed\\Job0 = \"/my jobs/a.GVJ\" \n"
                                "some words\n"
                                "[Unclosed\n"
                                "Mardo\\Gorvin\\v2\\Files\\Closed\\JobCOUNT=1\n"
                                "Mardo\\Gorvin\\v2\\Settings\\Folder=/opt/a,b\n"
                                "Mardo\\Gorvin\\v2\\Settings\\Scale=100\n"
                                "Mardo\\Gorvin\\v2\\Settings\\AppLocation=/opt/x\"y\n"
                                "Mardo\\Gorvin\\v2\\Settings\\Units=centimeters\n";
    EXPECT_EQ(readFileBytes(iniPath), expected);
    // The file as it was is kept beside it, and the log says so once.
    EXPECT_EQ(readFileBytes(iniPath + QStringLiteral(".bad")), file);
    FNREGWRITESTRING(settings, QStringLiteral("Scale"), QStringLiteral("75"));
    EXPECT_EQ(log().count("Error[15]"), 1);
    EXPECT_TRUE(log().contains("has lines that cannot be read (line 3, 6, 7)")) << log().toStdString();
    EXPECT_EQ(FNREGREADSTRING(settings, QStringLiteral("Scale"), {}), QStringLiteral("75"));
    QFile::remove(iniPath + QStringLiteral(".bad"));
}
