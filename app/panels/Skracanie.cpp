#include "Skracanie.h"

#include "Porzadek.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

const QString wielokropek = QStringLiteral("…");

bool Mieści(const QFontMetrics &fm, const QString &tekst, int szerokość)
{
    return fm.horizontalAdvance(tekst) <= szerokość;
}

} // namespace

QString SkróćNazwę(const QString &nazwa, const QFontMetrics &fm, int szerokość)
{
    if (Mieści(fm, nazwa, szerokość))
        return nazwa;
    const qsizetype rozszerzenie = Rozszerzenie(nazwa).size();
    if (rozszerzenie > 0) {
        const QString rdzeń = nazwa.left(nazwa.size() - rozszerzenie - 1);
        const qsizetype zostaje = std::min<qsizetype>(2, rdzeń.size() - 1);
        const QString koniec = rdzeń.right(zostaje) + nazwa.right(rozszerzenie + 1);
        const int miejsce = szerokość - fm.horizontalAdvance(koniec);
        // The head gets what is left; elidedText puts the "…" after it.
        const QString początek = fm.elidedText(rdzeń.left(rdzeń.size() - zostaje), Qt::ElideRight, miejsce);
        if (początek.size() > 1 && początek.endsWith(wielokropek))
            return początek + koniec;
    }
    return fm.elidedText(nazwa, Qt::ElideRight, szerokość);
}

QString SkróćŚcieżkę(const QString &ścieżka, const QFontMetrics &fm, int szerokość)
{
    if (Mieści(fm, ścieżka, szerokość))
        return ścieżka;
    const QStringList foldery = ścieżka.mid(1).split(u'/', Qt::SkipEmptyParts);
    const qsizetype n = foldery.size();
    if (ścieżka.startsWith(u'/') && n >= 2) {
        // With the first folder while it fits, then from the root alone;
        // as many of the last folders as the width takes.
        for (const bool zPierwszym : {true, false}) {
            const QString początek = zPierwszym ? u'/' + foldery.first() + u'/' + wielokropek : u'/' + wielokropek;
            for (qsizetype k = n - (zPierwszym ? 2 : 1); k >= 1; --k) {
                const QString próba = początek + u'/' + foldery.mid(n - k).join(u'/');
                if (Mieści(fm, próba, szerokość))
                    return próba;
            }
        }
    }
    return fm.elidedText(ścieżka, Qt::ElideMiddle, szerokość);
}
