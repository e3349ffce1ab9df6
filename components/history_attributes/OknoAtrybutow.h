#pragma once

#include <platform/FileError.h>
#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <array>
#include <vector>

namespace oc2 {

// What both attribute windows share: a title strip, a close key, check
// labels followed by the buttons "Ustaw" and "Anuluj" as fields 1 to n, one
// of them focused. The arrows move the focus round; Enter and Space toggle
// a check label or press a button; Esc and F10 cancel.
class OknoAtrybutow : public QDialog
{
    Q_OBJECT
public:
    QLabel *Label1 = nullptr;
    oc::ui::LabelButton *CloseKey = nullptr;
    std::vector<oc::ui::LabelButton *> check;
    std::array<oc::ui::LabelButton *, 2> cmd{};
    std::array<oc::ui::Shape *, 2> Shape1{};
    QTimer *Timer1 = nullptr; // the start-up hook, started by the caller
    int Pole = 1;             // the focused field

    int LiczbaPól() const { return int(check.size()) + 2; }
    bool Zaznaczone(int i) const;

protected:
    OknoAtrybutow(const QString &tytuł, int szerokość, int wysokość, QWidget *parent);

    QLabel *nagłówek(const QString &tekst, int lewa, int góra, int szerokość);
    void dodajPole(const QString &tekst, int lewa, int góra, int szerokość);
    void dodajPrzyciski(int góra);
    void UstawZaznaczenie(int i, bool zaznaczone);
    // Every field painted without focus, then field 1 with it.
    void ZacznijOdPierwszego();
    // How many attribute writes failed and the first few of them with their
    // reasons, once, over this window; nothing when none failed.
    void ZgłośBłędy(const std::vector<oc::platform::FileError> &błędy);

    virtual void Ustaw() = 0;
    virtual void Anuluj() = 0;
    // While true only Esc, F10 and the close key are heard; they cancel.
    virtual bool Pracuje() const { return false; }

    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_KeyDown(int kod);
    void Przejdź(int pole);
    void Działaj();
    void Przełącz(int i);
    void Maluj(int pole, bool fokus);
    oc::ui::LabelButton *Kontrolka(int pole) const;
};

} // namespace oc2
