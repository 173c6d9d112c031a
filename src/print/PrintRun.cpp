#include "PrintRun.h"

#include "model/Job.h"
#include "render/PainterCanvas.h"
#include "render/Renderer.h"
#include "support/ErrorLog.h"
#include "support/Maker.h"
#include "support/Messages.h"
#include "print/PrinterOptions.h"
#include "support/ReplacingFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cups/cups.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <new>
#include <vector>

// ---------------------------------------------------------------- page limit

void reportPrintFailure(const QString& cause, bool beep)
{
    FNLOGERROR(PrintFailedError, Messages::printingFailed(cause), beep, true);
}

void reportPrintFailure(const std::exception& failure, bool beep)
{
    reportPrintFailure(dynamic_cast<const std::bad_alloc*>(&failure) ? Messages::outOfMemory()
                                                                     : QString::fromLocal8Bit(failure.what()),
                       beep);
}

qint32 printPageCount(const TJOB& job, PrintCommand command)
{
    if (command == PrintCommand::PRINTJOB && job.DATAINFO()->hasContent())
        return job.PAGECOUNT();
    return 1;
}

qint32 printMaxPage(const TJOB& job, PrintCommand command)
{
    qint32 maxPage = printPageCount(job, command);
    if (maxPage > MaxPrintPages) {
        FNLOGERROR(10, Messages::tooManyPagesForWindows(maxPage, MaxPrintPages), true, true);
        maxPage = MaxPrintPages;
    }
    return maxPage;
}

QString printDocumentName(PrintCommand command, const QString& jobFile)
{
    if (command == PrintCommand::PRINTTEMPLATE)
        return applicationTitle() + QStringLiteral(" template");
    if (!jobFile.isEmpty())
        return QFileInfo(jobFile).fileName();
    return applicationTitle() + QStringLiteral(" labels");
}

// ---------------------------------------------------------------- output files

QString outputFileRefusal(const QString& path)
{
    // A symbolic link is not followed: a link planted under the name in a
    // shared folder must not send the document anywhere else.
    const QString kind = ReplacingFile::refusedKind(path);
    if (kind.isEmpty())
        return QString();
    return Messages::cannotPrintToNonFile(path, kind);
}

namespace {

// Why a file was cut short: what the system answers to one more write into
// it (a full disk, a file size limit), as the writer that failed first was
// not told. The file is discarded afterwards.
QString cutShortCause(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::Append | QIODevice::Unbuffered)) {
        const QByteArray probe(64 * 1024, '\0');
        if (file.write(probe) != probe.size() || !file.flush())
            return file.errorString();
    }
    return Messages::fileNotWrittenCompletely(path);
}

} // namespace

bool pdfWrittenWhole(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    // The file ends "startxref", the table's offset, "%%EOF"; the table is
    // "xref", "0 <count>", then <count> entries of 20 bytes, then "trailer".
    // The offsets are the writer's count of the bytes it wrote, so a file
    // that lost any of them does not match.
    const qint64 size = file.size();
    const qint64 tailSize = std::min<qint64>(size, 80);
    QByteArray tail;
    if (file.seek(size - tailSize))
        tail = file.read(tailSize);
    static const QRegularExpression end(QStringLiteral("startxref\\s+(\\d{1,15})\\s+%%EOF\\s*$"));
    static const QRegularExpression head(QStringLiteral("^xref\\r?\\n0 (\\d{1,10})\\r?\\n"));
    bool whole = false;
    const QRegularExpressionMatch endMatch = end.match(QString::fromLatin1(tail));
    if (endMatch.hasMatch()) {
        const qint64 table = endMatch.captured(1).toLongLong();
        if (table > 0 && table < size - tailSize + endMatch.capturedStart() && file.seek(table)) {
            const QRegularExpressionMatch headMatch = head.match(QString::fromLatin1(file.read(32)));
            if (headMatch.hasMatch()) {
                const qint64 trailer = table + headMatch.capturedLength() + 20 * headMatch.captured(1).toLongLong();
                whole = trailer < size && file.seek(trailer) && file.read(7) == "trailer";
            }
        }
    }
    file.close();
    if (!whole)
        error = cutShortCause(path);
    return whole;
}

