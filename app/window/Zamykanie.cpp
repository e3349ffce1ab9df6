#include "frmMain.h"

#include <actions/Sloty.h>
#include <actions/Wywolanie.h>
#include <actions/ZapiszKatalogi.h>
#include <ui/Twips.h>

#include <QApplication>

using namespace oc;

namespace {

// The exit question; a message box that is missing or fails cannot keep the
// user from leaving.
bool ZgodaNaKoniec(frmMain &okno)
{
    if (okno.BezPytania || !Sloty().Komunikaty)
        return true;
    const std::optional<QVariant> odpowiedź
        = Wywołaj(&okno, Sloty().Komunikaty.get(), QStringLiteral("notebox.notebox2"), QStringLiteral("notebox2"),
                  qint32(ui::toTwips(okno.x()) + 2200), qint32(ui::toTwips(okno.y()) + 1700),
                  QStringLiteral("Orvane Commander - koniec"), quint8(4), quint8(4), quint8(0),
                  QStringLiteral("Chcesz zakończyć pracę z programem ?"));
    return !odpowiedź || odpowiedź->toInt() == 0;
}

// The game and the other windows of their own go with the main window, or
// the program would live on behind them.
void ZamknijInneOkna(const QWidget *główne)
{
    for (QWidget *okno : QApplication::topLevelWidgets())
        if (okno != główne && okno->isVisible())
            okno->close();
}

} // namespace

void frmMain::Form_Unload(bool &Cancel)
{
    if (!ZgodaNaKoniec(*this)) {
        Cancel = true;
        return;
    }
    ZamknijInneOkna(this);
    for (int p = 1; p <= 2; ++p) {
        StanPanelu &s = Widok(p).Stan;
        s.Nazwy.assign(1, QString());
        s.Rzeczywiste.assign(1, QString());
        s.Zaznaczenia.assign(1, 0);
        s.LiczbaPozycji = s.LiczbaKatalogów = 0;
        s.IleZaznaczonych = 0;
        s.SumaZaznaczonych = 0;
    }
    Sloty().Dialogi.reset();
    Sloty().Komunikaty.reset();
    Sloty().Menu.reset();
    ZapiszKatalogi(Dir1.Ścieżka(), Dir2.Ścieżka());
    ZapiszUstawieniaPaneli(TekstUstawień(Ustawienia()));
}
