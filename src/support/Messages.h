#pragma once
// The one way the program talks to the user in a modal box, and the texts it
// tells the user. The running program installs a seam that shows QMessageBox;
// tests install a scripted one that records what was shown and answers from a
// queue.

#include <QString>
#include <QStringList>
#include <memory>

enum class MsgSign { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    // A modal box with a sign and buttons. Closing the box counts as Cancel
    // (as No where there is no Cancel button, as Ok for a lone OK button).
    virtual MsgAnswer ask(const QString& text, MsgSign sign, MsgButtons buttons,
                          const QString& caption = QString()) = 0;
    // The plain message box: the text and an OK button, no sign.
    virtual void show(const QString& text) = 0;
    // The system's default message beep.
    virtual void beep() = 0;

    void error(const QString& text) { ask(text, MsgSign::Error, MsgButtons::Ok); }
    void warning(const QString& text) { ask(text, MsgSign::Warning, MsgButtons::Ok); }
    void information(const QString& text) { ask(text, MsgSign::Information, MsgButtons::Ok); }
    MsgAnswer question(const QString& text, MsgButtons buttons = MsgButtons::YesNoCancel)
    {
        return ask(text, MsgSign::Question, buttons);
    }
};

// The seam in force. Until one is installed, messages go to standard error,
// which is what a program without a display (the batch printer) wants.
MessageSeam& messageSeam();

// Installs a seam for as long as the guard lives; the previous one comes back
// afterwards. The seam is not owned.
class ScopedMessageSeam {
public:
    explicit ScopedMessageSeam(MessageSeam& seam);
    ~ScopedMessageSeam();
    ScopedMessageSeam(const ScopedMessageSeam&) = delete;
    ScopedMessageSeam& operator=(const ScopedMessageSeam&) = delete;

private:
    MessageSeam* previous_;
};

// A seam for programs without windows: every message goes to standard error,
// questions are answered with their default (Cancel, No or Ok).
class ConsoleMessageSeam : public MessageSeam {
public:
    MsgAnswer ask(const QString& text, MsgSign sign, MsgButtons buttons, const QString& caption = QString()) override;
    void show(const QString& text) override;
    void beep() override {}
};

