#include "ObserwatorKatalogow.h"

#include <algorithm>

ObserwatorKatalogow::ObserwatorKatalogow(QObject *parent) : QObject(parent)
{
    m_zegar.setSingleShot(true);
    connect(&m_zegar, &QTimer::timeout, this, &ObserwatorKatalogow::Zgłoś);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &ObserwatorKatalogow::Zmiana);
}

void ObserwatorKatalogow::Obserwuj(int p, const QString &path)
{
    QString &było = m_ścieżki[size_t(p - 1)];
    if (było == path && m_watcher.directories().contains(path))
        return;
    const QString stara = było;
    było = path;
    if (!stara.isEmpty() && std::find(m_ścieżki.begin(), m_ścieżki.end(), stara) == m_ścieżki.end())
        m_watcher.removePath(stara);
    // A path the watcher already has (or cannot watch) is simply left as it is.
    if (!m_watcher.directories().contains(path))
        m_watcher.addPath(path);
}

void ObserwatorKatalogow::Zmiana(const QString &path)
{
    for (int p = 1; p <= 2; ++p)
        if (m_ścieżki[size_t(p - 1)] == path)
            m_zmienione |= p;
    Zaplanuj();
}

void ObserwatorKatalogow::Odłóż(int panele)
{
    m_zmienione |= panele;
    Zaplanuj();
}

void ObserwatorKatalogow::Zaplanuj()
{
    if (m_zmienione == 0 || m_zegar.isActive())
        return;
    const qint64 minęło = m_odZgłoszenia.isValid() ? m_odZgłoszenia.elapsed() : m_przerwa;
    m_zegar.start(int(std::max<qint64>(Zwłoka, m_przerwa - minęło)));
}

void ObserwatorKatalogow::Zgłoś()
{
    const int panele = m_zmienione;
    m_zmienione = 0;
    QElapsedTimer praca;
    praca.start();
    if (panele)
        emit zmienione(panele);
    // A directory slow to read (a huge one) leaves the window at least two
    // thirds of the time between its re-reads.
    m_przerwa = std::max<qint64>(Odstęp, 2 * praca.elapsed());
    m_odZgłoszenia.restart();
}
