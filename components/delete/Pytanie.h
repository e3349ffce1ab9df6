#pragma once

#include <ui/FailureReport.h>
#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

class QLabel;
class QWidget;

// The look and the keys shared by the two questions: a grey window with a
// double frame, the title on the top edge, two label buttons, yes and no.
namespace ocdelete::pytanie {

constexpr quint32 TłoOkna = 0x00808080;
constexpr quint32 TłoFokusu = 0x00FF80FF;
constexpr quint32 TłoPrzycisku = 0x0080FFFF;

// The title strip on the top edge (bold); pressing it drags the window.
QLabel *tytuł(QWidget *okno, const QString &tekst);
// A line of text in twips, shown as given (a file name may look like markup).
QLabel *napis(QWidget *okno, int lewa, int góra, int szerokość, bool pogrubiony);
std::array<oc::ui::LabelButton *, 2> przyciski(QWidget *okno, int góra, int lewaTak, int lewaNie);
// On every resize: the title centred, the frames fitted.
void dopasuj(QWidget *okno, QLabel *tytuł, const std::array<oc::ui::Shape *, 2> &ramki);
// Paints the button that has the focus and the other one.
void pomaluj(const std::array<oc::ui::LabelButton *, 2> &przyciski, int przycisk);

// How a question deletes: as it always has, to the desktop trash, or for
// good with the warning that it cannot be undone.
enum class Tryb { Usuń = 0, Kosz = 1, NaZawsze = 2 };

// The caption for the mode: the window's own, "... do kosza" or
// "... na zawsze"; for good, a line under the question (at `góra` twips)
// says it cannot be undone, and the buttons and the window make room.
void ustawTryb(QWidget *okno, QLabel *tytuł, const QString &własny,
               const std::array<oc::ui::LabelButton *, 2> &przyciski, int góra, Tryb tryb);

// A key of either question: Home and the arrows move the focus to the other
// button, T presses yes (0), N and Esc press no (1), Space and Enter press
// the button that has the focus. Returns the pressed button, if any.
std::optional<int> klawisz(int kod, int &przycisk);

// The failures of a deletion, reported in the box titled "Błąd" under the
// fold: enough to see what went wrong without building a text of a whole
// tree.
inline const oc::ui::FailureList Błędy{100, QStringLiteral("… (%2)"), true};

} // namespace ocdelete::pytanie
