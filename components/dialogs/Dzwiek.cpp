#include "Dzwiek.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace oc {

namespace {

bool zaczynaSięOd(QByteArrayView dane, QByteArrayView znaki)
{
    return dane.startsWith(znaki);
}

} // namespace

Odtwarzacz OdtwarzaczDla(const QString &nazwa, QByteArrayView początek)
{
    if (zaczynaSięOd(początek, "MThd"))
        return Odtwarzacz::Syntezator;
    const bool mpeg = początek.size() >= 2 && quint8(początek[0]) == 0xFF && (quint8(początek[1]) & 0xE0) == 0xE0;
    if (mpeg || zaczynaSięOd(początek, "RIFF") || zaczynaSięOd(początek, "ID3") || zaczynaSięOd(początek, "OggS")
        || zaczynaSięOd(początek, "fLaC"))
        return Odtwarzacz::Multimedia;
    const QString rozszerzenie = QFileInfo(nazwa).suffix().toLower();
    return rozszerzenie == u"mid" || rozszerzenie == u"midi" || rozszerzenie == u"kar" ? Odtwarzacz::Syntezator
                                                                                       : Odtwarzacz::Multimedia;
}

QString ZnajdźBankBrzmień(const QStringList &katalogiDanych)
{
    static const QStringList podkatalogi{QStringLiteral("sounds/sf2"), QStringLiteral("soundfonts"),
                                         QStringLiteral("sounds/sf3")};
    static const QStringList wzorce{QStringLiteral("*.sf2"), QStringLiteral("*.sf3")};
    for (const QString &dane : katalogiDanych) {
        QFileInfoList banki;
        for (const QString &podkatalog : podkatalogi)
            banki += QDir(dane + u'/' + podkatalog).entryInfoList(wzorce, QDir::Files | QDir::Readable, QDir::Name);
        // A quote or a line break would end timidity's configuration string early.
        banki.removeIf([](const QFileInfo &bank) {
            const QString ścieżka = bank.absoluteFilePath();
            return ścieżka.contains(u'"') || ścieżka.contains(u'\n');
        });
        if (banki.isEmpty())
            continue;
        for (const QFileInfo &bank : banki)
            if (bank.completeBaseName() == u"default-GM")
                return bank.absoluteFilePath();
        return banki.first().absoluteFilePath();
    }
    return {};
}

Syntezator ZnajdźSyntezator(const QString &plik, const QStringList &katalogiProgramów,
                            const QStringList &katalogiDanych)
{
    const auto znajdź = [&](const QString &nazwa) { return QStandardPaths::findExecutable(nazwa, katalogiProgramów); };
    const QString fluidsynth = znajdź(QStringLiteral("fluidsynth"));
    const QString timidity = fluidsynth.isEmpty() ? znajdź(QStringLiteral("timidity")) : QString();
    if (fluidsynth.isEmpty() && timidity.isEmpty())
        return {{},
                QStringLiteral("Do odtwarzania plików MIDI potrzebny jest syntezator programowy "
                               "(fluidsynth albo timidity), a w tym systemie żadnego nie znaleziono.")};
    const QString bank = ZnajdźBankBrzmień(katalogiDanych);
    if (bank.isEmpty())
        return {{},
                QStringLiteral("Syntezator %1 nie ma czym grać: w systemie nie znaleziono banku brzmień "
                               "General MIDI (pliku .sf2 lub .sf3).")
                    .arg(QFileInfo(fluidsynth.isEmpty() ? timidity : fluidsynth).fileName())};
    // The path is absolute, so no file name can pass for an option.
    const QString ścieżka = QFileInfo(plik).absoluteFilePath();
    if (!fluidsynth.isEmpty())
        return {{fluidsynth, {QStringLiteral("-n"), QStringLiteral("-i"), QStringLiteral("-q"), bank, ścieżka}}, {}};
    return {{timidity,
             {QStringLiteral("-id"), QStringLiteral("-x"), QStringLiteral("soundfont \"%1\"").arg(bank), ścieżka}},
            {}};
}

Syntezator ZnajdźSyntezator(const QString &plik)
{
    return ZnajdźSyntezator(plik, {}, QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
}

} // namespace oc