// Passes the PDF writer's bytes on to the file and keeps count of them: the
// writer does not look at the results of its writes, so a full disk would
// otherwise go unnoticed and a truncated file take the old one's place.
class CheckedWriter : public QIODevice {
public:
    explicit CheckedWriter(QFile& file) : file_(file) {}

    // Writes out what is still held back; true when every byte offered
    // reached the file. Bytes never passed on are dropped with the writer.
    bool complete()
    {
        passOn();
        return !failed_ && file_.size() == offered_;
    }
    QString failure() const
    {
        return file_.error() != QFileDevice::NoError ? file_.errorString() : Messages::streamWriteError();
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    // The writer hands its bytes over in pieces of a few dozen; they reach
    // the file in blocks.
    qint64 writeData(const char* data, qint64 length) override
    {
        offered_ += length;
        pending_.append(data, static_cast<qsizetype>(length));
        if (pending_.size() >= BlockSize)
            passOn();
        return length;
    }

private:
    static constexpr qsizetype BlockSize = 1 << 16;

    void passOn()
    {
        qint64 done = 0;
        while (!failed_ && done < pending_.size()) {
            const qint64 n = file_.write(pending_.constData() + done, pending_.size() - done);
            if (n <= 0)
                failed_ = true;
            else
                done += n;
        }
        pending_.clear();
    }

    QFile& file_;
    QByteArray pending_;
    qint64 offered_ = 0;
    bool failed_ = false;
};

namespace {

// Opens the file a document goes to: written through a temporary file that
// takes its place only when committed, and never over anything but an
// ordinary file. Null, with error set, when it cannot be opened.
std::unique_ptr<ReplacingFile> openOutputFile(const QString& path, QString& error)
{
    error = outputFileRefusal(path);
    if (!error.isEmpty())
        return nullptr;
    auto file = std::make_unique<ReplacingFile>(path);
    if (!file->open(error)) {
        if (!file->refusedKind().isEmpty())
            error = outputFileRefusal(path);
        return nullptr;
    }
    return file;
}

// Puts a file written through a temporary one in the target's place once
// every byte was written; the target must still be an ordinary file.
bool commitChecked(ReplacingFile& file, const QString& path, bool complete, const QString& failure, QString& error)
{
    if (!complete) {
        error = failure;
        file.discard();
        return false;
    }
    if (!file.commit(error)) {
        if (!file.refusedKind().isEmpty())
            error = Messages::cannotPrintToNonFile(path, file.refusedKind());
        return false;
    }
    return true;
}

} // namespace

// ---------------------------------------------------------------- the run

PrintRun::PageDrawer& PrintRun::defaultPageDrawer()
{
    static PageDrawer drawer = [](const TJOB& job, const TPRINTPARAMS& params, QString* pictureError) {
        PRINT(job, params, pictureError);
    };
    return drawer;
}

PrintRun::PrintRun() : drawPage(defaultPageDrawer())
{}

void PrintRun::requestAbort()
{
    if (inProgress_)
        PrintAbortRequested = true;
}

namespace {

// Leaves the printer with no open document whatever way the run ends: a
// failure inside the page drawing discards the document rather than leaving
// it open or printing half of it.
class RunGuard {
public:
    RunGuard(PrintTarget& target, bool& inProgress) : target_(target), inProgress_(inProgress) { inProgress_ = true; }
    ~RunGuard()
    {
        if (target_.isPrinting())
            target_.abortDocument();
        inProgress_ = false;
    }
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

private:
    PrintTarget& target_;
    bool& inProgress_;
};

} // namespace

PrintResult PrintRun::run(const TJOB& job, PrintTarget& target, const PrintRequest& request)
{
    if (inProgress_ || target.isPrinting())
        throw EPrinterBusy();

    const TTEMPLATE& paper = *job.TEMPLATE();
    target.setOrientation(paper.LANDSCAPE());
    target.setPaperSize(QSizeF(FNMUTOMM(paper.PAPERMUWIDTH), FNMUTOMM(paper.PAPERMUHEIGHT)));

    const bool printJob = request.command == PrintCommand::PRINTJOB;
    // The pages of one copy, in the order they print: a list, or the range
    // from fromPage to toPage.
    QList<qint32> pages;
    if (!printJob)
        pages = {1};
    else if (!request.pages.isEmpty())
        pages = request.pages;
    const qint64 rangePages = !pages.isEmpty() ? pages.size()
                                               : std::max<qint64>(0, qint64{request.toPage} - request.fromPage + 1);
    const auto pageAt = [&](qint64 at) {
        return !pages.isEmpty() ? pages[at] : static_cast<qint32>(request.fromPage + at);
    };

    PrintResult result;
    if (rangePages <= 0 || (printJob && request.collate && request.copies < 1))
        return result;

    // Collated copies are made here, the range once per copy, while the
    // printer makes one of each page; otherwise the printer holds the count.
    qint32 copies = 1;
    const bool collate = printJob && request.collate;
    if (collate) {
        copies = request.copies;
        target.setCopies(1);
    } else {
        target.setCopies(request.copies);
    }
    // A target that cannot make copies (a file) gets each page repeated.
    const qint32 pageRepeats = target.makesCopies() ? 1 : std::max(target.copies(), 1);

    // Without a font that has letters every label would print as black
    // bars: nothing is begun.
    CanvasFont font = canvasFont(job.JOBINFO()->FONT);
    if (!printJob)
        font.name = QStringLiteral("Arial"); // the placeholders'
    if (!PainterCanvas::drawsLetters(font)) {
        result.outcome = PrintOutcome::Failed;
        result.error = Messages::noUsableFont(font.name);
        return result;
    }

    const qint64 total64 = rangePages * copies * pageRepeats;
    const qint32 total = static_cast<qint32>(std::min<qint64>(total64, INT32_MAX));
    // A document the target cannot hold is not begun.
    if (total64 > target.maxPages()) {
        result.outcome = PrintOutcome::Failed;
        result.error = Messages::tooManyPagesForDocument(total64, target.maxPages());
        return result;
    }

    TPRINTPARAMS params;
    GETPRINTERPARAMS(params, target, paper);

    PrintAbortRequested = false;
    params.ShowLabels = printJob;
    params.ShowTemplate = !printJob;

    RunGuard guard(target, inProgress_);
    target.beginDocument();
    if (!target.isPrinting())
        messageSeam().show(Messages::notPrinting());
    // The printer's canvas exists once the document is open.
    params.Canvas = target.canvas();

    bool aborted = false;
    qint32 sent = 0;
    for (qint32 copy = 0; copy < copies && !aborted; ++copy) {
        for (qint64 at = 0; at < rangePages && !aborted; ++at) {
            const qint32 pageIndex = pageAt(at) - 1;
            for (qint32 repeat = 0; repeat < pageRepeats && !aborted; ++repeat) {
                const TDATAINFO& data = *job.DATAINFO();
                params.FirstSlot = data.STARTLABNUM - 1;
                params.RepeatCount = data.RepeatLabelNum;
                params.PageIndex = pageIndex;

                QString pictureError;
                drawPage(job, params, &pictureError);
                if (!pictureError.isEmpty()) {
                    // The labels would go out without their picture.
                    target.abortDocument();
                    result.error = pictureError;
                    aborted = true;
                    break;
                }
                ++sent;

                const bool last = copy == copies - 1 && at == rangePages - 1 && repeat == pageRepeats - 1;
                if (!last)
                    target.newPage();

                if (QCoreApplication::instance())
                    QCoreApplication::processEvents();
                if (progress)
                    progress(sent, total);

                if (PrintAbortRequested || (stopRequested && stopRequested())) {
                    target.abortDocument();
                    PrintAbortRequested = false;
                    aborted = true;
                }
            }
        }
    }

    // A stop asked for while the last page went out still holds the
    // document back.
    if (!aborted && stopRequested && stopRequested()) {
        target.abortDocument();
        aborted = true;
    }

    result.pagesSent = sent;
    if (!result.error.isEmpty()) {
        result.outcome = PrintOutcome::PictureFailed;
    } else if (aborted) {
        result.outcome = PrintOutcome::Aborted;
    } else if (target.endDocument()) {
        result.outcome = PrintOutcome::Printed;
    } else {
        result.outcome = PrintOutcome::Failed;
        result.error = target.errorText();
    }
    if (collate)
        target.setCopies(copies);
    return result;
}

// ---------------------------------------------------------------- chosen pages

QList<qint32> chosenPages(const PrintChoice& choice)
{
    QList<QPair<int, int>> ranges = choice.pageList;
    if (ranges.isEmpty())
        ranges.append({choice.fromPage, choice.toPage});
    const int low = std::max(choice.minPage, 1);
    const int high = std::min(choice.maxPage, static_cast<int>(MaxPrintPages));
    QList<qint32> pages;
    for (const auto& [first, last] : ranges) {
        for (qint64 page = std::max(first, low); page <= std::min(last, high); ++page) {
            if ((choice.pageSet == PageSet::Odd && page % 2 == 0) || (choice.pageSet == PageSet::Even && page % 2 != 0))
                continue;
            pages.append(static_cast<qint32>(page));
        }
    }
    if (choice.reverse)
        std::reverse(pages.begin(), pages.end());
    return pages;
}

// ---------------------------------------------------------------- page size

QPageSize printPageSize(const QSizeF& millimetres, bool landscape)
{
    const QSizeF upright = landscape ? millimetres.transposed() : millimetres;
    return QPageSize(upright, QPageSize::Millimeter);
}

// ---------------------------------------------------------------- painter targets

PainterPrintTarget::PainterPrintTarget() = default;

PainterPrintTarget::~PainterPrintTarget() = default;

void PainterPrintTarget::refuseWhilePrinting() const
{
    if (printing_)
        throw EPrinterBusy();
}

void PainterPrintTarget::beginDocument()
{
    error_.clear();
    refuseWhilePrinting();
    openDocument();
}

bool PainterPrintTarget::startPainting(QPagedPaintDevice& device, const QString& fileName)
{
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&device)) {
        error_ = Messages::cannotCreateFile(fileName);
        painter_.reset();
        closePainter();
        discardDocument();
        return false;
    }
    device_ = &device;
    canvas_ = std::make_unique<PainterCanvas>(painter_.get());
    printing_ = true;
    return true;
}

