#pragma once
// The lines of a plain-text data file, held compactly: the file's bytes once
// and the offset at which every 64th line starts, decoded to text one line at
// a time on demand. A data file of a million labels is five million lines; as
// separate strings they would take several times the file's size, and even
// an offset for every line would add a quarter of it.

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

// Opening a file named by a job, a settings file or a user for reading, with
// the one check every reader of outside files makes first: only a plain file
// is opened. A folder, a device (which may have no end to read to, or act on
// being read) and a pipe or socket (opening a pipe waits for a writer that
// may never come) are refused by their kind before anything opens them. The
// file is opened without waiting and its kind checked again on the opened
// descriptor, so a pipe put in the file's place between the two checks is
// refused too, never waited on.
enum class PlainFileOpen { Opened, Missing, Folder, NotPlain, Failed };
// On Opened, `file` is open for unbuffered reading and `size` holds its size
// as the file system reports it (0 for some special files that are plain).
PlainFileOpen openPlainFile(const QString& path, QFile& file, qint64& size);
// Why openPlainFile did not open path, as the user is told: "<path> is not a
// plain file" for a device, pipe or socket, and for a folder too unless
// `wanted` names what the reader looks for ("<path> is a folder, not
// <wanted>"); "Cannot open file <path>" for a missing or unreadable file.
// Empty for an opened file.
QString plainFileRefusal(PlainFileOpen result, const QString& path, const QString& wanted = QString());

class DataLines {
public:
    int count() const { return count_; }
    bool isEmpty() const { return count_ == 0; }
    // The decoded text of line i; an empty text when i is out of range.
    QString line(int i) const;
    // Whether line i has no characters at all (a line of spaces is not
    // empty); true when i is out of range. Decodes nothing.
    bool lineIsEmpty(int i) const;
    void clear();
    // Makes each text one line, as if written to a UTF-8 file with a line
    // feed after every text. A text holding a carriage return or a line feed
    // is therefore split there, as a file holding it would be.
    void setLines(const QStringList& lines);
    QStringList toStringList() const;
    // The first maxChars characters of line i (all of it when shorter),
    // reading no more of a long line than that takes.
    QString linePrefix(int i, qsizetype maxChars) const;

    // Reads a file and cuts it into lines (see loadFromBytes). Reading stops
    // at the first NUL, where the content ends, so a binary file costs only
    // the bytes before its first zero byte (a UTF-16 file, whose every other
    // byte may be zero, is read whole). A file larger than MaxDataFileBytes,
    // a device, a pipe or a folder is not read. When the file cannot be
    // read, the lines are left empty, *error (when given) says which file
    // failed and why, and the result is false. A file that starts with a
    // UTF-32 byte-order mark is not read.
    //
    // Without cutLines the content is read and decoded by the same rules
    // but not cut into lines (count() stays 0): a table cuts it into rows
    // itself and reads it through content() and decode().
    bool loadFromFile(const QString& path, QString* error = nullptr, bool cutLines = true);
    // The largest data file read: about four million labels of four lines.
    // The marks of its lines and labels add at most a quarter of it.
    static constexpr qint64 MaxDataFileBytes = qint64(256) << 20;
    // Cuts bytes into lines at every CR, every LF and every CR LF (one break).
    // A NUL byte ends the content; a break at the very end adds no line. The
    // lines are decoded as UTF-8 when the content starts with a UTF-8
    // byte-order mark (which is skipped; a byte that is not UTF-8 then reads
    // as U+FFFD) or is valid UTF-8 as a whole, otherwise as Windows-1252. Content that starts with a UTF-16 byte-order
    // mark (FF FE little-endian, FE FF big-endian) is UTF-16 text, as Windows editors save "Unicode": it is turned into
    // UTF-8 once, here, and then cut by the same rules, with the character U+0000 ending the content as a NUL byte does
    // elsewhere.
    void loadFromBytes(QByteArray bytes, bool cutLines = true);

    // The content as held, as UTF-8 or Windows-1252 bytes: after a leading
    // UTF-8 byte-order mark, up to the first NUL.
    QByteArrayView content() const { return QByteArrayView(bytes_.constData() + begin_, end_ - begin_); }
    // Bytes of the content (or any bytes in its encoding) as text.
    QString decode(QByteArrayView bytes) const;

