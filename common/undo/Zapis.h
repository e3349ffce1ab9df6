#pragma once

#include "Operacja.h"

#include <platform/AppendFile.h>
#include <platform/Trash.h>

#include <QString>
#include <memory>
#include <mutex>
#include <optional>

namespace oc::undo {

// The record of one operation as it runs, made by Dziennik::zacznij. Each
// step is written to the journal as it is reported, from any thread; the
// entry's state is read afresh from the disk at that moment unless the
// caller gives it, so call these once the step is complete (the file
// closed, its times set). Entries made are written a few hundred at a
// time: a crash can leave the last of them out, and undoing then keeps
// those copies, while every step that moved, trashed or changed something
// is on the disk before the next one. Recording never stops an operation:
// a journal that cannot be written only leaves that operation out of the list.
class Zapis
{
public:
    Zapis(std::unique_ptr<platform::AppendFile> plik, QString ścieżka);
    // Ends the record; one in which nothing happened is dropped.
    ~Zapis();
    Zapis(const Zapis &) = delete;
    Zapis &operator=(const Zapis &) = delete;

    // An entry the operation made (a new directory, a file or directory of
    // a copy), with its state when the maker knows it.
    void utworzony(const QString &ścieżka, const std::optional<platform::Identity> &tożsamość = std::nullopt);
    // An entry moved or renamed, from where to where.
    void przeniesiony(const QString &skąd, const QString &dokąd);
    // An entry put in the trash; also a target a copy replaced, which goes
    // to the trash before the new one takes its place.
    void wKoszu(const platform::TrashedEntry &wpis);
    // Attributes changed, with their value before.
    void atrybuty(const QString &ścieżka, quint32 przed);
    // The end, synced to the disk.
    void zakończ();

private:
    // znany: the step comes with the entry's state, not read from the disk.
    void dopisz(Krok krok, bool znany = false);
    // Writes the entries made that wait; m_mutex held.
    void wypisz();

    std::mutex m_mutex;
    QByteArray m_czekające;
    std::unique_ptr<platform::AppendFile> m_plik;
    QString m_ścieżka;
    bool m_kroki = false;
    bool m_zakończony = false;
};

} // namespace oc::undo
