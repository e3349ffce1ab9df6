#include "PierwszeUruchomienie.h"

#include <platform/Paths.h>
#include <platform/ProgramStarter.h>

#include <QCoreApplication>
#include <QMessageBox>

namespace platform = oc::platform;

namespace {

OknoInformacji &oknoInformacji()
{
    static OknoInformacji show;
    return show;
}

std::function<void()> &koniecProgramu()
{
    static std::function<void()> end;
    return end;
}

} // namespace

void ustawOknoInformacji(OknoInformacji show)
{
    oknoInformacji() = std::move(show);
}

void ustawKoniecProgramu(std::function<void()> end)
{
    koniecProgramu() = std::move(end);
}

void PierwszeUruchomienie()
{
    const QString title = QStringLiteral("Orvane Commander");
    const QString text
        = QStringLiteral("To jest pierwsze uruchomienie programu Orvane Commander. Po kliknięciu w przycisk OK, "
                         "uruchomi się mały programik do rejestrowania w systemie wymaganych bibliotek DLL. "
                         "Dopiero po tym zabiegu będzie można uruchomić program Orvane Commander.");
    if (oknoInformacji())
        oknoInformacji()(title, text);
    else
        QMessageBox::information(nullptr, title, text);

    platform::programStarter().start(platform::repairTool(), {}, platform::programDirectory());

    if (koniecProgramu())
        koniecProgramu()();
    else
        QCoreApplication::exit(1);
}
