#include "frmSplash.h"

#include <ui/Fonts.h>
#include <ui/ProgramIcon.h>
#include <ui/Translations.h>

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane Commander"));
    QApplication::setFont(oc::ui::sansFont(8.25));
    QApplication::setWindowIcon(QIcon(oc::ui::programIcon(64)));
    oc::ui::installPolishQtTranslations();
    frmSplash splash;
    splash.show();
    return app.exec();
}
