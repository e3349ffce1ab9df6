#pragma once

#include "Component.h"

#include <QString>
#include <QStringList>

namespace oc {

// Creates an instance of a registered class. Throws ComponentError when the
// class is not registered, its library is missing or does not serve it.
ComponentPtr createObject(const QString &classId);

// The classes a library serves; throws ComponentError when the file cannot be
// loaded or is not a component library. The library stays loaded.
QStringList classesServedBy(const QString &libraryPath);

} // namespace oc
