#pragma once
// The one way the program asks the user to choose a file, a font or a
// colour. The running program installs a seam that shows the common Qt
// dialogs; tests install a scripted one that records each request and
// answers from a queue.

#include "support/DialogRequests.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPair>
#include <QString>

class QPrinter;
class QWidget;

// What the print dialog left on the printer, as a choice: the range, the
// copies, the collation and the order. A page list and odd or even pages
// are left on the printer's options; readPageOptions (print/PrinterOptions.h)
// takes them off.
void readPrintChoice(QPrinter& printer, PrintChoice& choice);

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
