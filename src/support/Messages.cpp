#include "Messages.h"

#include "support/Maker.h"

#include <QCoreApplication>
#include <QLocale>

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

namespace Messages {

namespace {

// Where label sheets by product code come from, told after a catalogue that
// cannot be used.
QString catalogueSource(const QString& folder, const QString& package)
{
    return QCoreApplication::translate("Messages", "Label sheets by product code come from the label catalogue that "
                                                   "the package %1 installs in %2.\n\rInstall it (for example with: "
                                                   "sudo apt install %1) and choose this command again.")
        .arg(package, folder);
}

} // namespace

QString cannotOpenFile(const QString& path)
{
    return QCoreApplication::translate("Messages", "Cannot open file %1").arg(path);
}

QString cannotOpenFileBecause(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Messages", "Cannot open file \"%1\". %2").arg(path, reason);
}

QString cannotFindFile(const QString& name)
{
    return QCoreApplication::translate("Messages", "Cannot find file '%1'").arg(name);
}

QString cannotCreateFile(const QString& path)
{
    return QCoreApplication::translate("Messages", "Cannot create file %1").arg(path);
}

QString cannotCreateFileBecause(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Messages", "Cannot create file %1: %2").arg(path, reason);
}

QString cannotCreateNonFile(const QString& path, const QString& kind)
{
    return QCoreApplication::translate("Messages", "Cannot create file %1: it is %2, not an ordinary file.")
        .arg(path, kind);
}

QString cannotWriteFileBecause(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Messages", "Cannot write file %1: %2").arg(path, reason);
}

QString cannotReadFile(const QString& path)
{
    return QCoreApplication::translate("Messages", "Cannot read file %1").arg(path);
}

QString fileIsAFolder(const QString& path, const QString& wanted)
{
    return QCoreApplication::translate("Messages", "%1 is a folder, not %2").arg(path, wanted);
}

QString notAPlainFile(const QString& path)
{
    return QCoreApplication::translate("Messages", "%1 is not a plain file").arg(path);
}

QString streamWriteError()
{
    return QCoreApplication::translate("Messages", "Stream write error");
}

QString streamError(const QString& message)
{
    return QCoreApplication::translate("Messages", "Stream error occured with message\n\r%1").arg(message);
}

QString kindFolder()
{
    return QCoreApplication::translate("Messages", "a folder");
}

QString kindSymbolicLink()
{
    return QCoreApplication::translate("Messages", "a symbolic link");
}

QString kindDevice()
{
    return QCoreApplication::translate("Messages", "a device");
}

QString kindPipe()
{
    return QCoreApplication::translate("Messages", "a pipe");
}

QString kindSocket()
{
    return QCoreApplication::translate("Messages", "a socket");
}

QString kindOther()
{
    return QCoreApplication::translate("Messages", "something other");
}

QString invalidJobFile()
{
    return QCoreApplication::translate("Messages", "Invalid or corrupt job file.");
}

QString jobFileTooLarge(qint64 megabytes, qint64 limit)
{
    return QCoreApplication::translate("Messages",
                                       "The file holds %1 MB; job and template files larger than %2 MB are not read")
        .arg(QString::number(megabytes), QString::number(limit));
}

QString tableSettingsUnreadable()
{
    return QCoreApplication::translate(
        "Messages", "The job's table settings cannot be read: the table is laid out by the default settings.");
}

QString takenFromJobFolder(const QString& names)
{
    return QCoreApplication::translate("Messages", "Not where the job names them, so taken from the job's folder: %1")
        .arg(names);
}

QString notAJobOrTemplate(const QString& name)
{
    return QCoreApplication::translate(
               "Messages", "Cannot open '%1': %2 opens job files (.GVJ, .GVL) and template files (.GVT, .GVR).")
        .arg(name, applicationTitle());
}

QString templateNeedsData(const QString& templateName)
{
    return QCoreApplication::translate("Messages",
                                       "The template '%1' given with /T= opens only with a data file given with /D=.")
        .arg(templateName);
}

QString unknownWindowOption(const QString& option)
{
    return QCoreApplication::translate("Messages", "%1: Unknown option %2.\n")
        .arg(applicationTitle().toLower(), option);
}

QString lastCommandUnfinished()
{
    return QCoreApplication::translate("Messages", "The last command did not finish.");
}

QString notEnoughMemory()
{
    return QCoreApplication::translate("Messages", "There is not enough memory.");
}

QString unexpectedError(const QString& what)
{
    return QCoreApplication::translate("Messages", "Unexpected error: %1").arg(what);
}

QString cannotDrawPreviewPage(int page)
{
    return QCoreApplication::translate("Messages", "Cannot draw page %1 of the preview").arg(page);
}

QString unitNotCatered(const QString& function)
{
    return QCoreApplication::translate("Messages", "Current units not catered for in\n\rFUNCTION %1 in UTILSMATH")
        .arg(function);
}

QString aDataFile()
{
    return QCoreApplication::translate("Messages", "a data file");
}

QString dataFileTooLarge(const QString& path, const QString& megabytes, const QString& limit)
{
    return QCoreApplication::translate("Messages",
                                       "The file %1 holds %2 MB; data files larger than %3 MB are not read.")
        .arg(path, megabytes, limit);
}

QString utf32NotRead(const QString& path)
{
    return QCoreApplication::translate("Messages",
                                       "The file %1 is UTF-32 text, which is not read; save it as UTF-8 (or UTF-16).")
        .arg(path);
}

QString notAValidValue(const QString& text)
{
    return QCoreApplication::translate("Messages", "%1 is not a valid value.").arg(text);
}

