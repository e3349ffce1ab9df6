#include "frmMain.h"

#include <ui/Colors.h>

using namespace oc;

namespace {

const char *const rozszerzeniaPodglądu[] = {".BMP", ".GIF", ".JPG", ".MID", ".WAV", ".EMF", ".ICO", ".WMF"};

} // namespace

void frmMain::Rozsz(const QString &name)
{
    bool podgląd = false;
    if (name.size() >= 4) {
        const QString e = name.right(4).toUpper();
        for (const char *rozszerzenie : rozszerzeniaPodglądu)
            podgląd = podgląd || e == QLatin1String(rozszerzenie);
    }
    ui::setForeground(Short[2], podgląd ? 0 : ui::toBgr(palette().color(QPalette::Disabled, QPalette::WindowText)));
}
