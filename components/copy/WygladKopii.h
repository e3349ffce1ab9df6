#pragma once

#include <QtGlobal>

// The colours of the copy and move windows and of the questions over them.
namespace occopy::wygląd {

constexpr quint32 TłoOkna = 0x00808080;
constexpr quint32 TłoPola = 0x0080FFFF;
constexpr quint32 TłoPrzełącznika = 0x00000000;
constexpr quint32 TłoFokusu = 0x00FF8080;
constexpr quint32 Biały = 0x00FFFFFF;
constexpr quint32 Czarny = 0x00000000;

} // namespace occopy::wygląd
