#include "RtfReader.h"

#include "text/Windows1252.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Limits that keep any input cheap to read.
constexpr int MaxDepth = 300;      // deeper groups share their parent's state
constexpr int MaxWordLength = 32;  // letters of a control word
constexpr int MaxParamDigits = 10; // digits of a control word's number
constexpr int MaxColours = 1024;
constexpr int MaxFonts = 4096;
constexpr int MaxTabStops = 64;
constexpr int MaxTwips = 31680;       // 22 inches
constexpr int DefaultHalfPoints = 24; // 12 points
constexpr int DefaultCodePage = 1252;

// The code page of a font's character set, 0 when the document's own applies.
int codePageOfCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: return 0;
    }
}

// The name under which the platform's converters know a code page; empty
// when they know it by none of the usual names.
QByteArray decoderName(int codePage)
{
    static QHash<int, QByteArray> known;
    const auto it = known.constFind(codePage);
    if (it != known.constEnd())
        return *it;
    const QByteArray number = QByteArray::number(codePage);
    const QByteArray candidates[] = {
        codePage == 10000 ? QByteArray("macintosh") : "windows-" + number,
        "cp" + number,
        "ibm-" + number,
    };
    QByteArray found;
    for (const QByteArray& name : candidates) {
        if (QStringDecoder(name.constData()).isValid()) {
            found = name;
            break;
        }
    }
    if (known.size() < 64)
        known.insert(codePage, found);
    return found;
}

QString decodeBytes(const QByteArray& bytes, int codePage)
{
    if (bytes.isEmpty())
        return QString();
    if (codePage == 65001)
        return QString::fromUtf8(bytes);
    if (codePage > 0 && codePage != DefaultCodePage) {
        const QByteArray name = decoderName(codePage);
        if (!name.isEmpty()) {
            QStringDecoder decoder(name.constData());
            QString text = decoder.decode(bytes);
            if (!decoder.hasError())
                return text;
            // Bytes the code page does not hold: read them as Windows-1252.
        }
    }
    return decodeWindows1252(bytes);
}

// Units of one or two halves of a pair that do not meet their other half
// become U+FFFD, so that a document never holds a broken character.
void repairSurrogates(QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate()) {
            if (i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ++i;
            else
                text[i] = QChar::ReplacementCharacter;
        } else if (c.isLowSurrogate()) {
            text[i] = QChar::ReplacementCharacter;
        }
    }
}

int clampTwips(int twips)
{
    return std::clamp(twips, -MaxTwips, MaxTwips);
}

// Twips to the document's pixels at 96 per inch.
qreal pixelsOfTwips(int twips)
{
    return twips / 15.0;
}

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int vertical = 0; // 0 normal, 1 superscript, 2 subscript
    int font = -1;
    int halfPoints = DefaultHalfPoints;
    int colour = 0;     // 0: automatic
    int background = 0; // 0: none
    QString href;

    bool operator==(const CharState&) const = default;
};

struct ParaState {
    int alignment = 0; // 0 left, 1 centre, 2 right, 3 justified
    int left = 0;      // twips
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    QList<int> tabs; // twips
};

enum class Dest { Text, Skip, FontTable, ColourTable, FieldInstruction };

struct Group {
    CharState chars;
    ParaState para;
    Dest dest = Dest::Text;
    int unicodeSkip = 1;    // \uc: fallback characters after each \u
    bool localPara = false; // paragraph changes end with the group (list text)
};

struct FontEntry {
    QString name;
    int codePage = 0;
};

enum class Word {
    Unknown,
    // text
    Par,
    Line,
    Tab,
    Cell,
    Row,
    Page,
    Sect,
    EmDash,
    EnDash,
    EmSpace,
    EnSpace,
    QmSpace,
    Bullet,
    LQuote,
    RQuote,
    LDblQuote,
    RDblQuote,
    // characters
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    Plain,
    FontSize,
    Font,
    Colour,
    Background,
    Super,
    Sub,
    NoSuperSub,
    // paragraphs
    Pard,
    AlignLeft,
    AlignRight,
    AlignCentre,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    TabStop,
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    Binary,
    // tables and destinations
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    FontTable,
    ColourTable,
    SkipDestination,
    FieldInstruction,
    FieldResult,
    ListText,
    RowDefaults,
    CellBoundary,
};