    // Whether the lines are decoded as UTF-8 (true) or Windows-1252 (false).
    // UTF-16 content is held as UTF-8, so this is true for it too.
    bool decodesAsUtf8() const { return utf8_; }
    // Whether the content was UTF-16 text.
    bool fromUtf16() const { return utf16_; }

    // Where the lines are in the bytes as held (see content()), for walking
    // through them in order without counting from a mark each time:
    // startOf(i) is where line i starts (0 <= i < count()), startAfter(s)
    // where the line after the one starting at s starts, emptyAt(s) whether
    // the line at s has no characters, lineAt(s) and linePrefixAt(s, n) its
    // text or the first n characters of it (and, given next, where the line
    // after it starts, found on the way).
    qsizetype startOf(int i) const;
    qsizetype startAfter(qsizetype start) const;
    bool emptyAt(qsizetype start) const
    {
        return start >= end_ || bytes_.constData()[start] == '\r' || bytes_.constData()[start] == '\n';
    }
    QString lineAt(qsizetype start, qsizetype* next = nullptr) const;
    QString linePrefixAt(qsizetype start, qsizetype maxChars, qsizetype* next = nullptr) const;

private:
    // Lines between two marks: a line is found from the mark before it.
    static constexpr int MarkStride = 64;
    // Where the line after p starts, p being where a line's text stopped:
    // at its break or the content's end, or (cut short) inside its text.
    qsizetype startAfterBreak(const char* p) const;
    // Indexes the line starts of bytes_ from offset begin to end_.
    void index(qsizetype begin);

    QByteArray bytes_;
    qsizetype begin_ = 0; // content starts here: after a UTF-8 byte-order mark
    qsizetype end_ = 0;   // content ends here: at the first NUL or the end of bytes_
    int count_ = 0;
    bool utf8_ = true;
    bool utf16_ = false;
    bool wide_ = false;      // offsets need 64 bits (content of 4 GiB or more)
    QList<quint32> marks32_; // where lines 0, MarkStride, 2 * MarkStride... start
    QList<quint64> marks64_;
};

// The line numbers at which labels begin: every maximal run of non-empty
// lines is one label, so leading, repeated and trailing empty lines make none.
QVector<qint32> buildLabelIndex(const DataLines& lines);

// The labels of a data file's lines (as buildLabelIndex finds them), held
// compactly: where every 32nd label starts, the others found from there.
// A million labels take half a megabyte.
class LabelIndex {
public:
    LabelIndex() = default;
    explicit LabelIndex(const DataLines& lines);
    qint32 count() const { return count_; }
    // Appends the lines of label k (see appendLabelLines); appends nothing
    // when k is out of range. Never clears out.
    void appendLabel(const DataLines& lines, qint32 k, QStringList& out) const;
    void appendLabel(const DataLines& lines, qint32 k, QStringList& out, int maxLines, qsizetype maxChars) const;

private:
    static constexpr int MarkStride = 32;
    struct Mark {
        qint32 line;     // the label's first line
        qsizetype start; // where that line starts (see DataLines::startOf)
    };
    // The first line of label k and where it starts.
    Mark find(const DataLines& lines, qint32 k) const;
    // Keeps where label k + 1 starts, found from `at`, where label k ended.
    void rememberNext(const DataLines& lines, qint32 k, Mark at) const;

    qint32 count_ = 0;
    QList<Mark> marks_; // labels 0, MarkStride, 2 * MarkStride...
    // Where the label after the one read last starts, so that labels read
    // in order are not looked for from their mark: next_ is label
    // nextLabel_'s (-1 for none). The index is used from one thread.
    mutable qint32 nextLabel_ = -1;
    mutable Mark next_{0, 0};
};

// Appends the lines of the label that starts at line first, in file order,
// up to the next empty line or the end. Appends nothing when first is out of
// range. Never clears out.
void appendLabelLines(const DataLines& lines, qint32 first, QStringList& out);
// The same, at most maxLines lines of at most maxChars characters each.
void appendLabelLines(const DataLines& lines, qint32 first, QStringList& out, int maxLines, qsizetype maxChars);
