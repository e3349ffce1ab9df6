#include "frmMain.h"

#include <actions/PokazKomunikat.h>
#include <panels/ObserwatorKatalogow.h>
#include <panels/PonownyOdczyt.h>

#include <QApplication>

void frmMain::UtwórzObserwatora()
{
    m_obserwator = new ObserwatorKatalogow(this);
    for (int p = 1; p <= 2; ++p)
        connect(&Widok(p), &WidokPanelu::katalogZmieniony, m_obserwator,
                [this, p] { m_obserwator->Obserwuj(p, Widok(p).Dir.Ścieżka()); });
    connect(m_obserwator, &ObserwatorKatalogow::zmienione, this, &frmMain::ZmianyNaDysku);
}

void frmMain::ZmianyNaDysku(int panele)
{
    // While a dialog or a component's window is open, whoever opened it
    // re-reads what it changed; the rest waits until it closes.
    if (!Gotowy || QApplication::activeModalWidget()) {
        m_obserwator->Odłóż(panele);
        return;
    }
    const int aktywny = m_aktywny;
    QStringList zniknięte;
    QString komunikat;
    for (const int p : {3 - aktywny, aktywny}) {
        if (!(panele & p))
            continue;
        WidokPanelu &w = Widok(p);
        const QString było = w.Dir.Ścieżka();
        if (!OdczytajPoZmianie(w) && !zniknięte.contains(było)) {
            zniknięte << było;
            komunikat
                += QStringLiteral("Katalog „%1” już nie istnieje; panel pokazuje „%2”.\n").arg(było, w.Dir.Ścieżka());
        }
        m_obserwator->Obserwuj(p, w.Dir.Ścieżka());
    }
    // Reading the other panel again does not take the keys away.
    if (m_aktywny != aktywny)
        UstawAktywnyPanel(aktywny);
    if (!komunikat.isEmpty())
        PokażKomunikat(*this, QStringLiteral("Katalog zniknął"), komunikat.trimmed(), 48, 0, 0);
}
