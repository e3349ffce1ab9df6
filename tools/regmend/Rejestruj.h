#pragma once

#include <QWidget>
#include <array>

class QLabel;

namespace oc::ui {
class LabelButton;
class Shape;
} // namespace oc::ui

namespace regmend {

// The repair tool's window: an explanation and three label buttons, register
// the component libraries, start the main program, quit.
class Rejestruj : public QWidget
{
    Q_OBJECT
public:
    explicit Rejestruj(QWidget *parent = nullptr);

    // The keyboard's selected button, 1..3.
    qint16 selected() const { return m_selected; }

    // Button 0: writes and runs the registration script, then offers to
    // start the main program.
    void Register();
    // Button 1.
    void startMainProgram();
    void cmd_Click(int index);

    QLabel *Label2 = nullptr;
    oc::ui::Shape *Shape1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    std::array<oc::ui::LabelButton *, 3> cmd{};

protected:
    void keyPressEvent(QKeyEvent *event) override;

    // The platform's standard message boxes; tests answer them instead.
    virtual bool askYesNo(const QString &title, const QString &text);
    virtual void showWarning(const QString &title, const QString &text);

private:
    qint16 m_selected = 1;
};

} // namespace regmend
