#pragma once
// Where printed pages go: a printer of the print system or a PDF file, as
// the print run and the printer calibration see it.

#include "print/PrinterCalibration.h"

#include <QSizeF>
#include <QString>

#include <limits>
#include <stdexcept>

class PageCanvas;

// Where printed pages go: the few things the run asks of a printer.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    // The printer's name as the printer list gives it: the key of its
    // calibration.
    virtual QString printerName() const = 0;
    // False for a target that stands for a file rather than a printer: it
    // gets neither calibration nor printer margins.
    virtual bool appliesCalibration() const = 0;

    // The orientation and the paper size, as the paper lies in that
    // orientation (millimetres). Refused while a document is open.
    virtual void setOrientation(bool landscape) = 0;
    virtual bool landscape() const = 0;
    virtual void setPaperSize(const QSizeF& millimetres) = 0;
    // The printer's own default paper, for a page that belongs to no job
    // (the calibration page). A target without paper of its own keeps what
    // it has.
    virtual void usePrinterPaper() {}

    // The title of the next document: the print system's job name and the
    // PDF's title.
    void setDocumentName(const QString& name) { documentName_ = name; }
    const QString& documentName() const { return documentName_; }

    // The printer's own copy count: how many uncollated copies of each page
    // it makes. A target that cannot make copies leaves that to the run
    // (makesCopies() false), which then sends every page that many times.
    virtual int copies() const = 0;
    virtual void setCopies(int copies) = 0;
    virtual bool makesCopies() const = 0;

    // Resolution and printable-area offset, known before the document begins.
    virtual PrinterGeometry geometry() const = 0;
    // The most pages one document can hold on this target.
    virtual qint64 maxPages() const { return std::numeric_limits<qint32>::max(); }

    virtual void beginDocument() = 0;
    virtual bool isPrinting() const = 0;
    // The page canvas while a document is open; null otherwise.
    virtual PageCanvas* canvas() = 0;
    virtual bool newPage() = 0;
    // Ends the document and hands it to the printer. False when that failed;
    // errorText() says why.
    virtual bool endDocument() = 0;
    // Discards the open document: nothing of it is printed.
    virtual void abortDocument() = 0;
    virtual QString errorText() const = 0;

protected:
    QString documentName_;
};

// A target refused a change (orientation, paper, copies) during a document.
class EPrinterBusy : public std::runtime_error {
public:
    EPrinterBusy() : std::runtime_error("Printing in progress") {}
};
