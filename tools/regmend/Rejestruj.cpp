#include "Rejestruj.h"

#include "RegistrationScript.h"
#include "Wybor.h"

#include <platform/Paths.h>
#include <platform/ProgramStarter.h>
#include <platform/Shell.h>
#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/LabelButton.h>
#include <ui/Shape.h>
#include <ui/TitleDrag.h>
#include <ui/Twips.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

namespace regmend {

namespace {

constexpr quint32 selectedColour = 0xFF80FF;
constexpr quint32 otherColour = 0x80FFFF;

QLabel *label(QWidget *parent, const QString &text, int left, int top, int width, int height)
{
    auto *control = new QLabel(text, parent);
    oc::ui::placeTwips(control, left, top, width, height);
    control->setWordWrap(true);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return control;
}

} // namespace

Rejestruj::Rejestruj(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Rejestruj"));
    setWindowTitle(QStringLiteral("Rejestruj"));
    setFont(oc::ui::sansFont(8.25));
    oc::ui::resizeTwips(this, 5760, 2520);
    const QPalette system = palette();
    oc::ui::setBackground(this, oc::ui::toBgr(system.color(QPalette::WindowText)));
    // The palette has no caption-text colour; highlighted text is its nearest.
    const quint32 lightText = oc::ui::toBgr(system.color(QPalette::HighlightedText));

    Label2 = label(this, QStringLiteral("Masz problem z zarejestrowaniem bibliotek DLL ?"), 0, 0, 5775, 255);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(oc::ui::sansFont(8.25, true));
    oc::ui::setBackground(Label2, 0xFFFF00);
    oc::ui::setForeground(Label2, oc::ui::toBgr(system.color(QPalette::WindowText)));
    oc::ui::makeTitleDrag(Label2);

    Shape1 = new oc::ui::Shape(this);
    oc::ui::placeTwips(Shape1, 120, 360, 5535, 1455);
    Shape1->setBorderColor(lightText);

    Label1 = label(this,
                   QStringLiteral("Jeśli masz problem z uruchomieniem programu, to kliknij w przycisk Rejestruj. "
                                  "Dzięki temu program zarejestruje w systemie biblioteki wymagane przez program "
                                  "Orvane Commander i po tym zabiegu program powinien się uruchomić poprawnie. "),
                   240, 480, 5295, 855);
    oc::ui::setForeground(Label1, lightText);

    Label3 = label(this,
                   QStringLiteral("Uwaga: ten program uruchamia się podczas pierwszego uruchomienia programu "
                                  "Orvane Commander"),
                   240, 1320, 5295, 440);
    oc::ui::setForeground(Label3, 0x00FFFF);

    const std::array<QString, 3> captions{QStringLiteral("Rejestruj"), QStringLiteral("Uruchom program"),
                                          QStringLiteral("Koniec")};
    const std::array<int, 3> lefts{240, 2040, 3840};
    for (int i = 0; i < 3; ++i) {
        auto *button = new oc::ui::LabelButton(captions[i], this);
        button->setObjectName(QStringLiteral("cmd%1").arg(i));
        oc::ui::placeTwips(button, lefts[i], 2040, 1575, 255);
        button->setAlignment(Qt::AlignCenter);
        oc::ui::setForeground(button, 0x000000);
        oc::ui::setBackground(button, i + 1 == m_selected ? selectedColour : otherColour);
        connect(button, &oc::ui::LabelButton::clicked, this, [this, i] { cmd_Click(i); });
        cmd[i] = button;
    }

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Rejestruj::cmd_Click(int index)
{
    switch (index) {
    case 0: Register(); break;
    case 1: startMainProgram(); break;
    default: close(); break;
    }
}

void Rejestruj::Register()
{
    const QString script = scriptPath();
    if (!writeScript(script, registrationScript())) {
        showWarning(QStringLiteral("Błąd"), QStringLiteral("Nie mogę zapisać pliku :") + script);
        return;
    }
    const oc::platform::Command command = oc::platform::scriptCommand(script);
    oc::platform::programStarter().run(command.program, command.arguments, oc::platform::programDirectory());
    if (askYesNo(QStringLiteral("Rejestruj"),
                 QStringLiteral("Rejestracja plików DLL została zakończona. Czy chcesz teraz uruchomić program "
                                "Orvane Commander ?")))
        startMainProgram();
    removeScript(script);
}

void Rejestruj::startMainProgram()
{
    const QString directory = oc::platform::programDirectory();
    if (!oc::platform::programStarter().start(oc::platform::mainProgram(), {}, directory))
        showWarning(QStringLiteral("Błąd"),
                    QStringLiteral("Nie mogę znaleźć pliku :") + directory + QStringLiteral("/oc"));
}

void Rejestruj::keyPressEvent(QKeyEvent *event)
{
    for (oc::ui::LabelButton *button : cmd)
        oc::ui::setBackground(button, otherColour);
    switch (applyKey(oc::ui::virtualKey(event), m_selected)) {
    case KeyAction::Click: cmd_Click(m_selected - 1); break;
    case KeyAction::Quit: close(); break;
    case KeyAction::None: break;
    }
    oc::ui::setBackground(cmd[m_selected - 1], selectedColour);
}

bool Rejestruj::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Yes | QMessageBox::No, this);
    return box.exec() == QMessageBox::Yes;
}

void Rejestruj::showWarning(const QString &title, const QString &text)
{
    QMessageBox::warning(this, title, text);
}

} // namespace regmend
