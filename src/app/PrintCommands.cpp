// File > Print, Template > Print and File > Set up printer: the print run on
// the current printer, with its dialog and a progress window.

#include "app/FormMAIN.h"
#include "model/Job.h"
#include "print/PrintProgress.h"
#include "print/PrintRun.h"
#include "print/PrinterCalibration.h"
#include "support/Dialogs.h"
#include "support/ErrorLog.h"
#include "support/Messages.h"
#include "print/PrinterOptions.h"
#include "render/LabelCheck.h"

#include <QCoreApplication>
#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QProgressDialog>
#include <QStatusBar>

PrinterTarget& TFormMAIN::printer()
{
    if (!printer_)
        printer_ = std::make_unique<PrinterTarget>();
    return *printer_;
}

bool TFormMAIN::printInProgress() const
{
    return printRun_ && printRun_->inProgress();
}

void TFormMAIN::printCommand(bool labels)
{
    preview_->commitTypedNumbers();
    if (printInProgress()) {
        messageSeam().warning(Messages::printBusy());
        return;
    }
    // A "print to file" chosen in the dialog holds for this command only;
    // afterwards the printer it replaced is the current printer again.
    const QString currentPrinter = printer().printerName();
    const QList<QPair<QString, QString>> currentOptions = printerOptions(printer().printer());
    bool toFile = false;
    // The command itself; its early returns end it.
    const auto print = [&] {
        if (labels && !unprintableLabelsAccepted())
            return;
        PrinterTarget& target = printer();
        if (!target.isValid()) {
            messageSeam().error(Messages::noPrinterInstalledAddOne());
            return;
        }
        target.setOrientation(job().TEMPLATE()->LANDSCAPE());
        const PrintCommand command = labels ? PrintCommand::PRINTJOB : PrintCommand::PRINTTEMPLATE;
        const qint32 maxPage = printMaxPage(job(), command);

        PrintRequest request;
        request.command = command;
        if (labels) {
            if (maxPage < 1) {
                // Data lines but no labels (a file of blank lines): no page to offer.
                messageSeam().information(Messages::noLabelsToPrint());
                return;
            }
            PrintChoice choice;
            choice.minPage = 1;
            choice.maxPage = maxPage;
            choice.fromPage = 1;
            choice.toPage = maxPage;
            choice.copies = target.copies();
            choice.collate = collate_;
            choice.reverse = reverse_;
            const bool accepted = dialogSeam().print(this, target.printer(), choice);
            toFile = target.printer().outputFormat() == QPrinter::PdfFormat;
            if (!accepted)
                return;
            readPageOptions(target.printer(), choice);
            collate_ = choice.collate;
            reverse_ = choice.reverse;
            request.fromPage = choice.fromPage;
            request.toPage = choice.toPage;
            request.pages = chosenPages(choice);
            if (request.pages.isEmpty()) {
                messageSeam().information(Messages::chosenPagesEmpty());
                return;
            }
            request.collate = choice.collate;
            request.copies = choice.copies;
            if (!choice.collate)
                target.setCopies(choice.copies);
        }
        // "Print to file" replaces only an ordinary file, never a device, a
        // pipe or a folder of that name.
        const QPrinter& qprinter = target.printer();
        if (qprinter.outputFormat() == QPrinter::PdfFormat && !qprinter.outputFileName().isEmpty()) {
            if (const QString refusal = outputFileRefusal(qprinter.outputFileName()); !refusal.isEmpty()) {
                messageSeam().error(refusal);
                return;
            }
        }

        // Every document carries a title: the print system's job name and
        // the PDF's title.
        target.setDocumentName(printDocumentName(command, JOBFILENAME()));

        if (!printRun_)
            printRun_ = std::make_unique<PrintRun>();
        // A run that lasts longer than about a second shows its progress; its
        // Cancel asks the run to stop, as closing the window does.
        std::unique_ptr<QProgressDialog> progress;
        QElapsedTimer clock;
        clock.start();
        printRun_->progress = [&](qint32 sent, qint32 total) {
            if (!progress && clock.elapsed() > 1000 && sent < total) {
                progress = std::make_unique<QProgressDialog>(
                    QString(), QCoreApplication::translate("PrintCommands", "Cancel"), 0, total, this);
                progress->setObjectName(QStringLiteral("PrintProgress"));
                progress->setWindowTitle(QCoreApplication::translate("PrintCommands", "Printing"));
                progress->setWindowModality(Qt::NonModal);
                connect(progress.get(), &QProgressDialog::canceled, this, [this] { printRun_->requestAbort(); });
                progress->show();
            }
            if (progress) {
                progress->setValue(sent);
                // Page by page, and once a few pages have gone, the time left.
                progress->setLabelText(
                    Messages::printProgressWithTime(sent, total, printSecondsLeft(sent, total, clock.elapsed())));
            }
        };
        const PrintResult result = printRun_->run(job(), target, request);
        printRun_->progress = nullptr;
        progress.reset();
        switch (result.outcome) {
        case PrintOutcome::Printed:
            statusBar()->showMessage(Messages::pagesSent(result.pagesSent, toFile ? target.printer().outputFileName()
                                                                                  : target.printerName()),
                                     5000);
            break;
        case PrintOutcome::Aborted: statusBar()->showMessage(Messages::printAbortedNothingPrinted(), 5000); break;
        case PrintOutcome::NothingToPrint: messageSeam().information(Messages::chosenPagesEmpty()); break;
        case PrintOutcome::PictureFailed: messageSeam().error(result.error); break;
        case PrintOutcome::Failed:
            reportPrintFailure(result.error.isEmpty() ? Messages::printerRefusedDocument() : result.error, true);
            break;
        }
    };

    // Whatever fails unexpectedly while printing (memory, say) ends this
    // command only: the run has discarded its document, so nothing
    // half-made reaches the printer or the file, and the program goes on.
    try {
        print();
    } catch (const ECalibrationError& e) {
        messageSeam().error(e.message());
    } catch (const std::exception& e) {
        reportPrintFailure(e, true);
    }
    if (printRun_)
        printRun_->progress = nullptr;
    if (toFile)
        printer().usePrinter(currentPrinter, currentOptions);
}

