#include "Dialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {
TQtDialogSeam qtSeam;
TDialogSeam* currentSeam = &qtSeam;

QString startPath(const TFILEREQUEST& r)
{
    if (r.fileName.isEmpty())
        return r.startFolder;
    return QDir(r.startFolder).filePath(r.fileName);
}

void configure(QFileDialog& dialog, const TFILEREQUEST& r)
{
    dialog.setWindowTitle(r.caption);
    dialog.setNameFilter(r.filter);
    dialog.setDefaultSuffix(r.defaultSuffix);
    const QString start = startPath(r);
    if (!r.startFolder.isEmpty())
        dialog.setDirectory(r.startFolder);
    if (!r.fileName.isEmpty())
        dialog.selectFile(start);
}
} // namespace

TDialogSeam& Dialogs()
{
    return *currentSeam;
}

TScopedDialogSeam::TScopedDialogSeam(TDialogSeam& seam) : previous_(currentSeam)
{
    currentSeam = &seam;
}

TScopedDialogSeam::~TScopedDialogSeam()
{
    currentSeam = previous_;
}

QString TQtDialogSeam::openFile(QWidget* parent, const TFILEREQUEST& r)
{
    QFileDialog dialog(parent);
    configure(dialog, r);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(r.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString TQtDialogSeam::saveFile(QWidget* parent, const TFILEREQUEST& r)
{
    QFileDialog dialog(parent);
    configure(dialog, r);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!r.askOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool TQtDialogSeam::chooseFont(QWidget* parent, QFont& font)
{
    bool ok = false;
    // Qt's own dialog everywhere: it shows the face the program draws with.
    const QFont chosen = QFontDialog::getFont(&ok, font, parent, QString(), QFontDialog::DontUseNativeDialog);
    if (ok)
        font = chosen;
    return ok;
}

bool TQtDialogSeam::chooseColor(QWidget* parent, QColor& color)
{
    const QColor chosen = QColorDialog::getColor(color, parent);
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}

bool TQtDialogSeam::print(QWidget* parent, QPrinter& printer, TPRINTCHOICE& choice)
{
    printer.setFromTo(choice.fromPage, choice.toPage);
    printer.setCopyCount(choice.copies);
    printer.setCollateCopies(choice.collate);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(choice.minPage, choice.maxPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        choice.fromPage = printer.fromPage();
        choice.toPage = printer.toPage();
    } else {
        choice.fromPage = choice.minPage;
        choice.toPage = choice.maxPage;
    }
    choice.copies = printer.copyCount();
    choice.collate = printer.collateCopies();
    return true;
}

bool TQtDialogSeam::printerSetup(QWidget* parent, QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
