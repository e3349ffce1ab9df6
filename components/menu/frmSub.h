#pragma once

#include "StanMenu.h"

#include <QDialog>
#include <vector>

namespace oc::ui {
class LabelButton;
class Shape;
} // namespace oc::ui

namespace menuoc {

// The drop-down list of the bar's highlighted entry: one row per item, its
// text and its shortcut. Up and Down move, Enter or an access letter
// chooses, Esc goes back to the bar, Left and Right open the neighbour's list.
class frmSub : public QDialog
{
    Q_OBJECT
public:
    explicit frmSub(StanMenu &stan, QWidget *parent = nullptr);

    std::vector<oc::ui::LabelButton *> lblMnu;
    std::vector<oc::ui::LabelButton *> lblShort;
    // What closed the list, for the bar to carry on; nothing when the
    // window manager closed it.
    Reakcja Zamknięcie;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void Form_KeyDown(int kod);
    void wykonaj(const Reakcja &r);
    void podświetl(int pozycja, bool włączone);
    int pozycjaPod(const QPoint &punkt) const;

    StanMenu &m_stan;
};

} // namespace menuoc
