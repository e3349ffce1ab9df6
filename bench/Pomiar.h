#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <limits>

// The best of several timed runs, in milliseconds.
inline double najlepszy(int razy, const std::function<void()> &praca)
{
    qint64 najkrótszy = std::numeric_limits<qint64>::max();
    for (int i = 0; i < razy; ++i) {
        QElapsedTimer zegar;
        zegar.start();
        praca();
        najkrótszy = std::min(najkrótszy, zegar.nsecsElapsed());
    }
    return double(najkrótszy) / 1e6;
}

// The two optional arguments of every benchmark: how much to build and how
// many timed runs; false (after printing the usage) when either is not a
// positive number.
inline bool czytajArgumenty(const QStringList &argumenty, int &ilość, int &razy, const char *użycie)
{
    if (argumenty.size() > 1)
        ilość = argumenty.at(1).toInt();
    if (argumenty.size() > 2)
        razy = argumenty.at(2).toInt();
    if (ilość > 0 && razy > 0)
        return true;
    QTextStream(stdout) << "użycie: " << użycie << '\n';
    return false;
}

// Empty files named by wzór ("%1" the number) for the numbers from od to
// do_, in katalog; false when one cannot be made.
inline bool pustePliki(const QString &katalog, int od, int do_, const QString &wzór)
{
    for (int i = od; i < do_; ++i)
        if (!QFile(katalog + u'/' + wzór.arg(i)).open(QIODevice::WriteOnly))
            return false;
    return true;
}

// The small-file tree the copy benchmarks share: that many files of 1 to
// 16 KiB spread over MałeKatalogi directories; false when one cannot be made.
inline constexpr int MałeKatalogi = 200;

// A file of that length holding a pattern (no holes, not all alike).
inline bool zapiszWzór(const QString &ścieżka, qint64 rozmiar)
{
    QFile plik(ścieżka);
    if (!plik.open(QIODevice::WriteOnly))
        return false;
    QByteArray kawałek(qsizetype(std::min<qint64>(rozmiar, 1 << 20)), Qt::Uninitialized);
    for (qsizetype i = 0; i < kawałek.size(); ++i)
        kawałek[i] = char((i * 131 + rozmiar) % 251);
    for (qint64 gotowe = 0; gotowe < rozmiar; gotowe += kawałek.size())
        if (plik.write(kawałek.constData(), std::min<qint64>(kawałek.size(), rozmiar - gotowe)) < 0)
            return false;
    return true;
}

inline bool małePliki(const QString &root, int pliki)
{
    for (int k = 0; k < MałeKatalogi; ++k)
        if (!QDir().mkpath(QStringLiteral("%1/k%2").arg(root).arg(k)))
            return false;
    for (int i = 0; i < pliki; ++i)
        if (!zapiszWzór(QStringLiteral("%1/k%2/plik%3.dat").arg(root).arg(i % MałeKatalogi).arg(i),
                        1 + (qint64(i) * 7919) % 16384))
            return false;
    return true;
}

// Registers every component library of the directory bin in the registry
// file rejestr, which this process then uses; false when that failed.
inline bool zarejestrujKomponenty(const QString &bin, const QString &rejestr)
{
    qputenv("OC_REGISTRY", rejestr.toLocal8Bit());
    const QDir katalog(bin);
    QStringList argumenty{QStringLiteral("/s")};
    for (const QString &plik : katalog.entryList({QStringLiteral("*.so")}, QDir::Files))
        argumenty << katalog.filePath(plik);
    return QProcess::execute(katalog.filePath(QStringLiteral("data/ocreg")), argumenty) == 0;
}
