#include "InfoSystemu.h"

#include <platform/SystemInfo.h>

#include <QLocale>
#include <QRegularExpression>
#include <limits>
#include <optional>

namespace oc {

namespace {

struct Procesor
{
    QString Model;
    int Logiczne = 0;
};

// Not every processor family names its model "model name".
Procesor CzytajCpuinfo(const QByteArray &tekst)
{
    static const QStringList kluczeModelu{QStringLiteral("model name"), QStringLiteral("Hardware"),
                                          QStringLiteral("cpu model"), QStringLiteral("cpu"), QStringLiteral("uarch")};
    Procesor procesor;
    qsizetype najlepszy = kluczeModelu.size();
    for (const QByteArray &linia : tekst.split('\n')) {
        const qsizetype dwukropek = linia.indexOf(':');
        if (dwukropek < 0)
            continue;
        const QString klucz = QString::fromUtf8(linia.left(dwukropek)).trimmed();
        const QString wartość = QString::fromUtf8(linia.mid(dwukropek + 1)).simplified();
        if (klucz == u"processor")
            ++procesor.Logiczne;
        const qsizetype który = kluczeModelu.indexOf(klucz);
        if (który >= 0 && który < najlepszy && !wartość.isEmpty()) {
            najlepszy = który;
            procesor.Model = wartość;
        }
    }
    return procesor;
}

// A figure of meminfo in bytes; the kernel writes them in kB.
std::optional<qint64> CzytajMeminfo(const QByteArray &tekst, const char *nazwa)
{
    static const QRegularExpression liczba(QStringLiteral("^\\s*(\\d+)\\s*(kB)?\\s*$"));
    for (const QByteArray &linia : tekst.split('\n')) {
        const qsizetype dwukropek = linia.indexOf(':');
        if (dwukropek < 0 || linia.left(dwukropek) != nazwa)
            continue;
        const QRegularExpressionMatch dopasowanie = liczba.match(QString::fromLatin1(linia.mid(dwukropek + 1)));
        if (!dopasowanie.hasMatch())
            return std::nullopt;
        bool ok = false;
        const qint64 wartość = dopasowanie.captured(1).toLongLong(&ok);
        const qint64 mnożnik = dopasowanie.captured(2).isEmpty() ? 1 : 1024;
        if (!ok || wartość > std::numeric_limits<qint64>::max() / mnożnik)
            return std::nullopt;
        return wartość * mnożnik;
    }
    return std::nullopt;
}

QString pamięć(std::optional<qint64> bajty)
{
    if (!bajty)
        return QStringLiteral("nieznana");
    return QLocale(QLocale::Polish).formattedDataSize(*bajty, 1, QLocale::DataSizeTraditionalFormat);
}

QString albo(const QString &tekst, const QString &brak)
{
    return tekst.isEmpty() ? brak : tekst;
}

} // namespace

DaneSystemu ZbierzDaneSystemu()
{
    platform::SystemInfo system = platform::systemInfo();
    QString jądro = system.kernelType;
    if (!jądro.isEmpty())
        jądro[0] = jądro[0].toUpper(); // "linux" is a name
    return {system.hostName,
            system.productName,
            jądro + u' ' + system.kernelVersion,
            system.cpuArchitecture,
            QString::fromLatin1(qVersion()),
            std::move(system.cpuInfo),
            std::move(system.memInfo)};
}

QList<Wiersz> WierszeSystemu(const DaneSystemu &dane)
{
    const Procesor procesor = CzytajCpuinfo(dane.Cpuinfo);
    // Older kernels give no estimate of the memory available; free memory is the nearest figure.
    std::optional<qint64> wolna = CzytajMeminfo(dane.Meminfo, "MemAvailable");
    if (!wolna)
        wolna = CzytajMeminfo(dane.Meminfo, "MemFree");
    const QString nieznany = QStringLiteral("nieznany");
    QString jądro = albo(dane.Jądro, nieznany);
    if (!dane.Architektura.isEmpty())
        jądro += QStringLiteral(" (") + dane.Architektura + u')';
    return {
        {QStringLiteral("Komputer:"), albo(dane.Komputer, nieznany)},
        {QStringLiteral("System operacyjny:"), albo(dane.System, nieznany)},
        {QStringLiteral("Jądro systemu:"), jądro},
        {QStringLiteral("Procesor:"), albo(procesor.Model, albo(dane.Architektura, nieznany))},
        {QStringLiteral("Procesory logiczne:"),
         procesor.Logiczne > 0 ? QString::number(procesor.Logiczne) : QStringLiteral("nieznana liczba")},
        {QStringLiteral("Pamięć:"), pamięć(CzytajMeminfo(dane.Meminfo, "MemTotal"))},
        {QStringLiteral("Wolna pamięć:"), pamięć(wolna)},
        {QStringLiteral("Biblioteka Qt:"), albo(dane.Qt, nieznany)},
    };
}

} // namespace oc
