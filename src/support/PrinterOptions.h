#pragma once
// The print system options a printer carries for its next document: what
// the print dialog's Properties chose (tray, duplex, media type, job
// options), as name and value pairs. Qt's print dialog and its CUPS print
// engine keep them as an engine property; the program reads them after the
// dialog and hands them to the print system with the document.

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
