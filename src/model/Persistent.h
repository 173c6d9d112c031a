#pragma once
// Objects that describe themselves by an ordered table of published
// properties, so that one writer and one reader can save and restore every
// model object (see ComponentStream.h).

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class Persistent;

enum class PropKind {
    Integer,     // 32-bit integer, optionally with an identifier table
    Boolean,     // the enumeration False, True
    Enumeration, // other enumerations, by the names in `names`
    Set,         // a set of the members in `names`, held as a bit mask
    Float,       // a double
    Text,        // a string
    Object,      // a nested object written inline, its paths prefixed
    Component,   // a reference to a streamable object of its own: never written
    Lines,       // a list of text lines: never written by this program
};

struct IdentEntry {
    qint32 value;
    const char* ident;
};

struct PropInfo {
    QString name;
    PropKind kind = PropKind::Integer;
    bool stored = true;
    bool hasSetter = true;
    std::optional<qint32> defaultValue; // integer, boolean, enumeration and set kinds
    std::span<const IdentEntry> idents; // integers written as identifiers when listed
    QStringList names;                  // enumeration values or set members, by position

    std::function<qint32(const Persistent&)> getOrd; // integer, boolean, enumeration, set mask
    std::function<void(Persistent&, qint32)> setOrd;
    std::function<double(const Persistent&)> getFloat;
    std::function<void(Persistent&, double)> setFloat;
    std::function<QString(const Persistent&)> getText;
    std::function<void(Persistent&, const QString&)> setText;
    std::function<Persistent*(Persistent&)> getObject; // object and component kinds
};

using PropTable = std::vector<PropInfo>;

class Persistent {
public:
    virtual ~Persistent() = default;
    virtual QString className() const = 0;
    // The published properties in declaration order, the base's first.
    virtual const PropTable& properties() const = 0;
    // Looks a property up by name without regard to letter case.
    const PropInfo* findProperty(const QString& name) const;
    // Called once an object stream has been read into the object.
    virtual void loaded() {}
};

// Builders for property tables: each binds a member (or a getter and setter)
// of the concrete class C.
namespace Props {

template <class C>
PropInfo integer(const char* name, qint32 C::*field, std::optional<qint32> def = std::nullopt, bool stored = true)
{
    PropInfo p;
    p.name = QString::fromLatin1(name);
    p.kind = PropKind::Integer;
    p.stored = stored;
    p.defaultValue = def;
    p.getOrd = [field](const Persistent& o) { return static_cast<const C&>(o).*field; };
    p.setOrd = [field](Persistent& o, qint32 v) { static_cast<C&>(o).*field = v; };
    return p;
}

template <class C>
PropInfo boolean(const char* name, bool C::*field, std::optional<bool> def = std::nullopt, bool stored = true)
{
    PropInfo p;
    p.name = QString::fromLatin1(name);
    p.kind = PropKind::Boolean;
    p.stored = stored;
    if (def)
        p.defaultValue = *def ? 1 : 0;
    p.names = {QStringLiteral("False"), QStringLiteral("True")};
    p.getOrd = [field](const Persistent& o) { return (static_cast<const C&>(o).*field) ? 1 : 0; };
    p.setOrd = [field](Persistent& o, qint32 v) { static_cast<C&>(o).*field = v != 0; };
    return p;
}

template <class C>
PropInfo floating(const char* name, double C::*field)
{
    PropInfo p;
    p.name = QString::fromLatin1(name);
    p.kind = PropKind::Float;
    p.getFloat = [field](const Persistent& o) { return static_cast<const C&>(o).*field; };
    p.setFloat = [field](Persistent& o, double v) { static_cast<C&>(o).*field = v; };
    return p;
}

template <class C>
PropInfo text(const char* name, QString C::*field, bool stored = true)
{
    PropInfo p;
    p.name = QString::fromLatin1(name);
    p.kind = PropKind::Text;
    p.stored = stored;
    p.getText = [field](const Persistent& o) { return static_cast<const C&>(o).*field; };
    p.setText = [field](Persistent& o, const QString& v) { static_cast<C&>(o).*field = v; };
    return p;
}

template <class C>
PropInfo enumeration(const char* name, qint32 C::*field, QStringList names, std::optional<qint32> def = std::nullopt)
{
    PropInfo p = integer(name, field, def);
    p.kind = PropKind::Enumeration;
    p.names = std::move(names);
    return p;
}

} // namespace Props
