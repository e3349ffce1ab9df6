#include "frmNadpisz.h"

#include <QLocale>

namespace occopy {

namespace {

QString opis(const QString &nagłówek, qint64 rozmiar, const QDateTime &czas)
{
    return nagłówek + QLocale(QLocale::Polish).toString(rozmiar) + QStringLiteral(" B, ")
           + czas.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

} // namespace

frmNadpisz::frmNadpisz(const Zastany &zastany, QWidget *parent)
    : OknoPytania(QStringLiteral("Plik istnieje"),
                  {{QStringLiteral("Plik już istnieje:"), false},
                   {zastany.cel, true},
                   {opis(QStringLiteral("Istniejący: "), zastany.rozmiarCelu, zastany.czasCelu)
                        + (zastany.celTylkoDoOdczytu ? QStringLiteral(", tylko do odczytu") : QString()),
                    false},
                   {opis(QStringLiteral("Nowy: "), zastany.rozmiarŹródła, zastany.czasŹródła), false}},
                  {QStringLiteral("&Nadpisz"), QStringLiteral("&Pomiń"), QStringLiteral("Nadpisz &wszystkie"),
                   QStringLiteral("P&omiń wszystkie"), QStringLiteral("Nadpisz &starsze"), QStringLiteral("&Anuluj")},
                  3, parent)
{
    setObjectName(QStringLiteral("frmNadpisz"));
}

Odpowiedź frmNadpisz::Zapytaj(QWidget *parent, const Zastany &zastany)
{
    frmNadpisz okno(zastany, parent);
    okno.exec();
    return okno.Wybrany < 0 ? Odpowiedź::Anuluj : Odpowiedź(okno.Wybrany);
}

} // namespace occopy
