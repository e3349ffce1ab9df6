#include "Zapis.h"

#include "Wiersze.h"

#include <QFile>

namespace oc::undo {

Zapis::Zapis(std::unique_ptr<platform::AppendFile> plik, QString ścieżka)
    : m_plik(std::move(plik)), m_ścieżka(std::move(ścieżka))
{}

Zapis::~Zapis()
{
    zakończ();
    if (!m_kroki) {
        m_plik.reset();
        QFile::remove(m_ścieżka);
    }
}

namespace {

// Entries made wait in memory up to this many bytes (some 300 lines): a copy
// of many small files would otherwise write the journal once a file.
constexpr qsizetype DoWypisania = 32 * 1024;

} // namespace

void Zapis::dopisz(Krok krok, bool znany)
{
    if (!znany)
        if (const std::optional<platform::Identity> t = platform::identityOf(krok.gdzie))
            krok.tożsamość = *t;
    const QByteArray wiersz = wiersze::krok(krok);
    const std::lock_guard lock(m_mutex);
    if (m_zakończony)
        return;
    m_kroki = true;
    // What was made may wait; any other step goes to the disk after it, at once.
    if (krok.typ == Krok::Utworzony) {
        m_czekające += wiersz;
        if (m_czekające.size() >= DoWypisania)
            wypisz();
        return;
    }
    wypisz();
    m_plik->append(wiersz);
}

void Zapis::wypisz()
{
    if (!m_czekające.isEmpty())
        m_plik->append(m_czekające);
    m_czekające.clear();
}

void Zapis::utworzony(const QString &ścieżka, const std::optional<platform::Identity> &tożsamość)
{
    dopisz(Krok{Krok::Utworzony, ścieżka, {}, {}, 0, tożsamość.value_or(platform::Identity{})}, tożsamość.has_value());
}

void Zapis::przeniesiony(const QString &skąd, const QString &dokąd)
{
    dopisz(Krok{Krok::Przeniesiony, dokąd, skąd, {}, 0, {}});
}

void Zapis::wKoszu(const platform::TrashedEntry &wpis)
{
    dopisz(Krok{Krok::WKoszu, wpis.file, wpis.original, wpis.info, 0, {}});
}

void Zapis::atrybuty(const QString &ścieżka, quint32 przed)
{
    dopisz(Krok{Krok::Atrybuty, ścieżka, {}, {}, przed, {}});
}

void Zapis::zakończ()
{
    const std::lock_guard lock(m_mutex);
    if (m_zakończony)
        return;
    m_zakończony = true;
    wypisz();
    if (m_kroki && m_plik->append(wiersze::koniec()))
        m_plik->sync();
}

} // namespace oc::undo