QString notAValidNumber(const QString& caption, const QString& text)
{
    return QCoreApplication::translate("Messages", "%1: '%2' is not a valid number.").arg(caption, text);
}

QString notAValidPositiveNumber(const QString& caption, const QString& text)
{
    return QCoreApplication::translate("Messages", "%1: '%2' is not a valid positive number.").arg(caption, text);
}

QString notAValidPositiveInteger(const QString& caption, const QString& text)
{
    return QCoreApplication::translate("Messages", "%1: '%2' is not a valid positive integer").arg(caption, text);
}

QString notAValidPositiveLength(const QString& caption, const QString& text)
{
    return QCoreApplication::translate("Messages", "%1: '%2' is not a valid positive number").arg(caption, text);
}

QString invalidDimensions()
{
    return QCoreApplication::translate("Messages", "Invalid dimensions.");
}

QString labelsDoNotFit()
{
    return QCoreApplication::translate("Messages", "Labels do not fit on page.");
}

QString defaultsSaved()
{
    return QCoreApplication::translate("Messages", "Defaults saved.");
}

QString noCatalogueFound(const QString& folder, const QString& package)
{
    return QCoreApplication::translate("Messages", "No label catalogue was found in %1.\n\r").arg(folder)
           + catalogueSource(folder, package);
}

QString catalogueHoldsNoSheets(const QString& folder, const QString& package)
{
    return QCoreApplication::translate(
               "Messages", "The label catalogue in %1 holds no label sheet that a template can be made from.\n\r")
               .arg(folder)
           + catalogueSource(folder, package);
}

QString noPrinterInstalled()
{
    return QCoreApplication::translate("Messages", "No printer is installed.");
}

QString noPrinterInstalledAddOne()
{
    return QCoreApplication::translate("Messages", "No printer is installed. Add a printer to the print system first.");
}

QString printBusy()
{
    return QCoreApplication::translate(
        "Messages", "A print is in progress.\n\rWait for it to finish, or close the program to abort it.");
}

QString abortPrintQuestion()
{
    return QCoreApplication::translate("Messages", "Printing in operation.\n\rDo you wish to abort print job?");
}

QString noLabelsToPrint()
{
    return QCoreApplication::translate("Messages", "The data file holds no labels: there is nothing to print.");
}

QString chosenPagesEmpty()
{
    return QCoreApplication::translate("Messages", "The chosen pages hold nothing to print.");
}

QString pagesSent(qint64 pages, const QString& destination)
{
    return QCoreApplication::translate("Messages", "%1 pages sent to %2").arg(QString::number(pages), destination);
}

QString printProgress(qint32 sent, qint32 total)
{
    return QCoreApplication::translate("Messages", "page %1 of %2").arg(sent).arg(total);
}

QString printAbortedNothingPrinted()
{
    return QCoreApplication::translate("Messages", "Printing aborted: nothing was printed.");
}

QString printerRefusedDocument()
{
    return QCoreApplication::translate("Messages", "The printer did not take the document.");
}

QString printerRefusedPage()
{
    return QCoreApplication::translate("Messages", "The printer did not take the page.");
}

QString notPrinting()
{
    return QCoreApplication::translate("Messages", "Not printing?");
}

QString printingFailed(const QString& cause)
{
    return QCoreApplication::translate("Messages", "Printing failed: %1").arg(cause);
}

QString outOfMemory()
{
    return QCoreApplication::translate("Messages", "out of memory");
}

QString tooManyPagesForWindows(qint32 pages, qint32 limit)
{
    return QCoreApplication::translate(
               "Messages",
               "Your job contains %1 pages.\n\rWindows print routine curently\n\rsupports a maximum of %2 pages.")
        .arg(pages)
        .arg(limit);
}

QString tooManyPagesForDocument(qint64 pages, qint64 limit)
{
    return QCoreApplication::translate("Messages", "the print has %1 pages; one document can hold at most %2.")
        .arg(pages)
        .arg(limit);
}

QString cannotPrintToNonFile(const QString& path, const QString& kind)
{
    return QCoreApplication::translate("Messages", "Cannot print to '%1': it is %2, not an ordinary file.")
        .arg(path, kind);
}

QString fileNotWrittenCompletely(const QString& path)
{
    return QCoreApplication::translate("Messages", "the file %1 was not written completely").arg(path);
}

QString noUsableFont(const QString& font)
{
    return QCoreApplication::translate("Messages",
                                       "no usable font: neither '%1' nor any font in its place has letters to print "
                                       "(install fonts, for example the package fonts-liberation).")
        .arg(font);
}

QString notAFloatingPointValue(const QString& text)
{
    return QCoreApplication::translate("Messages", "'%1' is not a valid floating point value").arg(text);
}

QString notAnIntegerValue(const QString& text)
{
    return QCoreApplication::translate("Messages", "'%1' is not a valid integer value").arg(text);
}

QString scaleOutOfRange(const QString& name, const QString& scale, const QString& lowest, const QString& highest)
{
    return QCoreApplication::translate("Messages", "%1 is %2, and a scale must lie between %3 and %4.")
        .arg(name, scale, lowest, highest);
}

QString shiftOffPaper(const QString& name, const QString& shift, const QString& shiftMm, const QString& paperMm,
                      const QString& side)
{
    return QCoreApplication::translate("Messages", "%1 is %2 (%3 mm), which moves the print off the paper, %4 mm %5.")
        .arg(name, shift, shiftMm, paperMm, side);
}

QString unusableCalibration(const QString& printer, const QString& fault)
{
    return QCoreApplication::translate("Messages", "The calibration stored for printer '%1' cannot be used: "
                                                   "%2\n\rCalibrate the printer again with File > Calibrate printer.")
        .arg(printer, fault);
}

