#pragma once
// Bytes in Windows-1252, the code page of the Western European Windows
// systems whose files the program reads: data files that are not UTF-8 and
// RTF documents that name no other code page.

#include <QByteArrayView>
#include <QString>

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five codes it
// leaves undefined become the control characters of the same value, as
// Windows itself decodes them.
QString decodeWindows1252(QByteArrayView bytes);
