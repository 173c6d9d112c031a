#pragma once
// Codes read back from a picture with the zbar scanning library.

#include <QImage>
#include <QStringList>

// Every symbol the scanner finds in the image, as "TYPE:data", or
// "TYPE/GS1:data" when it starts with FNC1.
QStringList scan(const QImage& picture);
