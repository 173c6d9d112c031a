#include "DataSource.h"

#include "model/DataTable.h"
#include "model/TableSource.h"
#include "model/TextBlockSource.h"

#include <QFileInfo>

bool DataSource::isPresent(const QString& name) const
{
    return QFileInfo::exists(name);
}

LabelContent DataSource::label(qint32 index, const LabelLimits& limits) const
{
    LabelContent content;
    appendLabel(index, content.lines, limits);
    return content;
}

namespace {

struct DataSourceKind {
    bool (*claims)(const QString& fileName);
    std::unique_ptr<DataSource> (*make)();
};

template <class Source>
std::unique_ptr<DataSource> make()
{
    return std::make_unique<Source>();
}

bool anyFile(const QString&)
{
    return true;
}

// The kinds of data source, asked in order; a new kind is one line here.
const DataSourceKind sourceKinds[] = {
    {isTableFileName, make<TableSource>},
    {anyFile, make<TextBlockSource>},
};

} // namespace

std::unique_ptr<DataSource> makeDataSource(const QString& fileName)
{
    for (const DataSourceKind& kind : sourceKinds) {
        if (kind.claims(fileName))
            return kind.make();
    }
    return std::make_unique<TextBlockSource>();
}
