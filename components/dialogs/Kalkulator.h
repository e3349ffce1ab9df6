#pragma once

#include <QChar>
#include <QString>

namespace oc {

// The arithmetic of the calculator, without a window: numbers typed digit
// by digit with a decimal comma, the four operations carried out left to
// right as each next one is pressed.
class Kalkulator
{
public:
    // Most digits a number may have; more would be lost to rounding.
    static constexpr int NajwięcejCyfr = 15;

    // One key: a digit, "," or ".", "+", "-", "*", "/", "=", "\b" (erase
    // the last digit) or "C" (clear all). Other characters change nothing.
    void Naciśnij(QChar klawisz);
    // The number being typed, or the last result; a message after a
    // failed operation, until the next digit or "C".
    QString Wyświetlacz() const;
    bool Błąd() const { return !m_błąd.isEmpty(); }

private:
    void Cyfra(QChar cyfra);
    void Przecinek();
    void Działanie(QChar działanie);
    void Wynik();
    void Cofnij();
    void Zeruj();
    // Carries out the waiting operation on the accumulator; false after a
    // failure, which then shows in place of the number.
    bool Wykonaj(double argument);

    QString m_wpis; // the number being typed, "" when none
    double m_akumulator = 0;
    QChar m_działanie; // waiting for its second argument, or null
    QString m_błąd;
};

} // namespace oc
