#pragma once
// The print run: pages of a job, or the template's outline page, sent one
// printer page per sheet through the page renderer. The File > Print and
// Template > Print commands and the command-line batch printer all print
// through PrintRun; where the pages go is a PrintTarget (a printer of the
// print system, or a PDF file).

#include "render/PrintParams.h"
#include "print/PrintTarget.h"
#include "print/PrinterCalibration.h"
#include "support/DialogRequests.h"
#include "support/ReplacingFile.h"

#include <QList>
#include <QSizeF>
#include <QString>

#include <functional>
#include <limits>
#include <memory>
#include <exception>
#include <stdexcept>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QPdfWriter;
class QTemporaryDir;
class PageCanvas;
class CheckedWriter;
class TJOB;
class PainterCanvas;

enum class PrintCommand { PRINTJOB, PRINTTEMPLATE };

// Why a file cannot be printed to: empty for a new name or an ordinary file
// (also through a symbolic link), otherwise a message naming the path and
// what it is (a folder, a device, a pipe, a socket). Printing never replaces
// anything but an ordinary file.
QString outputFileRefusal(const QString& path);

// Whether the PDF file at path holds everything its writer meant to write:
// the cross-reference table lies where the file's end says it does and ends
// where the trailer begins. A file cut short by a full disk or a file size
// limit fails; error then says why.
bool pdfWrittenWhole(const QString& path, QString& error);

// The pages a print of the job has: its page count when its data source
// holds lines (print job only), else 1.
qint32 printPageCount(const TJOB& job, PrintCommand command);

// The highest page the print dialog may offer: printPageCount, but at most
// 65534, the most the dialog takes. A count above it is logged and shown as
// error 10, and 65534 is offered. The batch printer has no dialog and
// prints every page.
constexpr qint32 MaxPrintPages = 65534;
qint32 printMaxPage(const TJOB& job, PrintCommand command);

// Printing failed: the document was not made or not handed over. Logged as
// error 13 with "Printing failed: " + the cause, and shown (with a beep when
// asked: the window beeps, the batch printer does not).
constexpr std::int32_t PrintFailedError = 13;
void reportPrintFailure(const QString& cause, bool beep);
// The same for a failure nothing else caught while printing: running out of
// memory is told as "out of memory", anything else by its own text.
void reportPrintFailure(const std::exception& failure, bool beep);

// The title every printed document carries (the print system's job name, the
// PDF's title): the template outline page and labels of an unsaved job are
// named after the program, a job's labels after its file.
QString printDocumentName(PrintCommand command, const QString& jobFile);

// What a print run prints: labels or the outline, the pages (a range, or a
// list in the order they print), the copies and collation. The print
// command makes it from the dialog's PrintChoice (through chosenPages),
// batch printing from the command line.
struct PrintRequest {
    PrintCommand command = PrintCommand::PRINTJOB;
    qint32 fromPage = 1; // 1-based, as the dialog returns them
    qint32 toPage = 1;
    // The pages in the order they print (1-based); when empty, fromPage to
    // toPage.
    QList<qint32> pages;
    qint32 copies = 1;
    bool collate = false;
};

// The pages a print dialog's choice asks for, in the order they print: the
// page list or the range, pages beyond minPage to maxPage left out, odd or
// even pages by their own number, last page first when asked.
QList<qint32> chosenPages(const PrintChoice& choice);

enum class PrintOutcome {
    Printed,        // the document was ended and handed to the printer
    Aborted,        // the abort request was honoured; nothing was printed
    NothingToPrint, // the range holds no page; no document was begun
    PictureFailed,  // the label picture could not be read; document discarded
    Failed,         // the printer did not take the document (or could not
                    // take so many pages: no document was begun)
};

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::NothingToPrint;
    qint32 pagesSent = 0;
    QString error;
};

class PrintRun {
public:
    // Draws one page; the page renderer unless a test says otherwise.
    using PageDrawer = std::function<void(const TJOB&, const TPRINTPARAMS&, QString* pictureError)>;
    // Called after every page with the pages sent so far and in all.
    using Progress = std::function<void(qint32 sent, qint32 total)>;
    // Asked after every page and once more before the document is handed
    // over: true stops the run as an abort request does (an interrupted
    // batch print).
    using StopCheck = std::function<bool()>;

    PrintRun();

    // The page drawer every new run starts with: the page renderer. Tests
    // may put another one in place for the runs they start.
    static PageDrawer& defaultPageDrawer();

    // Prints the request on the target: orientation and paper from the
    // template, render parameters for the target's printer, then every page
    // of the range, repeated for collated copies, with FirstSlot and
    // RepeatCount read again from the data source for every page. Pending
    // events are processed after every page, and an abort request made
    // meanwhile discards the document.
    // Throws EPrinterBusy when a run is already in progress, and
    // ECalibrationError when the printer's stored calibration is unreadable.
    PrintResult run(const TJOB& job, PrintTarget& target, const PrintRequest& request);

    bool inProgress() const { return inProgress_; }
    // Asks the run in progress to stop after its current page.
    void requestAbort();

    bool PrintAbortRequested = false;
    PageDrawer drawPage;
    Progress progress;
    StopCheck stopRequested;

private:
    bool inProgress_ = false;
};

