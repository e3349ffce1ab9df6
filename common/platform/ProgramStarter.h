#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace oc::platform {

// Starts programs and opens documents. Tests install a recorder in its place.
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;

    // Starts detached in the directory; false when it could not be started.
    virtual bool start(const QString &program, const QStringList &arguments, const QString &directory) = 0;
    // Runs and waits; the exit code, or -1 when it could not be started or
    // did not end normally.
    virtual int run(const QString &program, const QStringList &arguments, const QString &directory) = 0;
    // Opens a document with the desktop's opener; the path is never put
    // through a shell.
    virtual bool open(const QString &path) = 0;
};

// The file URL the opener gets: the path's bytes as the file system has them,
// percent-encoded.
QUrl documentUrl(const QString &path);

ProgramStarter &programStarter();
// Replaces the starter (nullptr restores the real one); not owned.
void setProgramStarter(ProgramStarter *starter);

} // namespace oc::platform
