#pragma once
// How a label's fields become its lines: lines of text with {Field}
// placeholders, each naming a field by its name (a table's column, named in
// its first row) or by its position ({1} is the first column of a row, the
// first line of a text block). {#} is the label's number in its data (the
// first label is 1), and {#0001} the same number as wide as the digits
// written, counting from their value ({#1000} counts 1000, 1001, ...): a
// placeholder starting with # is always a number, whatever the columns are
// named. "{{" and "}}" stand for a brace. A line whose field placeholders
// are all empty is left out; a line without placeholders, or with a number,
// is always kept. An empty layout puts every non-empty field on a line of
// its own.

#include "model/BaseControl.h"

#include <QString>
#include <QStringList>

#include <limits>
#include <vector>

// Whether the first row of a table holds column names.
enum class HeaderChoice : qint32 { Detect = 0, Yes = 1, No = 2 };

// What a job keeps of its table: the layout and the header choice. Written
// to a job file as an object stream of its own after the data source, and
// only when the data is a table.
class TableSettings : public TBASECONTROL {
public:
    QString className() const override { return QStringLiteral("TableSettings"); }
    const PropTable& properties() const override;

    QString LabelLayout; // lines separated by line feeds; empty: every field a line
    qint32 HeaderRow = static_cast<qint32>(HeaderChoice::Detect);

    HeaderChoice header() const;
};

// The layout is read once, in time linear in its length (field names are
// looked up, not compared with every column), into a compact form: a run of
// equal placeholders is one piece, lines without placeholders are one piece
// of text. A label is then built only as far as it can show: building stops
// at maxLines lines, and a line takes no more than maxChars characters, so a
// layout of a million placeholders costs no more than the label shows.
class LabelLayout {
public:
    LabelLayout() = default;
    // The layout text against the column names (empty when the first row
    // holds data) and the number of columns; a negative count takes fields
    // by position up to MaxPositions, as many as a text block may have.
    LabelLayout(const QString& text, const QStringList& columnNames, int columnCount);

    // The highest field position a layout without a column count takes.
    static constexpr int MaxPositions = 65536;

    // The label's lines for a row's fields. A field holding line breaks
    // gives a line for each of its lines. A placeholder naming no column is
    // kept as written, so the label shows it. At most maxLines lines of at
    // most maxChars characters each: the first ones of the whole label.
    // labelIndex is the label's place in its data, from 0, for {#}.
    QStringList expand(const QStringList& fields, int maxLines = std::numeric_limits<int>::max(),
                       qsizetype maxChars = std::numeric_limits<qsizetype>::max(), qint32 labelIndex = 0) const;
    // Whether the layout holds a placeholder (a field or a number).
    bool hasPlaceholders() const { return !everyField_ && !columns_.empty(); }
    // The number of fields a label needs to be filled: one past the highest
    // position named, 0 for the layout of every field.
    int fieldsNeeded() const { return everyField_ ? 0 : static_cast<int>(fieldsUsed_.size()); }
    // Why the layout cannot be used as it stands, in the user's words (an
    // unknown field, a brace not closed), or empty.
    const QString& problem() const { return problem_; }
    // The placeholders that name no column, as written ("{Phone}").
    const QStringList& missingFields() const { return missing_; }
    // The fields, by position, a label is built from: of a row of a million
    // fields only those are read. Null for the layout of every field.
    const std::vector<bool>* fieldsUsed() const { return everyField_ ? nullptr : &fieldsUsed_; }

    // The placeholder that names a column: {Name}, or {n} without names.
    static QString placeholder(const QStringList& columnNames, int column);

private:
    struct Piece {
        qint32 column; // the field's position, -1 for literal text, a
                       // number's -2 - its place in numbers_
        qint32 start;  // literal text: where it starts in literals_
        qint32 count;  // literal text: its length; a field: how often it follows itself
    };
    // A line of the layout, or a run of lines without placeholders (always
    // kept). Its pieces and its distinct columns run up to the next line's.
    // Equal lines one after the other are one line repeated.
    struct Line {
        qint32 firstPiece;
        qint32 firstColumn;
        qint32 repeat;
    };
    std::vector<Piece> pieces_;
    std::vector<Line> lines_;     // ends with a line that marks the end
    std::vector<qint32> columns_; // numbers included
    struct Number {
        qint32 width; // the digits written; 0 for {#}
        qint64 first; // the number of the data's first label
    };
    std::vector<Number> numbers_;
    QString literals_; // the literal text of every piece, one after the other
    bool everyField_ = true;
    std::vector<bool> fieldsUsed_;
    QString problem_;
    QStringList missing_;
};

// "{Name}\n{Street}" as typed on a command line: "\n" is a line break and
// "\\" a backslash.
QString layoutFromCommandLine(const QString& text);