// Every text the program tells the user, by what it says: message boxes,
// status line texts, the batch printer's texts and the errors that reach the
// user. The texts are the program's own words and are used exactly as written
// here; "Messages" is their translation context.
namespace Messages {

// Files
QString cannotOpenFile(const QString& path);
QString cannotOpenFileBecause(const QString& path, const QString& reason);
QString cannotFindFile(const QString& name);
QString cannotCreateFile(const QString& path);
QString cannotCreateFileBecause(const QString& path, const QString& reason);
QString cannotCreateNonFile(const QString& path, const QString& kind);
QString cannotWriteFileBecause(const QString& path, const QString& reason);
QString cannotReadFile(const QString& path);
QString fileIsAFolder(const QString& path, const QString& wanted);
QString notAPlainFile(const QString& path);
QString streamWriteError();
QString streamError(const QString& message);
// What a name is that is not an ordinary file, as the refusals above put it.
QString kindFolder();
QString kindSymbolicLink();
QString kindDevice();
QString kindPipe();
QString kindSocket();
QString kindOther();

// Jobs and the command line
QString invalidJobFile();
QString jobFileTooLarge(qint64 megabytes, qint64 limit);
QString tableSettingsUnreadable();
QString takenFromJobFolder(const QString& names);
QString notAJobOrTemplate(const QString& name);
QString templateNeedsData(const QString& templateName);
QString unknownWindowOption(const QString& option);
QString lastCommandUnfinished();
QString notEnoughMemory();
QString unexpectedError(const QString& what);
QString cannotDrawPreviewPage(int page);
QString unitNotCatered(const QString& function);

// Data files
QString aDataFile();
QString dataFileTooLarge(const QString& path, const QString& megabytes, const QString& limit);
QString utf32NotRead(const QString& path);

// Boxes the user typed into
QString notAValidValue(const QString& text);
QString notAValidNumber(const QString& caption, const QString& text);
QString notAValidPositiveNumber(const QString& caption, const QString& text);
QString notAValidPositiveInteger(const QString& caption, const QString& text);
QString notAValidPositiveLength(const QString& caption, const QString& text);
QString invalidDimensions();
QString labelsDoNotFit();
QString defaultsSaved();

// The label catalogue
QString noCatalogueFound(const QString& folder, const QString& package);
QString catalogueHoldsNoSheets(const QString& folder, const QString& package);

// Printing
QString noPrinterInstalled();
QString noPrinterInstalledAddOne();
QString printBusy();
QString abortPrintQuestion();
QString noLabelsToPrint();
QString chosenPagesEmpty();
QString pagesSent(qint64 pages, const QString& destination);
QString printProgress(qint32 sent, qint32 total);
QString printAbortedNothingPrinted();
QString printerRefusedDocument();
QString printerRefusedPage();
QString notPrinting();
QString printingFailed(const QString& cause);
QString outOfMemory();
QString tooManyPagesForWindows(qint32 pages, qint32 limit);
QString tooManyPagesForDocument(qint64 pages, qint64 limit);
QString cannotPrintToNonFile(const QString& path, const QString& kind);
QString fileNotWrittenCompletely(const QString& path);
QString noUsableFont(const QString& font);

// Printer calibration
QString notAFloatingPointValue(const QString& text);
QString notAnIntegerValue(const QString& text);
QString scaleOutOfRange(const QString& name, const QString& scale, const QString& lowest, const QString& highest);
QString shiftOffPaper(const QString& name, const QString& shift, const QString& shiftMm, const QString& paperMm,
                      const QString& side);
QString unusableCalibration(const QString& printer, const QString& fault);
QString measuredSizeZero(const QString& caption);
QString measuredSizeTooSmall(const QString& caption, const QString& smallest, const QString& unit,
                             const QString& highestScale);
QString measureAgain(const QString& caption);
QString adjustmentAllowed(const QString& amount, const QString& unit, const QString& direction);

// The error log
QString errorLogUnwritable(const QString& path, const QString& reason);
QString notAnOrdinaryFile();
QString versionNotAvailable();

// Pictures and drawings: why a drawing is not read completes "it ...".
QString drawingRefused(const QString& path, const QString& reason);
QString drawingTooLarge(const QString& path);
QString notAReadableDrawing(const QString& path);
QString cannotReadPicture(const QString& path, const QString& reason);
QString svgEmbedsUnknownBitmap();
QString svgEmbedsUnreadablePicture();
QString svgDrawsTooManyElements(qint64 limit);
QString svgNestsUseTooDeep(qint64 limit);
QString svgReferenceLoop();
QString svgCompressed();
QString svgLargerThan16Mb();
QString svgDeclaresEntities();
QString svgProcessingInstruction(const QString& target);
QString svgTooManyElements(qint64 limit);
QString svgNestsTooDeep(qint64 limit);
QString svgTooManyGradientStops(qint64 limit);
QString svgOutsidePicture(const QString& reference);
QString svgTooManyEmbeddedPixels(qint64 millions);
QString svgOutsideReference(const QString& reference);
QString svgTooMuchText(qint64 limit);
QString svgOutsideStyleSheet();
QString svgNotWellFormed(const QString& error);

// Table data and its layout
QString layoutNamesMissingField(const QString& field);
QString layoutBraceNotClosed(int line);
QString layoutNumberInvalid(const QString& placeholder);
QString unclosedQuote(qint64 row);
QString anotherUnclosedQuote(qint64 row);

// The About box
QString aboutQuotation();

// Unexpected failures
QString unknownErrorKind();
QString readErrorLogged(const QString& function, const QString& kind, const QString& message);

// Object streams (job and template files): what the error log records.
QString streamReadError();
QString invalidPropertyValue();
QString invalidStreamFormat();
QString invalidPropertyPath();
QString propertyDoesNotExist(const QString& name);
QString errorReadingProperty(const QString& object, const QString& path, const QString& message);
QString classNotFound(const QString& name);
QString invalidObjectText(const QString& what);
QString objectExpected();
QString nestedObjectsUnsupported();
QString equalsExpectedAfter(const QString& word);
QString textAfterEnd();
QString identifierExpected();
QString unterminatedString();
QString badCharacterCode();
QString valueExpected();
QString commaOrBracketExpected();
QString badNumber(const QString& number);
QString unexpectedCharacter(const QString& character);

// The settings store: what the error log records.
QString settingsListItemMissing(const QString& value);
QString settingsLinesUnreadable(const QString& path, const QString& lines, const QString& more, const QString& copy);
QString andMore();
QString notCalibrated();

// The label catalogue: what the error log records of what is skipped.
QString catalogueFileSkipped(const QString& path, const QString& reason);
QString catalogueProductSkipped(const QString& file, qint64 line, const QString& brand, const QString& part,
                                const QString& problem);
QString catalogueProductUnnamed(const QString& file, qint64 line);
QString catalogueNoXml();
QString catalogueValueMissing(const QString& what);
QString catalogueNotALength(const QString& what, const QString& text);
QString catalogueNotAWholeNumber(const QString& what, const QString& text);
QString catalogueUnknownPaperSize(const QString& size);
QString catalogueEquivalentMissing(const QString& brand, const QString& part);
QString catalogueEquivalentCircle();

// Loading a job's data
QString cannotFindDataFile(const QString& fileName);
// With the reason on a line of its own when there is one.
QString cannotLoadDataFile(const QString& fileName, const QString& reason);
QString jobNamesNoDataFile();
QString dataFileHoldsNoLabels(const QString& fileName);
QString textLooksLikeTable();
// "First row read as column names: " and the names as shown.
QString firstRowReadAsNames(const QString& names);
// The main window's notes on a table, with where to change what they say.
QString headerNoteWithFields(const QString& headerNote);
QString layoutNamesMissingFields(const QStringList& fields);
QString layoutProblemWithFields(const QString& problem);
// The batch printer's note on a header taken from the file, with the option
// that prints the row instead.
QString headerNoteWithOption(const QString& headerNote);

// File commands
QString cannotFindPath(const QString& folder);
QString cannotSaveWithoutName();
QString invalidTemplateExtension(const QString& extension);
QString invalidJobExtension(const QString& extension);
QString overwriteQuestion(const QString& name);
QString saveJobFirst();
QString saveTemplateFirst();
QString cannotOpenJob(const QString& name);
QString cannotOpenTemplate(const QString& name);
QString notEnoughMemoryToRead(const QString& name);

// The batch printer
QString batchUsage();
// An error as the batch printer writes it: "gorvin: " and the error.
QString batchError(const QString& error);
QString jobHasNoPaperSize();
// Printing over a file the job reads: "Cannot print to 'F': it is the job file."
QString cannotPrintOver(const QString& path, const QString& what);
QString theJobFile();
QString theJobsDataFile();
QString theJobsTemplate();
QString theJobsPicture();
QString noSuchPage(qint64 pages, qint64 page);
QString printerNotFound(const QString& name);
QString noDefaultPrinter();
QString nothingToPrint();
QString printingAborted();
QString optionNeedsValue(const QString& option);
// "--output needs a file name."
QString optionNeedsA(const QString& option, const QString& what);
QString aFileName();
QString aPrinterName();
QString optionTakesWholeNumber(const QString& option, qint64 low, qint64 high, const QString& text);
QString optionTakesNoValue(const QString& option);
QString printNeedsJobFile();
QString pagesOptionInvalid(const QString& text);
QString headerOptionInvalid(const QString& text);
QString unknownOption(const QString& option);
QString unexpectedArgument(const QString& argument);
QString outputAndPrinterTogether();

// Codes made from a text
QString codeTakesDigitsOnly(const QString& kind, const QString& text, const QString& character);
QString codeDigitCount(const QString& kind, qint64 digits, const QString& text, qint64 length);
QString codeWrongCheckDigit(const QString& kind, const QString& text, int given, int expected);
QString codeTextEmpty(const QString& kind);
QString codeTextHalfPair(const QString& kind);
QString codeTextTooLong(const QString& kind, qint64 bytes, qint64 limit);
QString code39SmallLetter(const QString& text, const QString& character);
QString codeOutOfMemory(const QString& kind);
QString codeCannotEncode(const QString& kind, const QString& text, const QString& reason);
QString codeCameOutEmpty(const QString& kind, const QString& text);

// Serial numbers and chosen labels
QString serialNotWholeNumber(const QString& text);
QString serialFromAboveTo(const QString& from, const QString& to);
QString serialTooMany(qint64 count, qint64 limit);
QString labelListEmpty();
QString labelListInvalid(const QString& part);
QString labelListOutside(const QString& part, qint64 count);
QString jobExtrasUnreadable();

// Codes and pictures on labels (drawing and checking)
// "Label 17: EAN-13 takes 12 or 13 digits, not 'AB12'"
QString labelProblem(qint64 number, const QString& reason);
QString unknownCodeKind(const QString& name);
QString labelPictureMissing(const QString& path);

// Codes, pictures and numbers in the batch printer
QString optionProblem(const QString& option, const QString& problem);
QString codeOptionInvalid(const QString& text);
QString unknownCodeKind(const QString& name, const QString& kinds);
QString codeAndPictureTogether();
QString printingInterrupted();
QString pictureOptionNotFound(const QString& name);
QString serialOptionInvalid(const QString& text);
QString serialWithData();
QString dataFormatInvalid(const QString& text);
QString dataFormatNeedsStandardInput();
QString headerNeedsTable(const QString& what);
QString quotedName(const QString& name);
QString standardInput();
QString serialNumbersHaveNoHeader();
QString jobCodeTextProblem(const QString& problem);
QString jobPictureNameProblem(const QString& problem);
QString standardInputHoldsNoLabels();
QString stdinTooLarge(const QString& limitMegabytes);
QString stdinCannotBeRead(const QString& reason);
QString stdinCannotBeKept(const QString& folder, const QString& reason);
QString labelsCannotBePrinted(qint64 failed);
QString moreLabelsCannotBePrinted(qint64 more);

// Codes, serial numbers and chosen labels in the window
// "Serial numbers 0007 to 0012", where the data file's name shows
QString serialNumbersShown(const QString& from, const QString& to);
// "The data hold 120 labels."
QString dataLabelCount(qint64 count);
// "Printing labels 2-5, 9 (5 of 120)"
QString labelsChosenNote(const QString& list, qint64 chosen, qint64 count);
QString allLabelsChosenNote();
// A text with fields that the data cannot fill, in the format dialog
QString codeContentProblem(const QString& problem);
QString pictureNameProblem(const QString& problem);
QString codeNeedsContent();
// Before a print: "3 labels cannot be printed:" with the first reasons
QString labelsCannotBePrinted(qint64 failed, const QStringList& reasons, bool more);

} // namespace Messages

namespace Messages {

// What the main window tells of its job, and how long a print has to go
// "address-labels.GVJ[*] — Gorvin": the window title with the desktop's
// changed mark
QString windowTitle(const QString& jobName);
// The name of a job not yet saved
QString untitledJob();
// "2,316 labels on 78 pages", digits grouped as the user's locale does
QString labelsOnPages(qint64 labels, qint64 pages);
// "less than a minute left", "about 2 minutes left", "about 3 hours left"
QString timeLeft(qint64 seconds);
// "page 3 of 78", with the time left on a second line once it is known
// (a negative `secondsLeft`: not yet)
QString printProgressWithTime(qint32 sent, qint32 total, qint64 secondsLeft);

// The main window's empty field, while no job is open.
QString emptyWindowHint(const QString& openJobKeys);
} // namespace Messages
