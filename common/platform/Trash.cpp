#include "Trash.h"

#include <QList>

namespace oc::platform {

namespace {

constexpr qsizetype NameMax = 255;
const QByteArray infoSuffix = QByteArrayLiteral(".trashinfo");

bool keptAsIs(char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return QByteArrayView("/-_.!~*'()").contains(c);
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

QString TrashError::text() const
{
    switch (problem) {
    case TrashProblem::None: return {};
    case TrashProblem::NoTrash:
        return QStringLiteral("Na dysku %1 nie ma kosza i nie można go założyć").arg(error.path);
    case TrashProblem::ReadOnly: return QStringLiteral("Dysk %1 jest tylko do odczytu").arg(error.path);
    case TrashProblem::HoldsMount: return QStringLiteral("%1 zawiera zamontowany inny system plików").arg(error.path);
    case TrashProblem::OtherFileSystem:
        return QStringLiteral("%1 leży na innym systemie plików niż jego kosz").arg(error.path);
    case TrashProblem::Failed: return error.text();
    }
    return {};
}

QByteArray percentEncode(const QByteArray &bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        if (keptAsIs(c)) {
            out += c;
        } else {
            const auto b = static_cast<unsigned char>(c);
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 0xF];
        }
    }
    return out;
}

QByteArray percentDecode(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int high = text[i] == '%' && i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (low >= 0) {
            out += char(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

QByteArray trashInfoText(const QByteArray &path, const QDateTime &deleted)
{
    return QByteArrayLiteral("[Trash Info]\nPath=") + percentEncode(path) + QByteArrayLiteral("\nDeletionDate=")
           + deleted.toLocalTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() + '\n';
}

std::optional<QByteArray> trashInfoPath(const QByteArray &text)
{
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != "[Trash Info]")
        return std::nullopt;
    for (const QByteArray &line : lines)
        if (line.startsWith("Path="))
            return percentDecode(line.mid(5).trimmed());
    return std::nullopt;
}

QByteArray trashName(const QByteArray &name, int attempt)
{
    const QByteArray suffix = attempt > 1 ? '.' + QByteArray::number(attempt) : QByteArray();
    qsizetype keep = std::min(name.size(), NameMax - infoSuffix.size() - suffix.size());
    // Cut between characters, never inside one.
    while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
        --keep;
    return name.left(keep) + suffix;
}

} // namespace oc::platform
