#pragma once

#include "FileError.h"
#include "Walk.h"

#include <QString>
#include <QtGlobal>
#include <optional>

namespace oc::platform {

// The system's attribute bits.
namespace attr {
enum : quint32 { ReadOnly = 0x1, Hidden = 0x2, System = 0x4, Directory = 0x10, Archive = 0x20, Normal = 0x80 };
}

// Read-only from the write permission bits, hidden from a leading "." or the
// stored DOS bits, system and archive from the stored DOS bits, directory
// from the entry itself (a link is not a directory). nullopt when the entry
// does not exist.
std::optional<quint32> readAttributes(const QString &path);

// Sets read-only, hidden, system and archive as given (the directory bit is
// ignored); a link's target takes them. Clearing read-only gives the owner
// write permission back. Returns false, with the reason in *error, when
// any part could not be written (no extended attributes on this file
// system, no permission, gone, or "hidden" cleared on a name that starts
// with "." and is never renamed).
bool writeAttributes(const QString &path, quint32 attributes, FileError *error = nullptr);

// The same for an entry walkTree is visiting, reached from the directory
// the walk holds open and never through a link: a link is left as it is,
// and whatever is renamed meanwhile, nothing outside the tree is written.
bool writeAttributes(const WalkEntry &entry, quint32 attributes, FileError *error = nullptr);

} // namespace oc::platform
