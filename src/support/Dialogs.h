#pragma once
// The one way the program asks the user to choose a file, a font or a
// colour. The running program installs a seam that shows the common Qt
// dialogs; tests install a scripted one that records each request and
// answers from a queue.

#include <QColor>
#include <QFont>
#include <QList>
#include <QPair>
#include <QString>

class QPrinter;
class QWidget;

// Which pages of a range print: all, or those whose own page number is odd
// or even.
enum class PageSet { All, Odd, Even };

// The choices of the print dialog: the page range (1-based), the copies
// and collation, a page list, odd or even pages and the order. The dialog is
// offered minPage to maxPage.
struct PrintChoice {
    int minPage = 1;
    int maxPage = 1;
    int fromPage = 1;
    int toPage = 1;
    int copies = 1;
    bool collate = false;
    // A page list such as "2,5-7", range by range as typed; when empty the
    // range is fromPage to toPage.
    QList<QPair<int, int>> pageList;
    PageSet pageSet = PageSet::All;
    bool reverse = false; // last page first
};

// What the print dialog left on the printer, as a choice: the range, the
// copies, a page list and odd or even pages (taken off the printer's
// options, as the run picks the pages itself) and the order.
void readPrintChoice(QPrinter& printer, PrintChoice& choice);

struct FileRequest {
    QString caption;
    QString startFolder;
    QString fileName;         // the name offered (save) or preselected (open)
    QString filter;           // "Job files (*.GVJ *.gvj);;All files (*)"
    QString defaultSuffix;    // added when the user types a name without one
    bool mustExist = true;    // open: the file must exist
    bool askOverwrite = true; // save: ask before replacing a file
};

class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString openFile(QWidget* parent, const FileRequest& request) = 0;
    virtual QString saveFile(QWidget* parent, const FileRequest& request) = 0;
    // True with the choice in `font` / `color`; false when cancelled. The
    // font dialog offers every family but only the styles a label keeps
    // (regular, bold, italic, bold italic) and the underline and strike-out
    // effects.
    virtual bool chooseFont(QWidget* parent, QFont& font) = 0;
    virtual bool chooseColor(QWidget* parent, QColor& color) = 0;
    // The print dialog on a printer: true with the choice when the user
    // prints; the printer takes the chosen printer and its settings.
    virtual bool print(QWidget* parent, QPrinter& printer, PrintChoice& choice) = 0;
    // The printer set-up dialog; true when accepted.
    virtual bool printerSetup(QWidget* parent, QPrinter& printer) = 0;
};

// The seam in force; the Qt dialogs until another is installed.
DialogSeam& dialogSeam();

class ScopedDialogSeam {
public:
    explicit ScopedDialogSeam(DialogSeam& seam);
    ~ScopedDialogSeam();
    ScopedDialogSeam(const ScopedDialogSeam&) = delete;
    ScopedDialogSeam& operator=(const ScopedDialogSeam&) = delete;

private:
    DialogSeam* previous_;
};

// The common Qt dialogs.
class QtDialogSeam : public DialogSeam {
public:
    QString openFile(QWidget* parent, const FileRequest& request) override;
    QString saveFile(QWidget* parent, const FileRequest& request) override;
    bool chooseFont(QWidget* parent, QFont& font) override;
    bool chooseColor(QWidget* parent, QColor& color) override;
    bool print(QWidget* parent, QPrinter& printer, PrintChoice& choice) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;
};
