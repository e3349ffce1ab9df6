#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace oc {

// The most memory one decoded picture may take, in megabytes: a file that
// declares more is refused before anything is allocated.
constexpr int NajwiększyObrazMB = 256;

struct Obraz
{
    QImage obraz;          // fitted to the space given; null when not shown
    QSize rozmiar;         // the picture's own size
    bool animacja = false; // more than one frame: the window plays them
    QString komunikat;     // why nothing is shown, "" when it is
};

// Reads a picture to show within miejsce (pixels), decoded straight to the
// smaller size where the format allows it.
Obraz CzytajObraz(const QString &ścieżka, const QSize &miejsce);

// A size shrunk to fit miejsce with its proportions kept; never enlarged,
// never below one pixel.
QSize RozmiarWOknie(const QSize &rozmiar, const QSize &miejsce);

} // namespace oc