qint64 PainterPrintTarget::maxPages() const
{
    constexpr qint64 MaxObjects = 8388607;
    constexpr qint64 ObjectsPerPage = 5;
    constexpr qint64 DocumentObjects = 1000; // catalogue, fonts, pictures
    return (MaxObjects - DocumentObjects) / ObjectsPerPage;
}

PageCanvas* PainterPrintTarget::canvas()
{
    return printing_ ? canvas_.get() : nullptr;
}

bool PainterPrintTarget::newPage()
{
    return printing_ && device_->newPage();
}

void PainterPrintTarget::closePainter()
{
    canvas_.reset();
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
    device_ = nullptr;
    printing_ = false;
    painterClosed();
}

bool PainterPrintTarget::endDocument()
{
    if (!printing_) {
        if (error_.isEmpty())
            error_ = Messages::notPrinting();
        return false;
    }
    closePainter();
    return deliverDocument();
}

void PainterPrintTarget::abortDocument()
{
    if (!printing_)
        return;
    closePainter();
    discardDocument();
}

// ---------------------------------------------------------------- printer

PrinterTarget::PrinterTarget(const QString& printerName)
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                    : QPrinterInfo::printerInfo(printerName);
    valid_ = !info.isNull();
    if (valid_)
        printer_->setPrinterName(info.printerName());
    printer_->setOutputFormat(QPrinter::NativeFormat);
    printer_->setFullPage(true);
}

