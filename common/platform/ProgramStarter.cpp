#include "ProgramStarter.h"

#include "Names.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace oc::platform {

namespace {

class RealStarter : public ProgramStarter
{
public:
    bool start(const QString &program, const QStringList &arguments, const QString &directory) override
    {
        return QProcess::startDetached(program, arguments, directory);
    }

    int run(const QString &program, const QStringList &arguments, const QString &directory) override
    {
        QProcess process;
        process.setWorkingDirectory(directory);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(program, arguments);
        if (!process.waitForStarted(-1))
            return -1;
        process.waitForFinished(-1);
        if (process.exitStatus() != QProcess::NormalExit)
            return -1;
        return process.exitCode();
    }

    bool open(const QString &path) override { return QDesktopServices::openUrl(documentUrl(path)); }
};

RealStarter realStarter;
ProgramStarter *current = &realStarter;

} // namespace

QUrl documentUrl(const QString &path)
{
    // Built from the bytes, so a name that is not UTF-8 reaches the opener intact.
    const QByteArray bytes = encodeName(QFileInfo(path).absoluteFilePath());
    return QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"), QUrl::StrictMode);
}

ProgramStarter &programStarter()
{
    return *current;
}

void setProgramStarter(ProgramStarter *starter)
{
    current = starter ? starter : &realStarter;
}

} // namespace oc::platform
