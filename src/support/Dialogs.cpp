#include "Dialogs.h"

#include "support/BaseForm.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QListView>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {
QtDialogSeam qtSeam;

// The faces of a family a label can be drawn with: a label's font keeps
// only bold and italic, so of all the family's styles (Light, Condensed,
// Medium, ...) only the four it resolves those to can be kept.
QStringList labelStyles(const QString& family)
{
    QStringList styles;
    for (const bool bold : {false, true})
        for (const bool italic : {false, true}) {
            QFont font(family);
            font.setBold(bold);
            font.setItalic(italic);
            const QString style = QFontInfo(font).styleName();
            if (!styles.contains(style))
                styles << style;
        }
    return styles;
}

// Qt's font dialog offers every style of a family; this hides the ones a
// label cannot keep, each time the dialog fills its style list for a family,
// and moves the choice off a hidden one. The dialog makes its family, style
// and size lists in that order.
void offerOnlyLabelStyles(QFontDialog& dialog)
{
    const QList<QListView*> lists = dialog.findChildren<QListView*>();
    if (lists.size() < 2)
        return;
    QListView* familyList = lists.at(0);
    QListView* styleList = lists.at(1);
    QAbstractItemModel* styles = styleList->model();
    if (!familyList->model() || !styles)
        return;
    const auto filter = [familyList, styleList, styles] {
        const QStringList kept = labelStyles(familyList->currentIndex().data().toString());
        int firstKept = -1;
        for (int row = 0; row < styles->rowCount(); ++row) {
            const bool keep = kept.contains(styles->index(row, 0).data().toString());
            styleList->setRowHidden(row, !keep);
            if (keep && firstKept < 0)
                firstKept = row;
        }
        const QModelIndex current = styleList->currentIndex();
        if (firstKept >= 0 && (!current.isValid() || styleList->isRowHidden(current.row())))
            styleList->setCurrentIndex(styles->index(firstKept, 0));
    };
    // After the view's own handling of the reset, which shows every row.
    QObject::connect(styles, &QAbstractItemModel::modelReset, &dialog, filter);
    filter();
}

DialogSeam* currentSeam = &qtSeam;

QString startPath(const FileRequest& r)
{
    if (r.fileName.isEmpty())
        return r.startFolder;
    return QDir(r.startFolder).filePath(r.fileName);
}

void configure(QFileDialog& dialog, const FileRequest& r)
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

DialogSeam& dialogSeam()
{
    return *currentSeam;
}

ScopedDialogSeam::ScopedDialogSeam(DialogSeam& seam) : previous_(currentSeam)
{
    currentSeam = &seam;
}

ScopedDialogSeam::~ScopedDialogSeam()
{
    currentSeam = previous_;
}

QString QtDialogSeam::openFile(QWidget* parent, const FileRequest& r)
{
    QFileDialog dialog(parent);
    keepOnScreen(dialog);
    configure(dialog, r);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(r.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtDialogSeam::saveFile(QWidget* parent, const FileRequest& r)
{
    QFileDialog dialog(parent);
    keepOnScreen(dialog);
    configure(dialog, r);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!r.askOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool QtDialogSeam::chooseFont(QWidget* parent, QFont& font)
{
    // Qt's own dialog everywhere: it shows the face the program draws with.
    QFontDialog dialog(parent);
    keepOnScreen(dialog);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setCurrentFont(font);
    offerOnlyLabelStyles(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.selectedFont();
    return true;
}

bool QtDialogSeam::chooseColor(QWidget* parent, QColor& color)
{
    QColorDialog dialog(color, parent);
    keepOnScreen(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    color = dialog.selectedColor();
    return true;
}

void readPrintChoice(QPrinter& printer, PrintChoice& choice)
{
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        choice.fromPage = printer.fromPage();
        choice.toPage = printer.toPage();
    } else {
        choice.fromPage = choice.minPage;
        choice.toPage = choice.maxPage;
    }
    choice.copies = printer.copyCount();
    choice.collate = printer.collateCopies();
    choice.reverse = printer.pageOrder() == QPrinter::LastPageFirst;
    choice.pageList.clear();
    choice.pageSet = PageSet::All;
}

bool QtDialogSeam::print(QWidget* parent, QPrinter& printer, PrintChoice& choice)
{
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(choice.fromPage, choice.toPage);
    printer.setCopyCount(choice.copies);
    printer.setCollateCopies(choice.collate);
    printer.setPageOrder(choice.reverse ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
    QPrintDialog dialog(&printer, parent);
    keepOnScreen(dialog);
    dialog.setMinMax(choice.minPage, choice.maxPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    // A sheet of labels has no selection, and the run prints whole ranges:
    // neither is offered.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    readPrintChoice(printer, choice);
    return true;
}

bool QtDialogSeam::printerSetup(QWidget* parent, QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, parent);
    keepOnScreen(dialog);
    return dialog.exec() == QDialog::Accepted;
}
