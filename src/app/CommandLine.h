#pragma once
// What the command line names: a job file, or a template and a data file.

#include <QString>
#include <QStringList>

// Every name is made absolute against the folder the program was started
// in, so that a name remembered at exit still names the file at the next
// start, wherever that is.
struct TCOMMANDLINE {
    QString jobFile;      // a job (".GVJ", or a locked ".GVL") that exists, joined
                          // from split parameters (the job loader refuses one
                          // that is no plain file)
    QString templateDocument; // a template (".GVT", or a locked ".GVR") named the
                              // same way, as a file manager hands one over
    QString templateFile; // the text after "/T=" (any case)
    QString dataFile;     // the text after "/D=", looked for only with a template
    QString unopened;     // without switches: the name given when it is not an
                          // existing job or template (a missing file, another kind)
};

// `params` are the parameters without the program's own name.
TCOMMANDLINE FNPARSECOMMANDLINE(const QStringList& params);

// A path shortened to fit: folders from the first on are replaced by "...",
// then the root is dropped, then the folder part; the file name itself is
// never cut. `fits` tells whether a text fits.
template <typename Fits>
QString FNSHORTENPATH(const QString& path, Fits fits);

// ---- implementation

#include <QDir>

template <typename Fits>
QString FNSHORTENPATH(const QString& path, Fits fits)
{
    if (path.isEmpty() || fits(path))
        return path;
    const QString sep = QStringLiteral("/");
    QStringList parts = path.split(sep);
    const QString file = parts.takeLast();
    const QString root = parts.isEmpty() ? QString() : parts.takeFirst(); // "" for "/a/b", "C:" style roots too
    const QString dots = QStringLiteral("...");
    // root/.../rest/file with fewer and fewer folders of rest.
    for (qsizetype drop = 1; drop <= parts.size(); ++drop) {
        QStringList rest = parts.mid(drop);
        QString text = root + sep + dots + sep;
        if (!rest.isEmpty())
            text += rest.join(sep) + sep;
        text += file;
        if (fits(text))
            return text;
    }
    const QString noRoot = dots + sep + file;
    if (fits(noRoot))
        return noRoot;
    return file;
}
