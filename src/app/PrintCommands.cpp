// File > Print, Template > Print and File > Set up printer: the print run on
// the current printer, with its dialog and a progress window.

#include "app/FormMAIN.h"
#include "model/Job.h"
#include "render/PrintRun.h"
#include "support/Dialogs.h"
#include "support/Messages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QProgressDialog>
#include <QStatusBar>

namespace {
const QString busyText = QStringLiteral(
    "A print is in progress.\n\rWait for it to finish, or close the program to abort it.");
}

TPRINTERTARGET& TFormMAIN::printer()
{
    if (!printer_)
        printer_ = std::make_unique<TPRINTERTARGET>();
    return *printer_;
}

bool TFormMAIN::printInProgress() const
{
    return printRun_ && printRun_->inProgress();
}

void TFormMAIN::printCommand(bool labels)
{
    if (printInProgress()) {
        Messages().warning(busyText);
        return;
    }
    TPRINTERTARGET& target = printer();
    if (!target.isValid()) {
        Messages().error(QStringLiteral("No printer is installed. Add a printer to the print system first."));
        return;
    }
    target.setOrientation(job_->TEMPLATE()->LANDSCAPE());
    const TPRINTCOMMAND command = labels ? TPRINTCOMMAND::PRINTJOB : TPRINTCOMMAND::PRINTTEMPLATE;
    const qint32 maxPage = FNPRINTMAXPAGE(*job_, command);

    TPRINTREQUEST request;
    request.Command = command;
    if (labels) {
        if (maxPage < 1) {
            // Data lines but no labels (a file of blank lines): no page to offer.
            Messages().information(QStringLiteral("The data file holds no labels: there is nothing to print."));
            return;
        }
        TPRINTCHOICE choice;
        choice.minPage = 1;
        choice.maxPage = maxPage;
        choice.fromPage = 1;
        choice.toPage = maxPage;
        choice.copies = target.copies();
        choice.collate = collate_;
        if (!Dialogs().print(this, target.printer(), choice))
            return;
        collate_ = choice.collate;
        request.FromPage = choice.fromPage;
        request.ToPage = choice.toPage;
        request.Collate = choice.collate;
        request.Copies = choice.copies;
        if (!choice.collate)
            target.setCopies(choice.copies);
    }

    if (!printRun_)
        printRun_ = std::make_unique<TPRINTRUN>();
    // A run that lasts longer than about a second shows its progress; its
    // Cancel asks the run to stop, as closing the window does.
    std::unique_ptr<QProgressDialog> progress;
    QElapsedTimer clock;
    clock.start();
    printRun_->progress = [&](qint32 sent, qint32 total) {
        if (!progress && clock.elapsed() > 1000 && sent < total) {
            progress = std::make_unique<QProgressDialog>(QString(), QStringLiteral("Cancel"), 0, total, this);
            progress->setObjectName(QStringLiteral("PrintProgress"));
            progress->setWindowTitle(QStringLiteral("Printing"));
            progress->setWindowModality(Qt::NonModal);
            connect(progress.get(), &QProgressDialog::canceled, this, [this] { printRun_->requestAbort(); });
            progress->show();
        }
        if (progress) {
            progress->setValue(sent);
            progress->setLabelText(QStringLiteral("page %1 of %2").arg(sent).arg(total));
        }
    };
    TPRINTRESULT result;
    try {
        result = printRun_->run(*job_, target, request);
    } catch (const std::exception& e) {
        printRun_->progress = nullptr;
        Messages().error(QString::fromLocal8Bit(e.what()));
        return;
    }
    printRun_->progress = nullptr;
    progress.reset();
    switch (result.Outcome) {
    case TPRINTOUTCOME::Printed:
        statusBar()->showMessage(QStringLiteral("%1 pages sent to %2").arg(result.PagesSent).arg(target.printerName()), 5000);
        break;
    case TPRINTOUTCOME::Aborted:
        statusBar()->showMessage(QStringLiteral("Printing aborted: nothing was printed."), 5000);
        break;
    case TPRINTOUTCOME::NothingToPrint:
        Messages().information(QStringLiteral("The chosen pages hold nothing to print."));
        break;
    case TPRINTOUTCOME::PictureFailed:
    case TPRINTOUTCOME::Failed:
        Messages().error(result.Error.isEmpty() ? QStringLiteral("The printer did not take the document.") : result.Error);
        break;
    }
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
        Messages().warning(busyText);
        return;
    }
    TPRINTERTARGET& target = printer();
    const bool landscape = job_->TEMPLATE()->LANDSCAPE();
    target.setOrientation(landscape);
    Dialogs().printerSetup(this, target.printer());
    const bool nowLandscape = target.landscape();
    job_->setALTERED(job_->ALTERED() || nowLandscape != landscape);
    job_->TEMPLATE()->SETLANDSCAPE(nowLandscape);
}

bool TFormMAIN::printCloseQuestion()
{
    if (!printInProgress())
        return true;
    if (Messages().ask(QStringLiteral("Printing in operation.\n\rDo you wish to abort print job?"), MsgSign::Warning,
                       MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    if (!printInProgress())
        return true;
    printRun_->requestAbort();
    return false;
}
