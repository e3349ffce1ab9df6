#include "WidokPanelu.h"

#include <platform/Paths.h>

using namespace oc;

QString WidokPanelu::Katalog() const
{
    return platform::withSeparator(Dir.Ścieżka());
}

std::optional<WybranaPozycja> WidokPanelu::PodKursorem() const
{
    const qint32 k = PozycjaKursora();
    if (k == 0)
        return std::nullopt;
    const QString &nazwa = Stan.Rzeczywiste[size_t(k)];
    return WybranaPozycja{Katalog() + nazwa, k <= Stan.LiczbaKatalogów, nazwa};
}

bool WidokPanelu::SąZaznaczone() const
{
    return Stan.IleZaznaczonych > 0;
}

std::vector<WybranaPozycja> WidokPanelu::Zaznaczone() const
{
    const QString katalog = Katalog();
    std::vector<WybranaPozycja> zaznaczone;
    for (qint32 i = 1; i <= Stan.LiczbaPozycji; ++i)
        if (Stan.Zaznaczenia[size_t(i)] == 1) {
            const QString &nazwa = Stan.Rzeczywiste[size_t(i)];
            zaznaczone.push_back({katalog + nazwa, i <= Stan.LiczbaKatalogów, nazwa});
        }
    return zaznaczone;
}

std::vector<WybranaPozycja> WidokPanelu::Wybrane() const
{
    if (SąZaznaczone())
        return Zaznaczone();
    const std::optional<WybranaPozycja> kursor = PodKursorem();
    if (!kursor || kursor->nazwa == QStringLiteral(".."))
        return {};
    return {*kursor};
}

QString WidokPanelu::SąsiadWybranych() const
{
    QString nazwa;
    if (SąZaznaczone()) {
        UstalNastępneNieInsertowePole(nazwa);
        return nazwa;
    }
    const qint32 k = PozycjaKursora();
    if (k < Stan.LiczbaPozycji)
        return Stan.Rzeczywiste[size_t(k + 1)];
    return k > 1 ? Stan.Rzeczywiste[size_t(k - 1)] : QString();
}

qint32 WidokPanelu::PozycjaNazwy(const QString &nazwa) const
{
    for (qint32 i = 1; i <= Stan.LiczbaPozycji; ++i)
        if (Stan.Rzeczywiste[size_t(i)] == nazwa)
            return i;
    return 0;
}

QString WidokPanelu::NazwaPozycji(qint32 i) const
{
    return Stan.Rzeczywiste[size_t(i)];
}

void WidokPanelu::WyczyśćZnaki()
{
    for (qint32 i = 1; i <= Stan.LiczbaPozycji; ++i)
        UstawZnak(i, 0);
    PokażPanel(Stan.PierwszaPozycja);
    Panel_Click(Stan.WierszKursora);
}

MiejsceKursora WidokPanelu::Miejsce() const
{
    return {Stan.PierwszaPozycja, Stan.WierszKursora};
}

void WidokPanelu::PokażPoOdczycie(MiejsceKursora miejsce)
{
    Stan.PierwszaPozycja = miejsce.pierwsza;
    Stan.WierszKursora = miejsce.wiersz;
    PokażPoOdczycie();
}

void WidokPanelu::OdPoczątku()
{
    Stan.PierwszaPozycja = 1;
}

void WidokPanelu::PrzejmijMiejsce(MiejsceKursora miejsce)
{
    const qint32 nadmiar = std::max(0, miejsce.wiersz - Stan.OstatniWiersz);
    Stan.PierwszaPozycja = miejsce.pierwsza + nadmiar;
    Stan.WierszKursora = miejsce.wiersz - nadmiar;
}

void WidokPanelu::Opróżnij()
{
    Stan.Nazwy.assign(1, QString());
    Stan.Rzeczywiste.assign(1, QString());
    Stan.Zaznaczenia.assign(1, 0);
    Stan.LiczbaPozycji = Stan.LiczbaKatalogów = 0;
    Stan.IleZaznaczonych = 0;
    Stan.SumaZaznaczonych = 0;
}

void WidokPanelu::PokażKatalog(const QString &nazwa)
{
    qint32 j = 0;
    for (qint32 i = 1; i <= Stan.LiczbaKatalogów && !j; ++i)
        if (Stan.Rzeczywiste[size_t(i)] == nazwa)
            j = i;
    if (j == 0) {
        OdPoczątku();
        PokażPoOdczycie();
    } else if (j <= Stan.OstatniWiersz) {
        PokażPanel(1);
        Panel_Click(j - 1);
    } else {
        PokażPanel(j - Stan.OstatniWiersz + 1);
        Panel_Click(Stan.OstatniWiersz - 1);
    }
}

void WidokPanelu::OtwórzPodKursorem()
{
    Panel_DblClick(Stan.WierszKursora);
}
