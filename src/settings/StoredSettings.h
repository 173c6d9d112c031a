#pragma once
// What the program keeps between runs besides its files: the software
// settings, the recent files with the job open at exit, the placement of its
// windows, and the label-format defaults. Each group is read at start and
// written at every exit; the three save switches decide only whether the
// stored values are applied at the next start. Each group below is read, or
// written, in one session of the store: one reading of the file and at most
// one write; a caller that writes several groups in a row (the exit) can hold
// a RegSession around them for a single write of the file.

#include "settings/RegistryStore.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class TJOBINFO;

// The software settings while the program runs.
struct SoftwareSettings {
    bool saveDesktop = true;
    bool saveSettings = true;
    bool saveFileInfo = true;
    bool ShowLabels = true;
    bool ShowTemplate = true;
    double MainScale = 1.0; // the preview scale
};

// Reads "SaveSettings" and, when it is set, the preview scale, the display
// unit (into CurrentUnit) and the two view switches. A scale that is not a
// number keeps the value it had.
bool FNLOADSETTINGS(SoftwareSettings& settings);
// Writes the switch, the scale, the unit name of CurrentUnit and the view
// switches, in that order, whatever the switch says.
bool FNSAVESETTINGS(const SoftwareSettings& settings);

// The recent-file lists, most recent first, and the job open at exit.
struct FileInfo {
    bool saveFileInfo = true;
    QStringList jobs;
    QStringList data;
    QStringList templates;
    QString currentJob; // LASTJOBFILENAME when loading, JOBFILENAME when saving
};

// Reads "SaveFileInfo" and, when it is set, the three lists and the job.
bool FNLOADFILEINFO(FileInfo& info);
// Writes the switch, the current job and the three lists (menu captions with
// their "&" removed), in that order.
bool FNSAVEFILEINFO(const FileInfo& info);

// One window's stored placement under DeskTop\<name>.
struct WindowRecord {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int MinLeft = 0, MinTop = 0;
    bool Visible = false;
    int State = 0; // 0 normal, 1 minimised, 2 maximised
    bool FirstTime = true;
};

bool readSaveDesktopSwitch();
void writeSaveDesktopSwitch(bool value);
// The names of the windows stored under DeskTop, in the store's order.
QStringList desktopWindowNames();
// A window's stored record; none when its six numbers add up to 0 (nothing
// stored for it).
std::optional<WindowRecord> readWindowRecord(const QString& windowName);
void writeWindowRecord(const QString& windowName, const WindowRecord& record);

// Makes new label formats read their defaults from the "Format" key.
void useStoredFormatDefaults();
// Writes the format defaults, name and text, under the "Format" key, in one
// write of the store.
void writeFormatDefaults(const QList<QPair<QString, QString>>& values);
// A format default as stored, or defaultText when none is.
QString readFormatDefault(const QString& valueName, const QString& defaultText);

// The "Files" value "AppLocation": the program's folder with a trailing
// separator.
void writeAppLocation(const QString& folder);
