#pragma once
// File names shortened to fit a status line: leading folders give way to
// "..." one at a time, then the root goes, then the folders; the file name
// itself is never cut.

#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <functional>

// The forms of a path from the longest to the shortest:
// /home/ann/Pics/a.png, /.../ann/Pics/a.png, /.../Pics/a.png, /.../a.png,
// .../a.png, a.png.
QStringList FNSHORTFILENAMEFORMS(const QString& path);

// The first form of the path whose width is at most maxWidth; the bare file
// name when none fits.
QString FNSHORTFILENAME(const QString& path, const std::function<int(const QString&)>& width,
                        int maxWidth);
QString FNSHORTFILENAME(const QString& path, const QFontMetrics& metrics, int maxWidth);
