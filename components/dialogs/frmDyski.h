#pragma once

#include <platform/Volumes.h>
#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <array>
#include <vector>

namespace oc {

// The drive choice: one row per volume (mount point, label, free space), a
// bar moved with the arrows, Home and End; Enter or a click takes the row's
// mount point, Esc takes nothing.
class frmDyski : public QDialog
{
    Q_OBJECT
public:
    // current: the panel's volume, highlighted at first; panel 1 left, 2 right.
    frmDyski(const QList<platform::Volume> &dyski, const QString &current, qint16 panel, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    std::array<ui::Shape *, 2> Shape1{};
    std::vector<ui::LabelButton *> lblDysk;
    int Wiersz = 0;
    // The chosen mount point, or "" when cancelled.
    QString Wynik;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_KeyDown(int kod);
    void Przesuń(int wiersz);
    void Wybierz(int wiersz);
    void Podświetl(int wiersz, bool włączone);

    QList<platform::Volume> m_dyski;
};

} // namespace oc
