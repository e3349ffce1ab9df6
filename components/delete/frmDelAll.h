#pragma once

#include "Pytanie.h"
#include "Wsad.h"

#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <array>
#include <memory>

class QThread;

namespace ocdelete {

// The question before a batch of files and directory trees is deleted. Yes
// runs the batch on a worker thread while the window stays up; Esc then
// stops the run after the entry in hand, and no key starts a second one.
// Any failure is reported once at the end. exec() gives 1 when the batch
// ran (failures or not), 0 when the user said no.
class frmDelAll : public QDialog
{
    Q_OBJECT
public:
    // The batch belongs to the caller and outlives the window.
    explicit frmDelAll(Wsad &wsad, QWidget *parent = nullptr);
    ~frmDelAll() override;

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    std::array<oc::ui::LabelButton *, 2> lblBut{};
    std::array<oc::ui::Shape *, 2> Shape1{};
    QTimer *Timer1 = nullptr;
    int Przycisk = 0;
    bool BłędyUsuwania = false;
    // The batch behind the window.
    Wsad &Silnik;
    // To the trash or for good; the caption says which.
    void UstawTryb(pytanie::Tryb tryb);
    pytanie::Tryb Tryb = pytanie::Tryb::Usuń;

public slots:
    // While the deletion runs, closing only asks it to stop.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Timer1_Timer();
    void lblBut_Click(int przycisk);
    void Zakończ();

    std::unique_ptr<QThread> m_wątek;
};

} // namespace ocdelete
