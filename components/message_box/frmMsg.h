#pragma once

#include "MsgButtons.h"

#include <QDialog>
#include <array>
#include <optional>

class QLabel;

namespace oc::ui {
class LabelButton;
class Shape;
} // namespace oc::ui

namespace notebox {

// The question box: a double frame, a title on the top edge, a message and
// up to three label buttons chosen with the keyboard or the mouse.
class frmMsg : public QDialog
{
    Q_OBJECT
public:
    explicit frmMsg(QWidget *parent = nullptr);

    // The operation's set-up; DefaultButton is set to 0 when it names no
    // visible button.
    void setUp(qint32 x, qint32 y, const QString &title, quint8 ikona, quint8 buttony, quint8 &defaultButton,
               const QString &text);

    // The button that closed the box; a box closed without a choice counts
    // as the button Esc stands for. None before the box was shown.
    std::optional<int> clicked() const { return m_clicked; }
    // The highlighted button once the box is shown.
    int current() const { return m_keys ? m_keys->current() : -1; }

    std::array<oc::ui::Shape *, 2> Shape1{};
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    std::array<oc::ui::LabelButton *, 3> But{};

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void activate();
    void But_Click(int index);
    void highlight(int index, bool on);

    int m_defaultIndex = 0;
    bool m_activated = false;
    std::optional<MsgKeys> m_keys;
    std::optional<int> m_clicked;
};

} // namespace notebox
