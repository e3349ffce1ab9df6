#include "Rejestruj.h"

#include <QApplication>

// regmend: registers the component libraries again and starts the program.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    regmend::Rejestruj window;
    window.show();
    return app.exec();
}
