#include "createObject.h"

#include "ComponentError.h"
#include "Registry.h"

#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <memory>

namespace oc {

namespace {

using ClassIdsFn = const char *const *(*)();
using CreateFn = Component *(*)(const char *);

struct LoadedLibrary
{
    std::shared_ptr<QLibrary> library; // kept, never unloaded
    ClassIdsFn classIds = nullptr;
    CreateFn create = nullptr;
};

// Libraries are loaded once and never unloaded: instances and their vtables
// live in them until the process ends.
const LoadedLibrary &load(const QString &path)
{
    static QHash<QString, LoadedLibrary> loaded;
    const QString key = QFileInfo(path).absoluteFilePath();
    if (auto it = loaded.constFind(key); it != loaded.constEnd())
        return *it;

    if (!QFileInfo::exists(key))
        throw ComponentError(QStringLiteral("Brak pliku biblioteki: %1").arg(path));
    // Destroying a QLibrary does not unload it; only unload() would.
    auto library = std::make_shared<QLibrary>(key);
    if (!library->load())
        throw ComponentError(QStringLiteral("Nie można załadować biblioteki %1: %2").arg(path, library->errorString()));
    LoadedLibrary entry;
    entry.library = library;
    entry.classIds = reinterpret_cast<ClassIdsFn>(library->resolve("oc_class_ids"));
    entry.create = reinterpret_cast<CreateFn>(library->resolve("oc_create"));
    if (!entry.classIds || !entry.create)
        throw ComponentError(QStringLiteral("%1 nie jest biblioteką komponentów").arg(path));
    return *loaded.insert(key, entry);
}

} // namespace

QStringList classesServedBy(const QString &libraryPath)
{
    const LoadedLibrary &library = load(libraryPath);
    QStringList ids;
    for (const char *const *id = library.classIds(); id && *id; ++id)
        ids << QString::fromUtf8(*id);
    if (ids.isEmpty())
        throw ComponentError(QStringLiteral("%1 nie udostępnia żadnej klasy").arg(libraryPath));
    return ids;
}

ComponentPtr createObject(const QString &classId)
{
    const QString path = Registry().libraryOf(classId);
    if (path.isEmpty())
        throw ComponentError(QStringLiteral("Klasa \"%1\" nie jest zarejestrowana").arg(classId));
    const LoadedLibrary &library = load(path);
    Component *instance = library.create(classId.toUtf8().constData());
    if (!instance)
        throw ComponentError(QStringLiteral("Biblioteka %1 nie tworzy klasy \"%2\"").arg(path, classId));
    return ComponentPtr(instance);
}

} // namespace oc
