#pragma once

#include <platform/Attributes.h>

#include <QString>
#include <array>

namespace oc2 {

// The attribute behind each check box of a column, in the order shown:
// read-only, archive, hidden, system.
constexpr std::array<quint32, 4> AtrybutPola{oc::platform::attr::ReadOnly, oc::platform::attr::Archive,
                                             oc::platform::attr::Hidden, oc::platform::attr::System};

// The check labels of a column, unchecked, in the same order.
inline const std::array<QString, 4> NapisyPól{QStringLiteral("[ ] Tylko do odczytu"), QStringLiteral("[ ] Archiwalny"),
                                              QStringLiteral("[ ] Ukryty"), QStringLiteral("[ ] Systemowy")};

// The attributes chosen under "Ustaw" and not vetoed under "Wyczyść": the
// clear box wins.
quint32 MaskaAtrybutów(const std::array<bool, 4> &ustaw, const std::array<bool, 4> &wyczyść = {});

// A check label's text starts with "[x]" or "[ ]"; its second character decides.
bool Zaznaczony(const QString &tekst);
// The same text with the box turned over.
QString Przełączony(const QString &tekst);

// The attributes a file has now; none when they cannot be read.
quint32 AtrybutyPliku(const QString &ścieżka);

} // namespace oc2
