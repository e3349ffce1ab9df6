#pragma once

#include <platform/ReadOnlyFile.h>

#include <QString>
#include <memory>

// Opens a file for the viewer; nullptr, with what to tell the user, when it
// cannot be shown (a directory, a pipe or a device, no permission, gone).
std::shared_ptr<const oc::platform::ReadOnlyFile> OtwórzDoPodglądu(const QString &ścieżka, QString &komunikat);
