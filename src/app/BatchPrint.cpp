#include "BatchPrint.h"

#include "app/DataLoading.h"
#include "model/Job.h"
#include "model/LabelChoice.h"
#include "model/SerialSource.h"
#include "model/Units.h"
#include "print/PrintRun.h"
#include "render/Barcode.h"
#include "render/LabelCheck.h"
#include "settings/StoredSettings.h"
#include "support/ErrorLog.h"
#include "support/Maker.h"
#include "support/Messages.h"
#include "support/Translations.h"
#include "support/Utilities.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

constexpr qint32 MaxCopies = 9999;

// The signal (SIGINT, SIGTERM, or SIGHUP when the terminal closes) that
// asked the batch print to stop, or 0.
// Set by the handler, read after every page: the document is discarded, its
// temporary files removed, and the program ends with 128 + the signal.
volatile std::sig_atomic_t interruptSignal = 0;
// Set while standard input is read: a signal then ends the program at once,
// as it would have without a handler, once the data's temporary file is
// removed.
volatile std::sig_atomic_t endOnSignal = 0;

// What an interrupted run says, made before the handlers are installed:
// a handler can write out bytes, not make a text.
char interruptedText[256];
std::size_t interruptedLength = 0;

// A print that is stopped ends as usual, and its data's temporary file goes
// with the rest; a program that ends at once removes the file here.
extern "C" void noteInterrupt(int signal)
{
    if (signal == SIGPIPE || endOnSignal != 0) {
        removeStdinDataFile();
        if (signal != SIGPIPE) {
            const ssize_t written = ::write(STDERR_FILENO, interruptedText, interruptedLength);
            (void)written;
        }
        struct sigaction initial {};
        initial.sa_handler = SIG_DFL;
        sigemptyset(&initial.sa_mask);
        sigaction(signal, &initial, nullptr);
        ::raise(signal); // taken when the handler returns
        return;
    }
    interruptSignal = signal;
}

// SIGPIPE (standard error or output closed by a reader that went away) ends
// the program as it did without a handler, but not before the data's
// temporary file is gone.
void installInterruptHandlers()
{
    const QByteArray text = (Messages::printingInterrupted() + u'\n').toLocal8Bit();
    interruptedLength = std::min<std::size_t>(std::size_t(text.size()), sizeof interruptedText);
    std::memcpy(interruptedText, text.constData(), interruptedLength);
    struct sigaction action {};
    action.sa_handler = noteInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
    // A caller that ignores SIGPIPE gets failed writes instead, as before.
    struct sigaction pipe {};
    if (sigaction(SIGPIPE, nullptr, &pipe) == 0 && pipe.sa_handler != SIG_IGN)
        sigaction(SIGPIPE, &action, nullptr);
}

// The batch printer speaks to its caller in the program's own words only:
// the toolkit's notes and warnings (a missing runtime folder, say) are not
// passed on unless logging was asked for with QT_LOGGING_RULES.
void quietToolkitMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg)
        return;
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

void toStderr(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

int interruptedStatus()
{
    toStderr(Messages::printingInterrupted());
    return 128 + interruptSignal;
}

bool parseWhole(const QString& text, qint32& value)
{
    const std::optional<qint32> read = storedTextToInteger(text);
    value = read.value_or(0);
    return read.has_value();
}

// "FROM-TO", or a single page "N".
bool parsePages(const QString& text, qint32& from, qint32& to)
{
    const qsizetype dash = text.indexOf(u'-');
    if (dash < 0) {
        if (!parseWhole(text, from))
            return false;
        to = from;
    } else if (!parseWhole(text.left(dash), from) || !parseWhole(text.mid(dash + 1), to)) {
        return false;
    }
    return from >= 1 && to >= from;
}

// --serial FROM-TO, as SerialSource takes it.
bool parseSerial(const QString& text, BatchOptions& options, QString& error)
{
    const qsizetype dash = text.indexOf(u'-', 1);
    if (dash < 0) {
        error = Messages::serialOptionInvalid(text);
        return false;
    }
    const QString from = text.left(dash).trimmed(), to = text.mid(dash + 1).trimmed();
    if (const QString problem = SerialSource::rangeProblem(from, to); !problem.isEmpty()) {
        error = Messages::optionProblem(QStringLiteral("--serial"), problem);
        return false;
    }
    options.serialFrom = from;
    options.serialTo = to;
    return true;
}

// --code TYPE:TEXT, the kind by any of its names' letter cases.
bool parseCode(const QString& text, BatchOptions& options, QString& error)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon <= 0 || colon + 1 == text.size()) {
        error = Messages::codeOptionInvalid(text);
        return false;
    }
    const SymbologyInfo* kind = findSymbology(QStringView(text).first(colon).trimmed());
    if (!kind) {
        QStringList kinds;
        for (const SymbologyInfo& info : symbologies())
            kinds << QLatin1StringView(info.name);
        error = Messages::unknownCodeKind(text.left(colon), kinds.join(QStringLiteral(", ")));
        return false;
    }
    options.codeType = QLatin1StringView(kind->name);
    options.codeText = text.mid(colon + 1);
    return true;
}

