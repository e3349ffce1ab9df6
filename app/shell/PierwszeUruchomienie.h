#pragma once

#include <QString>
#include <functional>

// The end of a failed start-up: tells the user the component libraries must
// be registered, starts the repair tool without waiting and ends the program.
void PierwszeUruchomienie();

// Tests put a recorder in place of the message box and of the program's end;
// an empty function restores the real one.
using OknoInformacji = std::function<void(const QString &title, const QString &text)>;
void ustawOknoInformacji(OknoInformacji show);
void ustawKoniecProgramu(std::function<void()> end);
