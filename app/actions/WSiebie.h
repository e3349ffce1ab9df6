#pragma once

#include <panels/WybranaPozycja.h>

#include <QString>
#include <vector>

// An entry a copy takes: its path and whether it goes as a directory.
struct DoSkopiowania
{
    QString ścieżka;
    bool katalog = false;
};

// A path dropped from another program, as the copy takes it: a link to a
// directory goes as the link it is.
DoSkopiowania UpuszczonaŚcieżka(const QString &ścieżka);

// A copy that would land on its own source: a file into the directory it is
// in, or a directory into itself or below itself. The message, or "".
QString KopiaWSiebie(const std::vector<DoSkopiowania> &co, const QString &cel);

// A move that would land on its own source: an entry into the directory it
// is in, or a directory into itself or below itself. The message, or "".
QString PrzeniesienieWSiebie(const std::vector<WybranaPozycja> &co, const QString &cel);
