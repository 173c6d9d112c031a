#pragma once
// A data file read as a table: rows of fields as a spreadsheet saves them
// in CSV or TSV. Fields are separated by a comma, a semicolon or a tab
// (whichever the first lines show); a field in double quotes may hold the
// separator, line breaks and doubled quotes. The file's bytes are held once,
// as for text data, with the offset at which each non-empty row starts; a
// row's fields are cut and decoded only when the row is asked for.

#include "model/DataFile.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// Whether a file is read as a table: its name ends in .csv, .tsv or .tab
// (any letter case).
bool isTableFileName(const QString& path);

class DataTable {
public:
    // Reads the file by the rules of DataLines::loadFromFile (size limit,
    // plain files only, encodings, content ending at a NUL), then indexes
    // its rows. On failure the table is empty and *error says why.
    bool loadFromFile(const QString& path, QString* error = nullptr);
    // Reads bytes as a table. `preferTabs` settles a tie in the separator
    // count in favour of the tab, as a .tsv or .tab name asks.
    void loadFromBytes(QByteArray bytes, bool preferTabs = false);
    void clear();

    // Non-empty rows: a row with nothing but separators and blanks (spaces,
    // tabs, quotes around blanks) is skipped.
    int rowCount() const { return static_cast<int>(starts_.size()); }
    // The separator found: ',', ';' or '\t'.
    char delimiter() const { return delimiter_; }
    // The fields of row i (none when out of range), each cut to its first
    // maxChars characters when maxChars is not negative. Given the fields
    // wanted (by position), the row is read no further than the last of
    // them and the others are left empty.
    QStringList row(int i, qsizetype maxChars = -1, const std::vector<bool>* wanted = nullptr) const;
    // Whether the first row looks like column names rather than like the
    // rows below it (digits where its column has digits, lengths like the
    // column's; see firstRowIsNames). A table of one row has no names.
    bool firstRowLooksLikeNames() const { return namesDetected_; }
    // The first row's fields as column names, each cut to its first 1000
    // characters (no column is named at greater length).
    QStringList firstRowAsNames() const { return row(0, 1000); }
    // The most fields a row has among the first rows.
    int columnCount() const { return columns_; }
    // What was read in a way the user should hear of (a quoted field never
    // closed), or empty.
    const QString& note() const { return note_; }

private:
    void index();
    void detect();

    DataLines text_;
    QList<qsizetype> starts_; // byte offsets into text_.content()
    char delimiter_ = ',';
    // A quote mark read as text although it opens a field: the one that is
    // never closed. -1 for none.
    qsizetype literalQuote_ = -1;
    bool namesDetected_ = false;
    int columns_ = 0;
    QString note_;
};

// Whether text data look like a table in disguise: every line holds the same
// number (at least one) of commas, of semicolons or of tabs, and the lines
// make fewer labels than a fifth of their number.
bool looksLikeTable(const DataLines& lines, qsizetype labelCount);
