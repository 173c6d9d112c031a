#pragma once
// The settings file's format: the INI syntax of the toolkit's own INI
// format, read and written line by line, so that a hand edit can never make
// the file worse.
//
// The toolkit's INI reader lets a quote mark run over the line's end (one
// stray '"' swallows every line after it) and reads an unquoted comma as a
// list; the file was then written back without what it had not read. Here a
// line is read on its own: a line that cannot be read (a quote not closed,
// no '=', a section not closed) costs that line only and is written back as
// it stands, and so are comments and every value the program did not
// change. A comma is an ordinary character. Values the program writes come
// out byte for byte as the toolkit writes them; values it adds go at the end
// of their section in name order, new sections at the end, as the toolkit
// does.
//
// Before a file with unreadable lines is first rewritten in a run, it is
// copied as it was to the same name with ".bad" added, and error 15 is
// logged. A file that exists but cannot be read is never rewritten.

#include <QSettings>

// The format to open the settings file with (extension ".ini", the toolkit's
// INI path).
QSettings::Format settingsFileFormat();

// The number the log entry about unreadable lines goes under.
inline constexpr int SettingsLinesLogNumber = 15;
