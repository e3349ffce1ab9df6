#include "frmMain.h"

#include <panels/DyskPanelu.h>
#include <platform/Paths.h>

#include <QLabel>

using namespace oc;

QString NazwaKatalogu(const QString &path)
{
    const qsizetype ukośnik = path.lastIndexOf(u'/');
    return (ukośnik < 0 ? path : path.mid(ukośnik + 1)).toUpper();
}

void frmMain::ZmianaKatalogu(int p)
{
    const QString ścieżka = Widok(p).Dir.Ścieżka();
    Wskaznik->setText(Widok(p).Stan.Katalog + u'>');
    Wskaznik->adjustSize();
    UłóżLinięPoleceń();
    m_ostatniNaWoluminie.insert(WoluminKatalogu(ścieżka), ścieżka);
}

void frmMain::UstawAktywnyPanel(int p)
{
    Widok(p).PokażAktywność(true);
    Widok(3 - p).PokażAktywność(false);
    Wskaznik->setText(u' ' + Widok(p).Dir.Ścieżka() + u'>');
    Wskaznik->adjustSize();
    m_aktywny = p;
    KolorTytułuBocznego();
    UłóżLinięPoleceń();
}

void frmMain::OdświeżPanel(int p)
{
    qint32 który = p;
    RefreshPanel(który);
}

void frmMain::PokażLinię()
{
    DOSLab->setText(Linia().Napis());
    UłóżLinięPoleceń();
}

void frmMain::Zakończ()
{
    BezPytania = true;
    close();
}
