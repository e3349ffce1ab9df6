#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

namespace oc::ui {
class LabelButton;
}

// The look the bar and the list share.
namespace menuoc::wygląd {

constexpr quint32 Tło = 0x00C0C000;
constexpr quint32 Tekst = 0x00000000;
constexpr quint32 TłoWyróżnienia = 0x00000000;
constexpr quint32 TekstWyróżnienia = 0x00FFFFFF;

// A bold label with its access letter underlined, in the colours of an
// entry that is not highlighted. The window takes its clicks.
oc::ui::LabelButton *etykieta(QWidget *okno, const QString &tekst);
void podświetl(QWidget *etykieta, bool włączone);

} // namespace menuoc::wygląd
