#pragma once

#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <array>

namespace oc {

// The clock: the time and the date, brought up to date every second. Esc,
// Enter, Space or F10 closes it.
class frmZegar : public QDialog
{
    Q_OBJECT
public:
    explicit frmZegar(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *lblCzas = nullptr;
    QLabel *lblData = nullptr;
    QTimer *Timer1 = nullptr;
    std::array<ui::Shape *, 2> Shape1{};

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Timer1_Timer();
};

} // namespace oc