// False, after saying so, when the data gives no label to print.
bool holdsLabels(const TDATAINFO& data, const BatchOptions& options)
{
    if (data.labelsInIndex() != 0)
        return true;
    messageSeam().warning(options.fromStandardInput() ? Messages::standardInputHoldsNoLabels()
                                                      : Messages::dataFileHoldsNoLabels(data.FULLFILENAME));
    return false;
}

// Reads the labels: from the data file the job names, the one given in its
// place, standard input (kept in `input` meanwhile), or serial numbers given
// or stored with the job. Says what went wrong itself.
bool loadData(TJOB& job, const BatchOptions& options, StdinData& input)
{
    TDATAINFO& data = *job.DATAINFO();
    QString name = options.dataFile;
    if (options.hasSerial()) {
        data.FULLFILENAME.clear();
        data.SerialFrom = options.serialFrom;
        data.SerialTo = options.serialTo;
    } else if (options.fromStandardInput()) {
        QString error;
        endOnSignal = 1;
        if (interruptSignal != 0) { // stopped before the input was waited for
            endOnSignal = 0;
            return false;
        }
        const bool read = input.read(STDIN_FILENO, options.dataFormat.value_or(StdinFormat::Text), error);
        endOnSignal = 0;
        if (!read) {
            messageSeam().error(error);
            return false;
        }
        name = input.fileName();
        // Picture names in the data are the caller's, from where it stands.
        data.pictureFolder = QDir::currentPath();
    }
    if (!name.isEmpty()) { // a file in place of the job's data, whatever they were
        data.SerialFrom.clear();
        data.SerialTo.clear();
    } else {
        name = data.FULLFILENAME;
    }

    if (name.isEmpty() && data.hasSerialNumbers()) {
        if (const QString problem = SerialSource::rangeProblem(data.SerialFrom, data.SerialTo); !problem.isEmpty()) {
            messageSeam().warning(problem);
            return false;
        }
        data.LOADDATA();
    } else if (name.isEmpty()) {
        messageSeam().warning(Messages::jobNamesNoDataFile());
        return false;
    } else if (loadJobData(data, name, OtherLoadFailures::Thrown) != DataLoad::Loaded) {
        // Whatever else fails is the print's failure, told as such.
        return false;
    }
    if (!holdsLabels(data, options))
        return false;
    if (const QString note = data.source().readingNote(); !note.isEmpty())
        toStderr(note);
    return true;
}

// A layout stored in the job that the data cannot fill is refused as
// --layout is; the first row taken as names is told, with the way to print
// it. Says what is wrong itself.
bool checkLayout(const TDATAINFO& data)
{
    if (const QString problem = data.layoutProblem(); !problem.isEmpty()) {
        messageSeam().warning(problem);
        return false;
    }
    if (const QString note = data.headerNote(); !note.isEmpty())
        toStderr(Messages::headerNoteWithOption(note));
    return true;
}

// --layout, for any data, and --header, for tables only. Says what is
// wrong itself.
bool applyLayoutOptions(TDATAINFO& data, const BatchOptions& options)
{
    if (options.HeaderRow && !data.usesTableSettings()) {
        if (data.FULLFILENAME.isEmpty())
            messageSeam().warning(Messages::serialNumbersHaveNoHeader());
        else
            messageSeam().warning(Messages::headerNeedsTable(
                options.fromStandardInput() ? Messages::standardInput() : Messages::quotedName(data.FULLFILENAME)));
        return false;
    }
    TableSettings& settings = data.tableSettings();
    if (options.layout)
        settings.LabelLayout = *options.layout;
    if (options.HeaderRow)
        data.setHeaderChoice(*options.HeaderRow ? HeaderChoice::Yes : HeaderChoice::No);
    data.applyTableSettings();
    if (const QString problem = data.layoutProblem(); options.layout && !problem.isEmpty()) {
        messageSeam().warning(problem);
        return false;
    }
    return holdsLabels(data, options);
}

