#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace oc {

// What a panel's file list shows: four switches (read-only, system, hidden
// and normal files) and a wildcard pattern.
struct Filtr
{
    std::array<bool, 4> Pokazane{};
    QString Wzorzec;
};

// Four switch characters ("1" on, anything else off) followed by the
// pattern; nothing when the switches are incomplete.
std::optional<Filtr> CzytajFiltr(QStringView tekst);
// The same form back, "1" or "0" for each switch; a blank pattern stands
// for every file ("*.*"), so the answer never comes shorter than five.
QString TekstFiltru(const Filtr &filtr);

} // namespace oc
