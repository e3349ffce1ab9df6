#pragma once

#include "Kodowanie.h"
#include "Linie.h"
#include "Strony.h"
#include "Szukanie.h"

#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

struct WierszEkranu
{
    QString tekst;
    std::vector<std::pair<int, int>> wyróżnione; // [from, to) in characters of tekst: the hit shown
};

// What the viewer shows of one open file and where: text in an encoding
// (lines wrapped or cut, tabs every 8 columns) or hex rows of 16 bytes, the
// place on screen, and the search hit. Knows nothing of windows; the window
// draws Ekran() and passes the keys on.
class Przeglądanie
{
public:
    enum class Tryb { Tekst, Szesnastkowy };

    // The encoding and the mode come from the file's first page.
    explicit Przeglądanie(std::shared_ptr<const oc::platform::ReadOnlyFile> plik);

    // The screen, in rows and characters.
    void UstawRozmiar(int wiersze, int kolumny);
    int Wiersze() const { return m_wiersze; }
    int Kolumny() const { return m_kolumny; }

    std::vector<WierszEkranu> Ekran();
    // Encoding, mode, wrapping and how far into the file the screen ends.
    QString Stan();

    void Dół(int wierszy);
    void Góra(int wierszy);
    void StronaDół() { Dół(std::max(1, m_wiersze - 1)); }
    void StronaGóra() { Góra(std::max(1, m_wiersze - 1)); }
    void Początek();
    void Koniec();
    // Sideways, by a tab stop, while lines are cut rather than wrapped.
    void Lewo();
    void Prawo();

    Tryb tryb() const { return m_tryb; }
    void PrzełączTryb();
    bool zawijanie() const { return m_zawijanie; }
    void PrzełączZawijanie();
    const Kodowanie &kodowanie() const { return m_kod; }
    void NastępneKodowanie();
    // Asks the file's size again (a growing log) and reads it afresh.
    void Odśwież();

    // What F7 looks for: in hex mode bytes when the text is hexadecimal
    // digits, else the text in the shown encoding.
    Wzorzec WzorzecDla(const QString &tekst) const;
    // Where the next search starts: past the hit shown, else at the screen's
    // first byte.
    qint64 PoczątekSzukania() const;
    // Puts the hit on screen and highlights it.
    void PokażTrafienie(const Trafienie &t);
    const std::optional<Trafienie> &trafienie() const { return m_trafienie; }

    // The rows on screen as text, one line each.
    QString TekstEkranu();
    // The whole text decoded, when the file is at most limit bytes.
    std::optional<QString> CałyTekst(qint64 limit);

    Strony &strony() { return m_strony; }

private:
    struct Pozycja
    {
        qint64 linia = 0; // a line's start
        int wiersz = 0;   // the row of a wrapped line
        auto operator<=>(const Pozycja &) const = default;
    };
    struct Rozwinięta
    {
        QString tekst;
        std::pair<int, int> trafienie{-1, -1};
    };

    Rozwinięta Rozwiń(const Linie::Linia &l);
    int WierszyLinii(qint64 linia);
    std::optional<Pozycja> Niżej(Pozycja p);
    std::optional<Pozycja> Wyżej(Pozycja p);
    Pozycja OstatniaGóra();
    qint64 NajdalszaGóraHex() const;
    std::vector<WierszEkranu> EkranTekstu();
    std::vector<WierszEkranu> EkranHex();
    void UstawKodowanie(const Kodowanie &k);
    qint64 PierwszyBajt() const;

    Strony m_strony;
    Wykrycie m_wykryte;
    Kodowanie m_kod;
    std::unique_ptr<Linie> m_linie;
    std::array<QChar, 256> m_znakiHex{};
    Tryb m_tryb = Tryb::Tekst;
    bool m_zawijanie = false;
    int m_wiersze = 25, m_kolumny = 80;
    Pozycja m_góra;            // text mode
    qint64 m_góraHex = 0;      // hex mode: a multiple of 16
    int m_przesunięcie = 0;    // columns cut off on the left
    qint64 m_koniecEkranu = 0; // the first byte after the screen, as last drawn
    std::optional<Trafienie> m_trafienie;
};
