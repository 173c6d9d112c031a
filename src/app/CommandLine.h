#pragma once
// What the command line names: a job file, or a template and a data file.

#include <QString>
#include <QStringList>

struct TCOMMANDLINE {
    QString jobFile;      // a ".GVJ" name that exists, joined from split parameters
                          // (the job loader refuses one that is no plain file)
    QString templateFile; // the text after "/T=" (any case)
    QString dataFile;     // the text after "/D=", looked for only with a template
};

// `params` are the parameters without the program's own name.
TCOMMANDLINE FNPARSECOMMANDLINE(const QStringList& params);
