#pragma once

#include <ui/Shape.h>

#include <QString>
#include <QtGlobal>
#include <array>

class QDialog;
class QKeyEvent;
class QLabel;
class QWidget;

// The look shared by this component's windows: grey with a double frame, the
// title on the top edge, the focused item in the message box's yellow.
namespace oc::wygląd {

constexpr quint32 TłoOkna = 0x00808080;
constexpr quint32 TekstWiersza = 0x00FFFFFF;
constexpr quint32 TłoWyróżnienia = 0x0080FFFF;
constexpr quint32 TekstWyróżnienia = 0x00000000;
constexpr quint32 TłoPrzycisku = 0x00FFFFFF;

// The two frames, below every control made after them.
std::array<ui::Shape *, 2> ramki(QWidget *okno);
// The title label on the top edge; pressing it drags the window.
QLabel *tytuł(QWidget *okno, const QString &tekst);
// The keys that close a window of one button: Enter and Space accept, Esc
// and F10 cancel. False for any other key.
bool zamknijKlawiszem(QDialog *okno, QKeyEvent *event);
// On every resize: the title centred, the frames fitted.
void dopasuj(QWidget *okno, QLabel *tytuł, const std::array<ui::Shape *, 2> &ramki);

} // namespace oc::wygląd
