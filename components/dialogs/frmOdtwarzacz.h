#pragma once

#include "Odtwarzanie.h"

#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <array>
#include <memory>

namespace oc {

// The player of one sound or music file: its name, the time played and the
// whole length, and why it does not play when it does not. It starts
// playing at once. Enter or Space plays and pauses, the access letters act
// on the four buttons, Esc or F10 closes; closing stops the sound.
class frmOdtwarzacz : public QDialog
{
    Q_OBJECT
public:
    explicit frmOdtwarzacz(const QString &plik, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *lblPlik = nullptr;
    QLabel *lblCzas = nullptr;
    QLabel *shpPasek = nullptr;
    QLabel *shpPostęp = nullptr;
    QLabel *lblKomunikat = nullptr;
    // Odtwórz, Pauza, Stop, Zamknij.
    std::array<ui::LabelButton *, 4> cmdPrzycisk{};
    std::array<ui::Shape *, 2> Shape1{};

    Odtwarzanie &Dźwięk() { return *m_dźwięk; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Przycisk(int indeks);
    int Domyślny() const;
    void Odśwież();

    std::unique_ptr<Odtwarzanie> m_dźwięk;
};

} // namespace oc
