#pragma once

#include "OknoAtrybutow.h"
#include "ZmianaAtrybutow.h"

#include <QStringList>
#include <QThread>
#include <memory>

namespace oc2 {

// The attributes of a batch: four boxes to set, four to clear (a clear box
// wins) and whether the files below the chosen directories count too. Ustaw
// writes one value to every file on a worker thread; Esc then stops it
// after the file in hand. The result goes to wynik: 1 when applied, 0 when
// cancelled.
class frmAtrib2 : public OknoAtrybutow
{
    Q_OBJECT
public:
    explicit frmAtrib2(qint32 &wynik, QWidget *parent = nullptr);
    ~frmAtrib2() override;

    // Empties the three lists.
    void ClearLists();

    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QStringList lstDir;
    QStringList lstFile;
    QStringList lstFile2; // the files found below lstDir by the last Ustaw
    quint32 Maska = 0;

    // Closing by any other way cancels, or stops the work in hand.
    void reject() override;

protected:
    void Ustaw() override;
    void Anuluj() override;
    bool Pracuje() const override { return m_praca != nullptr; }

private:
    void Timer1_Timer();
    void Zakończ();

    qint32 &m_wynik;
    std::unique_ptr<ZmianaAtrybutów> m_praca;
    std::unique_ptr<QThread> m_wątek;
    QTimer *m_postęp = nullptr;
};

} // namespace oc2