// --code and --picture, then whether the code's text and the picture's name
// can be filled from the data. A text of the options that cannot is a usage
// error, one stored with the job the job's fault.
int applyLabelOptions(TJOB& job, const BatchOptions& options)
{
    TJOBINFO& format = *job.JOBINFO();
    TDATAINFO& data = *job.DATAINFO();
    if (!options.codeType.isEmpty()) {
        format.CodeType = options.codeType;
        format.CodeText = options.codeText;
        format.ShowPic = true;
    }
    if (options.picture) {
        // A single picture that is not there would leave every label without
        // it, unnoticed.
        if (!options.picture->contains(u'{') && !QFileInfo::exists(*options.picture)) {
            messageSeam().warning(Messages::pictureOptionNotFound(*options.picture));
            return BatchUnreadable;
        }
        // The picture takes the box a code of the job's had.
        data.PicFileName = *options.picture;
        format.CodeType.clear();
        format.CodeText.clear();
        format.ShowPic = true;
    }
    if (format.showsCode()) {
        if (const QString problem = data.fieldsProblem(format.CodeText); !problem.isEmpty()) {
            const bool given = !options.codeType.isEmpty();
            messageSeam().warning(given ? Messages::optionProblem(QStringLiteral("--code"), problem)
                                        : Messages::jobCodeTextProblem(problem));
            return given ? BatchUsageError : BatchUnreadable;
        }
    } else if (format.ShowPic && data.picturePerLabel()) {
        if (const QString problem = data.fieldsProblem(data.PicFileName); !problem.isEmpty()) {
            const bool given = options.picture.has_value();
            messageSeam().warning(given ? Messages::optionProblem(QStringLiteral("--picture"), problem)
                                        : Messages::jobPictureNameProblem(problem));
            return given ? BatchUsageError : BatchUnreadable;
        }
    }
    return BatchPrinted;
}

// --rows, against the labels of the data as read. Says what is wrong itself.
bool chooseLabels(TDATAINFO& data, const BatchOptions& options)
{
    if (!options.rows)
        return true;
    QString error;
    std::optional<LabelChoice> choice = LabelChoice::parse(*options.rows, data.labelsInIndex(), &error);
    if (!choice) {
        messageSeam().warning(Messages::optionProblem(QStringLiteral("--rows"), error));
        return false;
    }
    data.chooseLabels(std::move(choice));
    return true;
}

// Reads the data and puts every option about them and the labels into
// effect. Says what is wrong itself; gives BatchPrinted when all is ready.
int prepareData(TJOB& job, const BatchOptions& options, StdinData& input)
{
    TDATAINFO& data = *job.DATAINFO();
    if (!loadData(job, options, input))
        return interruptSignal != 0 ? interruptedStatus() : BatchUnreadable;
    if ((options.layout || options.HeaderRow) && !applyLayoutOptions(data, options))
        return BatchUsageError;
    if (!checkLayout(data))
        return BatchUnreadable;
    if (const int status = applyLabelOptions(job, options); status != BatchPrinted)
        return status;
    if (!chooseLabels(data, options))
        return BatchUsageError;
    return BatchPrinted;
}

// Every printed label can be printed: its code made, its own picture read.
// Otherwise says how many cannot, and names the first.
bool everyLabelPrintable(const TJOB& job)
{
    constexpr int Listed = 5;
    const LabelCheck check = checkLabels(job, Listed);
    if (check.ok())
        return true;
    QStringList lines{Messages::labelsCannotBePrinted(check.failed)};
    for (const LabelProblem& problem : check.first)
        lines << Messages::labelProblem(problem.number, problem.reason);
    if (check.failed > check.first.size())
        lines << Messages::moreLabelsCannotBePrinted(check.failed - check.first.size());
    messageSeam().error(lines.join(u'\n'));
    return false;
}

