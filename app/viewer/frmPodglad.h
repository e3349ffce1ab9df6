#pragma once

#include "Przegladanie.h"
#include "Szukanie.h"

#include <QDialog>
#include <QFutureWatcher>
#include <atomic>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;

// The viewer's colours, 0x00BBGGRR as the scheme gives them.
struct BarwyPodglądu
{
    quint32 tło = 0x00800000, tekst = 0x00FFFF80;
    quint32 tłoTrafienia = 0x00808000, tekstTrafienia = 0x00000000;
};

// "<name> - Podgląd": one file as text or hex over the main window, modal.
// Arrows, PgUp, PgDn, Home, End and the wheel move; F2 wraps lines, F4
// switches to hex and back, F8 steps through the encodings; F7 searches,
// Shift+F7 (or F3 while a hit is shown) finds the next hit, Esc stops a
// search under way; Ctrl+R reads the file again; Ctrl+C copies the text on
// screen, Ctrl+A the whole text; Esc, F10 and F3 close.
class frmPodglad : public QDialog
{
    Q_OBJECT
public:
    frmPodglad(std::unique_ptr<Przeglądanie> przeglądanie, const QString &nazwa, const BarwyPodglądu &barwy,
               QWidget *parent = nullptr);
    ~frmPodglad() override;

    Przeglądanie &przeglądanie() { return *m_p; }
    // Whether a search runs now (its hit not yet shown).
    bool Szuka() const { return m_szuka; }

    QLabel *Label1;    // the title strip
    QWidget *picTekst; // where the rows are drawn
    QLabel *lblStan;
    QLabel *lblSzukaj;
    QLineEdit *txtSzukaj;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Rysuj(QPainter &painter);
    void Odśwież();
    void OtwórzSzukanie();
    void ZamknijSzukanie();
    void Szukaj(const QString &tekst);
    void PoSzukaniu();
    void Kopiuj(bool całość);

    std::unique_ptr<Przeglądanie> m_p;
    BarwyPodglądu m_barwy;
    QString m_komunikat; // said once in the status line after the next key
    QString m_szukany;
    bool m_szuka = false;
    std::atomic<bool> m_przerwij{false};
    QFutureWatcher<std::optional<Trafienie>> m_wynik;
};