const QHash<QByteArray, Word>& wordTable()
{
    static const QHash<QByteArray, Word> table = [] {
        QHash<QByteArray, Word> t{
            {"par", Word::Par},
            {"line", Word::Line},
            {"tab", Word::Tab},
            {"cell", Word::Cell},
            {"nestcell", Word::Cell},
            {"row", Word::Row},
            {"nestrow", Word::Row},
            {"page", Word::Page},
            {"sect", Word::Sect},
            {"emdash", Word::EmDash},
            {"endash", Word::EnDash},
            {"emspace", Word::EmSpace},
            {"enspace", Word::EnSpace},
            {"qmspace", Word::QmSpace},
            {"bullet", Word::Bullet},
            {"lquote", Word::LQuote},
            {"rquote", Word::RQuote},
            {"ldblquote", Word::LDblQuote},
            {"rdblquote", Word::RDblQuote},
            {"b", Word::Bold},
            {"i", Word::Italic},
            {"ul", Word::Underline},
            {"uld", Word::Underline},
            {"uldb", Word::Underline},
            {"uldash", Word::Underline},
            {"ulw", Word::Underline},
            {"ulth", Word::Underline},
            {"ulwave", Word::Underline},
            {"ulnone", Word::UnderlineNone},
            {"strike", Word::Strike},
            {"striked", Word::Strike},
            {"v", Word::Hidden},
            {"plain", Word::Plain},
            {"fs", Word::FontSize},
            {"f", Word::Font},
            {"cf", Word::Colour},
            {"cb", Word::Background},
            {"highlight", Word::Background},
            {"chcbpat", Word::Background},
            {"super", Word::Super},
            {"sub", Word::Sub},
            {"nosupersub", Word::NoSuperSub},
            {"pard", Word::Pard},
            {"ql", Word::AlignLeft},
            {"qr", Word::AlignRight},
            {"qc", Word::AlignCentre},
            {"qj", Word::AlignJustify},
            {"li", Word::LeftIndent},
            {"lin", Word::LeftIndent},
            {"ri", Word::RightIndent},
            {"rin", Word::RightIndent},
            {"fi", Word::FirstIndent},
            {"sb", Word::SpaceBefore},
            {"sa", Word::SpaceAfter},
            {"tx", Word::TabStop},
            {"ansi", Word::Ansi},
            {"mac", Word::Mac},
            {"pc", Word::Pc},
            {"pca", Word::Pca},
            {"ansicpg", Word::AnsiCodePage},
            {"deff", Word::DefaultFont},
            {"uc", Word::UnicodeSkip},
            {"u", Word::Unicode},
            {"bin", Word::Binary},
            {"fcharset", Word::FontCharset},
            {"cpg", Word::FontCodePage},
            {"red", Word::Red},
            {"green", Word::Green},
            {"blue", Word::Blue},
            {"fonttbl", Word::FontTable},
            {"colortbl", Word::ColourTable},
            {"fldinst", Word::FieldInstruction},
            {"fldrslt", Word::FieldResult},
            {"listtext", Word::ListText},
            {"pntext", Word::ListText},
            {"trowd", Word::RowDefaults},
            {"cellx", Word::CellBoundary},
        };
        // Destinations whose text is not part of the document.
        for (const char* name : {"stylesheet",
                                 "info",
                                 "pict",
                                 "header",
                                 "headerl",
                                 "headerr",
                                 "headerf",
                                 "footer",
                                 "footerl",
                                 "footerr",
                                 "footerf",
                                 "footnote",
                                 "annotation",
                                 "atnid",
                                 "atnauthor",
                                 "atnref",
                                 "atndate",
                                 "object",
                                 "objdata",
                                 "themedata",
                                 "colorschememapping",
                                 "latentstyles",
                                 "datastore",
                                 "xmlnstbl",
                                 "listtable",
                                 "listoverridetable",
                                 "rsidtbl",
                                 "revtbl",
                                 "generator",
                                 "filetbl",
                                 "pgdsctbl",
                                 "ftnsep",
                                 "ftnsepc",
                                 "aftnsep",
                                 "aftnsepc",
                                 "template",
                                 "pn",
                                 "xe",
                                 "tc",
                                 "txe",
                                 "nonshppict",
                                 "shpinst",
                                 "userprops",
                                 "docvar",
                                 "mmathPr",
                                 "bkmkstart",
                                 "bkmkend",
                                 "fldtype",
                                 "formfield",
                                 "datafield",
                                 "background",
                                 "private",
                                 "comment",
                                 "operator",
                                 "author",
                                 "title",
                                 "subject",
                                 "keywords",
                                 "doccomm",
                                 "creatim",
                                 "revtim",
                                 "printim",
                                 "buptim"})
            t.insert(QByteArray(name), Word::SkipDestination);
        return t;
    }();
    return table;
}

