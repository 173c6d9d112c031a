#include "common/TestEnv.h"
#include "common/UnitGuard.h"
#include "model/JobInfo.h"
#include "model/Units.h"
#include "settings/RegistryStore.h"
#include "settings/StoredSettings.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

class StoredSettings : public ::testing::Test {
protected:
    void SetUp() override { clearSettingsStore(); }
    void TearDown() override { setFormatValueReader(nullptr); }
    ScopedUnit unit{CurrentUnit};
};

} // namespace

TEST_F(StoredSettings, FirstRunGivesTheDefaults)
{
    SoftwareSettings s;
    s.MainScale = 2.0;
    CurrentUnit = UnitCm;
    ASSERT_TRUE(FNLOADSETTINGS(s));
    EXPECT_EQ(s.MainScale, 1.0);
    EXPECT_EQ(CurrentUnit, UnitMm);
    EXPECT_TRUE(s.ShowLabels && s.ShowTemplate && s.saveSettings);

    FileInfo info;
    ASSERT_TRUE(FNLOADFILEINFO(info));
    EXPECT_TRUE(info.saveFileInfo);
    EXPECT_TRUE(info.jobs.isEmpty() && info.data.isEmpty() && info.templates.isEmpty());
    EXPECT_TRUE(info.currentJob.isEmpty());
    EXPECT_TRUE(readSaveDesktopSwitch());
    EXPECT_FALSE(readWindowRecord(QStringLiteral("FormMAIN")).has_value());
}

TEST_F(StoredSettings, SettingsRoundTripAndTheSwitchOnlyGuardsLoading)
{
    SoftwareSettings s;
    s.MainScale = 0.75;
    s.ShowLabels = false;
    CurrentUnit = UnitInch;
    FNSAVESETTINGS(s);
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Settings"), QStringLiteral("Units"), {}), QStringLiteral("inches"));
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Settings"), QStringLiteral("ShowLabel"), {}), QStringLiteral("False"));

    CurrentUnit = UnitMm;
    SoftwareSettings back;
    FNLOADSETTINGS(back);
    EXPECT_EQ(back.MainScale, 0.75);
    EXPECT_FALSE(back.ShowLabels);
    EXPECT_EQ(CurrentUnit, UnitInch);

    // With the switch cleared the values are still written, but not applied.
    s.saveSettings = false;
    s.MainScale = 2.5;
    FNSAVESETTINGS(s);
    CurrentUnit = UnitMm;
    SoftwareSettings off;
    FNLOADSETTINGS(off);
    EXPECT_FALSE(off.saveSettings);
    EXPECT_EQ(off.MainScale, 1.0);
    EXPECT_EQ(CurrentUnit, UnitMm);
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Settings"), QStringLiteral("MainScale"), {}), numberToStoredText(2.5));

    // A scale that is not a number keeps what the program had.
    FNREGWRITESTRING(QStringLiteral("Settings"), QStringLiteral("SaveSettings"), QStringLiteral("t"));
    FNREGWRITESTRING(QStringLiteral("Settings"), QStringLiteral("MainScale"), QStringLiteral("big"));
    SoftwareSettings bad;
    bad.MainScale = 1.5;
    FNLOADSETTINGS(bad);
    EXPECT_EQ(bad.MainScale, 1.5);
}

TEST_F(StoredSettings, FileInformationKeepsEveryCharacterOfThePaths)
{
    FileInfo info;
    info.jobs = {QStringLiteral("/jobs/Smith & Sons.GVJ"), QStringLiteral("/jobs/c.GVJ")};
    info.data = {QStringLiteral("/data/x.txt")};
    info.currentJob = QStringLiteral("/jobs/now.GVJ");
    FNSAVEFILEINFO(info);
    FileInfo back;
    FNLOADFILEINFO(back);
    EXPECT_EQ(back.jobs, info.jobs);
    EXPECT_EQ(back.data, QStringList{"/data/x.txt"});
    EXPECT_TRUE(back.templates.isEmpty());
    EXPECT_EQ(back.currentJob, QStringLiteral("/jobs/now.GVJ"));

    info.saveFileInfo = false;
    FNSAVEFILEINFO(info);
    FileInfo off;
    FNLOADFILEINFO(off);
    EXPECT_FALSE(off.saveFileInfo);
    EXPECT_TRUE(off.jobs.isEmpty());
    EXPECT_TRUE(off.currentJob.isEmpty());
}

TEST_F(StoredSettings, WindowRecords)
{
    WindowRecord r;
    r.Left = 10;
    r.Top = -20;
    r.Width = 696;
    r.Height = 492;
    r.MinLeft = -1;
    r.MinTop = -1;
    r.Visible = true;
    r.State = 2;
    r.FirstTime = false;
    writeWindowRecord(QStringLiteral("FormMAIN"), r);
    writeWindowRecord(QStringLiteral("FormHELP"), WindowRecord{}); // all zero: nothing stored
    EXPECT_EQ(desktopWindowNames().size(), 2);
    const auto back = readWindowRecord(QStringLiteral("FormMAIN"));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->Top, -20);
    EXPECT_EQ(back->State, 2);
    EXPECT_TRUE(back->Visible);
    EXPECT_FALSE(back->FirstTime);
    EXPECT_FALSE(readWindowRecord(QStringLiteral("FormHELP")).has_value());
}

TEST_F(StoredSettings, NewFormatsReadTheFormatKey)
{
    FNREGWRITESTRING(QStringLiteral("Format"), QStringLiteral("ShowBorder"), QStringLiteral("True"));
    FNREGWRITESTRING(QStringLiteral("Format"), QStringLiteral("BorderWidth"), QStringLiteral("350"));
    useStoredFormatDefaults();
    TJOBINFO info;
    EXPECT_TRUE(info.SHOWBORDER);
    EXPECT_EQ(info.MUBORDERWIDTH, 350);
    EXPECT_EQ(info.MUBORDERLEFT, 2000);
}
