#include "Kodowanie.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <uchardet/uchardet.h>

#include <algorithm>
#include <memory>

namespace {

constexpr QStringConverter::Flags flagi = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

Kodowanie utf16(bool bigEndian)
{
    return bigEndian ? Kodowanie{QStringLiteral("UTF-16BE"), "UTF-16BE", 2, true}
                     : Kodowanie{QStringLiteral("UTF-16LE"), "UTF-16LE", 2, false};
}

// Code units below 0x20 that plain text holds.
bool zwykłyZnakSterujący(char c)
{
    return c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\x1b' || c == '\b';
}

bool binarny(QByteArrayView b)
{
    qsizetype sterujące = 0;
    for (const char c : b) {
        if (c == 0)
            return true;
        if (quint8(c) < 0x20 && !zwykłyZnakSterujący(c))
            ++sterujące;
    }
    return sterujące * 20 > b.size();
}

QByteArray Zgadnij(QByteArrayView b)
{
    std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detektor(uchardet_new(), uchardet_delete);
    uchardet_handle_data(detektor.get(), b.data(), size_t(b.size()));
    uchardet_data_end(detektor.get());
    return QByteArray(uchardet_get_charset(detektor.get())).toUpper();
}

// The detector often mistakes ISO-8859-2 for windows-1250 and back. The two
// differ where Polish text shows it: windows-1250 keeps ś, ź, Ś, Ź in
// 0x80-0x9F, which ISO-8859-2 leaves to control codes no text holds, and
// ISO-8859-2 keeps ą, ś, ź, Ą, Ś, Ź where windows-1250 has rare signs.
QByteArray RozstrzygnijŚrodkowoeuropejskie(const QByteArray &zgadnięte, QByteArrayView b)
{
    if (zgadnięte != "WINDOWS-1250" && zgadnięte != "ISO-8859-2")
        return zgadnięte;
    bool sterująceC1 = false, tylkoIso = false;
    for (const char c : b) {
        const quint8 u = quint8(c);
        sterująceC1 = sterująceC1 || (u >= 0x80 && u <= 0x9F);
        tylkoIso = tylkoIso || u == 0xA1 || u == 0xA6 || u == 0xAC || u == 0xB1 || u == 0xB6 || u == 0xBC;
    }
    if (sterująceC1)
        return "WINDOWS-1250";
    return tylkoIso ? "ISO-8859-2" : zgadnięte;
}

} // namespace

const std::vector<Kodowanie> &KodowaniaDoWyboru()
{
    static const std::vector<Kodowanie> lista{
        {QStringLiteral("UTF-8"), "UTF-8"},
        utf16(false),
        utf16(true),
        {QStringLiteral("windows-1250"), "windows-1250"},
        {QStringLiteral("ISO-8859-2"), "ISO-8859-2"},
        {QStringLiteral("CP852"), "IBM852"},
        // Shown as plain ASCII; any byte above 127 is decoded as UTF-8 would.
        {QStringLiteral("ASCII"), "UTF-8"},
    };
    return lista;
}

Kodowanie NastępneKodowanie(const Kodowanie &k)
{
    const std::vector<Kodowanie> &lista = KodowaniaDoWyboru();
    const auto jest = std::find(lista.begin(), lista.end(), k);
    if (jest == lista.end() || jest + 1 == lista.end())
        return lista.front();
    return *(jest + 1);
}

Kodowanie KodowanieONazwie(const QString &nazwa)
{
    for (const Kodowanie &k : KodowaniaDoWyboru())
        if (k.nazwa.compare(nazwa, Qt::CaseInsensitive) == 0)
            return k;
    return {nazwa, nazwa.toLatin1()};
}

Wykrycie Wykryj(QByteArrayView początek)
{
    if (początek.startsWith("\xEF\xBB\xBF"))
        return {KodowanieONazwie(QStringLiteral("UTF-8")), 3, true};
    if (początek.startsWith("\xFF\xFE"))
        return {utf16(false), 2, true};
    if (początek.startsWith("\xFE\xFF"))
        return {utf16(true), 2, true};
    if (binarny(początek))
        return {KodowanieONazwie(QStringLiteral("windows-1250")), 0, false};

    const QByteArray zgadnięte = RozstrzygnijŚrodkowoeuropejskie(Zgadnij(początek), początek);
    static const std::pair<const char *, const char *> znane[] = {
        {"ASCII", "ASCII"},           {"UTF-8", "UTF-8"},  {"WINDOWS-1250", "windows-1250"},
        {"ISO-8859-2", "ISO-8859-2"}, {"IBM852", "CP852"},
    };
    for (const auto &[detektor, nasza] : znane)
        if (zgadnięte == detektor)
            return {KodowanieONazwie(QString::fromLatin1(nasza)), 0, true};
    // Another single-byte or multibyte encoding the converters know; the
    // detector names UTF-16 and UTF-32 only by a mark, handled above.
    if (!zgadnięte.isEmpty() && !zgadnięte.startsWith("UTF-") && QStringDecoder(zgadnięte.constData()).isValid())
        return {Kodowanie{QString::fromLatin1(zgadnięte), zgadnięte}, 0, true};
    QStringDecoder utf8(QStringConverter::Utf8);
    utf8.decode(początek);
    return {KodowanieONazwie(utf8.hasError() ? QStringLiteral("windows-1250") : QStringLiteral("UTF-8")), 0, true};
}

QString Dekoduj(const Kodowanie &k, QByteArrayView bajty)
{
    QStringDecoder dekoder(k.kodek.constData(), flagi);
    return dekoder.decode(bajty);
}

QByteArray Koduj(const Kodowanie &k, const QString &tekst, bool *ok)
{
    QStringEncoder koder(k.kodek.constData(), flagi);
    QByteArray wynik = koder.encode(tekst);
    // Some converters put a substitute in silently: the way back tells.
    if (ok)
        *ok = !koder.hasError() && Dekoduj(k, wynik) == tekst;
    return wynik;
}
