#include "Cofnij.h"

#include "Gospodarz.h"
#include "PokazKomunikat.h"
#include "Przenoszenie.h"
#include "Przywracanie.h"
#include "frmCofnij.h"

#include <panels/WidokPanelu.h>
#include <platform/Paths.h>
#include <ui/Twips.h>
#include <undo/Cofanie.h>
#include <undo/Dziennik.h>

#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>
#include <cerrno>

using namespace oc;

namespace {

// What was left where it is, and why, in the platform's standard box.
void Raport(QWidget *nad, const std::vector<undo::Pominięty> &pominięte)
{
    QStringList wiersze;
    for (const undo::Pominięty &p : pominięte)
        wiersze << p.ścieżka + QStringLiteral(": ") + p.powód;
    QMessageBox pudełko(QMessageBox::Warning, QStringLiteral("Cofnij"),
                        QStringLiteral("Nie cofnięto %1 pozycji: zmieniły się od tamtej pory albo ich nie ma.\n%2")
                            .arg(pominięte.size())
                            .arg(wiersze.first()),
                        QMessageBox::Ok, nad);
    pudełko.setTextFormat(Qt::PlainText);
    pudełko.setDetailedText(wiersze.join(u'\n'));
    pudełko.exec();
}

// Each panel that shows where an entry came back to is read again with its
// cursor on that entry; the others are read again as they stand.
void PokażPrzywrócone(Gospodarz &okno, const QStringList &przywrócone)
{
    for (int p = 1; p <= 2; ++p) {
        WidokPanelu &panel = okno.Widok(p);
        const QString katalog = platform::withSeparator(panel.Dir.Ścieżka());
        QString nazwa;
        for (const QString &ścieżka : przywrócone)
            if (ścieżka.startsWith(katalog) && !ścieżka.mid(katalog.size()).contains(u'/')) {
                nazwa = ścieżka.mid(katalog.size());
                break;
            }
        if (nazwa.isEmpty())
            okno.OdświeżPanel(p);
        else
            panel.ZaznaczPlik(nazwa);
    }
}

void Cofnij(Gospodarz &okno, undo::Dziennik &dziennik, const std::vector<undo::Operacja> &operacje)
{
    QWidget *nad = okno.Okno();
    undo::Cofanie cofanie;
    cofanie.nowaNazwa = [nad](const QString &zajęte) {
        bool ok = false;
        const QString nazwa
            = QInputDialog::getText(nad, QStringLiteral("Cofnij"),
                                    QStringLiteral("Miejsce %1 jest zajęte. Pod jaką nazwą przywrócić?").arg(zajęte),
                                    QLineEdit::Normal, WolnaNazwa(zajęte), &ok);
        return ok ? MiejscePodNazwą(zajęte, nazwa) : QString();
    };
    cofanie.przenieśDaleko = [&okno](const QString &gdzie, const QString &cel, platform::FileError *błąd) {
        if (PrzenieśZPowrotem(okno, gdzie, cel))
            return true;
        *błąd = {EXDEV, gdzie};
        return false;
    };
    QStringList przywrócone;
    std::vector<undo::Pominięty> pominięte;
    for (const undo::Operacja &operacja : operacje) {
        undo::WynikCofania wynik = cofanie.cofnij(operacja);
        dziennik.oznaczCofniętą(operacja);
        przywrócone += wynik.przywrócone;
        pominięte.insert(pominięte.end(), wynik.pominięte.begin(), wynik.pominięte.end());
    }
    PokażPrzywrócone(okno, przywrócone);
    if (!pominięte.empty())
        Raport(nad, pominięte);
}

} // namespace

std::vector<undo::Operacja> DoCofnięcia(const std::vector<undo::Operacja> &wszystkie, qint64 od)
{
    std::vector<undo::Operacja> wynik;
    for (auto op = wszystkie.rbegin(); op != wszystkie.rend() && op->numer >= od; ++op)
        if (!op->cofnięta)
            wynik.push_back(*op);
    return wynik;
}

void CofnijOstatnią(Gospodarz &okno)
{
    undo::Dziennik dziennik;
    const std::vector<undo::Operacja> wszystkie = dziennik.wczytaj();
    for (auto op = wszystkie.rbegin(); op != wszystkie.rend(); ++op)
        if (!op->cofnięta) {
            Cofnij(okno, dziennik, {*op});
            return;
        }
    PokażKomunikat(okno, QStringLiteral("Cofnij"), QStringLiteral("Nie ma nic do cofnięcia"), 4, 0, 0);
}

void ListaCofnij(Gospodarz &okno)
{
    undo::Dziennik dziennik;
    const std::vector<undo::Operacja> wszystkie = dziennik.wczytaj();
    QWidget *nad = okno.Okno();
    frmCofnij lista(wszystkie, nad);
    ui::moveTwips(&lista, ui::leftTwips(nad) + 1500, ui::topTwips(nad) + 1200);
    if (lista.exec() != QDialog::Accepted || lista.Wybrana == 0)
        return;
    Cofnij(okno, dziennik, DoCofnięcia(wszystkie, lista.Wybrana));
}
