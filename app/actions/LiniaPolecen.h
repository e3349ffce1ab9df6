#pragma once

#include <QString>

// The typed text of the command line and its blinking "_" caret. The caption
// always holds the text plus the caret while the caret phase is visible.
class LiniaPoleceń
{
public:
    QString Tekst() const { return m_tekst; }
    QString Napis() const { return KursorUkryty ? m_tekst : m_tekst + u'_'; }

    // The caret tick: toggles the phase.
    void Tik() { KursorUkryty = !KursorUkryty; }

    // Appends a typed character; only codes 32 to 126 reach the line.
    void WpiszZnak(int kod);
    void Backspace();
    void Dopisz(const QString &tekst) { m_tekst += tekst; }
    void Ustaw(const QString &tekst) { m_tekst = tekst; }
    void Wyczyść() { m_tekst.clear(); }

    bool KursorUkryty = false;

private:
    QString m_tekst;
};
