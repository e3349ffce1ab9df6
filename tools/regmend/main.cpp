#include "Rejestruj.h"

#include <ui/Translations.h>

#include <QApplication>

// regmend: registers the component libraries again and starts the program.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    oc::ui::installPolishQtTranslations();
    regmend::Rejestruj window;
    window.show();
    return app.exec();
}
