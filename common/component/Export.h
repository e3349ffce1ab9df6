#pragma once

#include "Component.h"

#include <QtGlobal>
#include <cstring>
#include <vector>

namespace oc {

struct ClassEntry
{
    const char *classId;
    Component *(*create)();
};

template <class T>
Component *makeComponent()
{
    return new T;
}

template <std::size_t N>
const char *const *classIdList(const ClassEntry (&entries)[N])
{
    static std::vector<const char *> ids = [&] {
        std::vector<const char *> list;
        for (const ClassEntry &entry : entries)
            list.push_back(entry.classId);
        list.push_back(nullptr);
        return list;
    }();
    return ids.data();
}

template <std::size_t N>
Component *createFromList(const ClassEntry (&entries)[N], const char *classId) noexcept
{
    if (!classId)
        return nullptr;
    try {
        for (const ClassEntry &entry : entries)
            if (qstricmp(entry.classId, classId) == 0)
                return entry.create();
    } catch (...) {
    }
    return nullptr;
}

} // namespace oc

// Exports the two entry points of a component library:
// OC_COMPONENT({"notebox.notebox2", &oc::makeComponent<Notebox2>})
#define OC_COMPONENT(...)                                                                                              \
    static const oc::ClassEntry oc_served_classes[] = {__VA_ARGS__};                                                   \
    extern "C" Q_DECL_EXPORT const char *const *oc_class_ids()                                                         \
    {                                                                                                                  \
        return oc::classIdList(oc_served_classes);                                                                     \
    }                                                                                                                  \
    extern "C" Q_DECL_EXPORT oc::Component *oc_create(const char *classId)                                             \
    {                                                                                                                  \
        return oc::createFromList(oc_served_classes, classId);                                                         \
    }
