#include "RecordingStarter.h"

#include <QProcess>

namespace oc::test {

RecordingStarter::RecordingStarter() { platform::setProgramStarter(this); }

RecordingStarter::~RecordingStarter() { platform::setProgramStarter(nullptr); }

bool RecordingStarter::start(const QString &program, const QStringList &arguments, const QString &directory)
{
    calls.append({Kind::Start, program, arguments, directory});
    return startSucceeds;
}

int RecordingStarter::run(const QString &program, const QStringList &arguments, const QString &directory)
{
    calls.append({Kind::Run, program, arguments, directory});
    if (!reallyRun)
        return 0;
    QProcess process;
    process.setWorkingDirectory(directory);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return -1;
    return process.exitCode();
}

bool RecordingStarter::open(const QString &path)
{
    calls.append({Kind::Open, path, {}, {}});
    return startSucceeds;
}

} // namespace oc::test
