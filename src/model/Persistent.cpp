#include "Persistent.h"

const PropInfo* Persistent::findProperty(const QString& name) const
{
    // The table lists the base's properties first; searching from the end
    // finds the class's own property before a base property of that name.
    const PropTable& table = properties();
    for (auto it = table.rbegin(); it != table.rend(); ++it)
        if (it->name.compare(name, Qt::CaseInsensitive) == 0)
            return &*it;
    return nullptr;
}