class RtfParser {
public:
    RtfParser(const QByteArray& in, QTextDocument& document) : in_(in), cursor_(&document) {}

    void run();

private:
    // Reading.
    void controlWord();
    void controlSymbol(char c);
    void hexByte();
    void literalByte(char c);
    void openGroup();
    void closeGroup();
    void applyWord(Word word, const QByteArray& name, bool hasParam, int param);
    void beginDestination(Dest dest);

    // Output.
    void flushBytes();
    void addText(const QString& text);
    void addUnit(char16_t unit);
    void flushText();
    void endParagraph();
    void endCell();
    void endRow();
    void materialiseBreaks();
    QTextCharFormat charFormat(const CharState& s) const;
    QTextBlockFormat blockFormat(const ParaState& p) const;
    int codePage() const;
    void commitFont();
    void commitColour();
    static QString hyperlinkOf(const QString& instruction);

    const QByteArray& in_;
    qsizetype pos_ = 0;
    QTextCursor cursor_;

    Group cur_;
    std::vector<Group> stack_;
    int flattened_ = 0; // groups opened beyond MaxDepth
    bool finished_ = false;
    bool starred_ = false; // "\*" seen: the next word opens an ignorable destination
    int skipFallback_ = 0; // fallback characters still to skip after \u

    int ansiCodePage_ = DefaultCodePage;
    int defaultFont_ = -1;
    QHash<int, FontEntry> fonts_;
    int definingFont_ = -1;
    QByteArray fontNameBytes_;
    QList<QColor> colours_;
    int red_ = -1, green_ = -1, blue_ = -1;
    QByteArray fieldBytes_;
    QString fieldText_;
    QString fieldInstruction_;

    QByteArray bytes_;    // literal and \'hh bytes awaiting decoding
    QString text_;        // decoded text awaiting insertion
    CharState textState_; // the state text_ was collected under
    int pendingBreaks_ = 0;
    QList<int> rowCells_; // right edges of the table row's cells (twips)
    bool blockTouched_ = false;
};

void RtfParser::run()
{
    cursor_.beginEditBlock();
    const qsizetype n = in_.size();
    while (pos_ < n && !finished_) {
        const char c = in_[pos_];
        switch (c) {
        case '{':
            ++pos_;
            openGroup();
            break;
        case '}':
            ++pos_;
            closeGroup();
            break;
        case '\\':
            ++pos_;
            if (pos_ >= n)
                break;
            if ((in_[pos_] >= 'a' && in_[pos_] <= 'z') || (in_[pos_] >= 'A' && in_[pos_] <= 'Z'))
                controlWord();
            else
                controlSymbol(in_[pos_++]);
            break;
        case '\r':
        case '\n':
        case '\0': ++pos_; break;
        case '\t':
            ++pos_;
            flushBytes();
            applyWord(Word::Tab, "tab", false, 0);
            break;
        default:
            ++pos_;
            literalByte(c);
            break;
        }
    }
    flushBytes();
    flushText();
    // The last paragraph keeps its format even without a closing \par.
    if (blockTouched_ || pendingBreaks_ == 0)
        cursor_.setBlockFormat(blockFormat(cur_.para));
    cursor_.endEditBlock();
}

void RtfParser::openGroup()
{
    flushBytes();
    skipFallback_ = 0;
    starred_ = false;
    if (static_cast<int>(stack_.size()) >= MaxDepth) {
        ++flattened_;
        return;
    }
    stack_.push_back(cur_);
}

void RtfParser::closeGroup()
{
    flushBytes();
    skipFallback_ = 0;
    starred_ = false;
    if (flattened_ > 0) {
        --flattened_;
        return;
    }
    if (stack_.empty()) { // a closing brace too many: the document has ended
        finished_ = true;
        return;
    }
    if (cur_.dest == Dest::FontTable)
        commitFont();
    if (cur_.dest == Dest::FieldInstruction && stack_.back().dest != Dest::FieldInstruction) {
        fieldInstruction_ = fieldText_ + decodeBytes(fieldBytes_, codePage());
        fieldBytes_.clear();
        fieldText_.clear();
    }
    // Paragraph properties last until \pard, even across groups, where they
    // were set in the text itself.
    const ParaState para = cur_.para;
    const bool textGroup = cur_.dest == Dest::Text && !cur_.localPara;
    cur_ = stack_.back();
    stack_.pop_back();
    if (textGroup && cur_.dest == Dest::Text)
        cur_.para = para;
    if (stack_.empty())
        finished_ = true; // the document's own group has closed
}

