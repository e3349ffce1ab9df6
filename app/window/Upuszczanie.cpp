#include "frmMain.h"

#include <actions/Kopiowanie.h>
#include <platform/Names.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

using namespace oc;

namespace {

// The local paths of a drop, from the URLs' bytes, so names that are not
// UTF-8 arrive as they are on the disk.
QStringList ŚcieżkiUpuszczone(const QMimeData *dane)
{
    QStringList ścieżki;
    if (!dane || !dane->hasUrls())
        return ścieżki;
    for (const QUrl &url : dane->urls())
        if (url.isLocalFile())
            ścieżki << platform::decodeName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    return ścieżki;
}

} // namespace

int frmMain::PanelPod(const QPoint &punkt) const
{
    const QWidget *pod = childAt(punkt);
    for (int p = 1; p <= 2; ++p)
        for (const EtykietaPanelu *wiersz : m_panele[p - 1]->Wiersze)
            if (wiersz == pod)
                return p;
    return 0;
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (Gotowy && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void frmMain::dragMoveEvent(QDragMoveEvent *event)
{
    if (Gotowy && event->mimeData()->hasUrls() && PanelPod(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void frmMain::dropEvent(QDropEvent *event)
{
    const int p = PanelPod(event->position().toPoint());
    if (!Gotowy || !p)
        return;
    event->acceptProposedAction();
    UpuśćPliki(*this, p, ŚcieżkiUpuszczone(event->mimeData()));
}
