#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace oc::test {

// The build's bin/ folder (OC_BIN_DIR).
QString binDir();
// The file names of every component library the build makes, in bin/.
QStringList componentLibraries();

// A fresh registry file, set as OC_REGISTRY while the object lives.
class TempRegistry
{
public:
    TempRegistry();
    ~TempRegistry();

    QString file() const;
    // Runs bin/data/ocreg /s on the libraries (names in bin/, or paths);
    // returns its exit code.
    int registerLibraries(const QStringList &libraries);
    int registerAll() { return registerLibraries(componentLibraries()); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

} // namespace oc::test
