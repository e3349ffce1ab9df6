#include "frmSplash.h"

#include <ui/Fonts.h>

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane Commander"));
    QApplication::setFont(oc::ui::sansFont(8.25));
    frmSplash splash;
    splash.show();
    return app.exec();
}
