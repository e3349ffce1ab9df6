// The wildcard matcher on any name and pattern list (split at the first
// line feed): it ends, "*" and "*.*" take every name, and a plain name
// matches itself in either case.
#include <platform/Names.h>
#include <platform/Wildcard.h>

#include <cstdint>
#include <cstdlib>

using oc::platform::matchesWildcard;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\n');
    const QString patterns = oc::platform::decodeName(split < 0 ? bytes : bytes.left(split));
    const QString name = oc::platform::decodeName(split < 0 ? QByteArray() : bytes.mid(split + 1));

    matchesWildcard(name, patterns);
    if (!matchesWildcard(name, QStringLiteral("*")) || !matchesWildcard(name, QStringLiteral("*.*")))
        std::abort();
    const bool plain = !name.isEmpty() && name == name.trimmed() && !name.contains(u'*') && !name.contains(u'?')
                       && !name.contains(u';');
    if (plain && (!matchesWildcard(name, name) || !matchesWildcard(name, name.toCaseFolded())))
        std::abort();
    return 0;
}
