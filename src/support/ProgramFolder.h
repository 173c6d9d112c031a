#pragma once
// Where the program keeps the files it writes beside itself: the error log
// "ERRFILE.TXT" and the "Jobs", "Templates", "Data" and "Pics" folders.

#include <QString>

// The folder that holds the program's executable, without a trailing
// separator. Read-only files shipped with the program are looked for here.
QString executableFolder();

// The file that marks a portable copy of the program (and a build folder,
// where the build writes it): beside the executable, its content unread.
inline constexpr char PortableMarkerName[] = "gorvin.portable";

// The program folder: the executable's folder when it is a portable copy
// (the marker file lies beside the executable) and can be written;
// otherwise (an installed program, however writable its bin folder) the
// per-user data folder ~/.local/share/Mardo/Gorvin, which is created when
// missing.
// A folder set with setProgramFolderForTests(), or else one named by the
// environment variable GORVIN_PROGRAM_FOLDER, comes first, so that test runs
// and scripted runs never write beside the executable they happen to use.
// The folder is created when missing; no trailing separator.
QString programFolder();

// The rule of programFolder() for a given executable folder.
QString chooseProgramFolder(const QString& folder);

// Points programFolder() at a folder of the caller's choosing for the rest of
// the run; an empty path restores the normal rule.
void setProgramFolderForTests(const QString& path);
