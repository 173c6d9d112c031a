// The table reader and the label layout. The input is a byte of switches
// (bit 0: a tie in the separator count goes to the tab), a byte giving the
// layout's length, the layout (UTF-8) and then the table file's content.
// Checked: every row kept has a field with text, a row cut short keeps its
// fields within the bound, a layout gives lines without breaks, a label
// built within bounds is the start of the whole label, and rows out of
// range are empty.

#include "FuzzTargets.h"

#include "model/DataTable.h"
#include "model/LabelLayout.h"

#include <algorithm>

int FuzzTable(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const bool preferTabs = (data[0] & 1) != 0;
    const std::size_t layoutLength = std::min<std::size_t>(data[1], size - 2);
    const QString layoutText = QString::fromUtf8(reinterpret_cast<const char*>(data + 2),
                                                 static_cast<qsizetype>(layoutLength));
    const QByteArray file(reinterpret_cast<const char*>(data + 2 + layoutLength),
                          static_cast<qsizetype>(size - 2 - layoutLength));

    DataTable table;
    table.loadFromBytes(file, preferTabs);
    FUZZ_CHECK("table", table.delimiter() == ',' || table.delimiter() == ';' || table.delimiter() == '\t');
    FUZZ_CHECK("table", table.row(-1).isEmpty() && table.row(table.rowCount()).isEmpty());
    const QStringList names = table.firstRowLooksLikeNames() ? table.firstRowAsNames() : QStringList();
    const LabelLayout layout(layoutText, names, table.columnCount());
    for (int i = 0; i < table.rowCount(); ++i) {
        const QStringList fields = table.row(i);
        FUZZ_CHECK("table", std::any_of(fields.begin(), fields.end(), [](const QString& f) { return !f.isEmpty(); }));
        const QStringList shortFields = table.row(i, 3);
        FUZZ_CHECK("table", shortFields.size() == fields.size());
        for (qsizetype f = 0; f < fields.size(); ++f)
            FUZZ_CHECK("table", shortFields[f].size() <= 3 && fields[f].startsWith(shortFields[f]));
        const QStringList label = layout.expand(fields);
        for (const QString& line : label)
            FUZZ_CHECK("table", !line.contains(u'\n') && !line.contains(u'\r'));
        // A label built only as far as it shows is the start of the whole,
        // less a pair of UTF-16 units the cut went through.
        const QStringList shown = layout.expand(fields, 3, 5);
        FUZZ_CHECK("table", shown.size() == std::min<qsizetype>(label.size(), 3));
        for (qsizetype l = 0; l < shown.size(); ++l) {
            QString start = label[l].left(5);
            if (label[l].size() > 5 && start.back().isHighSurrogate())
                start.chop(1);
            FUZZ_CHECK("table", shown[l] == start);
        }
    }
    return 0;
}
