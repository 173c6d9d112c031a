#pragma once
// A file written under a temporary name beside its final one and put in its
// place only when whole, so that a failed or interrupted write never spoils
// the file that was there.
//
// The temporary file is ".NAME.gorvin-XXXXXX" in the target's own folder.
// The folder is opened once and every later step goes through it, so the
// name is never looked up along another path; the file takes its place by an
// atomic exchange, after which what was there is checked: only an ordinary
// file (or no file) is ever replaced, whatever is put at the name meanwhile.
// Opening also removes the program's own temporary files in that folder that
// are more than an hour old (left by a save that was killed).

#include <QFile>
#include <QString>

class ReplacingFile {
public:
    enum class Links {
        Refuse, // a symbolic link at the name is refused, never written through
        Follow  // the file the link names is replaced (a job saved through a link)
    };
    explicit ReplacingFile(const QString& path, Links links = Links::Refuse);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the temporary file. False, with error set, when the name is
    // refused or the file cannot be made.
    bool open(QString& error);
    // Why the last step failed, when it failed on what stands at the name:
    // its kind, as refusedKind gives it.
    QString refusedKind() const { return refusedKind_; }
    // The temporary file, open for unbuffered writing.
    QFile& file() { return file_; }
    // Puts the temporary file in the target's place. False, with error set
    // and the temporary file removed, when it fails or the name no longer
    // holds an ordinary file.
    bool commit(QString& error);
    // Removes the temporary file; the target stays as it was.
    void discard();

    // What stands at a name that cannot be replaced: "a folder", "a
    // device", "a pipe", "a socket" or (with Links::Refuse) "a symbolic
    // link". Empty for an ordinary file or a new name.
    static QString refusedKind(const QString& path, Links links = Links::Refuse);
    // Whether a name is one of the program's temporary files.
    static bool isTemporaryName(const QString& name);

private:
    void removeStaleTemporaries();

    QString path_;
    Links links_;
    int folder_ = -1;
    QByteArray name_;
    QByteArray temporary_;
    QFile file_;
    QString refusedKind_;
};