// A target whose pages are drawn by a painter on a paged device (the print
// system's engine, a PDF writer). It keeps the painter and its canvas, and
// ends or discards a document the same way whatever the device: the painter
// is closed first, then the target hands over or throws away what it wrote.
class PainterPrintTarget : public PrintTarget {
public:
    void beginDocument() final;
    bool isPrinting() const final { return printing_; }
    PageCanvas* canvas() final;
    bool newPage() final;
    bool endDocument() final;
    void abortDocument() final;
    QString errorText() const final { return error_; }
    // The document is a PDF file (the print system's spool file, or the
    // file itself), of five objects a page; readers need not take more
    // than 8 388 607 objects in one file.
    qint64 maxPages() const override;

protected:
    PainterPrintTarget();
    ~PainterPrintTarget() override;

    // Throws EPrinterBusy while a document is open: orientation, paper and
    // copies hold for a whole document.
    void refuseWhilePrinting() const;
    // Prepares the device for a new document and starts painting on it with
    // startPainting(); leaves error_ set when the document could not begin.
    virtual void openDocument() = 0;
    // Starts the painter on device. When it cannot start, error_ names
    // fileName, and what openDocument() prepared is discarded.
    bool startPainting(QPagedPaintDevice& device, const QString& fileName);
    // Called once the painter has ended, whether the document goes out or
    // not: lets go of what only the painter needed.
    virtual void painterClosed() {}
    // With the painter ended: hands the document over (false and error_ set
    // when that failed), or throws it away.
    virtual bool deliverDocument() = 0;
    virtual void discardDocument() = 0;

    QString error_;

private:
    void closePainter();

    QPagedPaintDevice* device_ = nullptr;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PainterCanvas> canvas_;
    bool printing_ = false;
};

// A printer of the print system. The document is spooled to a private file
// and handed to the printer's queue only when it ends and the spool file is
// found complete, so an aborted or failed document never reaches the
// printer. When the print dialog chose "print to file", the spooled document
// takes the chosen file's place in the same way, and only an ordinary file
// (or a new name) is ever replaced. The page is the full sheet: the
// canvas's origin is the paper's corner and nothing is scaled to other
// media.
class PrinterTarget : public PainterPrintTarget {
public:
    // An empty name means the default printer.
    explicit PrinterTarget(const QString& printerName = QString());
    ~PrinterTarget() override;

    // False when no printer of that name (or no default printer) exists.
    bool isValid() const { return valid_; }
    QPrinter& printer() { return *printer_; }
    // The print system's number of the last document handed to it; 0 before
    // the first.
    int lastJobId() const { return lastJobId_; }
    // Ends a "print to file" the print dialog chose: the next document goes
    // to the printer named (or the one set, when the name is empty), with
    // the print system options it had.
    void usePrinter(const QString& name, const QList<QPair<QString, QString>>& options);

    QString printerName() const override;
    bool appliesCalibration() const override { return true; }
    void setOrientation(bool landscape) override;
    bool landscape() const override;
    void setPaperSize(const QSizeF& millimetres) override;
    void usePrinterPaper() override;
    int copies() const override { return copies_; }
    void setCopies(int copies) override;
    // A printer makes copies, but not when it prints to a file (the print
    // dialog's "Print to file"): a PDF file cannot hold a copy count.
    bool makesCopies() const override;
    PrinterGeometry geometry() const override;

private:
    void openDocument() override;
    void painterClosed() override;
    bool deliverDocument() override;
    void discardDocument() override;
    // The file the engine writes the open document to.
    QString spoolFile() const;
    bool submit(const QString& file);
    bool placeInFile(const QString& spoolFile);

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QTemporaryDir> spool_;
    // Print to file: the file the dialog named, written through a temporary
    // file that replaces it only when complete.
    QString destination_;
    std::unique_ptr<ReplacingFile> destinationFile_;
    int copies_ = 1;
    int lastJobId_ = 0;
    bool valid_ = false;
    bool toFile_ = false;
};

// A PDF file of the template's paper size: no calibration, no margins. The
// file is written under a temporary name and takes its place only when the
// document ends and every byte was written, so an aborted or failed print
// (a full disk, a file size limit) leaves any earlier file as it was. Only an
// ordinary file or a new name is ever replaced. Fonts are embedded as
// subsets.
class PdfFileTarget : public PainterPrintTarget {
public:
    // Resolution in pixels per inch of the page canvas.
    explicit PdfFileTarget(const QString& path, int resolution = 1200);
    ~PdfFileTarget() override;

    QString printerName() const override { return QString(); }
    bool appliesCalibration() const override { return false; }
    void setOrientation(bool landscape) override;
    bool landscape() const override { return landscape_; }
    void setPaperSize(const QSizeF& millimetres) override;
    int copies() const override { return copies_; }
    void setCopies(int copies) override;
    bool makesCopies() const override { return false; }
    PrinterGeometry geometry() const override;

private:
    void openDocument() override;
    void painterClosed() override;
    bool deliverDocument() override;
    void discardDocument() override;

    QString path_;
    int resolution_;
    bool landscape_ = false;
    QSizeF paper_;
    int copies_ = 1;
    std::unique_ptr<ReplacingFile> file_;
    std::unique_ptr<CheckedWriter> checked_;
    std::unique_ptr<QPdfWriter> writer_;
};

// The page size a printer is asked for: the paper as the template lays it in
// its orientation, turned back to its upright description when the sheet is
// printed in landscape. Standard sizes come out as their named size.
class QPageSize;
QPageSize printPageSize(const QSizeF& millimetres, bool landscape);
