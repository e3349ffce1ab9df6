#pragma once

#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <array>

class QMovie;

namespace oc {

// One picture, shrunk to fit the screen, or why it cannot be shown. The
// file's name is the title. Esc, Enter, Space, F10 or a click closes it.
class frmObraz : public QDialog
{
    Q_OBJECT
public:
    // x, y: where its top-left corner goes, in twips; the window moves in
    // only as far as it must to stay on the screen.
    frmObraz(const QString &plik, double x, double y, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *imgObraz = nullptr;     // null when nothing is shown
    QLabel *lblKomunikat = nullptr; // null when the picture is shown
    QMovie *Animacja = nullptr;     // null unless the picture moves
    std::array<ui::Shape *, 2> Shape1{};

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace oc
