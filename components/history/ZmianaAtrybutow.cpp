#include "ZmianaAtrybutow.h"

#include <platform/Attributes.h>
#include <platform/Directory.h>
#include <platform/Paths.h>

#include <utility>

namespace oc2 {

namespace platform = oc::platform;

namespace {

bool jestDowiązaniem(const QString &ścieżka)
{
    const std::optional<platform::EntryInfo> wpis = platform::entryInfo(ścieżka);
    return wpis && wpis->isLink;
}

} // namespace

ZmianaAtrybutów::ZmianaAtrybutów(QStringList katalogi, QStringList pliki, bool podkatalogi, quint32 maska)
    : m_katalogi(std::move(katalogi)), m_pliki(std::move(pliki)), m_podkatalogi(podkatalogi), m_maska(maska)
{}

void ZmianaAtrybutów::Wykonaj()
{
    if (m_podkatalogi)
        for (const QString &katalog : m_katalogi)
            // lstat of "link/" would answer for the target.
            if (!m_stop && !jestDowiązaniem(platform::withoutSeparator(katalog)))
                Przeglądaj(katalog);
    for (const QString &plik : m_pliki) {
        if (m_stop)
            return;
        Zapisz(plik);
    }
    for (const QString &plik : std::as_const(m_znalezione)) {
        if (m_stop)
            return;
        // Looked at again just before the write: an entry swapped for a link
        // since the scan must not lead the write out of the tree.
        if (!jestDowiązaniem(plik))
            Zapisz(plik);
    }
}

// Depth first, without recursion, so that no depth of tree can exhaust the stack.
void ZmianaAtrybutów::Przeglądaj(const QString &katalog)
{
    QStringList doPrzejrzenia{katalog};
    while (!doPrzejrzenia.isEmpty() && !m_stop) {
        const QString ścieżka = doPrzejrzenia.takeLast();
        const platform::DirectoryListing lista = platform::readDirectory(ścieżka);
        if (!lista.ok) {
            m_błędy.push_back(lista.error);
            continue;
        }
        const QString przedrostek = platform::withSeparator(ścieżka);
        for (const platform::EntryInfo &wpis : lista.files)
            if (!wpis.isLink)
                m_znalezione.append(przedrostek + wpis.name);
        for (auto wpis = lista.directories.rbegin(); wpis != lista.directories.rend(); ++wpis)
            if (!wpis->isLink)
                doPrzejrzenia.append(przedrostek + wpis->name);
    }
}

void ZmianaAtrybutów::Zapisz(const QString &plik)
{
    platform::FileError błąd;
    if (!platform::writeAttributes(plik, m_maska, &błąd))
        m_błędy.push_back(std::move(błąd));
    ++m_zapisane;
}

} // namespace oc2