void RtfParser::controlWord()
{
    const qsizetype n = in_.size();
    const qsizetype start = pos_;
    while (pos_ < n && ((in_[pos_] >= 'a' && in_[pos_] <= 'z') || (in_[pos_] >= 'A' && in_[pos_] <= 'Z')))
        ++pos_;
    const qsizetype length = pos_ - start;
    const QByteArray name = length <= MaxWordLength ? in_.mid(start, length) : QByteArray();

    bool hasParam = false;
    bool negative = false;
    std::int64_t value = 0;
    if (pos_ < n && in_[pos_] == '-' && pos_ + 1 < n && in_[pos_ + 1] >= '0' && in_[pos_ + 1] <= '9') {
        negative = true;
        ++pos_;
    }
    int digits = 0;
    while (pos_ < n && in_[pos_] >= '0' && in_[pos_] <= '9') {
        hasParam = true;
        if (digits < MaxParamDigits)
            value = value * 10 + (in_[pos_] - '0');
        ++digits;
        ++pos_;
    }
    if (pos_ < n && in_[pos_] == ' ')
        ++pos_; // the delimiter belongs to the word
    if (negative)
        value = -value;
    const int param = static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));

    const Word word = name.isEmpty() ? Word::Unknown : wordTable().value(name, Word::Unknown);
    if (word == Word::Binary) {
        // Binary data: skipped whatever the destination, never beyond the input.
        flushBytes();
        const qsizetype count = hasParam && param > 0 ? param : 0;
        pos_ += std::min<qsizetype>(count, n - pos_);
        return;
    }
    if (skipFallback_ > 0) {
        --skipFallback_;
        return;
    }
    flushBytes();
    if (starred_) {
        starred_ = false;
        if (word == Word::FieldInstruction)
            beginDestination(Dest::FieldInstruction);
        else
            beginDestination(Dest::Skip);
        return;
    }
    applyWord(word, name, hasParam, param);
}

void RtfParser::beginDestination(Dest dest)
{
    if (cur_.dest == Dest::Skip)
        return;
    if (dest == Dest::FieldInstruction && cur_.dest != Dest::FieldInstruction) {
        fieldBytes_.clear();
        fieldText_.clear();
    }
    if (dest == Dest::FontTable) {
        definingFont_ = -1;
        fontNameBytes_.clear();
    }
    cur_.dest = dest;
}

