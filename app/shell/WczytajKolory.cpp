#include "WczytajKolory.h"

#include "Val.h"

#include <QFile>
#include <QStringList>
#include <cmath>
#include <utility>

namespace {

constexpr std::pair<const char16_t *, quint32 Kolory::*> klucze[] = {
    {u"background", &Kolory::background},
    {u"titlebar", &Kolory::titlebar},
    {u"titlebardeactiv", &Kolory::titlebardeactiv},
    {u"filetext", &Kolory::filetext},
    {u"filebackground", &Kolory::filebackground},
    {u"fileselbackground", &Kolory::fileselbackground},
    {u"fileinsert", &Kolory::fileinsert},
    {u"seldirbar", &Kolory::seldirbar},
    {u"shorts", &Kolory::shorts},
    {u"panelstable", &Kolory::panelstable},
    {u"fileseltext", &Kolory::fileseltext},
};

// Rounded half to even; a negative value keeps its 32-bit pattern.
bool zaokrąglijDo32Bitów(double value, quint32 &out)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 4294967295.0))
        return false;
    out = quint32(qint64(rounded));
    return true;
}

} // namespace

Kolory DomyślneKolory()
{
    Kolory k;
    k.background = 0x00404040;
    k.titlebar = 0x00804000;
    k.titlebardeactiv = 0x00606060;
    k.filetext = 0x00FFFF80;
    k.filebackground = 0x00800000;
    k.fileselbackground = 0x00808000;
    k.fileinsert = 0x0000FFFF;
    k.seldirbar = 0x00C06000;
    k.shorts = 0x00808000;
    k.panelstable = 0x00FFFFFF;
    k.fileseltext = 0x00000000;
    return k;
}

Kolory WczytajKolory(const QString &file)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        throw BłądSchematuKolorów(QStringLiteral("Nie można otworzyć pliku schematu kolorów %1").arg(file));
    const QByteArray bytes = input.readAll();
    if (bytes.isEmpty())
        throw BłądSchematuKolorów(QStringLiteral("Plik schematu kolorów %1 jest pusty (wiersz 1)").arg(file));

    QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();

    Kolory colours;
    for (qsizetype number = 0; number < lines.size(); ++number) {
        QString line = lines.at(number);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        const QString key = (equals < 0 ? line : line.left(equals)).toLower();
        quint32 Kolory::*field = nullptr;
        for (const auto &[name, member] : klucze)
            if (key == QStringView(name))
                field = member;
        if (!field)
            continue;
        const double value = equals < 0 ? 0 : Val(QStringView(line).mid(equals + 1));
        if (!zaokrąglijDo32Bitów(value, colours.*field))
            throw BłądSchematuKolorów(QStringLiteral("Wartość w wierszu %1 pliku schematu kolorów %2 "
                                                     "nie mieści się w 32 bitach")
                                          .arg(number + 1)
                                          .arg(file));
    }
    return colours;
}
