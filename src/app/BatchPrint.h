#pragma once
// Printing from the command line, without any window:
//   gorvin --print JOB.GVJ [--output FILE.pdf | --printer NAME] [--pages FROM-TO]
//          [--copies N] [--collate] [--outline] [--start N] [--repeat N]
//          [--data FILE | --data - [--data-format csv|tsv|text] | --serial FROM-TO]
//          [--rows LIST] [--layout LAYOUT] [--header yes|no]
//          [--code TYPE:TEXT | --picture NAME]
//   gorvin --help | -h
//   gorvin --version
// Messages go to standard error in the program's own words. Every label is
// checked before anything is printed: a code that cannot be made or a
// picture of the data's that cannot be read ends the run with status 1 and
// names the first such labels.

#include "app/StdinData.h"

#include <QString>
#include <QStringList>

#include <optional>

// Exit statuses of a batch print.
enum BatchStatus : int {
    BatchPrinted = 0,
    BatchUnreadable = 1, // the job or its data cannot be read
    BatchUsageError = 2,
    BatchPrintFailed = 3,
};

struct BatchOptions {
    bool help = false;
    bool version = false; // --version
    QString jobFile;
    QString outputFile;  // --output: a PDF file instead of a printer
    QString printerName; // --printer; both empty: the default printer
    bool hasPrinter = false;
    qint32 fromPage = 0; // 0: all pages
    qint32 toPage = 0;
    qint32 copies = 1;
    bool collate = false;
    bool outline = false;
    QString dataFile;                      // --data: in place of the job's data file; "-": standard input
    std::optional<StdinFormat> dataFormat; // --data-format, with --data - only (default: text)
    QString serialFrom;                    // --serial FROM-TO: numbers in place of a data file
    QString serialTo;
    std::optional<QString> rows; // --rows: the labels printed, as the data counts them
    QString codeType;            // --code TYPE:TEXT: the kind's own name ("gs1-128")
    QString codeText;
    std::optional<QString> picture; // --picture: the picture's name, fields allowed
    std::optional<qint32> start;
    std::optional<qint32> repeat;
    std::optional<QString> layout; // --layout, with "\n" already a line break
    std::optional<bool> HeaderRow; // --header yes|no

    bool fromStandardInput() const { return dataFile == QStringLiteral("-"); }
    bool hasSerial() const { return !serialFrom.isEmpty(); }
};

// True when the program was started as a batch printer or asked about itself
// on the command line: its first argument is --print, --help, -h or
// --version. No window is opened for these.
bool isBatchCommand(int argc, char* argv[]);

// Reads the arguments that follow the program's name. On a usage error gives
// false and says what is wrong in error.
bool parseBatchArguments(const QStringList& arguments, BatchOptions& options, QString& error);

// The text --help shows, and a usage error shows after its message.
QString batchUsage();

// Prints as the options say; needs a running QGuiApplication. Returns the
// exit status.
int runBatchPrint(const BatchOptions& options);

// The whole batch printer: arguments, application without windows (on the
// offscreen platform when there is no display), printing, exit status.
int batchPrintMain(int argc, char* argv[]);