PrinterTarget::~PrinterTarget()
{
    abortDocument();
}

QString PrinterTarget::printerName() const
{
    return printer_->printerName();
}

void PrinterTarget::setOrientation(bool landscape)
{
    refuseWhilePrinting();
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool PrinterTarget::landscape() const
{
    return printer_->pageLayout().orientation() == QPageLayout::Landscape;
}

void PrinterTarget::setPaperSize(const QSizeF& millimetres)
{
    refuseWhilePrinting();
    if (millimetres.width() <= 0 || millimetres.height() <= 0)
        return;
    printer_->setPageSize(printPageSize(millimetres, landscape()));
    // The whole sheet is the page: no margins for the print system to keep
    // clear, so it has no reason to scale the page.
    printer_->setFullPage(true);
    printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void PrinterTarget::usePrinterPaper()
{
    refuseWhilePrinting();
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer_->printerName());
    const QPageSize paper = info.isNull() ? QPageSize() : info.defaultPageSize();
    printer_->setPageSize(paper.isValid() ? paper : QPageSize(QPageSize::A4));
}

void PrinterTarget::usePrinter(const QString& name, const QList<QPair<QString, QString>>& options)
{
    refuseWhilePrinting();
    printer_->setOutputFileName(QString());
    printer_->setOutputFormat(QPrinter::NativeFormat);
    if (!name.isEmpty())
        printer_->setPrinterName(name);
    printer_->setFullPage(true);
    setPrinterOptions(*printer_, options);
    toFile_ = false;
}

void PrinterTarget::setCopies(int copies)
{
    refuseWhilePrinting();
    copies_ = std::max(copies, 1);
    printer_->setCopyCount(copies_);
}

bool PrinterTarget::makesCopies() const
{
    return printer_->outputFormat() == QPrinter::NativeFormat;
}

PrinterGeometry PrinterTarget::geometry() const
{
    const int dpi = printer_->resolution();
    const QRect paint = printer_->pageLayout().paintRectPixels(dpi);
    return PrinterGeometry{dpi, dpi, paint.left(), paint.top()};
}

void PrinterTarget::openDocument()
{
    // The print dialog's "print to file" choice writes the document to the
    // file the user named; nothing goes to a queue then.
    toFile_ = printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty();
    destination_ = toFile_ ? printer_->outputFileName() : QString();
    if (toFile_) {
        destinationFile_ = openOutputFile(destination_, error_);
        if (!destinationFile_)
            return;
    } else if (!valid_) {
        error_ = Messages::noPrinterInstalled();
        return;
    }
    spool_ = std::make_unique<QTemporaryDir>();
    if (!spool_->isValid()) {
        error_ = Messages::cannotCreateFile(spool_->path());
        discardDocument();
        return;
    }
    // The print system's own engine lays the document out for this printer
    // (or as a PDF file) but writes it to the spool file instead of sending
    // it.
    printer_->setOutputFileName(spoolFile());
    printer_->setDocName(documentName_);
    startPainting(*printer_, printer_->outputFileName());
}

QString PrinterTarget::spoolFile() const
{
    return spool_->filePath(toFile_ ? QStringLiteral("document.pdf") : QStringLiteral("document.prn"));
}

void PrinterTarget::painterClosed()
{
    // The printer keeps the name the dialog gave it until the command that
    // chose it ends (PrinterTarget::usePrinter).
    if (toFile_) {
        printer_->setOutputFileName(destination_);
    } else {
        printer_->setOutputFileName(QString());
        printer_->setOutputFormat(QPrinter::NativeFormat);
    }
}

void PrinterTarget::discardDocument()
{
    destinationFile_.reset(); // discards the temporary file
    spool_.reset();           // the spooled pages go with the folder
}

bool PrinterTarget::deliverDocument()
{
    const QString file = spoolFile();
    // The engine does not report failed writes: a spool file cut short (a
    // full temporary folder) is found by its own offsets and never handed
    // on.
    bool ok = pdfWrittenWhole(file, error_);
    if (ok)
        ok = toFile_ ? placeInFile(file) : submit(file);
    discardDocument();
    return ok;
}

bool PrinterTarget::placeInFile(const QString& spoolFile)
{
    QFile source(spoolFile);
    if (!source.open(QIODevice::ReadOnly)) {
        error_ = source.errorString();
        return false;
    }
    QFile& target = destinationFile_->file();
    qint64 copied = 0;
    bool complete = true;
    while (complete && !source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError)
            complete = false;
        for (qint64 done = 0; complete && done < chunk.size();) {
            const qint64 n = target.write(chunk.constData() + done, chunk.size() - done);
            if (n <= 0)
                complete = false;
            else
                done += n;
        }
        copied += chunk.size();
    }
    complete = complete && copied == source.size() && target.size() == copied;
    const QString failure = target.error() != QFileDevice::NoError   ? target.errorString()
                            : source.error() != QFileDevice::NoError ? source.errorString()
                                                                     : Messages::streamWriteError();
    const bool ok = commitChecked(*destinationFile_, destination_, complete, failure, error_);
    destinationFile_.reset();
    return ok;
}

