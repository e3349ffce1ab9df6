#pragma once

#include "Operacja.h"
#include "Zapis.h"

#include <QString>
#include <memory>
#include <vector>

namespace oc::undo {

// The journal of file operations: one small record per operation in the
// user's data folder, its start on the disk before the operation begins
// and its end after, so that a crash in between leaves a record that reads
// back as far as it got. It keeps the latest Najwięcej operations.
class Dziennik
{
public:
    static constexpr int Najwięcej = 50;

    explicit Dziennik(QString katalog = domyślnyKatalog());

    // $XDG_DATA_HOME/orvane-commander/cofnij
    static QString domyślnyKatalog();

    // Starts the record of an operation, dropping the oldest beyond the
    // limit; nullptr when the journal cannot be written.
    std::unique_ptr<Zapis> zacznij(Rodzaj rodzaj, const QString &opis);
    // Every operation kept, the oldest first; one with no step is left out.
    std::vector<Operacja> wczytaj() const;
    // Marks an operation as undone, on the disk.
    bool oznaczCofniętą(const Operacja &operacja);

    const QString &katalog() const { return m_katalog; }

private:
    // The records' numbers, in order.
    std::vector<qint64> numery() const;
    QString plik(qint64 numer) const;

    QString m_katalog;
};

} // namespace oc::undo
