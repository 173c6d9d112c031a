#include "StoredSettings.h"

#include "model/JobInfo.h"
#include "model/Units.h"
#include "settings/RegistryStore.h"

namespace {

const QString settingsKey = QStringLiteral("Settings");
const QString filesKey = QStringLiteral("Files");
const QString currentKey = QStringLiteral("Files\\Current");
const QString closedKey = QStringLiteral("Files\\Closed");
const QString desktopKey = QStringLiteral("DeskTop");
const QString formatKey = QStringLiteral("Format");

bool readBool(const QString& key, const char* name, const char* def)
{
    return FNSTRTOBOOL(FNREGREADSTRING(key, QString::fromLatin1(name), QString::fromLatin1(def)));
}

void writeBool(const QString& key, const char* name, bool value)
{
    FNREGWRITESTRING(key, QString::fromLatin1(name), FNBOOLTOSTR(value));
}

int readInt(const QString& key, const char* name)
{
    // A number edited into nonsense counts as 0, so the rest still loads.
    return storedTextToInteger(FNREGREADSTRING(key, QString::fromLatin1(name), QStringLiteral("0"))).value_or(0);
}

} // namespace

bool FNLOADSETTINGS(SoftwareSettings& s)
{
    const RegSession session;
    s.saveSettings = readBool(settingsKey, "SaveSettings", "TRUE");
    if (!s.saveSettings)
        return true;
    if (auto scale = storedTextToNumber(
            FNREGREADSTRING(settingsKey, QStringLiteral("MainScale"), numberToStoredText(1.0))))
        s.MainScale = *scale;
    CurrentUnit = FNSTRINGTOUNITS(FNREGREADSTRING(settingsKey, QStringLiteral("Units"), UnitNames[UnitMm]));
    s.ShowTemplate = readBool(settingsKey, "ShowTemplate", "TRUE");
    s.ShowLabels = readBool(settingsKey, "ShowLabel", "TRUE");
    return true;
}

bool FNSAVESETTINGS(const SoftwareSettings& s)
{
    const RegSession session; // one reading and at most one write for the group
    writeBool(settingsKey, "SaveSettings", s.saveSettings);
    FNREGWRITESTRING(settingsKey, QStringLiteral("MainScale"), numberToStoredText(s.MainScale));
    FNREGWRITESTRING(settingsKey, QStringLiteral("Units"), UnitNames[currentUnitIndex()]);
    writeBool(settingsKey, "ShowTemplate", s.ShowTemplate);
    writeBool(settingsKey, "ShowLabel", s.ShowLabels);
    return true;
}

bool FNLOADFILEINFO(FileInfo& info)
{
    const RegSession session;
    info.saveFileInfo = readBool(filesKey, "SaveFileInfo", "TRUE");
    if (!info.saveFileInfo)
        return true;
    FNREGLOADLIST(closedKey, QStringLiteral("Job"), info.jobs);
    FNREGLOADLIST(closedKey, QStringLiteral("Data"), info.data);
    FNREGLOADLIST(closedKey, QStringLiteral("Template"), info.templates);
    info.currentJob = FNREGREADSTRING(currentKey, QStringLiteral("Job"), QString());
    return true;
}

bool FNSAVEFILEINFO(const FileInfo& info)
{
    const RegSession session; // one reading and at most one write for the group
    writeBool(filesKey, "SaveFileInfo", info.saveFileInfo);
    FNREGWRITESTRING(currentKey, QStringLiteral("Job"), info.currentJob);
    // The lists hold file paths, not menu captions: an "&" in a path is part
    // of the file's name and is kept.
    FNREGSAVELIST(closedKey, QStringLiteral("Job"), info.jobs);
    FNREGSAVELIST(closedKey, QStringLiteral("Data"), info.data);
    FNREGSAVELIST(closedKey, QStringLiteral("Template"), info.templates);
    return true;
}

bool readSaveDesktopSwitch()
{
    return readBool(desktopKey, "SaveDeskTop", "TRUE");
}

void writeSaveDesktopSwitch(bool value)
{
    writeBool(desktopKey, "SaveDeskTop", value);
}

QStringList desktopWindowNames()
{
    QStringList names;
    FNREGKEYNAMES(desktopKey, names);
    return names;
}

std::optional<WindowRecord> readWindowRecord(const QString& windowName)
{
    const RegSession session;
    const QString key = desktopKey + QLatin1Char('\\') + windowName;
    WindowRecord r;
    r.Left = readInt(key, "Left");
    r.Top = readInt(key, "Top");
    r.Width = readInt(key, "Width");
    r.Height = readInt(key, "Height");
    r.MinLeft = readInt(key, "MinLeft");
    r.MinTop = readInt(key, "MinTop");
    r.Visible = readBool(key, "Visible", "FALSE");
    r.State = readInt(key, "State");
    r.FirstTime = readBool(key, "FirstTime", "TRUE");
    if (static_cast<qint64>(r.Left) + r.Top + r.Width + r.Height + r.MinLeft + r.MinTop == 0)
        return std::nullopt;
    return r;
}

void writeWindowRecord(const QString& windowName, const WindowRecord& r)
{
    const RegSession session; // one reading and at most one write for the group
    const QString key = desktopKey + QLatin1Char('\\') + windowName;
    FNREGWRITESTRING(key, QStringLiteral("Left"), QString::number(r.Left));
    FNREGWRITESTRING(key, QStringLiteral("Top"), QString::number(r.Top));
    FNREGWRITESTRING(key, QStringLiteral("Width"), QString::number(r.Width));
    FNREGWRITESTRING(key, QStringLiteral("Height"), QString::number(r.Height));
    FNREGWRITESTRING(key, QStringLiteral("MinLeft"), QString::number(r.MinLeft));
    FNREGWRITESTRING(key, QStringLiteral("MinTop"), QString::number(r.MinTop));
    writeBool(key, "Visible", r.Visible);
    FNREGWRITESTRING(key, QStringLiteral("State"), QString::number(r.State));
    writeBool(key, "FirstTime", r.FirstTime);
}

QString readFormatDefault(const QString& valueName, const QString& defaultText)
{
    return FNREGREADSTRING(formatKey, valueName, defaultText);
}

void useStoredFormatDefaults()
{
    setFormatValueReader(readFormatDefault);
}

void writeFormatDefaults(const QList<QPair<QString, QString>>& values)
{
    const RegSession session; // one reading and at most one write for the group
    for (const auto& [name, text] : values)
        FNREGWRITESTRING(formatKey, name, text);
}

void writeAppLocation(const QString& folder)
{
    QString withSeparator = folder;
    if (!withSeparator.endsWith(QLatin1Char('/')))
        withSeparator += QLatin1Char('/');
    FNREGWRITESTRING(filesKey, QStringLiteral("AppLocation"), withSeparator);
}
