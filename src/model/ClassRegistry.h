#pragma once
#include "model/Persistent.h"

#include <QString>
#include <memory>

// The classes a reader can create from a class name found in a stream.
// Returns nullptr for a class that is not known.
std::unique_ptr<Persistent> createRegisteredObject(const QString& className);
QStringList registeredClassNames();
