#pragma once

#include <platform/ProgramStarter.h>

#include <QList>

namespace oc::test {

// Records what the program would start or open instead of doing it; installs
// itself for its lifetime.
class RecordingStarter : public platform::ProgramStarter
{
public:
    enum class Kind { Start, Run, Open };
    struct Call
    {
        Kind kind;
        QString program; // the document's path for Open
        QStringList arguments;
        QString directory;
    };

    RecordingStarter();
    ~RecordingStarter() override;

    bool start(const QString &program, const QStringList &arguments, const QString &directory) override;
    int run(const QString &program, const QStringList &arguments, const QString &directory) override;
    bool open(const QString &path) override;

    QList<Call> calls;
    bool startSucceeds = true;
    // Runs the program for real when set (a registration script, say).
    bool reallyRun = false;
};

} // namespace oc::test
