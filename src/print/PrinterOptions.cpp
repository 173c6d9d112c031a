#include "PrinterOptions.h"

QList<QPair<int, int>> pageListFromText(const QString& text)
{
    QList<QPair<int, int>> list;
    for (const QString& item : text.split(u',')) {
        const QStringList ends = item.split(u'-');
        bool okFirst = false, okLast = false;
        const int first = ends.value(0).trimmed().toInt(&okFirst);
        const int last = ends.size() == 2 ? ends[1].trimmed().toInt(&okLast) : first;
        if (!okFirst || (ends.size() == 2 && !okLast) || ends.size() > 2 || first < 1 || last < first)
            return {};
        list.append({first, last});
    }
    return list;
}

void readPageOptions(QPrinter& printer, PrintChoice& choice)
{
    QList<QPair<QString, QString>> kept;
    bool setRead = false;
    for (const auto& option : printerOptions(printer)) {
        if (option.first == u"page-ranges") {
            choice.pageList = pageListFromText(option.second);
        } else if (option.first == u"page-set") {
            setRead = true;
            choice.pageSet = option.second == u"odd"    ? PageSet::Odd
                             : option.second == u"even" ? PageSet::Even
                                                        : PageSet::All;
        } else {
            kept.append(option);
        }
    }
    // For a range the dialog counts odd and even from the range's first
    // page, as the first page of the document it expects; the choice counts
    // by the page's own number.
    if (setRead && printer.printRange() == QPrinter::PageRange && choice.fromPage % 2 == 0
        && choice.pageSet != PageSet::All)
        choice.pageSet = choice.pageSet == PageSet::Odd ? PageSet::Even : PageSet::Odd;
    setPrinterOptions(printer, kept);
}
