#pragma once
// The print system options a printer carries for its next document: what
// the print dialog's Properties chose (tray, duplex, media type, job
// options), as name and value pairs. Qt's print dialog and its CUPS print
// engine keep them as an engine property; the program reads them after the
// dialog and hands them to the print system with the document.

#include "support/DialogRequests.h"

#include <QList>
#include <QPair>
#include <QPrintEngine>
#include <QPrinter>
#include <QString>
#include <QStringList>

// The engine property that holds them: names and values in turn.
inline constexpr auto PrinterOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

inline QList<QPair<QString, QString>> printerOptions(const QPrinter& printer)
{
    QList<QPair<QString, QString>> options;
    if (!printer.printEngine())
        return options;
    const QStringList list = printer.printEngine()->property(PrinterOptionsKey).toStringList();
    for (qsizetype i = 0; i + 1 < list.size(); i += 2)
        options.append({list[i], list[i + 1]});
    return options;
}

inline void setPrinterOptions(QPrinter& printer, const QList<QPair<QString, QString>>& options)
{
    if (!printer.printEngine())
        return;
    QStringList list;
    for (const auto& [name, value] : options)
        list << name << value;
    printer.printEngine()->setProperty(PrinterOptionsKey, list);
}

// "2,5-7" as ranges; empty when the text is no page list.
QList<QPair<int, int>> pageListFromText(const QString& text);

// The print dialog leaves a page list and odd or even pages to the print
// system, which would apply them to the document as sent, collated copies
// and all. The run picks the pages itself instead: this moves them from the
// printer's options into the choice, so the print system does not pick
// again. Called after the dialog, once its range is in the choice.
void readPageOptions(QPrinter& printer, PrintChoice& choice);
