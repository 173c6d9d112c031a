#include "LabelLayout.h"

#include <QRegularExpression>

#include <utility>

namespace {

// A field's lines: it may hold CR, LF or CR LF breaks.
QStringList fieldLines(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    if (!text.contains(u'\n') && !text.contains(u'\r'))
        return {text};
    return text.split(breaks);
}

} // namespace

const PropTable& TableSettings::properties() const
{
    using C = TableSettings;
    static const PropTable table = withBase({
        props::text("LabelLayout", &C::LabelLayout),
        props::enumeration("HeaderRow", &C::HeaderRow,
                           {QStringLiteral("hrDetect"), QStringLiteral("hrYes"), QStringLiteral("hrNo")},
                           static_cast<qint32>(HeaderChoice::Detect)),
    });
    return table;
}

HeaderChoice TableSettings::header() const
{
    switch (HeaderRow) {
    case static_cast<qint32>(HeaderChoice::Yes): return HeaderChoice::Yes;
    case static_cast<qint32>(HeaderChoice::No): return HeaderChoice::No;
    default: return HeaderChoice::Detect;
    }
}

LabelLayout::LabelLayout(const QString& text, const QStringList& columnNames, int columnCount)
{
    everyField_ = text.trimmed().isEmpty();
    if (everyField_)
        return;
    const QStringList rows = text.split(u'\n');
    for (qsizetype r = 0; r < rows.size(); ++r) {
        QString line = rows[r];
        if (line.endsWith(u'\r'))
            line.chop(1);
        QList<Piece> pieces;
        QString literal;
        const auto flush = [&] {
            if (!literal.isEmpty())
                pieces.append(Piece{std::exchange(literal, QString()), -1});
        };
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if ((c == u'{' || c == u'}') && i + 1 < line.size() && line[i + 1] == c) {
                literal += c;
                ++i;
                continue;
            }
            if (c != u'{') {
                literal += c;
                continue;
            }
            const qsizetype close = line.indexOf(u'}', i + 1);
            if (close < 0) {
                if (problem_.isEmpty())
                    problem_ = QStringLiteral("The '{' in line %1 of the layout is not closed by '}'.").arg(r + 1);
                literal += line.mid(i);
                break;
            }
            const QString name = line.mid(i + 1, close - i - 1);
            const QString written = line.mid(i, close - i + 1);
            int column = static_cast<int>(columnNames.indexOf(name));
            if (column < 0) {
                for (qsizetype k = 0; k < columnNames.size() && column < 0; ++k)
                    if (columnNames[k].trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0)
                        column = static_cast<int>(k);
            }
            bool number = false;
            const int position = name.trimmed().toInt(&number);
            if (column < 0 && number && position >= 1 && position <= columnCount)
                column = position - 1;
            if (column < 0) {
                if (!missing_.contains(written))
                    missing_.append(written);
                if (problem_.isEmpty())
                    problem_ =
                        QStringLiteral("The layout names the field %1, which the data does not have.").arg(written);
                literal += written;
            } else {
                flush();
                pieces.append(Piece{written, column});
            }
            i = close;
        }
        flush();
        lines_.append(pieces);
    }
}

QStringList LabelLayout::expand(const QStringList& fields) const
{
    QStringList out;
    if (everyField_) {
        for (const QString& field : fields)
            if (!field.trimmed().isEmpty())
                out += fieldLines(field);
        return out;
    }
    for (const QList<Piece>& pieces : lines_) {
        QString line;
        bool placeholders = false;
        bool filled = false;
        for (const Piece& piece : pieces) {
            if (piece.column < 0) {
                line += piece.text;
                continue;
            }
            placeholders = true;
            const QString value = fields.value(piece.column);
            filled = filled || !value.trimmed().isEmpty();
            line += value;
        }
        if (!placeholders || filled)
            out += fieldLines(line);
    }
    return out;
}

QString LabelLayout::placeholder(const QStringList& columnNames, int column)
{
    const QString name = columnNames.value(column).trimmed();
    const bool plain = !name.isEmpty() && !name.contains(u'{') && !name.contains(u'}');
    return u'{' + (plain ? name : QString::number(column + 1)) + u'}';
}

QString layoutFromCommandLine(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size() && (text[i + 1] == u'n' || text[i + 1] == u'\\')) {
            out += text[i + 1] == u'n' ? QChar(u'\n') : QChar(u'\\');
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
