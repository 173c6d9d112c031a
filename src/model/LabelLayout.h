#pragma once
// How a row of a table becomes a label: lines of text with {Field}
// placeholders, each naming a column by its name in the first row or by its
// position ({1} is the first column). "{{" and "}}" stand for a brace. A
// line whose placeholders are all empty is left out; a line without
// placeholders is always kept. An empty layout puts every non-empty field
// on a line of its own.

#include "model/BaseControl.h"

#include <QList>
#include <QString>
#include <QStringList>

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

class LabelLayout {
public:
    LabelLayout() = default;
    // The layout text against the column names (empty when the first row
    // holds data) and the number of columns.
    LabelLayout(const QString& text, const QStringList& columnNames, int columnCount);

    // The label's lines for a row's fields. A field holding line breaks
    // gives a line for each of its lines. A placeholder naming no column is
    // kept as written, so the label shows it.
    QStringList expand(const QStringList& fields) const;
    // Why the layout cannot be used as it stands, in the user's words (an
    // unknown field, a brace not closed), or empty.
    const QString& problem() const { return problem_; }
    // The placeholders that name no column, as written ("{Phone}").
    const QStringList& missingFields() const { return missing_; }

    // The placeholder that names a column: {Name}, or {n} without names.
    static QString placeholder(const QStringList& columnNames, int column);

private:
    struct Piece {
        QString text;    // literal text, or the placeholder as written
        int column = -1; // the field's position, -1 for literal text
    };
    QList<QList<Piece>> lines_;
    bool everyField_ = true;
    QString problem_;
    QStringList missing_;
};

// "{Name}\n{Street}" as typed on a command line: "\n" is a line break and
// "\\" a backslash.
QString layoutFromCommandLine(const QString& text);
