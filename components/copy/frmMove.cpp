#include "frmMove.h"

#include "Nagranie.h"

#include <ui/Twips.h>

#include <optional>

namespace occopy {

frmMove::frmMove(Kopiarka &kopiarka, Przenośnik &przenośnik, QWidget *parent)
    : frmCopy(kopiarka, parent), przenośnik(przenośnik)
{
    setObjectName(QStringLiteral("frmMove"));
    m_napisy = Napisy{QStringLiteral("Przenoszenie plików"), QStringLiteral("Przerwać przenoszenie plików?"),
                      QStringLiteral("Nie przeniesiono pozycji: %1"), QStringLiteral("Przeniesiono: %1 pozycji z: %2"),
                      QStringLiteral("Nie można przenieść katalogu %1 do niego samego")};
    setWindowTitle(m_napisy.tytuł);
    Label1->setText(QStringLiteral(" Przenieś "));
    Label1->adjustSize();
    oc::ui::resizeTwips(Label1, oc::ui::widthTwips(Label1), 240);
    Label3->setText(QStringLiteral("Przenieś pliki/katalogi do"));
    lblBut[0]->setCaption(QStringLiteral("Przenieś"));
}

// The work borrows members of this class: it ends before they go.
frmMove::~frmMove()
{
    ZatrzymajPracę();
}

void frmMove::Pracuj()
{
    przenośnik.KatalogDocelowy = kopiarka.KatalogDocelowy;
    przenośnik.NaPostęp = kopiarka.NaPostęp;
    Faza(QStringLiteral("Trwa przenoszenie plików"));
    const std::optional<Nagranie> nagranie
        = Nagrywaj ? std::optional<Nagranie>(std::in_place, kopiarka, &przenośnik) : std::nullopt;
    przenośnik.Przenieś();
}

} // namespace occopy
