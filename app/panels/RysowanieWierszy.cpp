#include "RysowanieWierszy.h"

#include "EtykietaPanelu.h"

#include "Kolory.h"
#include <ui/Colors.h>

void UstawKolory(EtykietaPanelu *wiersz, quint32 tło, quint32 tekst)
{
    if (!wiersz->autoFillBackground() || oc::ui::background(wiersz) != tło)
        oc::ui::setBackground(wiersz, tło);
    if (oc::ui::foreground(wiersz) != tekst)
        oc::ui::setForeground(wiersz, tekst);
}

void PomalujZwykły(EtykietaPanelu *wiersz)
{
    const Kolory &k = kolory();
    UstawKolory(wiersz, k.filebackground, wiersz->Zaznaczony ? k.fileinsert : k.filetext);
}

void PomalujKursor(EtykietaPanelu *wiersz)
{
    const Kolory &k = kolory();
    UstawKolory(wiersz, k.fileselbackground, wiersz->Zaznaczony ? k.fileinsert : k.fileseltext);
}

void UstawZnakWiersza(EtykietaPanelu *wiersz, bool zaznaczony)
{
    wiersz->Zaznaczony = zaznaczony;
    const quint32 tekst = zaznaczony ? kolory().fileinsert : kolory().filetext;
    if (oc::ui::foreground(wiersz) != tekst)
        oc::ui::setForeground(wiersz, tekst);
}
