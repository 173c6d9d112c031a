#pragma once
// Small services shared across the program: the version text, opening an
// address through the desktop, and captions without accelerator marks.

#include <QString>
#include <QUrl>

// "Version 2.0 Release 1.8" for program version 2.0.1.8, from the version
// compiled into the program; "Version number not available." without one.
QString FNGETVERSIONTEXT();

// The version text for the four parts of a version number.
QString versionText(int major, int minor, int release, int build);

// Asks the desktop to open a web address, a "mailto:" address or a local
// file. Whether the desktop managed is not reported: the result is always
// true.
bool FNSHELLOPEN(const QString& target);

// The address FNSHELLOPEN hands to the desktop: a target with a scheme of two
// or more letters ("https:", "mailto:", "file:") as it stands, anything else
// as a local file, made absolute.
QUrl shellOpenUrl(const QString& target);

// The text with every "&" removed (both characters of a doubled "&&" too), so
// that menu captions compare with file names.
QString FNSTRIPAMPERSANDS(const QString& text);
