#pragma once

#include "Kosz.h"
#include "Pytanie.h"
#include "Usuwanie.h"

#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <array>
#include <memory>

class QThread;

namespace ocdelete {

// The question before a batch of files and directory trees is deleted. Yes
// deletes on a worker thread while the window stays up; Esc then stops
// the run after the entry in hand, and no key starts a second one. Any
// failure is reported once at the end.
class frmDelAll : public QDialog
{
    Q_OBJECT
public:
    // The result goes to wynik, which outlives the window: 1 when the
    // deletion ran (failures or not), 0 when the user said no.
    explicit frmDelAll(qint32 &wynik, QWidget *parent = nullptr);
    ~frmDelAll() override;

    // Empties the chosen lists and the lists of the tree in hand.
    void ClearLists();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    std::array<oc::ui::LabelButton *, 2> lblBut{};
    std::array<oc::ui::Shape *, 2> Shape1{};
    QStringList lstDirs;
    QStringList lstFiles;
    QTimer *Timer1 = nullptr;
    int Przycisk = 0;
    bool BłędyUsuwania = false;
    // The engine behind the window; it holds the lists of the tree in hand.
    Usuwanie Silnik;
    // Takes the batch to the trash instead, in that mode.
    Kosz SilnikKosza;
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

    qint32 &m_wynik;
    std::unique_ptr<QThread> m_wątek;
};

} // namespace ocdelete