QString measuredSizeZero(const QString& caption)
{
    return QCoreApplication::translate("Messages", "The %1 cannot be 0.").arg(caption);
}

QString measuredSizeTooSmall(const QString& caption, const QString& smallest, const QString& unit,
                             const QString& highestScale)
{
    return QCoreApplication::translate("Messages",
                                       "The %1 must be at least %2 %3 (a smaller one means a scale above %4).")
        .arg(caption, smallest, unit, highestScale);
}

QString measureAgain(const QString& caption)
{
    return QCoreApplication::translate("Messages", "\n\rEnter the %1 of the solid box as measured on the test page.")
        .arg(caption);
}

QString adjustmentAllowed(const QString& amount, const QString& unit, const QString& direction)
{
    return QCoreApplication::translate("Messages", "Only %1 %2 %3 adjustment allowed.").arg(amount, unit, direction);
}

QString errorLogUnwritable(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Messages", "The error log %1 could not be written: %2").arg(path, reason);
}

QString notAnOrdinaryFile()
{
    return QCoreApplication::translate("Messages", "it is not an ordinary file");
}

QString versionNotAvailable()
{
    return QCoreApplication::translate("Messages", "Version number not available.");
}

QString drawingRefused(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Messages", "The drawing %1 is not read: it %2.").arg(path, reason);
}

QString drawingTooLarge(const QString& path)
{
    return QCoreApplication::translate("Messages", "%1 is too large for a drawing (more than 16 MB).").arg(path);
}

QString notAReadableDrawing(const QString& path)
{
    return QCoreApplication::translate("Messages", "%1 is not a readable SVG drawing.").arg(path);
}

QString cannotReadPicture(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Messages", "Cannot read the picture %1: %2").arg(path, reason);
}

QString svgEmbedsUnknownBitmap()
{
    return QCoreApplication::translate("Messages", "embeds a picture that is not a PNG, JPEG, GIF or BMP bitmap");
}

QString svgEmbedsUnreadablePicture()
{
    return QCoreApplication::translate("Messages", "embeds a picture that cannot be read");
}

QString svgDrawsTooManyElements(qint64 limit)
{
    return QCoreApplication::translate("Messages", "draws more than %1 elements through its <use> references")
        .arg(limit);
}

QString svgNestsUseTooDeep(qint64 limit)
{
    return QCoreApplication::translate("Messages", "nests <use> references more than %1 deep (or in a loop)")
        .arg(limit);
}

QString svgReferenceLoop()
{
    return QCoreApplication::translate("Messages", "holds references that form a loop");
}

QString svgCompressed()
{
    return QCoreApplication::translate("Messages", "is compressed (.svgz); only plain SVG drawings are read");
}

QString svgLargerThan16Mb()
{
    return QCoreApplication::translate("Messages", "is larger than 16 MB");
}

QString svgDeclaresEntities()
{
    return QCoreApplication::translate("Messages", "declares a document type or entities");
}

QString svgProcessingInstruction(const QString& target)
{
    return QCoreApplication::translate("Messages", "holds the processing instruction <?%1?>").arg(target);
}

QString svgTooManyElements(qint64 limit)
{
    return QCoreApplication::translate("Messages", "has more than %1 elements").arg(limit);
}

QString svgNestsTooDeep(qint64 limit)
{
    return QCoreApplication::translate("Messages", "nests elements more than %1 deep").arg(limit);
}

QString svgTooManyGradientStops(qint64 limit)
{
    return QCoreApplication::translate("Messages", "has a gradient of more than %1 stops").arg(limit);
}

QString svgOutsidePicture(const QString& reference)
{
    return QCoreApplication::translate(
               "Messages", "refers to the picture \"%1\" outside it; only pictures embedded as data: URLs are read")
        .arg(reference);
}

QString svgTooManyEmbeddedPixels(qint64 millions)
{
    return QCoreApplication::translate("Messages", "embeds pictures of more than %1 million pixels together")
        .arg(millions);
}

QString svgOutsideReference(const QString& reference)
{
    return QCoreApplication::translate("Messages", "refers to \"%1\" outside it").arg(reference);
}

QString svgTooMuchText(qint64 limit)
{
    return QCoreApplication::translate("Messages", "holds more than %1 characters of text").arg(limit);
}

QString svgOutsideStyleSheet()
{
    return QCoreApplication::translate("Messages", "imports a style sheet from outside it");
}

QString svgNotWellFormed(const QString& error)
{
    return QCoreApplication::translate("Messages", "is not well-formed XML (%1)").arg(error);
}

QString layoutNamesMissingField(const QString& field)
{
    return QCoreApplication::translate("Messages", "The layout names the field %1, which the data does not have.")
        .arg(field);
}

QString layoutBraceNotClosed(int line)
{
    return QCoreApplication::translate("Messages", "The '{' in line %1 of the layout is not closed by '}'.").arg(line);
}

QString layoutNumberInvalid(const QString& placeholder)
{
    return QCoreApplication::translate("Messages",
                                       "%1 is no label number: after # come digits only, as in {#} or {#0001}.")
        .arg(placeholder);
}

QString unclosedQuote(qint64 row)
{
    return QCoreApplication::translate(
               "Messages", "Row %1 opens a quoted field that is never closed; its quote mark is read as text.")
        .arg(row);
}

QString anotherUnclosedQuote(qint64 row)
{
    return QCoreApplication::translate("Messages", " Row %1 opens another, which runs to the end of the file.")
        .arg(row);
}

QString aboutQuotation()
{
    return QCoreApplication::translate(
        "Messages", "To see a World in a Grain of Sand\n\rAnd a Heaven in a Wild Flower,\n\rHold Infinity in the palm "
                    "of your hand\n\rAnd Eternity in an hour.\n\r\n\rWilliam Blake");
}

