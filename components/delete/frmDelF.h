#pragma once

#include "Pytanie.h"

#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <array>

namespace ocdelete {

// The question before one file is deleted. Yes deletes it (a failure is
// reported at once with its path); either answer closes the window.
class frmDelF : public QDialog
{
    Q_OBJECT
public:
    // The result goes to wynik, which outlives the window: 1 when the file
    // is gone, else 0.
    explicit frmDelF(qint32 &wynik, QWidget *parent = nullptr);

    // The full path of the file asked about.
    QString Plik;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    std::array<oc::ui::LabelButton *, 2> Label4{};
    std::array<oc::ui::Shape *, 2> Shape1{};
    int Przycisk = 0;
    // To the trash or for good; the caption says which.
    void UstawTryb(pytanie::Tryb tryb);
    pytanie::Tryb Tryb = pytanie::Tryb::Usuń;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_Activate();
    void Label4_Click(int przycisk);

    qint32 &m_wynik;
    bool m_aktywowane = false;
};

} // namespace ocdelete
