#pragma once
// What the program asks of the file and print dialogs and what they answer,
// as plain values: the printing and the file commands use them without the
// widget library.

#include <QList>
#include <QPair>
#include <QString>

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

struct FileRequest {
    QString caption;
    QString startFolder;
    QString fileName;         // the name offered (save) or preselected (open)
    QString filter;           // "Job files (*.GVJ *.gvj);;All files (*)"
    QString defaultSuffix;    // added when the user types a name without one
    bool mustExist = true;    // open: the file must exist
    bool askOverwrite = true; // save: ask before replacing a file
};
