#include "Wildcard.h"

#include <QList>
#include <QStringView>

namespace oc::platform {

namespace {

// Glob match with a single backtrack point: the last "*" seen is the only
// one that ever needs to swallow more, which keeps "a*b*c" linear-ish.
bool globMatch(const QList<uint> &name, const QList<uint> &pattern)
{
    qsizetype n = 0, p = 0;
    qsizetype starP = -1, starN = 0;
    while (n < name.size()) {
        // "*" first: a name may hold a "*" itself, which must not use up the pattern's.
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool matchesOne(const QList<uint> &name, QStringView pattern)
{
    const QList<uint> folded = pattern.toString().toCaseFolded().toUcs4();
    if (globMatch(name, folded))
        return true;
    // A trailing ".*" also matches names without that dot: "*.*" is every
    // name, "readme.*" takes "README" too.
    if (pattern.endsWith(QLatin1String(".*")))
        return globMatch(name, folded.first(folded.size() - 2));
    return false;
}

} // namespace

bool matchesWildcard(const QString &name, const QString &patterns)
{
    const QList<uint> folded = name.toCaseFolded().toUcs4();
    for (QStringView pattern : QStringView(patterns).split(u';')) {
        pattern = pattern.trimmed();
        if (!pattern.isEmpty() && matchesOne(folded, pattern))
            return true;
    }
    return false;
}

} // namespace oc::platform