QString unknownErrorKind()
{
    return QCoreApplication::translate("Messages", "an error of unknown kind");
}

QString readErrorLogged(const QString& function, const QString& kind, const QString& message)
{
    return QCoreApplication::translate("Messages", "FUNCTION %1 raised EFilerError [classname=%2] with message:\"%3\"")
        .arg(function, kind, message);
}

QString streamReadError()
{
    return QCoreApplication::translate("Messages", "Stream read error");
}

QString invalidPropertyValue()
{
    return QCoreApplication::translate("Messages", "Invalid property value");
}

QString invalidStreamFormat()
{
    return QCoreApplication::translate("Messages", "Invalid stream format");
}

QString invalidPropertyPath()
{
    return QCoreApplication::translate("Messages", "Invalid property path");
}

QString propertyDoesNotExist(const QString& name)
{
    return QCoreApplication::translate("Messages", "Property %1 does not exist").arg(name);
}

QString errorReadingProperty(const QString& object, const QString& path, const QString& message)
{
    return QCoreApplication::translate("Messages", "Error reading %1.%2: %3").arg(object, path, message);
}

QString classNotFound(const QString& name)
{
    return QCoreApplication::translate("Messages", "Class %1 not found").arg(name);
}

QString invalidObjectText(const QString& what)
{
    return QCoreApplication::translate("Messages", "Invalid object text: %1").arg(what);
}

QString objectExpected()
{
    return QCoreApplication::translate("Messages", "'object' expected");
}

QString nestedObjectsUnsupported()
{
    return QCoreApplication::translate("Messages", "nested objects are not supported");
}

QString equalsExpectedAfter(const QString& word)
{
    return QCoreApplication::translate("Messages", "'=' expected after %1").arg(word);
}

QString textAfterEnd()
{
    return QCoreApplication::translate("Messages", "text after 'end'");
}

QString identifierExpected()
{
    return QCoreApplication::translate("Messages", "identifier expected");
}

QString unterminatedString()
{
    return QCoreApplication::translate("Messages", "unterminated string");
}

QString badCharacterCode()
{
    return QCoreApplication::translate("Messages", "bad character code");
}

QString valueExpected()
{
    return QCoreApplication::translate("Messages", "value expected");
}

QString commaOrBracketExpected()
{
    return QCoreApplication::translate("Messages", "',' or ']' expected");
}

QString badNumber(const QString& number)
{
    return QCoreApplication::translate("Messages", "bad number %1").arg(number);
}

QString unexpectedCharacter(const QString& character)
{
    return QCoreApplication::translate("Messages", "unexpected '%1'").arg(character);
}

QString settingsListItemMissing(const QString& value)
{
    return QCoreApplication::translate("Messages", "Value (%1) missing in registry list of items.").arg(value);
}

QString settingsLinesUnreadable(const QString& path, const QString& lines, const QString& more, const QString& copy)
{
    return QCoreApplication::translate("Messages",
                                       "The settings file %1 has lines that cannot be read (line %2%3). They are kept "
                                       "as they are, and a copy of the file as it was is kept as %4.")
        .arg(path, lines, more, copy);
}

QString andMore()
{
    return QCoreApplication::translate("Messages", " and more");
}

QString notCalibrated()
{
    return QCoreApplication::translate("Messages", "Has not been calibrated yet.");
}

QString catalogueFileSkipped(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Messages", "Label catalogue file skipped: %1: %2").arg(path, reason);
}

QString catalogueProductSkipped(const QString& file, qint64 line, const QString& brand, const QString& part,
                                const QString& problem)
{
    return QCoreApplication::translate("Messages", "Label catalogue product skipped: %1 line %2: %3 %4: %5")
        .arg(file, QString::number(line), brand, part, problem);
}

QString catalogueProductUnnamed(const QString& file, qint64 line)
{
    return QCoreApplication::translate(
               "Messages", "Label catalogue product skipped: %1 line %2: the brand or part number is missing")
        .arg(file, QString::number(line));
}

QString catalogueNoXml()
{
    return QCoreApplication::translate("Messages", "the file holds no XML document");
}

QString catalogueValueMissing(const QString& what)
{
    return QCoreApplication::translate("Messages", "the %1 is missing").arg(what);
}

QString catalogueNotALength(const QString& what, const QString& text)
{
    return QCoreApplication::translate("Messages", "the %1 '%2' is not a length").arg(what, text);
}

QString catalogueNotAWholeNumber(const QString& what, const QString& text)
{
    return QCoreApplication::translate("Messages", "the %1 '%2' is not a whole number").arg(what, text);
}

QString catalogueUnknownPaperSize(const QString& size)
{
    return QCoreApplication::translate("Messages", "the paper size '%1' is not known").arg(size);
}

QString catalogueEquivalentMissing(const QString& brand, const QString& part)
{
    return QCoreApplication::translate("Messages", "'equiv' names %1 %2, which is not in the catalogue")
        .arg(brand, part);
}

QString catalogueEquivalentCircle()
{
    return QCoreApplication::translate("Messages", "its 'equiv' products name each other in a circle");
}

// ---------------------------------------------------------------- loading data

QString cannotFindDataFile(const QString& fileName)
{
    return QCoreApplication::translate("Messages", "Cannot find data file '%1'").arg(fileName);
}

QString cannotLoadDataFile(const QString& fileName, const QString& reason)
{
    if (reason.isEmpty())
        return QCoreApplication::translate("Messages", "Cannot load data file '%1'").arg(fileName);
    return QCoreApplication::translate("Messages", "Cannot load data file '%1'\n\r%2").arg(fileName, reason);
}