// "page 120 of 1000" on one line of the terminal, rewritten as pages go out.
class ProgressLine {
public:
    ProgressLine() : enabled_(isatty(fileno(stderr)) != 0) {}
    ~ProgressLine() { finish(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void operator()(qint32 sent, qint32 total)
    {
        if (!enabled_)
            return;
        std::fprintf(stderr, "\rpage %d of %d", sent, total);
        std::fflush(stderr);
        shown_ = true;
    }
    void finish()
    {
        if (shown_)
            std::fputc('\n', stderr);
        shown_ = false;
    }

private:
    bool enabled_;
    bool shown_ = false;
};

// What the PDF would take the place of when --output names a file the job
// is made of: "the job file", "the job's data file", its template or its
// picture. Empty for any other name.
QString outputClash(const QString& output, const TJOB& job, const QString& jobFile)
{
    struct stat target {};
    if (::stat(QFile::encodeName(output).constData(), &target) != 0)
        return QString();
    const auto same = [&](const QString& other) {
        struct stat info {};
        return !other.isEmpty() && ::stat(QFile::encodeName(other).constData(), &info) == 0
               && info.st_dev == target.st_dev && info.st_ino == target.st_ino;
    };
    if (same(jobFile))
        return Messages::theJobFile();
    if (same(job.DATAINFO()->FULLFILENAME))
        return Messages::theJobsDataFile();
    if (same(job.TEMPLATE()->FULLFILENAME))
        return Messages::theJobsTemplate();
    if (same(job.DATAINFO()->PicFileName))
        return Messages::theJobsPicture();
    return QString();
}

int printJob(const BatchOptions& options)
{
    // Only an ordinary file is ever replaced by the PDF: a device, a pipe
    // or a folder is refused before anything is read or opened.
    if (!options.outputFile.isEmpty()) {
        if (const QString refusal = outputFileRefusal(options.outputFile); !refusal.isEmpty()) {
            messageSeam().error(refusal);
            return BatchUsageError;
        }
    }

    TJOB job;
    if (!job.LOADFROMFILE(options.jobFile))
        return BatchUnreadable;
    for (const QString& note : job.loadNotes())
        toStderr(note);
    if (!job.TEMPLATEEXISTS()) {
        messageSeam().warning(Messages::jobHasNoPaperSize());
        return BatchUnreadable;
    }
    const PrintCommand command = options.outline ? PrintCommand::PRINTTEMPLATE : PrintCommand::PRINTJOB;
    StdinData input; // removed as the print ends
    if (command == PrintCommand::PRINTJOB) {
        if (const int status = prepareData(job, options, input); status != BatchPrinted)
            return status;
    }

    if (!options.outputFile.isEmpty()) {
        if (const QString clash = outputClash(options.outputFile, job, options.jobFile); !clash.isEmpty()) {
            messageSeam().error(Messages::cannotPrintOver(options.outputFile, clash));
            return BatchUsageError;
        }
    }

    TDATAINFO& data = *job.DATAINFO();
    const TTEMPLATE& paper = *job.TEMPLATE();
    if (options.start)
        data.STARTLABNUM = paper.fitToSheet(*options.start);
    if (options.repeat)
        data.RepeatLabelNum = paper.fitToSheet(*options.repeat);
    data.STARTLABNUM = std::max(data.STARTLABNUM, 1);
    data.RepeatLabelNum = std::max(data.RepeatLabelNum, 1);
    if (command == PrintCommand::PRINTJOB && !everyLabelPrintable(job))
        return BatchUnreadable;

    PrintRequest request;
    request.command = command;
    request.copies = options.copies;
    request.collate = options.collate;
    // Every page: the print dialog's limit is the dialog's own.
    const qint32 maxPage = printPageCount(job, command);
    request.fromPage = 1;
    request.toPage = maxPage;
    if (options.fromPage > 0 && command == PrintCommand::PRINTJOB) {
        if (options.fromPage > maxPage) {
            messageSeam().warning(Messages::noSuchPage(maxPage, options.fromPage));
            return BatchUsageError;
        }
        request.fromPage = options.fromPage;
        request.toPage = std::min(options.toPage, maxPage);
    }

    std::unique_ptr<PrintTarget> target;
    const QString documentName = printDocumentName(command, options.jobFile);
    if (!options.outputFile.isEmpty()) {
        auto pdf = std::make_unique<PdfFileTarget>(options.outputFile);
        pdf->setDocumentName(documentName);
        target = std::move(pdf);
    } else {
        auto printer = std::make_unique<PrinterTarget>(options.printerName);
        if (!printer->isValid()) {
            messageSeam().error(options.hasPrinter ? Messages::printerNotFound(options.printerName)
                                                   : Messages::noDefaultPrinter());
            return BatchPrintFailed;
        }
        printer->setDocumentName(documentName);
        target = std::move(printer);
    }

    if (interruptSignal != 0)
        return interruptedStatus();

    PrintRun run;
    ProgressLine progressLine;
    run.progress = [&progressLine](qint32 sent, qint32 total) { progressLine(sent, total); };
    run.stopRequested = [] { return interruptSignal != 0; };
    PrintResult result;
    try {
        result = run.run(job, *target, request);
    } catch (const ECalibrationError& e) {
        progressLine.finish();
        messageSeam().error(e.message());
        return BatchPrintFailed;
    }
    progressLine.finish();

    switch (result.outcome) {
    case PrintOutcome::Printed: return BatchPrinted;
    case PrintOutcome::NothingToPrint: messageSeam().warning(Messages::nothingToPrint()); return BatchUnreadable;
    case PrintOutcome::PictureFailed: messageSeam().error(result.error); return BatchUnreadable;
    case PrintOutcome::Aborted:
        if (interruptSignal != 0)
            return interruptedStatus();
        messageSeam().warning(Messages::printingAborted());
        return BatchPrintFailed;
    case PrintOutcome::Failed: break;
    }
    reportPrintFailure(result.error, false);
    return BatchPrintFailed;
}

} // namespace

bool isBatchCommand(int argc, char* argv[])
{
    if (argc < 2)
        return false;
    for (const char* command : {"--print", "--help", "-h", "--version"})
        if (std::strcmp(argv[1], command) == 0)
            return true;
    return false;
}

QString batchUsage()
{
    return Messages::batchUsage();
}

bool parseBatchArguments(const QStringList& arguments, BatchOptions& options, QString& error)
{
    options = BatchOptions();
    bool printSeen = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString arg = arguments[i];
        QString inlineValue;
        bool hasInline = false;
        if (arg.startsWith(QStringLiteral("--"))) {
            const qsizetype eq = arg.indexOf(u'=');
            if (eq > 0) {
                inlineValue = arg.mid(eq + 1);
                arg = arg.left(eq);
                hasInline = true;
            }
        }
        auto value = [&](QString& out) {
            if (hasInline) {
                out = inlineValue;
                return true;
            }
            if (i + 1 >= arguments.size()) {
                error = Messages::optionNeedsValue(arg);
                return false;
            }
            out = arguments[++i];
            return true;
        };
        // A value that may not be empty: a file or printer name.
        auto name = [&](QString& out, const QString& what) {
            if (!value(out))
                return false;
            if (out.isEmpty()) {
                error = Messages::optionNeedsA(arg, what);
                return false;
            }
            return true;
        };
        auto number = [&](qint32& out, qint32 low, qint32 high) {
            QString text;
            if (!value(text))
                return false;
            if (!parseWhole(text, out) || out < low || out > high) {
                error = Messages::optionTakesWholeNumber(arg, low, high, text);
                return false;
            }
            return true;
        };
        auto flagOnly = [&]() {
            if (hasInline) {
                error = Messages::optionTakesNoValue(arg);
                return false;
            }
            return true;
        };

        if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            options.help = true;
            return true;
        } else if (arg == QStringLiteral("--version")) {
            options.version = true;
            return true;
        } else if (arg == QStringLiteral("--print")) {
            if (hasInline) {
                options.jobFile = inlineValue;
            } else if (!value(options.jobFile)) {
                error = Messages::printNeedsJobFile();
                return false;
            }
            printSeen = true;
        } else if (arg == QStringLiteral("--output")) {
            if (!name(options.outputFile, Messages::aFileName()))
                return false;
        } else if (arg == QStringLiteral("--printer")) {
            if (!name(options.printerName, Messages::aPrinterName()))
                return false;
            options.hasPrinter = true;
        } else if (arg == QStringLiteral("--pages")) {
            QString text;
            if (!value(text))
                return false;
            if (!parsePages(text, options.fromPage, options.toPage)) {
                error = Messages::pagesOptionInvalid(text);
                return false;
            }
        } else if (arg == QStringLiteral("--copies")) {
            if (!number(options.copies, 1, MaxCopies))
                return false;
        } else if (arg == QStringLiteral("--collate")) {
            if (!flagOnly())
                return false;
            options.collate = true;
        } else if (arg == QStringLiteral("--outline")) {
            if (!flagOnly())
                return false;
            options.outline = true;
        } else if (arg == QStringLiteral("--data")) {
            if (!name(options.dataFile, Messages::aFileName()))
                return false;
        } else if (arg == QStringLiteral("--data-format")) {
            QString text;
            if (!value(text))
                return false;
            options.dataFormat = stdinFormatNamed(text);
            if (!options.dataFormat) {
                error = Messages::dataFormatInvalid(text);
                return false;
            }
        } else if (arg == QStringLiteral("--serial")) {
            QString text;
            if (!value(text) || !parseSerial(text, options, error))
                return false;
        } else if (arg == QStringLiteral("--rows")) {
            QString text;
            if (!value(text))
                return false;
            options.rows = text; // read against the data's labels once they are loaded
        } else if (arg == QStringLiteral("--code")) {
            QString text;
            if (!value(text) || !parseCode(text, options, error))
                return false;
        } else if (arg == QStringLiteral("--picture")) {
            QString text;
            if (!name(text, Messages::aFileName()))
                return false;
            options.picture = text;
        } else if (arg == QStringLiteral("--layout")) {
            QString text;
            if (!value(text))
                return false;
            options.layout = layoutFromCommandLine(text);
        } else if (arg == QStringLiteral("--header")) {
            QString text;
            if (!value(text))
                return false;
            if (text.compare(QStringLiteral("yes"), Qt::CaseInsensitive) != 0
                && text.compare(QStringLiteral("no"), Qt::CaseInsensitive) != 0) {
                error = Messages::headerOptionInvalid(text);
                return false;
            }
            options.HeaderRow = text.compare(QStringLiteral("yes"), Qt::CaseInsensitive) == 0;
        } else if (arg == QStringLiteral("--start") || arg == QStringLiteral("--repeat")) {
            qint32 n = 0;
            if (!number(n, INT32_MIN, INT32_MAX))
                return false;
            (arg == QStringLiteral("--start") ? options.start : options.repeat) = n;
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            error = Messages::unknownOption(arg);
            return false;
        } else {
            error = Messages::unexpectedArgument(arg);
            return false;
        }
    }
    if (!printSeen || options.jobFile.isEmpty()) {
        error = Messages::printNeedsJobFile();
        return false;
    }
    if (!options.outputFile.isEmpty() && options.hasPrinter) {
        error = Messages::outputAndPrinterTogether();
        return false;
    }
    if (options.hasSerial() && !options.dataFile.isEmpty()) {
        error = Messages::serialWithData();
        return false;
    }
    if (options.dataFormat && !options.fromStandardInput()) {
        error = Messages::dataFormatNeedsStandardInput();
        return false;
    }
    if (!options.codeType.isEmpty() && options.picture) {
        error = Messages::codeAndPictureTogether();
        return false;
    }
    return true;
}

