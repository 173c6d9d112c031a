#include "ComponentStream.h"

#include "model/ClassRegistry.h"
#include "support/Messages.h"

#include <QStringConverter>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

const QByteArray signature("TPF0");

// ---------------------------------------------------------------- identifiers

const IdentEntry charsetTable[] = {
    {0, "ANSI_CHARSET"},          {1, "DEFAULT_CHARSET"},   {2, "SYMBOL_CHARSET"},    {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"},    {129, "HANGEUL_CHARSET"}, {130, "JOHAB_CHARSET"},   {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},   {162, "TURKISH_CHARSET"}, {177, "HEBREW_CHARSET"},
    {178, "ARABIC_CHARSET"},      {186, "BALTIC_CHARSET"},  {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"},
    {238, "EASTEUROPE_CHARSET"},  {255, "OEM_CHARSET"},
};

constexpr qint32 sys(qint32 n)
{
    return static_cast<qint32>(0x80000000u + static_cast<quint32>(n));
}

const IdentEntry colorTable[] = {
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"},
    {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {0x20000000, "clDefault"},
    {0x1FFFFFFF, "clNone"},
    {sys(0), "clScrollBar"},
    {sys(1), "clBackground"},
    {sys(2), "clActiveCaption"},
    {sys(3), "clInactiveCaption"},
    {sys(4), "clMenu"},
    {sys(5), "clWindow"},
    {sys(6), "clWindowFrame"},
    {sys(7), "clMenuText"},
    {sys(8), "clWindowText"},
    {sys(9), "clCaptionText"},
    {sys(10), "clActiveBorder"},
    {sys(11), "clInactiveBorder"},
    {sys(12), "clAppWorkSpace"},
    {sys(13), "clHighlight"},
    {sys(14), "clHighlightText"},
    {sys(15), "clBtnFace"},
    {sys(16), "clBtnShadow"},
    {sys(17), "clGrayText"},
    {sys(18), "clBtnText"},
    {sys(19), "clInactiveCaptionText"},
    {sys(20), "clBtnHighlight"},
    {sys(21), "cl3DDkShadow"},
    {sys(22), "cl3DLight"},
    {sys(23), "clInfoText"},
    {sys(24), "clInfoBk"},
    {sys(27), "clGradientActiveCaption"},
    {sys(28), "clGradientInactiveCaption"},
};

const char* identForValue(std::span<const IdentEntry> table, qint32 value)
{
    for (const IdentEntry& e : table)
        if (e.value == value)
            return e.ident;
    return nullptr;
}

bool valueForIdent(std::span<const IdentEntry> table, const QString& ident, qint32& value)
{
    for (const IdentEntry& e : table)
        if (ident.compare(QLatin1String(e.ident), Qt::CaseInsensitive) == 0) {
            value = e.value;
            return true;
        }
    return false;
}

// ---------------------------------------------------------------- writing

class Writer {
public:
    explicit Writer(QByteArray& out) : out_(out) {}

    void byte(quint8 b) { out_.append(static_cast<char>(b)); }
    void raw(const QByteArray& bytes) { out_.append(bytes); }
    template <typename T>
    void le(T value)
    {
        using U = std::make_unsigned_t<T>;
        U u = static_cast<U>(value);
        for (size_t i = 0; i < sizeof(T); ++i)
            byte(static_cast<quint8>((u >> (8 * i)) & 0xFF));
    }
    void name(const QByteArray& s)
    {
        // Names are short strings; nothing in this program comes near 255.
        const QByteArray cut = s.left(255);
        byte(static_cast<quint8>(cut.size()));
        raw(cut);
    }
    void name(const QString& s) { name(s.toLatin1()); }

    void integer(qint32 v)
    {
        if (v >= -128 && v <= 127) {
            byte(ValueInt8);
            le<qint8>(static_cast<qint8>(v));
        } else if (v >= -32768 && v <= 32767) {
            byte(ValueInt16);
            le<qint16>(static_cast<qint16>(v));
        } else {
            byte(ValueInt32);
            le<qint32>(v);
        }
    }

    void text(const QString& s)
    {
        const QByteArray utf8 = s.toUtf8();
        const qsizetype wideUnits = s.size();
        if (utf8.size() >= 2 * wideUnits) {
            byte(ValueWString);
            le<qint32>(static_cast<qint32>(wideUnits));
            for (QChar c : s)
                le<quint16>(c.unicode());
        } else if (utf8.size() == wideUnits) { // only characters below 128
            if (utf8.size() < 256) {
                byte(ValueString);
                byte(static_cast<quint8>(utf8.size()));
            } else {
                byte(ValueLString);
                le<qint32>(static_cast<qint32>(utf8.size()));
            }
            raw(utf8);
        } else {
            byte(ValueUTF8String);
            le<qint32>(static_cast<qint32>(utf8.size()));
            raw(utf8);
        }
    }

    void properties(const Persistent& object, const QString& prefix)
    {
        for (const PropInfo& p : object.properties()) {
            if (!p.stored || !p.hasSetter)
                continue;
            const QString path = prefix + p.name;
            switch (p.kind) {
            case PropKind::Integer: {
                const qint32 v = p.getOrd(object);
                if (p.defaultValue && *p.defaultValue == v)
                    break;
                name(path);
                if (const char* id = identForValue(p.idents, v)) {
                    byte(ValueIdent);
                    name(QByteArray(id));
                } else {
                    integer(v);
                }
                break;
            }
            case PropKind::Boolean: {
                const qint32 v = p.getOrd(object);
                if (p.defaultValue && *p.defaultValue == v)
                    break;
                name(path);
                byte(v ? ValueTrue : ValueFalse);
                break;
            }
            case PropKind::Enumeration: {
                const qint32 v = p.getOrd(object);
                if (p.defaultValue && *p.defaultValue == v)
                    break;
                name(path);
                byte(ValueIdent);
                name(p.names.value(v));
                break;
            }
            case PropKind::Set: {
                const qint32 v = p.getOrd(object);
                if (p.defaultValue && *p.defaultValue == v)
                    break;
                name(path);
                byte(ValueSet);
                for (int bit = 0; bit < p.names.size(); ++bit)
                    if (v & (1 << bit))
                        name(p.names[bit]);
                byte(0);
                break;
            }
            case PropKind::Float: {
                const double v = p.getFloat(object);
                if (v == 0.0)
                    break;
                name(path);
                byte(ValueExtended);
                raw(doubleToExtended(v));
                break;
            }
            case PropKind::Text: {
                const QString v = p.getText(object);
                if (v.isEmpty())
                    break;
                name(path);
                text(v);
                break;
            }
            case PropKind::Object:
                if (Persistent* nested = p.getObject(const_cast<Persistent&>(object)))
                    properties(*nested, path + QLatin1Char('.'));
                break;
            case PropKind::Component:
            case PropKind::Lines: break;
            }
        }
    }

private:
    QByteArray& out_;
};

// ---------------------------------------------------------------- reading

[[noreturn]] void readError()
{
    throw EReadError(Messages::streamReadError());
}

[[noreturn]] void invalidValue()
{
    throw EReadError(Messages::invalidPropertyValue());
}

// Nesting deeper than this is no object this program wrote; refusing it
// keeps a hostile file from exhausting the stack.
constexpr int MaxDepth = 32;

class Reader {
public:
    Reader(const QByteArray& in, qsizetype pos) : in_(in), pos_(pos) {}
    qsizetype pos() const { return pos_; }

    qsizetype remaining() const { return in_.size() - pos_; }
    void need(qint64 n) const
    {
        if (n < 0 || n > remaining())
            readError();
    }
    quint8 byte()
    {
        need(1);
        return static_cast<quint8>(in_[pos_++]);
    }
    quint8 peek() const
    {
        need(1);
        return static_cast<quint8>(in_[pos_]);
    }
    QByteArray bytes(qint64 n)
    {
        need(n);
        QByteArray out = in_.mid(pos_, static_cast<qsizetype>(n));
        pos_ += static_cast<qsizetype>(n);
        return out;
    }
    template <typename T>
    T le()
    {
        need(sizeof(T));
        using U = std::make_unsigned_t<T>;
        U u = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            u |= static_cast<U>(static_cast<U>(static_cast<quint8>(in_[pos_ + static_cast<qsizetype>(i)])) << (8 * i));
        pos_ += static_cast<qsizetype>(sizeof(T));
        return static_cast<T>(u);
    }
    QString name() { return QString::fromLatin1(bytes(byte())); }

    void signature()
    {
        if (remaining() < 4)
            readError();
        if (in_.mid(pos_, 4) != ::signature)
            throw EReadError(Messages::invalidStreamFormat());
        pos_ += 4;
    }

    // The optional flags byte, with the child position when its flag is set.
    void prefix()
    {
        if (peek() >= 0xF0) {
            const quint8 flags = byte() & 0x0F;
            if (flags & 2)
                ordinalValue(byte());
        }
    }

    qint32 ordinalValue(quint8 code)
    {
        switch (code) {
        case ValueInt8: return le<qint8>();
        case ValueInt16: return le<qint16>();
        case ValueInt32: return le<qint32>();
        default: invalidValue();
        }
    }

    QString textValue(quint8 code)
    {
        switch (code) {
        case ValueString: return QString::fromLatin1(bytes(byte()));
        case ValueLString: return QString::fromLatin1(bytes(le<qint32>()));
        case ValueWString: {
            const qint64 units = le<qint32>();
            need(units * 2);
            QString s(static_cast<qsizetype>(units), Qt::Uninitialized);
            for (qint64 i = 0; i < units; ++i)
                s[static_cast<qsizetype>(i)] = QChar(le<quint16>());
            return s;
        }
        case ValueUTF8String: return QString::fromUtf8(bytes(le<qint32>()));
        default: invalidValue();
        }
    }

    // Steps over one value of any kind, as when a property path is wrong.
    void skipValue(int depth = 0)
    {
        if (depth > MaxDepth)
            throw EReadError(Messages::invalidStreamFormat());
        const quint8 code = byte();
        switch (code) {
        case ValueNull:
        case ValueFalse:
        case ValueTrue:
        case ValueNil: return;
        case ValueList:
            while (peek() != ValueNull)
                skipValue(depth + 1);
            byte();
            return;
        case ValueInt8: bytes(1); return;
        case ValueInt16: bytes(2); return;
        case ValueInt32:
        case ValueSingle: bytes(4); return;
        case ValueExtended: bytes(10); return;
        case ValueCurrency:
        case ValueDate:
        case ValueInt64: bytes(8); return;
        case ValueString:
        case ValueIdent: bytes(byte()); return;
        case ValueBinary:
        case ValueLString:
        case ValueUTF8String: bytes(le<qint32>()); return;
        case ValueWString: bytes(static_cast<qint64>(le<qint32>()) * 2); return;
        case ValueSet:
            while (!name().isEmpty()) {
            }
            return;
        case ValueCollection:
            while (peek() != ValueNull) {
                if (peek() >= ValueInt8 && peek() <= ValueInt32)
                    skipValue(depth + 1); // the item's index
                if (byte() != ValueList)
                    readError();
                while (peek() != ValueNull) {
                    name();
                    skipValue(depth + 1);
                }
                byte();
            }
            byte();
            return;
        default: invalidValue();
        }
    }

    void readValue(Persistent& object, const PropInfo& p)
    {
        const quint8 code = byte();
        switch (p.kind) {
        case PropKind::Integer: {
            qint32 v = 0;
            if (code == ValueIdent && !p.idents.empty()) {
                if (!valueForIdent(p.idents, name(), v))
                    invalidValue();
            } else {
                v = ordinalValue(code);
            }
            p.setOrd(object, v);
            return;
        }
        case PropKind::Boolean:
        case PropKind::Enumeration: {
            QString ident;
            if (code == ValueFalse)
                ident = QStringLiteral("False");
            else if (code == ValueTrue)
                ident = QStringLiteral("True");
            else if (code == ValueIdent)
                ident = name();
            else
                invalidValue();
            const qsizetype index = indexOfName(p.names, ident);
            if (index < 0)
                invalidValue();
            p.setOrd(object, static_cast<qint32>(index));
            return;
        }
        case PropKind::Set: {
            if (code != ValueSet)
                invalidValue();
            qint32 mask = 0;
            for (QString member = name(); !member.isEmpty(); member = name()) {
                const qsizetype index = indexOfName(p.names, member);
                if (index >= 0 && index < 32)
                    mask |= 1 << index;
            }
            p.setOrd(object, mask);
            return;
        }
        case PropKind::Float: {
            double v = 0.0;
            if (code == ValueExtended)
                v = extendedToDouble(bytes(10).constData());
            else
                v = ordinalValue(code);
            p.setFloat(object, v);
            return;
        }
        case PropKind::Text: p.setText(object, textValue(code)); return;
        case PropKind::Object:
        case PropKind::Component:
        case PropKind::Lines: break;
        }
        invalidValue();
    }

    // Reading leniently: a property the object has not, or a value it cannot
    // take, is stepped over instead of failing the stream.
    void setLenient(bool lenient) { lenient_ = lenient; }

    void lenientRecord(Persistent& root)
    {
        const QStringList parts = name().split(QLatin1Char('.'));
        const qsizetype valueStart = pos_;
        Persistent* current = &root;
        for (qsizetype i = 0; current && i + 1 < parts.size(); ++i) {
            const PropInfo* p = current->findProperty(parts[i]);
            current = p && (p->kind == PropKind::Object || p->kind == PropKind::Component) ? p->getObject(*current)
                                                                                           : nullptr;
        }
        const PropInfo* p = current ? current->findProperty(parts.back()) : nullptr;
        if (p && p->hasSetter) {
            try {
                readValue(*current, *p);
                return;
            } catch (const EReadError&) {
                pos_ = valueStart;
            }
        }
        skipValue();
    }

    void propertyRecord(Persistent& root, const QString& rootName)
    {
        if (lenient_) {
            lenientRecord(root);
            return;
        }
        QString path;
        try {
            path = name();
            const QStringList parts = path.split(QLatin1Char('.'));
            Persistent* current = &root;
            for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
                const PropInfo* p = current->findProperty(parts[i]);
                Persistent* next = nullptr;
                if (p && (p->kind == PropKind::Object || p->kind == PropKind::Component))
                    next = p->getObject(*current);
                if (!next) {
                    skipValue();
                    throw EReadError(Messages::invalidPropertyPath());
                }
                current = next;
            }
            const PropInfo* p = current->findProperty(parts.back());
            if (!p)
                throw EReadError(Messages::propertyDoesNotExist(parts.back()));
            if (!p->hasSetter)
                invalidValue();
            readValue(*current, *p);
        } catch (const EFilerError& e) {
            throw EReadError(Messages::errorReadingProperty(rootName, path, e.message()));
        }
    }

    // One object record, after the signature.
    void object(Persistent& object, int depth = 0)
    {
        if (depth > MaxDepth)
            throw EReadError(Messages::invalidStreamFormat());
        prefix();
        name(); // the class name: the data goes into the given object whatever it says
        const QString objectName = name();
        setObjectName(object, objectName);
        const QString shownName = objectName.isEmpty() ? object.className() : objectName;
        while (peek() != 0)
            propertyRecord(object, shownName);
        byte();
        while (peek() != 0)
            child(depth + 1);
        byte();
    }

    void child(int depth)
    {
        const qsizetype start = pos_;
        prefix();
        const QString cls = name();
        std::unique_ptr<Persistent> made = createRegisteredObject(cls);
        if (!made)
            throw EClassNotFound(Messages::classNotFound(cls));
        pos_ = start;
        object(*made, depth);
        made->loaded();
    }

private:
    static qsizetype indexOfName(const QStringList& names, const QString& ident)
    {
        for (qsizetype i = 0; i < names.size(); ++i)
            if (names[i].compare(ident, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }

    static void setObjectName(Persistent& object, const QString& value)
    {
        if (const PropInfo* p = object.findProperty(QStringLiteral("Name")))
            if (p->kind == PropKind::Text && p->setText)
                p->setText(object, value);
    }

    const QByteArray& in_;
    qsizetype pos_;
    bool lenient_ = false;
};

} // namespace

std::span<const IdentEntry> charsetIdents()
{
    return charsetTable;
}

std::span<const IdentEntry> colorIdents()
{
    return colorTable;
}

void WriteObjectStream(QByteArray& stream, const Persistent& object)
{
    QByteArray buffer;
    buffer.reserve(4096);
    Writer w(buffer);
    w.raw(signature);
    w.name(object.className());
    w.name(QByteArray()); // objects of this program carry no name
    w.properties(object, QString());
    w.byte(0);
    w.byte(0); // no children
    stream.append(buffer);
}

Persistent& ReadObjectStream(const QByteArray& stream, qsizetype& pos, Persistent& object)
{
    Reader r(stream, pos);
    r.signature();
    r.object(object);
    object.loaded();
    pos = r.pos();
    return object;
}

Persistent& readObjectStreamLeniently(const QByteArray& stream, qsizetype& pos, Persistent& object)
{
    Reader r(stream, pos);
    r.setLenient(true);
    r.signature();
    r.object(object);
    object.loaded();
    pos = r.pos();
    return object;
}

bool objectStreamOfClassAt(const QByteArray& stream, qsizetype pos, const QString& className)
{
    try {
        Reader r(stream, pos);
        r.signature();
        r.prefix();
        return r.name().compare(className, Qt::CaseInsensitive) == 0;
    } catch (const EFilerError&) {
        return false;
    }
}

// ---------------------------------------------------------------- extended

QByteArray doubleToExtended(double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = bits >> 63;
    const int exp11 = static_cast<int>((bits >> 52) & 0x7FF);
    quint64 fraction = bits & ((quint64(1) << 52) - 1);

    quint16 exp15 = 0;
    quint64 mantissa = 0;
    if (exp11 == 0x7FF) { // infinity or NaN
        exp15 = 0x7FFF;
        mantissa = (quint64(1) << 63) | (fraction << 11);
    } else if (exp11 == 0) {
        if (fraction != 0) { // subnormal double: normal in the wider format
            int e = 1 - 1023;
            while (!(fraction & (quint64(1) << 52))) {
                fraction <<= 1;
                --e;
            }
            exp15 = static_cast<quint16>(e + 16383);
            mantissa = fraction << 11;
        }
    } else {
        exp15 = static_cast<quint16>(exp11 - 1023 + 16383);
        mantissa = (quint64(1) << 63) | (fraction << 11);
    }
    if (negative)
        exp15 |= 0x8000;

    QByteArray out(10, '\0');
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<char>((mantissa >> (8 * i)) & 0xFF);
    out[8] = static_cast<char>(exp15 & 0xFF);
    out[9] = static_cast<char>(exp15 >> 8);
    return out;
}

double extendedToDouble(const char* b)
{
    quint64 mantissa = 0;
    for (int i = 0; i < 8; ++i)
        mantissa |= static_cast<quint64>(static_cast<quint8>(b[i])) << (8 * i);
    const quint16 se = static_cast<quint16>(static_cast<quint8>(b[8]) | (static_cast<quint8>(b[9]) << 8));
    const bool negative = se & 0x8000;
    const int exp15 = se & 0x7FFF;
    const double sign = negative ? -1.0 : 1.0;

    if (exp15 == 0x7FFF) {
        if ((mantissa << 1) == 0)
            return sign * INFINITY;
        return NAN;
    }
    if (mantissa == 0)
        return sign * 0.0;

    // Normalise (the integer bit may be clear in denormals and unnormals).
    int e = (exp15 == 0 ? 1 : exp15) - 16383;
    while (!(mantissa & (quint64(1) << 63))) {
        mantissa <<= 1;
        --e;
    }
    // Round the 64-bit significand to 53 bits, halves to even.
    quint64 top = mantissa >> 11;
    const quint64 rest = mantissa & 0x7FF;
    if (rest > 0x400 || (rest == 0x400 && (top & 1)))
        ++top;
    if (top >> 53) {
        top >>= 1;
        ++e;
    }
    if (e > 1023)
        return sign * INFINITY;
    if (e >= -1022) {
        const quint64 bits = (quint64(negative) << 63) | (quint64(e + 1023) << 52) | (top & ((quint64(1) << 52) - 1));
        double out = 0;
        std::memcpy(&out, &bits, sizeof out);
        return out;
    }
    return sign * std::ldexp(static_cast<double>(top), e - 52); // subnormal result
}

// ---------------------------------------------------------------- text form

namespace {

QString quoteText(const QString& s)
{
    if (s.isEmpty())
        return QStringLiteral("''");
    QString out;
    bool open = false;
    for (QChar c : s) {
        if (c.unicode() < 32 || c == QLatin1Char('\'')) {
            if (open) {
                out += QLatin1Char('\'');
                open = false;
            }
            out += QLatin1Char('#') + QString::number(c.unicode());
        } else {
            if (!open) {
                out += QLatin1Char('\'');
                open = true;
            }
            out += c;
        }
    }
    if (open)
        out += QLatin1Char('\'');
    return out;
}

class TextWriter {
public:
    explicit TextWriter(Reader& r) : r_(r) {}

    QStringList lines;

    void object(int depth)
    {
        if (depth > MaxDepth)
            throw EReadError(Messages::invalidStreamFormat());
        const QString indent(depth * 2, QLatin1Char(' '));
        r_.prefix();
        const QString cls = r_.name();
        const QString objName = r_.name();
        lines << indent + QStringLiteral("object ") + (objName.isEmpty() ? cls : objName + QStringLiteral(": ") + cls);
        while (r_.peek() != 0) {
            const QString path = r_.name();
            lines << indent + QStringLiteral("  ") + path + QStringLiteral(" = ") + value(depth + 1);
        }
        r_.byte();
        while (r_.peek() != 0)
            object(depth + 1);
        r_.byte();
        lines << indent + QStringLiteral("end");
    }

private:
    QString value(int depth)
    {
        const quint8 code = r_.byte();
        switch (code) {
        case ValueInt8:
        case ValueInt16:
        case ValueInt32: return QString::number(r_.ordinalValue(code));
        case ValueInt64: return QString::number(r_.le<qint64>());
        case ValueExtended: return QString::number(extendedToDouble(r_.bytes(10).constData()), 'g', 18);
        case ValueString:
        case ValueLString:
        case ValueWString:
        case ValueUTF8String: return quoteText(r_.textValue(code));
        case ValueIdent: return r_.name();
        case ValueFalse: return QStringLiteral("False");
        case ValueTrue: return QStringLiteral("True");
        case ValueNil: return QStringLiteral("nil");
        case ValueSet: {
            QStringList members;
            for (QString m = r_.name(); !m.isEmpty(); m = r_.name())
                members << m;
            return QLatin1Char('[') + members.join(QStringLiteral(", ")) + QLatin1Char(']');
        }
        case ValueList: {
            if (depth > MaxDepth)
                throw EReadError(Messages::invalidStreamFormat());
            QStringList items;
            while (r_.peek() != ValueNull)
                items << value(depth + 1);
            r_.byte();
            return QLatin1Char('(') + items.join(QLatin1Char(' ')) + QLatin1Char(')');
        }
        case ValueBinary:
            return QLatin1Char('{') + QString::fromLatin1(r_.bytes(r_.le<qint32>()).toHex().toUpper())
                   + QLatin1Char('}');
        default: break;
        }
        invalidValue();
    }

    Reader& r_;
};

[[noreturn]] void parseError(const QString& what)
{
    throw EReadError(Messages::invalidObjectText(what));
}

// Reads the text form token by token and writes the binary form.
class TextParser {
public:
    TextParser(const QString& text, QByteArray& out) : s_(text), w_(out) {}

    void object()
    {
        const QString head = ident();
        if (head.compare(QStringLiteral("object"), Qt::CaseInsensitive) != 0)
            parseError(Messages::objectExpected());
        QString first = ident();
        QString objName;
        QString cls = first;
        skipBlanks();
        if (at(QLatin1Char(':'))) {
            ++i_;
            objName = first;
            cls = ident();
        }
        w_.name(cls);
        w_.name(objName);
        for (;;) {
            const QString word = ident();
            if (word.compare(QStringLiteral("end"), Qt::CaseInsensitive) == 0) {
                w_.byte(0);
                w_.byte(0);
                return;
            }
            if (word.compare(QStringLiteral("object"), Qt::CaseInsensitive) == 0)
                parseError(Messages::nestedObjectsUnsupported());
            skipBlanks();
            if (!at(QLatin1Char('=')))
                parseError(Messages::equalsExpectedAfter(word));
            ++i_;
            w_.name(word);
            value();
        }
    }

    void finish()
    {
        skipBlanks();
        if (i_ < s_.size())
            parseError(Messages::textAfterEnd());
    }

private:
    bool at(QChar c) const { return i_ < s_.size() && s_[i_] == c; }
    void skipBlanks()
    {
        while (i_ < s_.size() && s_[i_].unicode() <= 32)
            ++i_;
    }
    static bool identStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
    static bool identPart(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('.'); }

    QString ident()
    {
        skipBlanks();
        if (i_ >= s_.size() || !identStart(s_[i_]))
            parseError(Messages::identifierExpected());
        const qsizetype start = i_;
        while (i_ < s_.size() && identPart(s_[i_]))
            ++i_;
        return s_.mid(start, i_ - start);
    }

    QString quoted()
    {
        QString out;
        for (;;) {
            skipBlanks();
            if (at(QLatin1Char('\''))) {
                ++i_;
                for (;;) {
                    if (i_ >= s_.size())
                        parseError(Messages::unterminatedString());
                    if (s_[i_] == QLatin1Char('\'')) {
                        if (i_ + 1 < s_.size() && s_[i_ + 1] == QLatin1Char('\'')) {
                            out += QLatin1Char('\'');
                            i_ += 2;
                            continue;
                        }
                        ++i_;
                        break;
                    }
                    out += s_[i_++];
                }
            } else if (at(QLatin1Char('#'))) {
                ++i_;
                const qsizetype start = i_;
                while (i_ < s_.size() && s_[i_].isDigit())
                    ++i_;
                bool ok = false;
                const uint code = s_.mid(start, i_ - start).toUInt(&ok);
                if (!ok || code > 0xFFFF)
                    parseError(Messages::badCharacterCode());
                out += QChar(static_cast<char16_t>(code));
            } else if (at(QLatin1Char('+'))) {
                ++i_; // concatenation of string pieces
            } else {
                return out;
            }
        }
    }

    void value()
    {
        skipBlanks();
        if (i_ >= s_.size())
            parseError(Messages::valueExpected());
        const QChar c = s_[i_];
        if (c == QLatin1Char('\'') || c == QLatin1Char('#')) {
            w_.text(quoted());
        } else if (c == QLatin1Char('[')) {
            ++i_;
            w_.byte(ValueSet);
            skipBlanks();
            if (at(QLatin1Char(']'))) {
                ++i_;
            } else {
                for (;;) {
                    w_.name(ident());
                    skipBlanks();
                    if (at(QLatin1Char(']'))) {
                        ++i_;
                        break;
                    }
                    if (!at(QLatin1Char(',')))
                        parseError(Messages::commaOrBracketExpected());
                    ++i_;
                }
            }
            w_.byte(0);
        } else if (c == QLatin1Char('-') || c == QLatin1Char('+') || c.isDigit()) {
            const qsizetype start = i_++;
            while (i_ < s_.size()
                   && (s_[i_].isDigit() || s_[i_] == QLatin1Char('.') || s_[i_].toLower() == QLatin1Char('e')
                       || ((s_[i_] == QLatin1Char('-') || s_[i_] == QLatin1Char('+'))
                           && s_[i_ - 1].toLower() == QLatin1Char('e'))))
                ++i_;
            const QString number = s_.mid(start, i_ - start);
            bool ok = false;
            const qint64 whole = number.toLongLong(&ok);
            if (ok && whole >= INT32_MIN && whole <= INT32_MAX) {
                w_.integer(static_cast<qint32>(whole));
            } else if (ok) {
                w_.byte(ValueInt64);
                w_.le<qint64>(whole);
            } else {
                const double d = number.toDouble(&ok);
                if (!ok)
                    parseError(Messages::badNumber(number));
                w_.byte(ValueExtended);
                w_.raw(doubleToExtended(d));
            }
        } else if (identStart(c)) {
            const QString word = ident();
            if (word.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
                w_.byte(ValueFalse);
            else if (word.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
                w_.byte(ValueTrue);
            else if (word.compare(QStringLiteral("nil"), Qt::CaseInsensitive) == 0)
                w_.byte(ValueNil);
            else {
                w_.byte(ValueIdent);
                w_.name(word);
            }
        } else {
            parseError(Messages::unexpectedCharacter(QString(c)));
        }
    }

    const QString& s_;
    qsizetype i_ = 0;
    Writer w_;
};

} // namespace

QString objectBinaryToText(const QByteArray& stream)
{
    Reader r(stream, 0);
    r.signature();
    TextWriter t(r);
    t.object(0);
    return t.lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray objectTextToBinary(const QString& text)
{
    QByteArray out = signature;
    TextParser p(text, out);
    p.object();
    p.finish();
    return out;
}

QString joinCommaText(const QStringList& items)
{
    QStringList parts;
    for (const QString& item : items) {
        bool quote = false;
        for (QChar c : item)
            if (c.unicode() <= 32 || c == QLatin1Char('"') || c == QLatin1Char(','))
                quote = true;
        if (quote) {
            QString q = item;
            q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            parts << QLatin1Char('"') + q + QLatin1Char('"');
        } else {
            parts << item;
        }
    }
    return parts.join(QLatin1Char(','));
}

QStringList splitCommaText(const QString& text)
{
    QStringList items;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && text[i].unicode() <= 32)
            ++i;
    };
    skipBlanks();
    while (i < n) {
        QString item;
        if (text[i] == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (text[i] == QLatin1Char('"')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                        item += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i < n && text[i].unicode() > 32 && text[i] != QLatin1Char(','))
                item += text[i++];
        }
        items << item;
        skipBlanks();
        if (i < n && text[i] == QLatin1Char(',')) {
            ++i;
            skipBlanks();
            if (i >= n)
                items << QString();
        }
    }
    return items;
}