QString jobNamesNoDataFile()
{
    return QCoreApplication::translate("Messages", "The job names no data file.");
}

QString dataFileHoldsNoLabels(const QString& fileName)
{
    return QCoreApplication::translate("Messages", "The data file '%1' holds no labels.").arg(fileName);
}

QString textLooksLikeTable()
{
    return QCoreApplication::translate("Messages",
                                       "This looks like a table: rename it to .csv to print one label a row");
}

QString firstRowReadAsNames(const QString& names)
{
    return QCoreApplication::translate("Messages", "First row read as column names: %1").arg(names);
}

QString headerNoteWithFields(const QString& headerNote)
{
    return QCoreApplication::translate("Messages", "%1 \u2014 Data > Fields to change").arg(headerNote);
}

QString layoutNamesMissingFields(const QStringList& fields)
{
    return QCoreApplication::translate("Messages",
                                       "The layout names %1, which this table does not have: every field prints on a "
                                       "line of its own until it fits \u2014 Data > Fields to change")
        .arg(fields.join(QStringLiteral(", ")));
}

QString layoutProblemWithFields(const QString& problem)
{
    return QCoreApplication::translate("Messages",
                                       "%1 Every field prints on a line of its own \u2014 Data > Fields to change")
        .arg(problem);
}

QString headerNoteWithOption(const QString& headerNote)
{
    return QCoreApplication::translate("Messages", "%1 (--header no prints it as a label)").arg(headerNote);
}

// ---------------------------------------------------------------- file commands and the batch printer

QString cannotFindPath(const QString& folder)
{
    return QCoreApplication::translate("Messages", "Cannot find path \"%1\"").arg(folder);
}

QString cannotSaveWithoutName()
{
    return QCoreApplication::translate("Messages", "Cannot save file with no name.");
}

QString invalidTemplateExtension(const QString& extension)
{
    return QCoreApplication::translate("Messages", "Invalid template file extension \"%1\"").arg(extension);
}

QString invalidJobExtension(const QString& extension)
{
    return QCoreApplication::translate("Messages", "Invalid job file extension \"%1\"").arg(extension);
}

QString overwriteQuestion(const QString& name)
{
    return QCoreApplication::translate("Messages", "Overwrite '%1' ?").arg(name);
}

QString saveJobFirst()
{
    return QCoreApplication::translate("Messages", "Save current job first?");
}

QString saveTemplateFirst()
{
    return QCoreApplication::translate("Messages", "Save current template first?");
}

QString cannotOpenJob(const QString& name)
{
    return QCoreApplication::translate("Messages", "Cannot open the job '%1'").arg(name);
}

QString cannotOpenTemplate(const QString& name)
{
    return QCoreApplication::translate("Messages", "Cannot open the template '%1'").arg(name);
}

QString notEnoughMemoryToRead(const QString& name)
{
    return QCoreApplication::translate("Messages", "There is not enough memory to read %1").arg(name);
}

QString batchUsage()
{
    return QCoreApplication::translate("Messages",
                                       "Usage: gorvin --print JOB.GVJ [options]\n"
                                       "  or:  gorvin --help | -h\n"
                                       "  or:  gorvin --version\n"
                                       "\n"
                                       "Prints the labels of a job without opening a window, as File > Print does:\n"
                                       "all pages, after reading the data file the job names.\n"
                                       "\n"
                                       "  --output FILE.pdf  write a PDF of the template's paper size instead of\n"
                                       "                     printing (no calibration, no printer margins); only a\n"
                                       "                     new name or an ordinary file is written, never a\n"
                                       "                     folder, device or pipe\n"
                                       "  --printer NAME     print on this printer with its stored calibration\n"
                                       "                     (without --output or --printer: the default printer)\n"
                                       "  --pages FROM-TO    print only these pages (or --pages N for one page)\n"
                                       "  --copies N         number of copies, 1 to 9999\n"
                                       "  --collate          print the range once per copy (1 2 3 1 2 3); without it\n"
                                       "                     the printer makes the copies of each page (a PDF file\n"
                                       "                     gets each page N times in a row: 1 1 2 2 3 3)\n"
                                       "  --outline          print the template's outline page instead, as\n"
                                       "                     Template > Print does\n"
                                       "  --data FILE        read the labels from FILE instead of the job's data file\n"
                                       "  --data -           read the labels from standard input (text blocks,\n"
                                       "                     unless --data-format says otherwise); picture names\n"
                                       "                     in the data are taken from the current folder\n"
                                       "  --data-format csv|tsv|text\n"
                                       "                     what standard input holds (with --data - only)\n"
                                       "  --serial FROM-TO   print serial numbers instead of data, e.g. 0007-0012\n"
                                       "                     (written as wide as FROM); a label's field {1} is its\n"
                                       "                     number (at most 10 000 000 numbers)\n"
                                       "  --rows LIST        print only these labels, e.g. 2-5,9, as the data\n"
                                       "                     counts them (table rows without the names row, text\n"
                                       "                     blocks, serial numbers), packed from the start position;\n"
                                       "                     the job file is not changed\n"
                                       "  --start N          start at label position N of the first sheet\n"
                                       "  --repeat N         print every label N times\n"
                                       "                     (--start and --repeat are kept between 1 and the labels\n"
                                       "                     of one sheet, as the Start and Repeat boxes keep them)\n"
                                       "  --layout LAYOUT    the label's lines, \\n between them, with {Name} for the\n"
                                       "                     table column of that name or {1}, {2} by position (a\n"
                                       "                     text block's lines, a serial number), {#} for the\n"
                                       "                     label's number in the data, e.g.\n"
                                       "                     --layout \"{Name}\\n{Street}\\n{Zip} {City}\"; a line\n"
                                       "                     whose fields are all empty is left out (default:\n"
                                       "                     every non-empty field on a line of its own)\n"
                                       "  --header yes|no    whether the table's first row holds column names\n"
                                       "                     (default: as the job says, or as the row looks)\n"
                                       "  --code TYPE:TEXT   draw a code in the picture's place, its text filled\n"
                                       "                     from each label's fields, e.g. qrcode:ASSET-{1}; TYPE\n"
                                       "                     is qrcode, datamatrix, code128, gs1-128, ean13, upca,\n"
                                       "                     code39, pdf417 or aztec, in any letter case\n"
                                       "  --picture NAME     show this picture on every label; with fields, e.g.\n"
                                       "                     photos/{Photo}, each label its own (relative names\n"
                                       "                     from the data file's folder)\n"
                                       "  --help, -h         show this text\n"
                                       "  --version          show the program's version\n"
                                       "\n"
                                       "Every label is checked before anything is printed: a code that cannot be\n"
                                       "made or a picture that cannot be read prints nothing and names the labels.\n"
                                       "\n"
                                       "Exit status: 0 printed; 1 the job, its data or a label cannot be read;\n"
                                       "2 usage error; 3 printing failed; 129, 130 or 143 interrupted (SIGHUP,\n"
                                       "SIGINT, SIGTERM): nothing printed.\n");
}

