#include "Odtwarzanie.h"

#include "Dzwiek.h"
#include "Midi.h"
#include "OdtwarzanieMultimedia.h"
#include "OdtwarzanieSyntezatorem.h"
#include "Plik.h"

#include <optional>

namespace oc {

Odtwarzanie::Odtwarzanie(const QString &komunikat, qint64 długość) : m_długość(długość), m_komunikat(komunikat)
{}

void Odtwarzanie::UstawStan(Stan stan)
{
    if (stan == m_stan)
        return;
    m_stan = stan;
    emit changed();
}

void Odtwarzanie::UstawPozycję(qint64 pozycja)
{
    if (pozycja == m_pozycja)
        return;
    m_pozycja = pozycja;
    emit changed();
}

void Odtwarzanie::UstawDługość(qint64 długość)
{
    if (długość == m_długość)
        return;
    m_długość = długość;
    emit changed();
}

void Odtwarzanie::UstawKomunikat(const QString &komunikat)
{
    if (!m_komunikat.isEmpty())
        return;
    m_komunikat = komunikat;
    emit changed();
}

std::unique_ptr<Odtwarzanie> UtwórzOdtwarzanie(const QString &plik)
{
    QString powód;
    const std::optional<QByteArray> początek = CzytajPoczątek(plik, 16, powód);
    if (!początek)
        return std::make_unique<Odtwarzanie>(powód);
    if (OdtwarzaczDla(plik, *początek) == Odtwarzacz::Multimedia)
        return std::make_unique<OdtwarzanieMultimedia>(plik);

    const std::optional<QByteArray> dane = CzytajPoczątek(plik, NajwiększyPlikMidi + 1, powód);
    if (!dane)
        return std::make_unique<Odtwarzanie>(powód);
    if (dane->size() > NajwiększyPlikMidi)
        return std::make_unique<Odtwarzanie>(QStringLiteral("Plik jest za duży jak na plik MIDI."));
    const std::optional<qint64> długość = DługośćMidi(*dane);
    if (!długość)
        return std::make_unique<Odtwarzanie>(QStringLiteral("To nie jest plik MIDI albo jest uszkodzony."));
    const Syntezator syntezator = ZnajdźSyntezator(plik);
    if (syntezator.polecenie.program.isEmpty())
        return std::make_unique<Odtwarzanie>(syntezator.komunikat, *długość);
    return std::make_unique<OdtwarzanieSyntezatorem>(syntezator.polecenie, *długość);
}

QString TekstCzasuUtworu(qint64 milisekundy)
{
    const qint64 sekundy = qMax<qint64>(0, milisekundy) / 1000;
    if (sekundy >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(sekundy / 3600)
            .arg(sekundy / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(sekundy % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(sekundy / 60).arg(sekundy % 60, 2, 10, QLatin1Char('0'));
}

} // namespace oc
