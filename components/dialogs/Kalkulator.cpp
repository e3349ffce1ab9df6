#include "Kalkulator.h"

#include <cmath>

namespace oc {

namespace {

double liczba(QString wpis)
{
    return wpis.replace(u',', u'.').toDouble();
}

int cyfry(const QString &wpis)
{
    int ile = 0;
    for (QChar znak : wpis)
        ile += znak.isDigit();
    return ile;
}

} // namespace

void Kalkulator::Naciśnij(QChar klawisz)
{
    if (klawisz.isDigit() && klawisz.unicode() < 128)
        Cyfra(klawisz);
    else if (klawisz == u',' || klawisz == u'.')
        Przecinek();
    else if (QStringView(u"+-*/").contains(klawisz))
        Działanie(klawisz);
    else if (klawisz == u'=')
        Wynik();
    else if (klawisz == u'\b')
        Cofnij();
    else if (klawisz == u'C' || klawisz == u'c')
        Zeruj();
}

QString Kalkulator::Wyświetlacz() const
{
    if (Błąd())
        return m_błąd;
    if (!m_wpis.isEmpty())
        return m_wpis;
    // Fifteen significant digits hide the binary noise of 0,1 + 0,2; adding
    // 0 shows -0 as 0.
    QString tekst = QString::number(m_akumulator + 0.0, 'g', NajwięcejCyfr);
    return tekst.replace(u'.', u',');
}

void Kalkulator::Cyfra(QChar cyfra)
{
    if (Błąd())
        Zeruj();
    if (m_wpis == u"0")
        m_wpis.clear();
    if (cyfry(m_wpis) < NajwięcejCyfr)
        m_wpis += cyfra;
}

void Kalkulator::Przecinek()
{
    if (Błąd())
        Zeruj();
    if (m_wpis.isEmpty())
        m_wpis = QStringLiteral("0");
    if (!m_wpis.contains(u','))
        m_wpis += u',';
}

void Kalkulator::Działanie(QChar działanie)
{
    if (Błąd())
        return;
    if (!m_wpis.isEmpty()) {
        const double argument = liczba(m_wpis);
        m_wpis.clear();
        if (m_działanie.isNull())
            m_akumulator = argument;
        else if (!Wykonaj(argument))
            return;
    }
    // A second operation key in a row only replaces the first.
    m_działanie = działanie;
}

void Kalkulator::Wynik()
{
    if (Błąd())
        return;
    if (m_działanie.isNull()) {
        if (!m_wpis.isEmpty())
            m_akumulator = liczba(m_wpis);
    } else {
        // "5 * =" squares: the missing argument is the number shown.
        Wykonaj(m_wpis.isEmpty() ? m_akumulator : liczba(m_wpis));
    }
    m_wpis.clear();
    m_działanie = QChar();
}

void Kalkulator::Cofnij()
{
    if (Błąd()) {
        Zeruj();
        return;
    }
    if (m_wpis.isEmpty())
        return;
    m_wpis.chop(1);
    if (m_wpis.isEmpty())
        m_wpis = QStringLiteral("0");
}

void Kalkulator::Zeruj()
{
    m_wpis.clear();
    m_akumulator = 0;
    m_działanie = QChar();
    m_błąd.clear();
}

bool Kalkulator::Wykonaj(double argument)
{
    const QChar działanie = m_działanie;
    m_działanie = QChar();
    double wynik = m_akumulator;
    switch (działanie.unicode()) {
    case u'+': wynik += argument; break;
    case u'-': wynik -= argument; break;
    case u'*': wynik *= argument; break;
    case u'/':
        if (argument == 0) {
            Zeruj();
            m_błąd = QStringLiteral("Nie można dzielić przez zero");
            return false;
        }
        wynik /= argument;
        break;
    default: break;
    }
    if (!std::isfinite(wynik)) {
        Zeruj();
        m_błąd = QStringLiteral("Wynik jest za duży");
        return false;
    }
    m_akumulator = wynik;
    return true;
}

} // namespace oc
