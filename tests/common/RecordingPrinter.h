#pragma once
// A printer for tests: it records what it is asked to do ("copies 3",
// "begin", "new", "end", "abort") and what is drawn on its page, and makes
// copies or refuses to begin as the test sets it.

#include "print/PrintRun.h"
#include "render/RecordingCanvas.h"

#include <QSizeF>
#include <QStringList>

#include <limits>

class RecordingPrinter : public PrintTarget {
public:
    explicit RecordingPrinter(const QString& name = QStringLiteral("Recorder"),
                              PrinterGeometry geometry = {600, 600, 0, 0})
        : device(geometry), name_(name)
    {}

    QStringList events;
    bool failBegin = false;
    bool canCopy = true;
    int copyCount = 1;
    int copiesWhilePrinting = 0; // the count as the last document began
    bool isLandscape = false;
    QSizeF paper;
    PrinterGeometry device;
    qint64 pageLimit = std::numeric_limits<qint32>::max();
    RecordingCanvas page; // what the last document drew

    int count(const char* event) const { return static_cast<int>(events.count(QString::fromLatin1(event))); }
    QStringList texts() const
    {
        QStringList all;
        for (const CanvasOp& op : page.ops(CanvasOp::Text))
            all << op.text;
        return all;
    }

    QString printerName() const override { return name_; }
    bool appliesCalibration() const override { return true; }
    void setOrientation(bool landscape) override
    {
        if (printing_)
            throw EPrinterBusy();
        isLandscape = landscape;
    }
    bool landscape() const override { return isLandscape; }
    void setPaperSize(const QSizeF& millimetres) override { paper = millimetres; }
    int copies() const override { return copyCount; }
    void setCopies(int copies) override
    {
        copyCount = copies;
        events << QStringLiteral("copies %1").arg(copies);
    }
    bool makesCopies() const override { return canCopy; }
    PrinterGeometry geometry() const override { return device; }
    qint64 maxPages() const override { return pageLimit; }
    void beginDocument() override
    {
        events << QStringLiteral("begin");
        page.clear();
        copiesWhilePrinting = copyCount;
        printing_ = !failBegin;
    }
    bool isPrinting() const override { return printing_; }
    PageCanvas* canvas() override { return printing_ ? &page : nullptr; }
    bool newPage() override
    {
        events << QStringLiteral("new");
        return printing_;
    }
    bool endDocument() override
    {
        events << QStringLiteral("end");
        const bool ended = printing_;
        printing_ = false;
        return ended;
    }
    void abortDocument() override
    {
        events << QStringLiteral("abort");
        printing_ = false;
    }
    QString errorText() const override { return QStringLiteral("recorder failed"); }

private:
    QString name_;
    bool printing_ = false;
};
