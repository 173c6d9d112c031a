#pragma once
// File names shortened to fit a line: the main window's job, template and
// data bars and the format dialog's picture line. Leading folders give way
// to "..." one at a time, then the root (a drive or "/") goes, then the
// folders; the file name itself is never cut. A relative name has no root:
// its first folder gives way like the others.

#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <functional>

// The forms of a path from the longest to the shortest:
// /home/ann/Pics/a.png, /.../ann/Pics/a.png, /.../Pics/a.png, /.../a.png,
// .../a.png, a.png.
QStringList shortFileNameForms(const QString& path);

// The first form of the path whose width is at most maxWidth; the bare file
// name when none fits.
QString shortFileName(const QString& path, const std::function<int(const QString&)>& width, int maxWidth);
QString shortFileName(const QString& path, const QFontMetrics& metrics, int maxWidth);
