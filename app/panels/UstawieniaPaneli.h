#pragma once

#include "Porzadek.h"

#include <QByteArray>
#include <QString>
#include <array>

// What each panel keeps across runs: its order and its view.
struct UstawieniaPanelu
{
    Porządek Kolejność;
    bool Pełny = false;
    bool operator==(const UstawieniaPanelu &) const = default;
};
using UstawieniaPaneli = std::array<UstawieniaPanelu, 2>; // left, right

// The settings file's text: one "key=value" a line ("lewy.kolejnosc=data").
QByteArray TekstUstawień(const UstawieniaPaneli &ustawienia);
// The settings of a text; whatever is missing, unknown or damaged keeps its
// default.
UstawieniaPaneli RozbierzUstawienia(const QByteArray &tekst);
// The settings of a file; one that is missing or unreadable gives the defaults.
UstawieniaPaneli WczytajUstawieniaPaneli(const QString &plik);
// The settings the last run saved, from the newer of the places they go to.
UstawieniaPaneli ZapisaneUstawieniaPaneli();
