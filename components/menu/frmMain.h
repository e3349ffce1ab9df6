#pragma once

#include "StanMenu.h"

#include <QDialog>
#include <QPointer>
#include <array>

class QTimer;

namespace oc::ui {
class LabelButton;
}

namespace menuoc {

class frmSub;

// The one-line menu bar laid over the top of the main window. Left, Right
// and the access letters move along it, Down opens the entry's list below
// it; a choice there closes the bar on Timer1's next tick.
class frmMain : public QDialog
{
    Q_OBJECT
public:
    explicit frmMain(StanMenu &stan, QWidget *parent = nullptr);

    std::array<oc::ui::LabelButton *, LiczbaWpisów> lblMnu{};
    QTimer *Timer1 = nullptr;
    // The open list, if any.
    QPointer<frmSub> Lista;

    // Closed by the window manager: as Esc, nothing was chosen.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void Form_Activate();
    void Form_KeyDown(int kod);
    void Timer1_Timer();
    void OtwórzListę();
    void wykonaj(const Reakcja &r);
    int wpisPod(const QPoint &punkt) const;

    StanMenu &m_stan;
    // The release ending a double-click is not a click of its own.
    bool m_poDwukliku = false;
};

} // namespace menuoc
