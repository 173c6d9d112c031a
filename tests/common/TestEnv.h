#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

struct TestEnv {
    // Points XDG_CONFIG_HOME, XDG_DATA_HOME and HOME at a fresh temporary
    // folder for the whole test program, before Qt reads them.
    static void isolateUserFolders();
    // The temporary root chosen by isolateUserFolders().
    static QString root();
    // An empty folder of that name under the root, for one test's files.
    static QString freshFolder(const QString& name);
};

// The version text the program shows for the version this build gives it
// (the project's version in the top CMakeLists.txt): "Version 2.0 Release 1.8"
// for 2.0.1.8.
QString versionTextOfThisBuild();

// Empties the program's settings store and removes its file.
void clearSettingsStore();

// Writes bytes to a file, creating folders; returns the path.
QString WriteFile(const QString& path, const QByteArray& bytes);
QByteArray readFileBytes(const QString& path);
// Bytes from a hex text such as "54 50 46 30".
QByteArray FromHex(const char* hex);