int runBatchPrint(const BatchOptions& options)
{
    ConsoleMessageSeam console;
    ScopedMessageSeam installed(console);
    // A log that cannot be written is noted on standard error by the log
    // itself and does not change the outcome.
    // Whatever fails unexpectedly (memory, say) fails the print: the run has
    // discarded its document by then, so nothing half-made is handed over.
    try {
        return printJob(options);
    } catch (const std::exception& e) {
        reportPrintFailure(e, false);
    }
    return BatchPrintFailed;
}

int batchPrintMain(int argc, char* argv[])
{
    // A standard stream the caller closed is opened on /dev/null, so that no
    // file opened later takes its number: a message would be written into
    // it, or standard input read from it.
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (::fcntl(stream, F_GETFD) < 0 && ::open("/dev/null", O_RDWR) < 0)
            break;
    }
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    BatchOptions options;
    {
        // The usage and the mistakes in the arguments are told in the user's
        // language too, before the application that prints exists: the
        // translations need an application of their own for as long.
        QCoreApplication console(argc, argv);
        installTranslations();
        QString error;
        if (!parseBatchArguments(arguments, options, error)) {
            toStderr(Messages::batchError(error));
            std::fputs(batchUsage().toLocal8Bit().constData(), stderr);
            return BatchUsageError;
        }
        if (options.help) {
            std::fputs(batchUsage().toLocal8Bit().constData(), stdout);
            return BatchPrinted;
        }
        if (options.version) {
            std::fputs((applicationTitle() + u' ' + FNGETVERSIONTEXT() + u'\n').toLocal8Bit().constData(), stdout);
            return BatchPrinted;
        }
    }

    // Interrupting the print (Ctrl+C, a stop from the session) discards the
    // document and its temporary files instead of leaving them behind.
    installInterruptHandlers();

    // Drawing text needs a GUI application, but no window is ever shown:
    // without a display the offscreen platform serves.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qInstallMessageHandler(quietToolkitMessages);
    QGuiApplication app(argc, argv);
    nameApplication();
    installTranslations();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        ScreenPixelsPerInch = qRound(screen->logicalDotsPerInch());
    useStoredFormatDefaults();
    return runBatchPrint(options);
}
