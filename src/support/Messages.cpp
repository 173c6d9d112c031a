#include "Messages.h"

#include <cstdio>

namespace {
ConsoleMessageSeam consoleSeam;
MessageSeam* currentSeam = &consoleSeam;

void writeToStderr(const QString& text)
{
    // Message texts break lines with LF CR; a terminal wants plain LF.
    QString out = text;
    out.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s\n", out.toLocal8Bit().constData());
    std::fflush(stderr);
}
} // namespace

MessageSeam& messageSeam()
{
    return *currentSeam;
}

ScopedMessageSeam::ScopedMessageSeam(MessageSeam& seam) : previous_(currentSeam)
{
    currentSeam = &seam;
}

ScopedMessageSeam::~ScopedMessageSeam()
{
    currentSeam = previous_;
}

MsgAnswer ConsoleMessageSeam::ask(const QString& text, MsgSign, MsgButtons buttons, const QString&)
{
    writeToStderr(text);
    switch (buttons) {
    case MsgButtons::YesNoCancel:
    case MsgButtons::OkCancel: return MsgAnswer::Cancel;
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::Ok: break;
    }
    return MsgAnswer::Ok;
}

void ConsoleMessageSeam::show(const QString& text)
{
    writeToStderr(text);
}

// ---------------------------------------------------------------- loading data

QString cannotFindDataFile(const QString& fileName)
{
    return QStringLiteral("Cannot find data file '") + fileName + u'\'';
}

QString cannotLoadDataFile(const QString& fileName, const QString& reason)
{
    QString text = QStringLiteral("Cannot load data file '") + fileName + u'\'';
    if (!reason.isEmpty())
        text += QStringLiteral("\n\r") + reason;
    return text;
}

QString jobNamesNoDataFile()
{
    return QStringLiteral("The job names no data file.");
}

QString dataFileHoldsNoLabels(const QString& fileName)
{
    return QStringLiteral("The data file '") + fileName + QStringLiteral("' holds no labels.");
}

QString textLooksLikeTable()
{
    return QStringLiteral("This looks like a table: rename it to .csv to print one label a row");
}

QString firstRowReadAsNames(const QString& names)
{
    return QStringLiteral("First row read as column names: ") + names;
}

QString headerNoteWithFields(const QString& headerNote)
{
    return headerNote + QStringLiteral(" \u2014 Data > Fields to change");
}

QString layoutNamesMissingFields(const QStringList& fields)
{
    return QStringLiteral("The layout names %1, which this table does not have: every field prints on a line "
                          "of its own until it fits \u2014 Data > Fields to change")
        .arg(fields.join(QStringLiteral(", ")));
}

QString layoutProblemWithFields(const QString& problem)
{
    return problem + QStringLiteral(" Every field prints on a line of its own \u2014 Data > Fields to change");
}

QString headerNoteWithOption(const QString& headerNote)
{
    return headerNote + QStringLiteral(" (--header no prints it as a label)");
}

QString tableOptionsNeedTable(const QString& fileName)
{
    return QStringLiteral("--layout and --header are for table data (.csv, .tsv or .tab); '") + fileName
           + QStringLiteral("' is read as text.");
}
