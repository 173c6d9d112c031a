#pragma once
// The lines of a plain-text data file, held compactly: the file's bytes and
// the offsets of its lines, decoded to text one line at a time on demand.
// (Stub: to be filled in.)

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

class TLINES {
public:
    int count() const { return 0; }
    bool isEmpty() const { return count() == 0; }
    QString line(int) const { return QString(); }
    bool lineIsEmpty(int) const { return true; }
    void clear() {}
};
