// The colour-scheme reader on any file: a value or a refusal, nothing else.
#include <WczytajKolory.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("xk.kol"));
    QFile schemat(plik);
    if (!schemat.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    schemat.write(reinterpret_cast<const char *>(data), qint64(size));
    schemat.close();
    try {
        WczytajKolory(plik);
    } catch (const BłądSchematuKolorów &) {
        if (size != 0 && !QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)).contains('='))
            std::abort(); // a file of keys without values cannot overflow
    }
    return 0;
}
