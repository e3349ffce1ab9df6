#pragma once

#include <QString>

class QFontMetrics;

// Texts cut to a width in pixels; a text that fits comes back whole.

// A name: "…" at its end, or, when it has an extension and room is left,
// before the stem's last two characters and the extension
// ("bardzo_dług…ik.txt").
QString SkróćNazwę(const QString &nazwa, const QFontMetrics &fm, int szerokość);

// An absolute path: whole folders dropped from its middle for "…", so that
// the first folder and the last ones stay readable ("/HOME/…/B/C").
QString SkróćŚcieżkę(const QString &ścieżka, const QFontMetrics &fm, int szerokość);
