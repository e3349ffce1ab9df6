#pragma once

#include <ui/LabelButton.h>
#include <ui/Shape.h>

#include <QDialog>
#include <QLabel>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

namespace occopy {

// A question over the copy or move window, in its look: lines of text over
// label buttons with access letters. The arrows and Tab move between the
// buttons, Enter and Space press the one that has the focus, a button's
// letter presses it, Esc and F10 press the last.
class OknoPytania : public QDialog
{
    Q_OBJECT
public:
    QLabel *Label1 = nullptr;
    std::vector<QLabel *> lblTekst;
    std::vector<oc::ui::LabelButton *> lblBut;
    std::array<oc::ui::Shape *, 2> Shape1{};
    int Przycisk = 0; // the button with the focus
    int Wybrany = -1; // the pressed one; -1 when the window was closed otherwise

protected:
    // Each line with whether it is bold; the buttons in rows of wRzędzie.
    OknoPytania(const QString &tytuł, const std::vector<std::pair<QString, bool>> &linie, const QStringList &przyciski,
                int wRzędzie, QWidget *parent);

    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Buttony();
    void Naciśnij(int przycisk);
};

} // namespace occopy
