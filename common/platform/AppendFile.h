#pragma once

#include "FileError.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace oc::platform {

// A file that only grows at its end; what was appended before a sync()
// that returned true survives a crash or a power cut.
class AppendFile
{
public:
    ~AppendFile();
    AppendFile(const AppendFile &) = delete;
    AppendFile &operator=(const AppendFile &) = delete;

    // A new file, refused (EEXIST) when the name is taken; its directory
    // entry is made durable with it.
    static std::unique_ptr<AppendFile> create(const QString &path, FileError *error = nullptr);
    // An existing file, to add to.
    static std::unique_ptr<AppendFile> open(const QString &path, FileError *error = nullptr);

    bool append(const QByteArray &bytes, FileError *error = nullptr);
    bool sync(FileError *error = nullptr);

private:
    AppendFile(int fd, QString path);

    int m_fd = -1;
    QString m_path;
};

} // namespace oc::platform