// Labels whose code cannot be made or whose own picture cannot be read are
// told before anything prints: the user prints the others, their slots
// left empty, or nothing.
bool TFormMAIN::unprintableLabelsAccepted()
{
    constexpr int Listed = 5;
    const LabelCheck check = checkLabels(job(), Listed);
    if (check.ok())
        return true;
    QStringList reasons;
    for (const LabelProblem& problem : check.first)
        reasons << Messages::labelProblem(problem.number, problem.reason);
    const QString question = Messages::labelsCannotBePrinted(check.failed, reasons, check.failed > check.first.size());
    return messageSeam().ask(question, MsgSign::Warning, MsgButtons::OkCancel) == MsgAnswer::Ok;
}

void TFormMAIN::PRINTJOBClick()
{
    printCommand(true);
}

void TFormMAIN::PRINTTEMPLATEClick()
{
    printCommand(false);
}

void TFormMAIN::Setupprinter1Click()
{
    if (printInProgress()) {
        messageSeam().warning(Messages::printBusy());
        return;
    }
    PrinterTarget& target = printer();
    const bool landscape = job().TEMPLATE()->LANDSCAPE();
    target.setOrientation(landscape);
    dialogSeam().printerSetup(this, target.printer());
    const bool nowLandscape = target.landscape();
    job().setALTERED(job().ALTERED() || nowLandscape != landscape);
    job().TEMPLATE()->SETLANDSCAPE(nowLandscape);
}

bool TFormMAIN::printCloseQuestion()
{
    if (!printInProgress())
        return true;
    if (messageSeam().ask(Messages::abortPrintQuestion(), MsgSign::Warning, MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    if (!printInProgress())
        return true;
    printRun_->requestAbort();
    return false;
}
