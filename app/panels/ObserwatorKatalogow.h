#pragma once

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>

// Watches the directories the two panels show and says which of them
// changed on the disk: once soon after a first change, then at most once
// per Odstęp during a burst (longer when the re-reads take long). Costs
// nothing while nothing changes.
class ObserwatorKatalogow : public QObject
{
    Q_OBJECT
public:
    static constexpr int Odstęp = 300; // ms between two reports in a burst
    static constexpr int Zwłoka = 40;  // ms from a lone change to its report

    explicit ObserwatorKatalogow(QObject *parent = nullptr);

    // Panel p (1 or 2) now shows path.
    void Obserwuj(int p, const QString &path);
    // Reports panels again later (the window could not re-read them now).
    void Odłóż(int panele);

signals:
    // Bit 1 the left panel, bit 2 the right one.
    void zmienione(int panele);

private:
    void Zmiana(const QString &path);
    void Zgłoś();
    void Zaplanuj();

    QFileSystemWatcher m_watcher;
    QTimer m_zegar;
    QElapsedTimer m_odZgłoszenia;
    std::array<QString, 2> m_ścieżki;
    qint64 m_przerwa = Odstęp; // ms from the end of one report to the next
    int m_zmienione = 0;
};
