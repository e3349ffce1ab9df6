#include "TempRegistry.h"

#include <QDir>
#include <QProcess>

namespace oc::test {

QString binDir() { return QString::fromLocal8Bit(qgetenv("OC_BIN_DIR")); }

QStringList componentLibraries()
{
    return {QStringLiteral("oc.so"),      QStringLiteral("oc2.so"),    QStringLiteral("occopy.so"),
            QStringLiteral("ocdelete.so"), QStringLiteral("menuoc.so"), QStringLiteral("notebox.so"),
            QStringLiteral("ocfalrow.so")};
}

TempRegistry::TempRegistry() : m_previous(qgetenv("OC_REGISTRY"))
{
    qputenv("OC_REGISTRY", file().toLocal8Bit());
}

TempRegistry::~TempRegistry() { qputenv("OC_REGISTRY", m_previous); }

QString TempRegistry::file() const { return m_dir.filePath(QStringLiteral("registry.ini")); }

int TempRegistry::registerLibraries(const QStringList &libraries)
{
    QStringList arguments{QStringLiteral("/s")};
    for (const QString &library : libraries)
        arguments << (QDir::isAbsolutePath(library) ? library : binDir() + u'/' + library);
    QProcess ocreg;
    ocreg.start(binDir() + QStringLiteral("/data/ocreg"), arguments);
    if (!ocreg.waitForFinished(60000))
        return -1;
    return ocreg.exitStatus() == QProcess::NormalExit ? ocreg.exitCode() : -1;
}

} // namespace oc::test
