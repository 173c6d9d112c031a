#include "ClassRegistry.h"

#include "model/Font.h"
#include "model/Job.h"

#include <functional>
#include <map>

namespace {

using Factory = std::function<std::unique_ptr<Persistent>()>;

// The known classes, in the order the program enters them. A window base
// read from a stream has nothing to show; it is read into a plain control.
const std::vector<std::pair<QString, Factory>>& registry()
{
    static const std::vector<std::pair<QString, Factory>> classes = {
        {QStringLiteral("TBASEFORM"), [] { return std::make_unique<TBASECONTROL>(); }},
        {QStringLiteral("TBASECONTROL"), [] { return std::make_unique<TBASECONTROL>(); }},
        {QStringLiteral("TFONTWRAPPER"), [] { return std::make_unique<TFONTWRAPPER>(); }},
        {QStringLiteral("TJOB"), [] { return std::make_unique<TJOB>(); }},
        {QStringLiteral("TJOBINFO"), [] { return std::make_unique<TJOBINFO>(); }},
        {QStringLiteral("TTEMPLATE"), [] { return std::make_unique<TTEMPLATE>(); }},
        {QStringLiteral("TDATAINFO"), [] { return std::make_unique<TDATAINFO>(); }},
    };
    return classes;
}

} // namespace

std::unique_ptr<Persistent> createRegisteredObject(const QString& className)
{
    for (const auto& [name, make] : registry())
        if (name.compare(className, Qt::CaseInsensitive) == 0)
            return make();
    return nullptr;
}

QStringList registeredClassNames()
{
    QStringList names;
    for (const auto& entry : registry())
        names << entry.first;
    return names;
}