bool PrinterTarget::submit(const QString& file)
{
    // The options the print dialog's Properties chose (tray, duplex, media
    // type, job options), then those the print system needs for the page as
    // laid out: its media, the uncollated copy count and the orientation.
    const QPageLayout layout = printer_->pageLayout();
    std::vector<std::pair<QByteArray, QByteArray>> options;
    for (const auto& [name, value] : printerOptions(*printer_))
        options.emplace_back(name.toUtf8(), value.toUtf8());
    options.emplace_back("media", layout.pageSize().key().toUtf8());
    if (copies_ > 1)
        options.emplace_back("copies", QByteArray::number(copies_));
    if (layout.orientation() == QPageLayout::Landscape)
        options.emplace_back("landscape", QByteArray());

    cups_option_t* cupsOptions = nullptr;
    int count = 0;
    for (const auto& [name, value] : options)
        count = cupsAddOption(name.constData(), value.constData(), count, &cupsOptions);

    // A printer name may carry an instance after "/"; the queue is the part
    // before it.
    const QByteArray queue = printer_->printerName().section(u'/', 0, 0).toUtf8();
    const QByteArray title = documentName_.toUtf8();
    const int jobId = cupsPrintFile(queue.constData(), QFile::encodeName(file).constData(), title.constData(), count,
                                    cupsOptions);
    cupsFreeOptions(count, cupsOptions);
    if (jobId <= 0) {
        error_ = QString::fromUtf8(cupsLastErrorString());
        return false;
    }
    lastJobId_ = jobId;
    return true;
}

