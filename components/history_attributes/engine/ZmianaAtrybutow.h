#pragma once

#include <platform/FileError.h>
#include <undo/Zapis.h>

#include <QStringList>
#include <QtGlobal>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace oc2 {

// One batch of attribute writes, with no window: the files chosen, then, on
// request, every file below the chosen directories, all given the same
// attributes. Below a directory everything is reached by descriptor from
// the directory above it: links are never followed nor written through, a
// directory swapped for a link meanwhile is not entered, any depth works,
// and another file system mounted below is left and reported. A chosen
// directory that is a link is not entered, and a path naming a parent or
// the directory itself ("..", ".") is refused. Failures are collected, not
// shown.
class ZmianaAtrybutów
{
public:
    ZmianaAtrybutów() = default;
    ZmianaAtrybutów(QStringList katalogi, QStringList pliki, bool podkatalogi, quint32 maska);

    // The batch, set before Wykonaj.
    QStringList Katalogi;
    QStringList Pliki;
    bool Podkatalogi = false;
    quint32 Maska = 0;

    // Writes the chosen files, then walks the chosen directories writing as
    // it goes, recording each file's attributes before for the undo; may run
    // on a worker thread.
    void Wykonaj();
    // Asks a running Wykonaj to stop before its next entry; from any thread.
    void Zatrzymaj() { m_stop = true; }
    // Files written so far, failed ones included; from any thread.
    qint64 Zapisane() const { return m_zapisane; }

    // Read once Wykonaj has returned.
    const QStringList &Znalezione() const { return m_znalezione; }
    const std::vector<oc::platform::FileError> &Błędy() const { return m_błędy; }

    // Called on the working thread after each file, written or not, so that
    // a watcher can follow (or hold) the run.
    std::function<void()> poZapisie;

private:
    void Zmieniaj();
    void Przeglądaj(const QString &katalog);
    // One file done; its failure, if any, is kept, else its change recorded.
    void Zapisany(const QString &ścieżka, std::optional<quint32> przed, oc::platform::FileError błąd);

    QStringList m_znalezione;
    std::vector<oc::platform::FileError> m_błędy;
    std::unique_ptr<oc::undo::Zapis> m_zapis;
    std::atomic<bool> m_stop{false};
    std::atomic<qint64> m_zapisane{0};
};

} // namespace oc2
