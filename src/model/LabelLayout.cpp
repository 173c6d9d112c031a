#include "LabelLayout.h"

#include "support/Messages.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <utility>

namespace {

// Reads a layout line by line, in one pass: literal text (a doubled brace
// is given as one), placeholders with their name and as written, an opening
// brace left open (the rest of its line), and the end of each line.
template <class Literal, class Field, class Unclosed, class LineEnd>
void scanLayout(QStringView text, Literal&& literal, Field&& field, Unclosed&& unclosed, LineEnd&& lineEnd)
{
    qsizetype lineStart = 0;
    for (int lineNumber = 1;; ++lineNumber) {
        const qsizetype feed = text.indexOf(u'\n', lineStart);
        QStringView line = text.sliced(lineStart, (feed < 0 ? text.size() : feed) - lineStart);
        if (line.endsWith(u'\r'))
            line.chop(1);
        qsizetype run = 0; // where the literal text not yet given starts
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if (c != u'{' && c != u'}')
                continue;
            if (i + 1 < line.size() && line[i + 1] == c) {
                literal(line.sliced(run, i + 1 - run));
                run = i + 2;
                ++i;
                continue;
            }
            if (c == u'}')
                continue;
            if (i > run)
                literal(line.sliced(run, i - run));
            const qsizetype close = line.indexOf(u'}', i + 1);
            if (close < 0) {
                unclosed(line.sliced(i), lineNumber);
                run = line.size();
                break;
            }
            field(line.sliced(i + 1, close - i - 1), line.sliced(i, close - i + 1));
            i = close;
            run = close + 1;
        }
        if (run < line.size())
            literal(line.sliced(run));
        lineEnd();
        if (feed < 0)
            return;
        lineStart = feed + 1;
    }
}

// Finds columns by name: the first column of exactly that name, else the
// first whose name matches it ignoring case and surrounding blanks. The
// tables are made when first needed; the names must outlive the finder.
class ColumnFinder {
public:
    explicit ColumnFinder(const QStringList& names) : names_(names) {}

    int find(QStringView name)
    {
        if (names_.isEmpty())
            return -1;
        if (exact_.isEmpty()) {
            exact_.reserve(names_.size());
            for (qsizetype k = names_.size() - 1; k >= 0; --k)
                exact_.insert(QStringView(names_[k]), static_cast<int>(k));
        }
        if (const auto it = exact_.constFind(name); it != exact_.cend())
            return it.value();
        if (folded_.isEmpty()) {
            folded_.reserve(names_.size());
            for (qsizetype k = names_.size() - 1; k >= 0; --k)
                folded_.insert(names_[k].trimmed().toCaseFolded(), static_cast<int>(k));
        }
        return folded_.value(name.trimmed().toString().toCaseFolded(), -1);
    }

private:
    const QStringList& names_;
    QHash<QStringView, int> exact_;
    QHash<QString, int> folded_;
};

// The lines of a label as they are built: at most maxLines lines of at most
// maxChars characters. Text is cut into lines at CR, LF and CR LF, also
// when a CR ends one piece of text and the LF begins the next.
class LabelLines {
public:
    LabelLines(int maxLines, qsizetype maxChars)
        : maxLines_(std::max(maxLines, 0)), maxChars_(std::max<qsizetype>(maxChars, 0))
    {}

    bool full() const { return lines_.size() >= maxLines_; }
    // Whether more text without a break would add nothing to the line.
    bool lineFull() const { return cut_ || line_.size() >= maxChars_; }

    void add(QStringView text)
    {
        qsizetype at = 0;
        qsizetype feed = -2; // the next LF and CR at or after `at`: -2 not looked for, -1 none
        qsizetype ret = -2;
        const auto next = [&](qsizetype& cached, char16_t c) {
            if (cached != -1 && cached < at)
                cached = text.indexOf(QChar(c), at);
            return cached;
        };
        while (at < text.size() && !full()) {
            if (std::exchange(afterReturn_, false) && text[at] == u'\n') {
                ++at;
                continue;
            }
            const qsizetype lf = next(feed, u'\n');
            const qsizetype cr = next(ret, u'\r');
            const qsizetype brk = lf < 0 ? cr : cr < 0 ? lf : std::min(lf, cr);
            const qsizetype end = brk < 0 ? text.size() : brk;
            if (!lineFull()) {
                qsizetype take = std::min(end - at, maxChars_ - line_.size());
                // A cut through a pair of UTF-16 units leaves the pair out,
                // and the line ends there.
                if (take < end - at && take > 0 && text[at + take - 1].isHighSurrogate()) {
                    --take;
                    cut_ = true;
                }
                line_ += text.sliced(at, take);
            }
            if (brk < 0)
                return;
            afterReturn_ = text[brk] == u'\r';
            cut_ = false;
            lines_.append(std::exchange(line_, QString()));
            at = brk + 1;
        }
    }

