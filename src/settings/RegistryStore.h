#pragma once
// The settings store: named text values in keys below the program's root key
// Software\Mardo\Gorvin\v2, kept in the per-user INI file
// $XDG_CONFIG_HOME/Mardo/Gorvin.ini. Keys are given relative to the root,
// with "\" between their parts ("Files\Closed"); each part is a nested group
// of the file. Every call, or every session of calls (RegSession), sees the
// file as it is on disk when it begins and has written what it changed when
// it ends, so two running copies of the program see each other's writes. The
// file is parsed again only when it changed on disk since it was last read
// or written here: a large file costs one reading, not one per value.
//
// A key exists while it holds a value or a sub-key; a key left with neither
// vanishes by itself. Errors of the store (a file that cannot be read or
// written) end an operation quietly: reads give their defaults, writes are
// lost, and the list operations report false.

#include "model/Units.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// A group of store operations that reads the file at most once and writes it
// at most once: at the end of the outermost session (or at its commit()).
// Sessions nest; the operations inside one see each other's changes. Inside
// a session a failed write shows in the outermost session's result only.
class RegSession {
public:
    RegSession();
    ~RegSession();
    RegSession(const RegSession&) = delete;
    RegSession& operator=(const RegSession&) = delete;

    // Writes what the group changed so far, when this is the outermost
    // session; inside another one the write waits for that session. False
    // when the store could not be written.
    bool commit();
};

// "Software\Mardo\Gorvin\v2": the root key, as error messages name it.
QString regRootKey();

// The group path in the INI file for a key below the root:
// "Files\Closed" is "Software/Mardo/Gorvin/v2/Files/Closed".
QString registryGroup(const QString& key);

// Writes a text value, creating the key and any missing keys above it.
void FNREGWRITESTRING(const QString& key, const QString& name, const QString& text);

// The text of a value; the default when the key or the value does not exist.
// A value that is not text (a list or binary value put there by hand) reads
// as empty text.
QString FNREGREADSTRING(const QString& key, const QString& name, const QString& defaultText);

// Lists of texts: item n is the value prefix + n (Job0, Job1, ...) and
// prefix + "COUNT" holds the number of items. A list holds at most 100 items;
// a stored count that is not a number counts as 0, one beyond 100 as 100.

// Replaces the list's contents with the stored list. An item that is missing
// is skipped and logged as error 11; the result is then false.
bool FNREGLOADLIST(const QString& key, const QString& prefix, QStringList& list);

// Replaces the stored list by the given one, in one write: every stored item
// goes, past a gap too, and the new list is written from index 0. False only
// when the store could not be written.
bool FNREGSAVELIST(const QString& key, const QString& prefix, const QStringList& list);

// Appends the items to the stored list; items beyond the 100th are dropped.
// False only when the store could not be written.
bool FNREGADDTOLIST(const QString& key, const QString& prefix, const QStringList& list);

// Removes the stored list and, when the key is then empty, the key. Stops
// removing items at the first gap and reports false; the count goes anyway,
// and so do items past the capacity (prefix + 100 and beyond, left by a list
// grown by hand), which no load would ever read.
bool FNREGDELETELIST(const QString& key, const QString& prefix);

// Replaces the list's contents with the names of the key's direct sub-keys;
// empty when the key does not exist.
void FNREGKEYNAMES(const QString& key, QStringList& list);

// The display unit stored as a unit name: by its first character only, "I"
// inches, "C" centimetres (either case), anything else millimetres.
std::uint8_t FNSTRINGTOUNITS(const QString& text);
