#include "Activate.h"

#include <QDialog>
#include <QTimer>

namespace oc::ui {

int execActivated(QDialog &dialog)
{
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.activateWindow(); });
    return dialog.exec();
}

} // namespace oc::ui
