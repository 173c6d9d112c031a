#pragma once
// What the command line names: a job file, or a template and a data file.

#include <QString>
#include <QStringList>

// Every name is made absolute against the folder the program was started
// in, so that a name remembered at exit still names the file at the next
// start, wherever that is.
struct CommandLine {
    QString jobFile;          // a job (".GVJ", or a locked ".GVL") that exists, joined
                              // from split parameters (the job loader refuses one
                              // that is no plain file)
    QString templateDocument; // a template (".GVT", or a locked ".GVR") named the
                              // same way, as a file manager hands one over
    QString templateFile;     // the text after "/T=" (any case)
    QString dataFile;         // the text after "/D=", looked for only with a template
    QString unopened;         // without switches: the name given when it is not an
                              // existing job or template (a missing file, another kind)
};

// `params` are the parameters without the program's own name.
CommandLine parseCommandLine(const QStringList& params);

// The first parameter of the window program that starts with "--" and is no
// option it knows (a mistyped "--verison"), or an empty text. The toolkit's
// own options ("--platform", "--style=fusion", ...) are options.
QString unknownWindowOption(const QStringList& params);
