#pragma once
// The object stream in which model objects are saved: a "TPF0" signature,
// the class name, the object name, then one record per stored property
// (path and typed value), closed by zero bytes. Job and template files are
// sequences of such streams.

#include "model/Persistent.h"

#include <QByteArray>
#include <QString>
#include <stdexcept>

// Errors of the file-format family. `kindName()` is what the error log
// records as the error's class.
class EFilerError : public std::runtime_error {
public:
    explicit EFilerError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }
    virtual QString kindName() const { return QStringLiteral("EFilerError"); }

private:
    QString message_;
};

class EReadError : public EFilerError {
public:
    using EFilerError::EFilerError;
    QString kindName() const override { return QStringLiteral("EReadError"); }
};

class EClassNotFound : public EFilerError {
public:
    using EFilerError::EFilerError;
    QString kindName() const override { return QStringLiteral("EClassNotFound"); }
};

// Errors of the stream family: a file that cannot be created or written.
class EStreamError : public std::runtime_error {
public:
    explicit EStreamError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

enum ValueCode : quint8 {
    ValueNull = 0,
    ValueList = 1,
    ValueInt8 = 2,
    ValueInt16 = 3,
    ValueInt32 = 4,
    ValueExtended = 5,
    ValueString = 6,
    ValueIdent = 7,
    ValueFalse = 8,
    ValueTrue = 9,
    ValueBinary = 10,
    ValueSet = 11,
    ValueLString = 12,
    ValueNil = 13,
    ValueCollection = 14,
    ValueSingle = 15,
    ValueCurrency = 16,
    ValueDate = 17,
    ValueWString = 18,
    ValueInt64 = 19,
    ValueUTF8String = 20,
};

// Appends one complete object stream for `object` to `stream`.
void WriteObjectStream(QByteArray& stream, const Persistent& object);

// Reads one object stream starting at `pos` into `object` and leaves `pos`
// directly after it. Throws EReadError or EClassNotFound; properties the
// stream does not mention keep their values.
Persistent& ReadObjectStream(const QByteArray& stream, qsizetype& pos, Persistent& object);

// The same, leniently, for what a newer or another program may have added:
// a property the object does not have, or a value it cannot take (an
// identifier it does not know), is stepped over and the rest is read.
// Throws only where the stream itself cannot be followed (cut short, a value
// of unknown kind, a child object of an unknown class).
Persistent& readObjectStreamLeniently(const QByteArray& stream, qsizetype& pos, Persistent& object);

// Whether an object stream of the named class starts at pos: its class name
// in any letter case, after a flags byte or none.
bool objectStreamOfClassAt(const QByteArray& stream, qsizetype pos, const QString& className);

// The 80-bit extended floating-point form, little-endian, built bit by bit.
QByteArray doubleToExtended(double value);
double extendedToDouble(const char* tenBytes);

// Character-set and colour identifiers.
std::span<const IdentEntry> charsetIdents();
std::span<const IdentEntry> colorIdents();

// The text form of an object stream ("object CLASS", "  path = value", "end")
// and back. Text that is not in that form throws EFilerError.
QString objectBinaryToText(const QByteArray& stream);
QByteArray objectTextToBinary(const QString& text);

// Comma text: items quoted when they hold a blank, a control character, a
// double quote or a comma.
QString joinCommaText(const QStringList& items);
QStringList splitCommaText(const QString& text);