void RtfParser::applyWord(Word word, const QByteArray&, bool hasParam, int param)
{
    const bool on = !hasParam || param != 0;
    CharState& ch = cur_.chars;
    ParaState& para = cur_.para;

    // Words that matter inside the tables.
    switch (word) {
    case Word::Font:
        if (cur_.dest == Dest::FontTable) {
            commitFont();
            definingFont_ = param;
            return;
        }
        break;
    case Word::FontCharset:
        if (cur_.dest == Dest::FontTable && definingFont_ >= 0 && fonts_.size() < MaxFonts)
            fonts_[definingFont_].codePage = codePageOfCharset(param);
        return;
    case Word::FontCodePage:
        if (cur_.dest == Dest::FontTable && definingFont_ >= 0 && fonts_.size() < MaxFonts)
            fonts_[definingFont_].codePage = param;
        return;
    case Word::Red:
        if (cur_.dest == Dest::ColourTable)
            red_ = std::clamp(param, 0, 255);
        return;
    case Word::Green:
        if (cur_.dest == Dest::ColourTable)
            green_ = std::clamp(param, 0, 255);
        return;
    case Word::Blue:
        if (cur_.dest == Dest::ColourTable)
            blue_ = std::clamp(param, 0, 255);
        return;
    case Word::UnicodeSkip: cur_.unicodeSkip = hasParam ? std::clamp(param, 0, 16) : 1; return;
    case Word::Unicode: {
        if (!hasParam)
            return;
        // The fallback that follows is skipped in every destination.
        skipFallback_ = cur_.unicodeSkip;
        const auto unit = static_cast<char16_t>((param < 0 ? param + 65536 : param) & 0xFFFF);
        if (cur_.dest == Dest::Text) {
            addUnit(unit);
        } else if (cur_.dest == Dest::FieldInstruction) {
            fieldText_ += decodeBytes(fieldBytes_, codePage());
            fieldBytes_.clear();
            if (fieldText_.size() < 4096)
                fieldText_ += QChar(unit);
        }
        return;
    }
    default: break;
    }
    if (cur_.dest == Dest::Skip)
        return;

    switch (word) {
    case Word::FontTable: beginDestination(Dest::FontTable); return;
    case Word::ColourTable: beginDestination(Dest::ColourTable); return;
    case Word::SkipDestination: beginDestination(Dest::Skip); return;
    case Word::FieldInstruction: beginDestination(Dest::FieldInstruction); return;
    case Word::FieldResult: ch.href = hyperlinkOf(fieldInstruction_); return;
    case Word::Ansi: ansiCodePage_ = DefaultCodePage; return;
    case Word::Mac: ansiCodePage_ = 10000; return;
    case Word::Pc: ansiCodePage_ = 437; return;
    case Word::Pca: ansiCodePage_ = 850; return;
    case Word::AnsiCodePage: ansiCodePage_ = param > 0 ? param : DefaultCodePage; return;
    case Word::DefaultFont:
        defaultFont_ = param;
        if (ch.font < 0)
            ch.font = param;
        return;
    case Word::ListText: cur_.localPara = true; return;
    default: break;
    }

    if (cur_.dest != Dest::Text)
        return;

    switch (word) {
    case Word::Par:
    case Word::Page:
    case Word::Sect: endParagraph(); return;
    case Word::Row: endRow(); return;
    case Word::Line: addUnit(0x2028); return;
    case Word::Tab: addUnit(u'\t'); return;
    case Word::Cell: endCell(); return;
    case Word::RowDefaults: rowCells_.clear(); return;
    case Word::CellBoundary:
        if (rowCells_.size() < MaxTabStops)
            rowCells_.append(std::clamp(param, 0, MaxTwips));
        return;
    case Word::EmDash: addUnit(0x2014); return;
    case Word::EnDash: addUnit(0x2013); return;
    case Word::EmSpace: addUnit(0x2003); return;
    case Word::EnSpace: addUnit(0x2002); return;
    case Word::QmSpace: addUnit(0x2005); return;
    case Word::Bullet: addUnit(0x2022); return;
    case Word::LQuote: addUnit(0x2018); return;
    case Word::RQuote: addUnit(0x2019); return;
    case Word::LDblQuote: addUnit(0x201C); return;
    case Word::RDblQuote: addUnit(0x201D); return;

    case Word::Bold: ch.bold = on; return;
    case Word::Italic: ch.italic = on; return;
    case Word::Underline: ch.underline = on; return;
    case Word::UnderlineNone: ch.underline = false; return;
    case Word::Strike: ch.strike = on; return;
    case Word::Hidden: ch.hidden = on; return;
    case Word::Plain: {
        const QString href = ch.href;
        ch = CharState();
        ch.font = defaultFont_;
        ch.href = href; // a field's link outlives the formatting inside it
        return;
    }
    case Word::FontSize: ch.halfPoints = hasParam ? std::clamp(param, 2, 3276) : DefaultHalfPoints; return;
    case Word::Font: ch.font = param; return;
    case Word::Colour: ch.colour = std::max(param, 0); return;
    case Word::Background: ch.background = std::max(param, 0); return;
    case Word::Super: ch.vertical = on ? 1 : 0; return;
    case Word::Sub: ch.vertical = on ? 2 : 0; return;
    case Word::NoSuperSub: ch.vertical = 0; return;

    case Word::Pard: para = ParaState(); return;
    case Word::AlignLeft: para.alignment = 0; return;
    case Word::AlignCentre: para.alignment = 1; return;
    case Word::AlignRight: para.alignment = 2; return;
    case Word::AlignJustify: para.alignment = 3; return;
    case Word::LeftIndent: para.left = clampTwips(param); return;
    case Word::RightIndent: para.right = clampTwips(param); return;
    case Word::FirstIndent: para.first = clampTwips(param); return;
    case Word::SpaceBefore: para.before = std::clamp(param, 0, MaxTwips); return;
    case Word::SpaceAfter: para.after = std::clamp(param, 0, MaxTwips); return;
    case Word::TabStop:
        if (para.tabs.size() < MaxTabStops)
            para.tabs.append(std::clamp(param, 0, MaxTwips));
        return;
    default: return; // words this reader does not need
    }
}