QString batchError(const QString& error)
{
    return QCoreApplication::translate("Messages", "gorvin: %1").arg(error);
}

QString jobHasNoPaperSize()
{
    return QCoreApplication::translate("Messages", "The job has no paper size to print on.");
}

QString cannotPrintOver(const QString& path, const QString& what)
{
    return QCoreApplication::translate("Messages", "Cannot print to '%1': it is %2.").arg(path, what);
}

QString theJobFile()
{
    return QCoreApplication::translate("Messages", "the job file");
}

QString theJobsDataFile()
{
    return QCoreApplication::translate("Messages", "the job's data file");
}

QString theJobsTemplate()
{
    return QCoreApplication::translate("Messages", "the job's template");
}

QString theJobsPicture()
{
    return QCoreApplication::translate("Messages", "the job's picture");
}

QString noSuchPage(qint64 pages, qint64 page)
{
    return QCoreApplication::translate("Messages", "The job has %1 pages; there is no page %2.").arg(pages).arg(page);
}

QString printerNotFound(const QString& name)
{
    return QCoreApplication::translate("Messages", "Printer '%1' not found.").arg(name);
}

QString noDefaultPrinter()
{
    return QCoreApplication::translate("Messages", "No default printer.");
}

QString nothingToPrint()
{
    return QCoreApplication::translate("Messages", "Nothing to print.");
}

QString printingAborted()
{
    return QCoreApplication::translate("Messages", "Printing aborted.");
}

QString optionNeedsValue(const QString& option)
{
    return QCoreApplication::translate("Messages", "%1 needs a value.").arg(option);
}

QString optionNeedsA(const QString& option, const QString& what)
{
    return QCoreApplication::translate("Messages", "%1 needs a %2.").arg(option, what);
}

QString aFileName()
{
    return QCoreApplication::translate("Messages", "file name");
}

QString aPrinterName()
{
    return QCoreApplication::translate("Messages", "printer name");
}

QString optionTakesWholeNumber(const QString& option, qint64 low, qint64 high, const QString& text)
{
    return QCoreApplication::translate("Messages", "%1 takes a whole number from %2 to %3, not '%4'.")
        .arg(option)
        .arg(low)
        .arg(high)
        .arg(text);
}

QString optionTakesNoValue(const QString& option)
{
    return QCoreApplication::translate("Messages", "%1 takes no value.").arg(option);
}

QString printNeedsJobFile()
{
    return QCoreApplication::translate("Messages", "--print needs a job file.");
}

QString pagesOptionInvalid(const QString& text)
{
    return QCoreApplication::translate("Messages", "--pages takes FROM-TO with 1 <= FROM <= TO, not '%1'.").arg(text);
}

QString headerOptionInvalid(const QString& text)
{
    return QCoreApplication::translate("Messages", "--header takes yes or no, not '%1'.").arg(text);
}

QString unknownOption(const QString& option)
{
    return QCoreApplication::translate("Messages", "Unknown option %1.").arg(option);
}

QString unexpectedArgument(const QString& argument)
{
    return QCoreApplication::translate("Messages", "Unexpected argument '%1'.").arg(argument);
}

QString outputAndPrinterTogether()
{
    return QCoreApplication::translate("Messages", "--output and --printer cannot be used together.");
}

// ---------------------------------------------------------------- codes

QString codeTakesDigitsOnly(const QString& kind, const QString& text, const QString& character)
{
    return QCoreApplication::translate("Messages", "%1 takes digits only: %2 holds \"%3\".").arg(kind, text, character);
}

QString codeDigitCount(const QString& kind, qint64 digits, const QString& text, qint64 length)
{
    return QCoreApplication::translate("Messages", "%1 takes %2 digits, or %3 with the check digit: %4 has %5.")
        .arg(kind)
        .arg(digits)
        .arg(digits + 1)
        .arg(text)
        .arg(length);
}

QString codeWrongCheckDigit(const QString& kind, const QString& text, int given, int expected)
{
    return QCoreApplication::translate("Messages", "The check digit of the %1 number %2 is %3; it should be %4.")
        .arg(kind, text)
        .arg(given)
        .arg(expected);
}

