#pragma once

#include "Wiersz.h"

#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <array>
#include <vector>

namespace oc {

// What the information windows share: the title, a line per row (its
// description and value), a note below them and one OK button. Enter,
// Space, Esc and F10 close it, as does a click on OK.
class OknoWierszy : public QDialog
{
    Q_OBJECT
public:
    QLabel *Label1 = nullptr;
    std::vector<QLabel *> lblOpis;
    std::vector<QLabel *> lblWartość;
    QLabel *lblUwaga = nullptr; // null when the window has no note
    ui::LabelButton *cmdOK = nullptr;
    std::array<ui::Shape *, 2> Shape1{};

protected:
    OknoWierszy(const QString &tytuł, const QList<Wiersz> &wiersze, const QString &uwaga, QWidget *parent);

    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace oc