void RtfParser::controlSymbol(char c)
{
    if (c == '\'') {
        hexByte();
        return;
    }
    if (skipFallback_ > 0) {
        --skipFallback_;
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}': literalByte(c); return;
    case '*':
        flushBytes();
        starred_ = true;
        return;
    case '\r':
    case '\n':
        flushBytes();
        applyWord(Word::Par, "par", false, 0);
        return;
    case '~':
        flushBytes();
        if (cur_.dest == Dest::Text)
            addUnit(0x00A0);
        return;
    case '_':
        flushBytes();
        if (cur_.dest == Dest::Text)
            addUnit(0x2011);
        return;
    default: // optional hyphen, index entries and the like
        return;
    }
}

void RtfParser::hexByte()
{
    auto hexValue = [](char h) -> int {
        if (h >= '0' && h <= '9')
            return h - '0';
        if (h >= 'a' && h <= 'f')
            return h - 'a' + 10;
        if (h >= 'A' && h <= 'F')
            return h - 'A' + 10;
        return -1;
    };
    int value = 0;
    int digits = 0;
    while (digits < 2 && pos_ < in_.size()) {
        const int v = hexValue(in_[pos_]);
        if (v < 0)
            break;
        value = value * 16 + v;
        ++digits;
        ++pos_;
    }
    if (digits == 0)
        return;
    if (skipFallback_ > 0) {
        --skipFallback_;
        return;
    }
    literalByte(static_cast<char>(value));
}

void RtfParser::literalByte(char c)
{
    if (skipFallback_ > 0) {
        --skipFallback_;
        return;
    }
    switch (cur_.dest) {
    case Dest::Text: bytes_.append(c); return;
    case Dest::FieldInstruction:
        if (fieldBytes_.size() + fieldText_.size() < 4096)
            fieldBytes_.append(c);
        return;
    case Dest::FontTable:
        if (c == ';')
            commitFont();
        else if (fontNameBytes_.size() < 256)
            fontNameBytes_.append(c);
        return;
    case Dest::ColourTable:
        if (c == ';')
            commitColour();
        return;
    case Dest::Skip: return;
    }
}

void RtfParser::commitFont()
{
    if (definingFont_ >= 0 && !fontNameBytes_.isEmpty() && (fonts_.contains(definingFont_) || fonts_.size() < MaxFonts))
        fonts_[definingFont_].name = decodeBytes(fontNameBytes_, DefaultCodePage).trimmed();
    fontNameBytes_.clear();
}

void RtfParser::commitColour()
{
    if (colours_.size() < MaxColours) {
        if (red_ < 0 && green_ < 0 && blue_ < 0)
            colours_.append(QColor()); // automatic
        else
            colours_.append(QColor(std::max(red_, 0), std::max(green_, 0), std::max(blue_, 0)));
    }
    red_ = green_ = blue_ = -1;
}

int RtfParser::codePage() const
{
    const auto font = fonts_.constFind(cur_.chars.font);
    if (font != fonts_.constEnd() && font->codePage > 0)
        return font->codePage;
    return ansiCodePage_;
}

void RtfParser::flushBytes()
{
    if (bytes_.isEmpty())
        return;
    const QByteArray bytes = bytes_;
    bytes_.clear();
    addText(decodeBytes(bytes, codePage()));
}

void RtfParser::addUnit(char16_t unit)
{
    addText(QString(QChar(unit)));
}

void RtfParser::addText(const QString& text)
{
    if (text.isEmpty() || cur_.dest != Dest::Text || cur_.chars.hidden)
        return;
    if (!text_.isEmpty() && !(textState_ == cur_.chars))
        flushText();
    if (text_.isEmpty())
        textState_ = cur_.chars;
    text_ += text;
}

void RtfParser::materialiseBreaks()
{
    while (pendingBreaks_ > 0) {
        cursor_.insertBlock();
        --pendingBreaks_;
    }
}

void RtfParser::flushText()
{
    if (text_.isEmpty())
        return;
    materialiseBreaks();
    repairSurrogates(text_);
    cursor_.insertText(text_, charFormat(textState_));
    text_.clear();
    blockTouched_ = true;
}