    void endLine()
    {
        if (!full())
            lines_.append(line_);
        line_.clear();
        afterReturn_ = false;
        cut_ = false;
    }

    QStringList take() { return std::move(lines_); }

private:
    QStringList lines_;
    QString line_;
    qsizetype maxLines_;
    qsizetype maxChars_;
    bool afterReturn_ = false;
    bool cut_ = false; // the line was cut short of a character
};

bool blank(QStringView text)
{
    return text.trimmed().isEmpty();
}

bool hasBreak(QStringView text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

} // namespace

const PropTable& TableSettings::properties() const
{
    using C = TableSettings;
    static const PropTable table = withBase({
        Props::text("LabelLayout", &C::LabelLayout),
        Props::enumeration("HeaderRow", &C::HeaderRow,
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
    ColumnFinder finder(columnNames);
    QHash<QStringView, int> found; // the names looked up so far, in the text
    QSet<QStringView> missingSeen;
    // The line each column was last listed for, so a line lists it once.
    std::vector<qint32> listedFor;
    qint32 linesRead = 0;
    qint32 linePieces = 0;  // the current line's first piece
    qint32 lineColumns = 0; // and its first column
    qsizetype lineText = 0; // and where its text starts
    bool textOnly = false;  // whether the line before held no placeholders
    // Whether the current line's pieces are those of the line record before.
    const auto repeatsLast = [&] {
        if (lines_.empty() || textOnly)
            return false;
        const qint32 first = lines_.back().firstPiece;
        if (static_cast<qint32>(pieces_.size()) - linePieces != linePieces - first)
            return false;
        for (qint32 k = 0; k < linePieces - first; ++k) {
            const Piece& a = pieces_[static_cast<std::size_t>(first + k)];
            const Piece& b = pieces_[static_cast<std::size_t>(linePieces + k)];
            if (a.column != b.column || a.count != b.count
                || (a.column == -1
                    && QStringView(literals_).sliced(a.start, a.count)
                           != QStringView(literals_).sliced(b.start, b.count)))
                return false;
        }
        return true;
    };
    const auto appendLiteral = [&](QStringView chunk) {
        if (chunk.isEmpty())
            return;
        if (static_cast<qint32>(pieces_.size()) > linePieces && pieces_.back().column == -1) {
            pieces_.back().count += static_cast<qint32>(chunk.size());
        } else {
            pieces_.push_back(Piece{-1, static_cast<qint32>(literals_.size()), static_cast<qint32>(chunk.size())});
        }
        literals_ += chunk;
    };
    const auto beginLine = [&] {
        linePieces = static_cast<qint32>(pieces_.size());
        lineColumns = static_cast<qint32>(columns_.size());
        // A line of text after another is joined to it: the break goes in
        // now, where the line's text will follow.
        if (textOnly)
            literals_ += u'\n';
        lineText = literals_.size();
    };
    beginLine();
    scanLayout(
        text, appendLiteral,
        [&](QStringView name, QStringView written) {
            if (name.startsWith(u'#')) {
                const QStringView digits = name.sliced(1);
                bool valid = digits.size() <= 9;
                for (const QChar c : digits)
                    valid = valid && c >= u'0' && c <= u'9';
                if (!valid) {
                    if (problem_.isEmpty())
                        problem_ = Messages::layoutNumberInvalid(written.toString());
                    appendLiteral(written);
                    return;
                }
                const Number number{static_cast<qint32>(digits.size()), digits.isEmpty() ? 1 : digits.toLongLong()};
                qint32 k = 0;
                while (k < static_cast<qint32>(numbers_.size())
                       && (numbers_[static_cast<std::size_t>(k)].width != number.width
                           || numbers_[static_cast<std::size_t>(k)].first != number.first))
                    ++k;
                if (k == static_cast<qint32>(numbers_.size()))
                    numbers_.push_back(number);
                pieces_.push_back(Piece{-2 - k, 0, 1});
                columns_.push_back(-2 - k);
                return;
            }
            int column = -1;
            if (const auto it = found.constFind(name); it != found.cend()) {
                column = it.value();
            } else {
                column = finder.find(name);
                bool number = false;
                const int position = name.trimmed().toInt(&number);
                const int highest = columnCount < 0 ? MaxPositions : columnCount;
                if (column < 0 && number && position >= 1 && position <= highest)
                    column = position - 1;
                found.insert(name, column);
            }
            if (column < 0) {
                if (!missingSeen.contains(written)) {
                    missingSeen.insert(written);
                    missing_.append(written.toString());
                }
                if (problem_.isEmpty())
                    problem_ = Messages::layoutNamesMissingField(written.toString());
                appendLiteral(written);
                return;
            }
            if (static_cast<qint32>(pieces_.size()) > linePieces && pieces_.back().column == column) {
                ++pieces_.back().count;
                return;
            }
            pieces_.push_back(Piece{column, 0, 1});
            if (fieldsUsed_.size() <= static_cast<std::size_t>(column))
                fieldsUsed_.resize(static_cast<std::size_t>(column) + 1, false);
            fieldsUsed_[static_cast<std::size_t>(column)] = true;
            if (listedFor.size() <= static_cast<std::size_t>(column))
                listedFor.resize(std::max<std::size_t>(static_cast<std::size_t>(column) + 1,
                                                       static_cast<std::size_t>(std::max(columnCount, 0))),
                                 -1);
            if (listedFor[static_cast<std::size_t>(column)] != linesRead) {
                listedFor[static_cast<std::size_t>(column)] = linesRead;
                columns_.push_back(column);
            }
        },
        [&](QStringView rest, int lineNumber) {
            if (problem_.isEmpty())
                problem_ = Messages::layoutBraceNotClosed(lineNumber);
            appendLiteral(rest);
        },
        [&] {
            const bool fields = static_cast<qint32>(columns_.size()) > lineColumns;
            if (fields && repeatsLast()) {
                ++lines_.back().repeat;
                pieces_.resize(static_cast<std::size_t>(linePieces));
                columns_.resize(static_cast<std::size_t>(lineColumns));
                literals_.truncate(lineText);
            } else if (fields) {
                lines_.push_back(Line{linePieces, lineColumns, 1});
            } else if (textOnly) {
                // Joined to the line of text before: one piece of text.
                const qint32 own = static_cast<qint32>(pieces_.size()) > linePieces ? pieces_.back().count : 0;
                if (own > 0)
                    pieces_.pop_back();
                pieces_.back().count += 1 + own;
            } else {
                if (static_cast<qint32>(pieces_.size()) == linePieces)
                    pieces_.push_back(Piece{-1, static_cast<qint32>(literals_.size()), 0});
                lines_.push_back(Line{linePieces, lineColumns, 1});
            }
            textOnly = !fields;
            ++linesRead;
            beginLine();
        });
    lines_.push_back(Line{static_cast<qint32>(pieces_.size()), static_cast<qint32>(columns_.size()), 0});
}

QStringList LabelLayout::expand(const QStringList& fields, int maxLines, qsizetype maxChars, qint32 labelIndex) const
{
    LabelLines out(maxLines, maxChars);
    if (everyField_) {
        for (const QString& field : fields) {
            if (out.full())
                break;
            if (!blank(field)) {
                out.add(field);
                out.endLine();
            }
        }
        return out.take();
    }
    // What is known of each field, found out when first needed.
    enum : std::uint8_t { Known = 1, Blank = 2, Breaks = 4 };
    std::vector<std::uint8_t> known;
    // The numbers' texts, made when first needed.
    std::vector<QString> numbers;
    const auto field = [&](qint32 column) -> std::pair<const QString*, std::uint8_t> {
        static const QString none;
        if (column < -1) {
            const std::size_t k = static_cast<std::size_t>(-2 - column);
            if (numbers.empty())
                numbers.resize(numbers_.size());
            if (numbers[k].isEmpty()) {
                const Number& n = numbers_[k];
                numbers[k] = QString::number(n.first + labelIndex).rightJustified(n.width, u'0');
            }
            return {&numbers[k], Known};
        }
        if (column >= fields.size())
            return {&none, Known | Blank};
        if (known.empty())
            known.resize(static_cast<std::size_t>(fields.size()), 0);
        std::uint8_t& k = known[static_cast<std::size_t>(column)];
        const QString& value = fields[column];
        if (k == 0)
            k = Known | (blank(value) ? Blank : 0) | (hasBreak(value) ? Breaks : 0);
        return {&value, k};
    };
    for (std::size_t l = 0; l + 1 < lines_.size() && !out.full(); ++l) {
        const Line& line = lines_[l];
        const Line& next = lines_[l + 1];
        // A line whose placeholders are all empty is left out.
        if (line.firstColumn < next.firstColumn) {
            bool filled = false;
            for (qint32 k = line.firstColumn; k < next.firstColumn && !filled; ++k)
                filled = (field(columns_[static_cast<std::size_t>(k)]).second & Blank) == 0;
            if (!filled)
                continue;
        }
        for (qint32 r = 0; r < line.repeat && !out.full(); ++r) {
            for (qint32 p = line.firstPiece; p < next.firstPiece && !out.full(); ++p) {
                const Piece& piece = pieces_[static_cast<std::size_t>(p)];
                if (piece.column == -1) {
                    out.add(QStringView(literals_).sliced(piece.start, piece.count));
                    continue;
                }
                const auto [value, facts] = field(piece.column);
                // A field without breaks adds nothing to a line already full.
                for (qint32 k = 0; k < piece.count && !value->isEmpty() && !out.full(); ++k) {
                    if ((facts & Breaks) == 0 && out.lineFull())
                        break;
                    out.add(*value);
                }
            }
            out.endLine();
        }
    }
    return out.take();
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
