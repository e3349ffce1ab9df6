#pragma once

#include <QStringList>

// The lines run from the command line, oldest first, never two that differ
// only in letter case. Lives for the whole run.
class HistoriaPoleceń
{
public:
    // Appends the line unless it is already there in some letter case; the
    // next recall starts again from the newest line.
    void DodajDoHistorii(const QString &linia);
    // Ctrl+E: one line further back, staying on the oldest; "" when empty.
    QString Cofnij();
    // The sixteen newest lines, oldest first.
    QStringList Najnowsze() const;

    QStringList lstHistoria;
    qint32 PozycjaHistorii = 0;
};