QString codeTextEmpty(const QString& kind)
{
    return QCoreApplication::translate("Messages", "%1 has no text to encode: the text is empty.").arg(kind);
}

QString codeTextHalfPair(const QString& kind)
{
    return QCoreApplication::translate(
               "Messages", "The text of the %1 holds half of a pair of UTF-16 units, which no code can hold.")
        .arg(kind);
}

QString codeTextTooLong(const QString& kind, qint64 bytes, qint64 limit)
{
    return QCoreApplication::translate("Messages", "The text of the %1 is too long: %2 bytes, at most %3.")
        .arg(kind)
        .arg(bytes)
        .arg(limit);
}

QString code39SmallLetter(const QString& text, const QString& character)
{
    return QCoreApplication::translate("Messages",
                                       "Code 39 has no small letters: %1 holds \"%2\"; write it in capitals.")
        .arg(text, character);
}

QString codeOutOfMemory(const QString& kind)
{
    return QCoreApplication::translate("Messages", "The %1 cannot be made: out of memory.").arg(kind);
}

QString codeCannotEncode(const QString& kind, const QString& text, const QString& reason)
{
    return QCoreApplication::translate("Messages", "%1 cannot encode %2: %3").arg(kind, text, reason);
}

QString codeCameOutEmpty(const QString& kind, const QString& text)
{
    return QCoreApplication::translate("Messages", "%1 cannot encode %2: the symbol came out empty.").arg(kind, text);
}

// Serial numbers and chosen labels

QString serialNotWholeNumber(const QString& text)
{
    return QCoreApplication::translate("Messages", "'%1' is not a whole number of at most 18 digits.").arg(text);
}

QString serialFromAboveTo(const QString& from, const QString& to)
{
    return QCoreApplication::translate("Messages", "The serial numbers run from %1 to %2: the first is above the last.")
        .arg(from, to);
}

QString serialTooMany(qint64 count, qint64 limit)
{
    return QCoreApplication::translate("Messages", "The range holds %1 numbers; at most %2 can be printed at once.")
        .arg(count)
        .arg(limit);
}

QString labelListEmpty()
{
    return QCoreApplication::translate("Messages", "No labels are chosen: give numbers such as 2-5,9.");
}

QString labelListInvalid(const QString& part)
{
    return QCoreApplication::translate("Messages", "'%1' is not a label number or a range such as 2-5.").arg(part);
}

QString labelListOutside(const QString& part, qint64 count)
{
    return QCoreApplication::translate("Messages", "Label %1 is not in the data, which holds labels 1 to %2.")
        .arg(part)
        .arg(count);
}

QString jobExtrasUnreadable()
{
    return QCoreApplication::translate("Messages",
                                       "The job's code and serial numbers could not be read; the job has none.");
}

// Codes and pictures on labels (drawing and checking)

QString labelProblem(qint64 number, const QString& reason)
{
    return QCoreApplication::translate("Messages", "Label %1: %2").arg(number).arg(reason);
}

QString unknownCodeKind(const QString& name)
{
    return QCoreApplication::translate("Messages", "There is no kind of code named \"%1\".").arg(name);
}

QString labelPictureMissing(const QString& path)
{
    return QCoreApplication::translate("Messages", "The picture %1 does not exist.").arg(path);
}

// Codes, pictures and numbers in the batch printer

// "--rows: Label 12 is not in the data, which holds labels 1 to 10."
QString optionProblem(const QString& option, const QString& problem)
{
    return QCoreApplication::translate("Messages", "%1: %2").arg(option, problem);
}

QString codeOptionInvalid(const QString& text)
{
    return QCoreApplication::translate("Messages", "--code takes TYPE:TEXT, e.g. qrcode:ASSET-{1}, not '%1'.")
        .arg(text);
}

QString unknownCodeKind(const QString& name, const QString& kinds)
{
    return QCoreApplication::translate("Messages",
                                       "--code: there is no kind of code called '%1'; the kinds are %2 (in any "
                                       "letter case).")
        .arg(name, kinds);
}

QString codeAndPictureTogether()
{
    return QCoreApplication::translate("Messages",
                                       "--code and --picture both fill the label's picture box: give one of them.");
}

QString printingInterrupted()
{
    return QCoreApplication::translate("Messages", "Printing interrupted: nothing was printed.");
}

QString pictureOptionNotFound(const QString& name)
{
    return QCoreApplication::translate("Messages", "--picture: Cannot find picture file '%1'.").arg(name);
}

QString serialOptionInvalid(const QString& text)
{
    return QCoreApplication::translate("Messages", "--serial takes FROM-TO, e.g. 0001-0500, not '%1'.").arg(text);
}

QString serialWithData()
{
    return QCoreApplication::translate(
        "Messages", "--serial numbers the labels in place of a data file: it cannot go with --data.");
}

QString dataFormatInvalid(const QString& text)
{
    return QCoreApplication::translate("Messages", "--data-format takes csv, tsv or text, not '%1'.").arg(text);
}

QString dataFormatNeedsStandardInput()
{
    return QCoreApplication::translate("Messages",
                                       "--data-format is for data read from standard input (--data -); a data file "
                                       "is read as its name says (.csv, .tsv, .tab: a table; any other: text).");
}

// what: quotedName(file) or standardInput()
QString headerNeedsTable(const QString& what)
{
    return QCoreApplication::translate(
               "Messages",
               "--header is for table data (.csv, .tsv or .tab, or --data-format csv or tsv); %1 is read as text.")
        .arg(what);
}

QString quotedName(const QString& name)
{
    return QCoreApplication::translate("Messages", "'%1'").arg(name);
}

QString standardInput()
{
    return QCoreApplication::translate("Messages", "standard input");
}

