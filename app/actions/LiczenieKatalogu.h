#pragma once

#include <QFuture>
#include <QString>

class Gospodarz;

// The quick view's count of a directory by the history component, run on a
// worker: the component's text of counts, "" when it has none. The worker
// holds the component, so the count may outlive the window.
QFuture<QString> PoliczKatalog(Gospodarz &okno, const QString &ścieżka);
// Asks a running count to stop (true), or lets counts run again (false); a
// component that cannot be told just counts on.
void PrzerwijLiczenie(Gospodarz &okno, bool przerwij);
