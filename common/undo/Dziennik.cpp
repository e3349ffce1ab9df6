#include "Dziennik.h"

#include "Wiersze.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>

namespace oc::undo {

namespace {

const QString rozszerzenie = QStringLiteral(".op");

} // namespace

Dziennik::Dziennik(QString katalog) : m_katalog(std::move(katalog))
{}

QString Dziennik::domyślnyKatalog()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/orvane-commander/cofnij");
}

QString Dziennik::plik(qint64 numer) const
{
    return m_katalog + u'/' + QStringLiteral("%1").arg(numer, 12, 10, QLatin1Char('0')) + rozszerzenie;
}

std::vector<qint64> Dziennik::numery() const
{
    std::vector<qint64> wynik;
    const QStringList nazwy = QDir(m_katalog).entryList({u'*' + rozszerzenie}, QDir::Files | QDir::Hidden);
    for (const QString &nazwa : nazwy) {
        bool ok = false;
        const qint64 numer = nazwa.chopped(rozszerzenie.size()).toLongLong(&ok);
        if (ok)
            wynik.push_back(numer);
    }
    std::sort(wynik.begin(), wynik.end());
    return wynik;
}

std::unique_ptr<Zapis> Dziennik::zacznij(Rodzaj rodzaj, const QString &opis)
{
    if (!QDir().mkpath(m_katalog))
        return nullptr;
    const std::vector<qint64> są = numery();
    qint64 numer = są.empty() ? 1 : są.back() + 1;
    // Another copy of the program may take a number at the same moment.
    for (int próba = 0; próba < 100; ++próba, ++numer) {
        platform::FileError błąd;
        std::unique_ptr<platform::AppendFile> plik = platform::AppendFile::create(this->plik(numer), &błąd);
        if (!plik) {
            if (błąd.code == EEXIST)
                continue;
            return nullptr;
        }
        if (!plik->append(wiersze::początek(rodzaj, QDateTime::currentDateTime(), opis)) || !plik->sync())
            return nullptr;
        const std::vector<qint64> wszystkie = numery();
        for (size_t i = 0; i + Najwięcej < wszystkie.size(); ++i)
            QFile::remove(this->plik(wszystkie[i]));
        return std::make_unique<Zapis>(std::move(plik), this->plik(numer));
    }
    return nullptr;
}

std::vector<Operacja> Dziennik::wczytaj() const
{
    std::vector<Operacja> wynik;
    for (qint64 numer : numery()) {
        QFile plik(this->plik(numer));
        if (!plik.open(QIODevice::ReadOnly))
            continue;
        std::optional<Operacja> op = wiersze::odczytaj(plik.readAll());
        if (!op || op->kroki.empty())
            continue;
        op->numer = numer;
        op->plik = plik.fileName();
        wynik.push_back(std::move(*op));
    }
    return wynik;
}

bool Dziennik::oznaczCofniętą(const Operacja &operacja)
{
    std::unique_ptr<platform::AppendFile> plik = platform::AppendFile::open(operacja.plik);
    return plik && plik->append(wiersze::cofnięta(QDateTime::currentDateTime())) && plik->sync();
}

} // namespace oc::undo
