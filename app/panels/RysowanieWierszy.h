#pragma once

#include <QtGlobal>

class EtykietaPanelu;

// Row colours from the scheme. A marked row keeps its marked text colour
// whether or not the cursor bar is on it.
void PomalujZwykły(EtykietaPanelu *wiersz);
void PomalujKursor(EtykietaPanelu *wiersz);
// Sets the row's mark and its text colour (marked or plain).
void UstawZnakWiersza(EtykietaPanelu *wiersz, bool zaznaczony);
// Backgrounds and texts are only set when they change.
void UstawKolory(EtykietaPanelu *wiersz, quint32 tło, quint32 tekst);
