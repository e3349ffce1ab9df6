// The reversible name encoding: any bytes come back exactly, and text
// that came from valid UTF-8 decodes to itself.
#include <platform/Names.h>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString name = oc::platform::decodeName(bytes);
    if (oc::platform::encodeName(name) != bytes)
        std::abort();
    if (oc::platform::decodeName(oc::platform::encodeName(name)) != name)
        std::abort();
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() == bytes && oc::platform::decodeName(bytes) != text)
        std::abort();
    return 0;
}
