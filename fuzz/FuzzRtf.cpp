// The RTF reader of the instructions window, with the layout the window
// makes of its document.

#include "FuzzTargets.h"

#include "text/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QTextDocument>

int FuzzRtf(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    const bool read = readRtf(bytes, document);
    FUZZ_CHECK("rtf", read == isRtf(bytes));
    if (!read) {
        FUZZ_CHECK("rtf", document.isEmpty());
        return 0;
    }
    document.setTextWidth(600);
    volatile qreal height = document.documentLayout()->documentSize().height();
    (void)height;
    volatile qsizetype length = document.toPlainText().size();
    (void)length;
    return 0;
}
