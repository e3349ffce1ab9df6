#pragma once

#include <undo/Operacja.h>

#include <ui/Shape.h>

#include <QDialog>
#include <array>
#include <vector>

class QLabel;
class QListWidget;

// "Cofnij": the operations the journal keeps, the latest on top. Enter
// chooses the one under the bar, to be undone with every later one; Esc
// and F10 choose none. Operations already undone are shown but cannot be
// chosen.
class frmCofnij : public QDialog
{
    Q_OBJECT
public:
    explicit frmCofnij(const std::vector<oc::undo::Operacja> &operacje, QWidget *parent = nullptr);

    // The number of the chosen operation; 0 when none was chosen.
    qint64 Wybrana = 0;

    QLabel *Label1 = nullptr;
    QListWidget *lstOperacje = nullptr;
    QLabel *lblPomoc = nullptr;
    std::array<oc::ui::Shape *, 2> Shape1{};

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Wybierz();
};

// A row of the list: time, kind, what it was about, and its state.
QString WierszOperacji(const oc::undo::Operacja &operacja);