QString serialNumbersHaveNoHeader()
{
    return QCoreApplication::translate("Messages", "--header is for table data; serial numbers have no header row.");
}

QString jobCodeTextProblem(const QString& problem)
{
    return QCoreApplication::translate("Messages", "The job's code text cannot be filled: %1").arg(problem);
}

QString jobPictureNameProblem(const QString& problem)
{
    return QCoreApplication::translate("Messages", "The job's picture name cannot be filled: %1").arg(problem);
}

QString standardInputHoldsNoLabels()
{
    return QCoreApplication::translate("Messages", "Standard input holds no labels.");
}

QString stdinTooLarge(const QString& limitMegabytes)
{
    return QCoreApplication::translate("Messages",
                                       "Standard input holds more than %1 MB; data larger than %1 MB are not read.")
        .arg(limitMegabytes);
}

QString stdinCannotBeRead(const QString& reason)
{
    return QCoreApplication::translate("Messages", "Cannot read standard input: %1").arg(reason);
}

QString stdinCannotBeKept(const QString& folder, const QString& reason)
{
    return QCoreApplication::translate("Messages",
                                       "Cannot keep the data of standard input in the temporary folder %1: %2")
        .arg(folder, reason);
}

// Followed by a line "Label N: reason" for each of the first of them.
QString labelsCannotBePrinted(qint64 failed)
{
    if (failed == 1)
        return QCoreApplication::translate("Messages", "1 label cannot be printed, so nothing was printed:");
    return QCoreApplication::translate("Messages", "%1 labels cannot be printed, so nothing was printed:").arg(failed);
}

QString moreLabelsCannotBePrinted(qint64 more)
{
    return QCoreApplication::translate("Messages", "... and %1 more.").arg(more);
}

// Codes, serial numbers and chosen labels in the window

QString serialNumbersShown(const QString& from, const QString& to)
{
    return QCoreApplication::translate("Messages", "Serial numbers %1 to %2").arg(from, to);
}

QString dataLabelCount(qint64 count)
{
    if (count == 1)
        return QCoreApplication::translate("Messages", "The data hold 1 label.");
    return QCoreApplication::translate("Messages", "The data hold %1 labels.").arg(count);
}

QString labelsChosenNote(const QString& list, qint64 chosen, qint64 count)
{
    return QCoreApplication::translate("Messages", "Printing labels %1 (%2 of %3)").arg(list).arg(chosen).arg(count);
}

QString allLabelsChosenNote()
{
    return QCoreApplication::translate("Messages", "Printing all labels");
}

QString codeContentProblem(const QString& problem)
{
    return QCoreApplication::translate("Messages", "The code's content: %1").arg(problem);
}

QString pictureNameProblem(const QString& problem)
{
    return QCoreApplication::translate("Messages", "The picture's name: %1").arg(problem);
}

QString codeNeedsContent()
{
    return QCoreApplication::translate("Messages",
                                       "Type what the code holds, for example https://example.org/item/{SKU}.");
}

QString labelsCannotBePrinted(qint64 failed, const QStringList& reasons, bool more)
{
    const QString head = failed == 1
                             ? QCoreApplication::translate("Messages", "1 label cannot be printed")
                             : QCoreApplication::translate("Messages", "%1 labels cannot be printed").arg(failed);
    const QString list = reasons.join(u'\n') + (more ? QStringLiteral("\n...") : QString());
    return QCoreApplication::translate("Messages", "%1:\n\n%2\n\nPrint the other labels, leaving the slots of these "
                                                   "empty?")
        .arg(head, list);
}

} // namespace Messages

namespace Messages {

QString windowTitle(const QString& jobName)
{
    //: The main window's title: the job's file name, the desktop's changed
    //: mark [*] and the program's name
    return QCoreApplication::translate("Messages", "%1[*] \u2014 %2").arg(jobName, applicationTitle());
}

QString untitledJob()
{
    return QCoreApplication::translate("Messages", "Untitled");
}

QString labelsOnPages(qint64 labels, qint64 pages)
{
    const QLocale locale;
    const QString labelText = labels == 1
                                  ? QCoreApplication::translate("Messages", "1 label")
                                  : QCoreApplication::translate("Messages", "%1 labels").arg(locale.toString(labels));
    const QString pageText = pages == 1
                                 ? QCoreApplication::translate("Messages", "1 page")
                                 : QCoreApplication::translate("Messages", "%1 pages").arg(locale.toString(pages));
    return QCoreApplication::translate("Messages", "%1 on %2").arg(labelText, pageText);
}

QString timeLeft(qint64 seconds)
{
    if (seconds < 60)
        return QCoreApplication::translate("Messages", "less than a minute left");
    const qint64 minutes = (seconds + 30) / 60;
    if (minutes < 2)
        return QCoreApplication::translate("Messages", "about a minute left");
    if (minutes < 90)
        return QCoreApplication::translate("Messages", "about %1 minutes left").arg(minutes);
    const qint64 hours = (minutes + 30) / 60;
    return QCoreApplication::translate("Messages", "about %1 hours left").arg(QLocale().toString(hours));
}

QString printProgressWithTime(qint32 sent, qint32 total, qint64 secondsLeft)
{
    const QString pages = printProgress(sent, total);
    return secondsLeft < 0 ? pages : pages + u'\n' + timeLeft(secondsLeft);
}

QString emptyWindowHint(const QString& openJobKeys)
{
    return QCoreApplication::translate("Messages",
                                       "No job is open.\n\nOpen a job with File > Open job (%1),\nor start one with "
                                       "Template > New... or Template > New from product...,\nthen choose its "
                                       "labels' data with Data > Open.")
        .arg(openJobKeys);
}
} // namespace Messages