void RtfParser::endParagraph()
{
    flushText();
    materialiseBreaks();
    cursor_.setBlockFormat(blockFormat(cur_.para));
    ++pendingBreaks_;
    blockTouched_ = false;
}

// A table row becomes one paragraph with its cells separated by tabs set at
// the cells' edges. Cells that end with a paragraph of their own (as some
// writers do) join the row's paragraph all the same.
void RtfParser::endCell()
{
    if (pendingBreaks_ > 0 && !blockTouched_ && text_.isEmpty())
        --pendingBreaks_;
    addUnit(u'\t');
}

void RtfParser::endRow()
{
    if (pendingBreaks_ > 0 && !blockTouched_ && text_.isEmpty())
        --pendingBreaks_;
    if (text_.endsWith(QLatin1Char('\t')))
        text_.chop(1);
    const ParaState para = cur_.para;
    if (rowCells_.size() > 1) {
        cur_.para.tabs = rowCells_.mid(0, rowCells_.size() - 1);
        cur_.para.first = 0;
    }
    endParagraph();
    cur_.para = para;
}

QTextCharFormat RtfParser::charFormat(const CharState& s) const
{
    QTextCharFormat f;
    const auto font = fonts_.constFind(s.font);
    if (font != fonts_.constEnd() && !font->name.isEmpty())
        f.setFontFamilies(QStringList{font->name});
    f.setFontPointSize(s.halfPoints / 2.0);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    f.setFontStrikeOut(s.strike);
    if (s.vertical == 1)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (s.vertical == 2)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (s.colour > 0 && s.colour < colours_.size() && colours_[s.colour].isValid())
        f.setForeground(colours_[s.colour]);
    if (s.background > 0 && s.background < colours_.size() && colours_[s.background].isValid())
        f.setBackground(colours_[s.background]);
    if (!s.href.isEmpty()) {
        f.setAnchor(true);
        f.setAnchorHref(s.href);
    }
    return f;
}

QTextBlockFormat RtfParser::blockFormat(const ParaState& p) const
{
    QTextBlockFormat f;
    static const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
    f.setAlignment(alignments[std::clamp(p.alignment, 0, 3)]);
    f.setLeftMargin(pixelsOfTwips(std::max(p.left, 0)));
    f.setRightMargin(pixelsOfTwips(std::max(p.right, 0)));
    f.setTextIndent(pixelsOfTwips(p.first));
    f.setTopMargin(pixelsOfTwips(p.before));
    f.setBottomMargin(pixelsOfTwips(p.after));
    // Tab stops count from the column's edge, Qt's from where the line
    // starts: the indent plus the first line's indent. A hanging indent is a
    // tab stop of its own, as word processors treat it.
    const int lineStart = p.left + p.first;
    QList<int> stops;
    for (int twips : p.tabs)
        if (twips > lineStart)
            stops.append(twips - lineStart);
    if (p.first < 0)
        stops.append(-p.first);
    if (!stops.isEmpty()) {
        std::sort(stops.begin(), stops.end());
        stops.erase(std::unique(stops.begin(), stops.end()), stops.end());
        QList<QTextOption::Tab> tabs;
        for (int twips : stops)
            tabs.append(QTextOption::Tab(pixelsOfTwips(twips), QTextOption::LeftTab));
        f.setTabPositions(tabs);
    }
    return f;
}

QString RtfParser::hyperlinkOf(const QString& instruction)
{
    QString s = instruction.trimmed();
    if (!s.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return QString();
    s = s.mid(9).trimmed();
    if (s.startsWith(QLatin1String("\\l"))) // a place inside the document
        return QString();
    if (s.startsWith(QLatin1Char('"'))) {
        const qsizetype end = s.indexOf(QLatin1Char('"'), 1);
        return end > 1 ? s.mid(1, end - 1) : QString();
    }
    const qsizetype space = s.indexOf(QLatin1Char(' '));
    return space < 0 ? s : s.left(space);
}

} // namespace

bool isRtf(const QByteArray& bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.mid(i, 5) == "{\\rtf";
}

bool readRtf(const QByteArray& rtf, QTextDocument& document)
{
    document.clear();
    if (!isRtf(rtf))
        return false;
    // One edit without undo records: the document lays itself out once, at
    // the end, whatever the number of runs and paragraphs.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    {
        RtfParser parser(rtf, document);
        parser.run();
    }
    document.setUndoRedoEnabled(undo);
    return true;
}