// ---------------------------------------------------------------- PDF file

PdfFileTarget::PdfFileTarget(const QString& path, int resolution) : path_(path), resolution_(resolution)
{}

PdfFileTarget::~PdfFileTarget()
{
    abortDocument();
}

void PdfFileTarget::setOrientation(bool landscape)
{
    refuseWhilePrinting();
    landscape_ = landscape;
}

void PdfFileTarget::setPaperSize(const QSizeF& millimetres)
{
    refuseWhilePrinting();
    paper_ = millimetres;
}

void PdfFileTarget::setCopies(int copies)
{
    refuseWhilePrinting();
    copies_ = std::max(copies, 1);
}

PrinterGeometry PdfFileTarget::geometry() const
{
    return PrinterGeometry{resolution_, resolution_, 0, 0};
}

void PdfFileTarget::openDocument()
{
    file_ = openOutputFile(path_, error_);
    if (!file_)
        return;
    checked_ = std::make_unique<CheckedWriter>(file_->file());
    checked_->open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(checked_.get());
    writer_->setResolution(resolution_);
    writer_->setCreator(applicationTitle());
    writer_->setTitle(documentName_);
    if (paper_.width() > 0 && paper_.height() > 0) {
        writer_->setPageLayout(QPageLayout(printPageSize(paper_, landscape_),
                                           landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait,
                                           QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    }
    startPainting(*writer_, path_);
}

void PdfFileTarget::painterClosed()
{
    writer_.reset();
}

bool PdfFileTarget::deliverDocument()
{
    const bool complete = checked_->complete();
    const bool ok = commitChecked(*file_, path_, complete, checked_->failure(), error_);
    checked_.reset();
    file_.reset();
    return ok;
}

void PdfFileTarget::discardDocument()
{
    checked_.reset();
    file_.reset(); // discards the temporary file
}
