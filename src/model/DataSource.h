#pragma once
// Where a label's fields come from. A data source holds what was read for the
// job's labels and hands out what each label shows; the job's data
// (TDATAINFO) holds one and speaks for it. Each kind of source is a class of
// its own, registered in one table (see makeDataSource) by the files it reads.

#include "model/DataFile.h"
#include "model/LabelLayout.h"

#include <QString>
#include <QStringList>

#include <limits>
#include <memory>

class DataTable;

// How much of a label is fetched: at most maxLines lines of at most maxChars
// characters each, the first ones of the label.
struct LabelLimits {
    int maxLines = std::numeric_limits<int>::max();
    qsizetype maxChars = std::numeric_limits<qsizetype>::max();
};

// What a label shows, as its source gives it and the job completes it: the
// lines of text, the content of its code and the file of its own picture.
// The renderer fetches a label once, by index, and draws what it finds.
struct LabelContent {
    QStringList lines;
    // The text the label's code is made of, its placeholders filled; empty
    // when the format shows no code.
    QString codeText;
    // The full name of the label's own picture file, when the job's picture
    // name holds placeholders; empty for the job's one picture or none.
    QString pictureName;
    // The label's number in its data: the first label of the data is 1,
    // whatever the start position and the labels chosen.
    qint32 number = 0;
};

class DataSource {
public:
    DataSource() = default;
    virtual ~DataSource() = default;
    DataSource(const DataSource&) = delete;
    DataSource& operator=(const DataSource&) = delete;

    // Whether the data named are there to be read: by default, whether the
    // file exists (a folder or a pipe does, and fails in load).
    virtual bool isPresent(const QString& name) const;
    // Reads the named file. False, with *error saying which file and why,
    // when it cannot be read; the source is then as it was. May throw
    // std::bad_alloc when the machine lacks the memory the file needs.
    virtual bool load(const QString& path, QString* error) = 0;

    // The distinct labels (repeats not counted).
    virtual qint32 labelCount() const = 0;
    // Whether there is anything to print.
    virtual bool hasContent() const = 0;
    // Appends the lines of label `index` (0 <= index < labelCount()), whole
    // or within the limits.
    virtual void appendLabel(qint32 index, QStringList& lines) const = 0;
    virtual void appendLabel(qint32 index, QStringList& lines, const LabelLimits& limits) const = 0;
    // Appends the first maxFields fields of label `index`, each of at most
    // maxChars characters: a table row's columns, a text block's lines, a
    // serial number. Placeholders ({1}, {Name}) name them.
    virtual void appendFields(qint32 index, QStringList& fields, int maxFields, qsizetype maxChars) const = 0;
    // What label `index` shows, within the limits: by default its lines. A
    // source that gives more than lines fills the rest here.
    virtual LabelContent label(qint32 index, const LabelLimits& limits) const;

    // The lines of a source read as text lines, which the job keeps as its
    // file content; empty for any other source.
    virtual DataLines textLines() const { return {}; }

    // Whether the job's table settings (layout and header choice) shape
    // these labels, and puts them into effect.
    virtual bool usesTableSettings() const { return false; }
    virtual void applyTableSettings(const TableSettings& settings, HeaderChoice header)
    {
        (void)settings;
        (void)header;
    }
    // The rows and columns, for a source that has them; null otherwise.
    virtual const DataTable* table() const { return nullptr; }
    // Whether the first row is taken as column names, and the names.
    virtual bool hasColumnNames() const { return false; }
    virtual QStringList columnNames() const { return {}; }

    // What the user hears of after loading, each empty when there is none:
    // the column names worked out from the file (see TDATAINFO::headerNote),
    // why the layout in the settings cannot be used and the placeholders it
    // names that the data lacks, what was read in a way worth telling, and
    // whether text looks like a table under another name.
    virtual QString headerNote() const { return {}; }
    virtual QString layoutProblem() const { return {}; }
    virtual QStringList missingFields() const { return {}; }
    virtual QString readingNote() const { return {}; }
    virtual bool looksLikeTableInDisguise() const { return false; }
};

// An empty source of the kind that reads the named file: the first kind in
// the registration table (DataSource.cpp) that claims the name; text lines
// when no other does.
std::unique_ptr<DataSource> makeDataSource(const QString& fileName);
