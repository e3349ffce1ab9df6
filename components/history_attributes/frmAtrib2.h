#pragma once

#include "OknoAtrybutow.h"
#include "ZmianaAtrybutow.h"

#include <QThread>
#include <memory>

namespace oc2 {

// The attributes of a batch: four boxes to set, four to clear (a clear box
// wins) and whether the files below the chosen directories count too. Ustaw
// writes one value to every file on a worker thread; Esc then stops it
// after the file in hand. exec() gives 1 when applied, 0 when cancelled.
class frmAtrib2 : public OknoAtrybutow
{
    Q_OBJECT
public:
    // The batch belongs to the caller and outlives the window; Ustaw gives
    // it the mask and the subdirectories' choice.
    explicit frmAtrib2(ZmianaAtrybutów &praca, QWidget *parent = nullptr);
    ~frmAtrib2() override;

    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;

    // Closing by any other way cancels, or stops the work in hand.
    void reject() override;

protected:
    void Ustaw() override;
    void Anuluj() override;
    bool Pracuje() const override { return m_wątek != nullptr; }

private:
    void Timer1_Timer();
    void Zakończ();

    ZmianaAtrybutów &m_praca;
    std::unique_ptr<QThread> m_wątek;
    QTimer *m_postęp = nullptr;
};

} // namespace oc2
