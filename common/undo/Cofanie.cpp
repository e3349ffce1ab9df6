#include "Cofanie.h"

#include <platform/Attributes.h>
#include <platform/Trash.h>

#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace oc::undo {

namespace {

// A directory's length and time change with what is put in it or taken
// out, so it is known by device and inode alone.
bool tenSam(const platform::Identity &teraz, const platform::Identity &wtedy)
{
    if (teraz.directory != wtedy.directory || teraz.device != wtedy.device || teraz.inode != wtedy.inode)
        return false;
    return teraz.directory || (teraz.size == wtedy.size && teraz.modifiedNs == wtedy.modifiedNs);
}

} // namespace

WynikCofania Cofanie::cofnij(const Operacja &operacja)
{
    WynikCofania wynik;
    for (auto krok = operacja.kroki.rbegin(); krok != operacja.kroki.rend(); ++krok)
        cofnijKrok(*krok, wynik);
    return wynik;
}

void Cofanie::cofnijKrok(const Krok &krok, WynikCofania &wynik)
{
    const std::optional<platform::Identity> teraz = platform::identityOf(krok.gdzie);
    if (!teraz) {
        wynik.pominięte.push_back({krok.gdzie, QStringLiteral("już go nie ma")});
        return;
    }
    if (!tenSam(*teraz, krok.tożsamość)) {
        wynik.pominięte.push_back({krok.gdzie, QStringLiteral("zmienił się od tamtej pory")});
        return;
    }
    platform::FileError błąd;
    switch (krok.typ) {
    case Krok::Utworzony:
        if (teraz->directory ? platform::removeEmptyDirectory(krok.gdzie, &błąd)
                             : platform::removeFile(krok.gdzie, &błąd))
            return;
        wynik.pominięte.push_back({krok.gdzie, błąd.code == ENOTEMPTY || błąd.code == EEXIST
                                                   ? QStringLiteral("są w nim nowe pliki")
                                                   : błąd.reason()});
        return;
    case Krok::Przeniesiony:
    case Krok::WKoszu: przywróć(krok, wynik); return;
    case Krok::Atrybuty:
        if (platform::writeAttributes(krok.gdzie, krok.atrybuty, &błąd))
            wynik.przywrócone << krok.gdzie;
        else
            wynik.pominięte.push_back({krok.gdzie, błąd.reason()});
        return;
    }
}

void Cofanie::przywróć(const Krok &krok, WynikCofania &wynik)
{
    QString cel = krok.skąd;
    bool rodzicOdtworzony = false;
    for (;;) {
        platform::FileError błąd;
        bool zrobione = krok.typ == Krok::WKoszu
                            ? platform::restoreFromTrash({krok.skąd, krok.gdzie, krok.info}, cel, &błąd)
                            : platform::renameNoReplace(krok.gdzie, cel, &błąd);
        if (!zrobione && błąd.code == EXDEV && przenieśDaleko) {
            // The move engine keeps the name: no new one can be given across file systems.
            if (platform::identityOf(cel)) {
                wynik.pominięte.push_back({krok.gdzie, QStringLiteral("miejsce %1 jest zajęte").arg(cel)});
                return;
            }
            zrobione = przenieśDaleko(krok.gdzie, cel, &błąd);
        }
        if (zrobione) {
            wynik.przywrócone << cel;
            return;
        }
        // A directory a move emptied and removed is made again for what was in it.
        if (błąd.code == ENOENT && !rodzicOdtworzony && !platform::identityOf(cel)) {
            rodzicOdtworzony = true;
            if (QDir().mkpath(QFileInfo(cel).path()))
                continue;
        }
        if (błąd.code != EEXIST) {
            wynik.pominięte.push_back({krok.gdzie, błąd.reason()});
            return;
        }
        cel = nowaNazwa(cel);
        if (cel.isEmpty()) {
            wynik.pominięte.push_back({krok.gdzie, QStringLiteral("miejsce %1 jest zajęte").arg(krok.skąd)});
            return;
        }
    }
}

} // namespace oc::undo
