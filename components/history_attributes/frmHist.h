#pragma once

#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <array>

namespace oc2 {

// The window of earlier command lines: a bar over up to sixteen rows; Enter
// takes the line under it into the chosen command, Esc and F10 take none.
class frmHist : public QDialog
{
    Q_OBJECT
public:
    static constexpr int LiczbaWierszy = 16;

    // The chosen line is written to wybranaKomenda, which outlives the window.
    explicit frmHist(QString &wybranaKomenda, QWidget *parent = nullptr);

    // Empties List1 and blanks every row.
    void ClearList();

    QStringList List1;
    std::array<QLabel *, LiczbaWierszy> lblPoz{};
    QLabel *Label1 = nullptr;
    std::array<oc::ui::Shape *, 2> Shape1{};
    QTimer *Timer1 = nullptr;
    int Wiersz = 0;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Timer1_Timer();
    void Form_KeyDown(int kod);
    void Podświetl(int wiersz);
    void Zgaś(int wiersz);

    QString &m_wybranaKomenda;
};

} // namespace oc2
