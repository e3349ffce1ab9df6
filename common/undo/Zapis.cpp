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

void Zapis::dopisz(Krok krok)
{
    if (const std::optional<platform::Identity> t = platform::identityOf(krok.gdzie))
        krok.tożsamość = *t;
    const std::lock_guard lock(m_mutex);
    if (m_zakończony)
        return;
    m_kroki = true;
    m_plik->append(wiersze::krok(krok));
}

void Zapis::utworzony(const QString &ścieżka)
{
    dopisz(Krok{Krok::Utworzony, ścieżka, {}, {}, 0, {}});
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
    if (m_kroki && m_plik->append(wiersze::koniec()))
        m_plik->sync();
}

} // namespace oc::undo
