// The saved-directories reader on any file: two absolute directories that
// can be entered, each ending with "/", whatever the file holds.
#include <ReadPaths.h>

#include <platform/Directory.h>
#include <platform/Paths.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

struct Miejsce
{
    QTemporaryDir program;
    QTemporaryDir konfiguracja;
    QString plik;

    Miejsce()
    {
        // No user copy can be newer than the program's.
        qputenv("XDG_CONFIG_HOME", konfiguracja.path().toLocal8Bit());
        QDir(program.path()).mkpath(QStringLiteral("data"));
        oc::platform::setProgramDirectory(program.path());
        plik = program.filePath(QStringLiteral("data/oc.pth"));
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Miejsce miejsce;
    QFile zapis(miejsce.plik);
    if (!zapis.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    zapis.write(reinterpret_cast<const char *>(data), qint64(size));
    zapis.close();
    for (const QString &katalog : ReadPaths())
        if (!katalog.startsWith(u'/') || !katalog.endsWith(u'/') || !oc::platform::canEnter(katalog))
            std::abort();
    return 0;
}
