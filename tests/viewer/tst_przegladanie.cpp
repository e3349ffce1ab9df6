#include <viewer/Otwieranie.h>
#include <viewer/Przegladanie.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

const QString polski = QStringLiteral(
    "Zażółć gęślą jaźń, bo żółty źrebak łapie ćmy nad łąką.\n"
    "Wczoraj wieczorem poszliśmy nad rzekę, gdzie świeciło słońce i śpiewały ptaki.\n"
    "Źródło było czyste, a dziadek opowiadał historię o smoku wawelskim.\n"
    "Następnego dnia pojechaliśmy pociągiem do Krakowa; ŻÓŁTA ŁÓDŹ płynęła po Wiśle.\n");

QByteArray zakoduj(const QString &tekst, const char *kodowanie)
{
    QStringEncoder koder(kodowanie);
    return koder.encode(tekst);
}

QString zapisz(const QTemporaryDir &tmp, const QByteArray &bajty, const QString &nazwa = QStringLiteral("plik"))
{
    const QString ścieżka = tmp.filePath(nazwa);
    QFile plik(ścieżka);
    if (!plik.open(QIODevice::WriteOnly) || plik.write(bajty) != bajty.size())
        qFatal("cannot write %s", qPrintable(ścieżka));
    return ścieżka;
}

std::unique_ptr<Przeglądanie> otwórz(const QString &ścieżka)
{
    QString komunikat;
    auto plik = OtwórzDoPodglądu(ścieżka, komunikat);
    if (!plik)
        qFatal("%s", qPrintable(komunikat));
    return std::make_unique<Przeglądanie>(std::move(plik));
}

QStringList wiersze(Przeglądanie &p)
{
    QStringList w;
    for (const WierszEkranu &wiersz : p.Ekran())
        w << wiersz.tekst;
    return w;
}

} // namespace

// The viewer's text: encodings detected and changed by hand, line ends,
// moving both ways, hex rows, and a file of any size opened at once.
class TestPrzegladanie : public QObject
{
    Q_OBJECT
private slots:
    void wykrywanie_data();
    void wykrywanie();
    void zmianaKodowania_data();
    void zmianaKodowania();
    void konceLinii_data();
    void konceLinii();
    void plikRzadki4GiB_data();
    void plikRzadki4GiB();
    void hex();
    void otwieranie_data();
    void otwieranie();
    void plikZmieniaSiePodEkranem();
};

void TestPrzegladanie::wykrywanie_data()
{
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<QString>("kodowanie");
    QTest::addColumn<bool>("tekst");
    QTest::newRow("windows-1250") << zakoduj(polski, "windows-1250") << "windows-1250" << true;
    QTest::newRow("ISO-8859-2") << zakoduj(polski, "ISO-8859-2") << "ISO-8859-2" << true;
    QTest::newRow("CP852") << zakoduj(polski, "IBM852") << "CP852" << true;
    QTest::newRow("UTF-8") << polski.toUtf8() << "UTF-8" << true;
    QTest::newRow("UTF-8 with a mark") << "\xEF\xBB\xBF" + polski.toUtf8() << "UTF-8" << true;
    QTest::newRow("UTF-16LE with a mark") << "\xFF\xFE" + zakoduj(polski, "UTF-16LE") << "UTF-16LE" << true;
    QTest::newRow("UTF-16BE with a mark") << "\xFE\xFF" + zakoduj(polski, "UTF-16BE") << "UTF-16BE" << true;
    QTest::newRow("plain ASCII") << QByteArray("Ala ma kota.\nKot ma Ale.\n") << "ASCII" << true;
    QTest::newRow("binary, shown in hex") << QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0\0", 12) << "windows-1250" << false;
}

// The text on screen reads as written, the mark left out.
void TestPrzegladanie::wykrywanie()
{
    QFETCH(QByteArray, bajty);
    QFETCH(QString, kodowanie);
    QFETCH(bool, tekst);
    QTemporaryDir tmp;
    auto p = otwórz(zapisz(tmp, bajty));
    QCOMPARE(p->kodowanie().nazwa, kodowanie);
    QCOMPARE(p->tryb() == Przeglądanie::Tryb::Tekst, tekst);
    QVERIFY(p->Stan().startsWith(kodowanie));
    if (tekst && kodowanie != u"ASCII")
        QCOMPARE(wiersze(*p), polski.split(u'\n', Qt::SkipEmptyParts));
}

void TestPrzegladanie::zmianaKodowania_data()
{
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("właściwe");
    // Too short for the detector, which takes it for a western code page.
    QTest::newRow("Żółw in windows-1250") << zakoduj(QStringLiteral("Żółw"), "windows-1250") << "Żółw"
                                        << "windows-1250";
    QTest::newRow("Łódź i Kraków in ISO-8859-2") << zakoduj(QStringLiteral("Łódź i Kraków"), "ISO-8859-2")
                                                << "Łódź i Kraków" << "ISO-8859-2";
    QTest::newRow("UTF-16LE without a mark") << zakoduj(QStringLiteral("Mój dom"), "UTF-16LE") << "Mój dom"
                                            << "UTF-16LE";
}

// F8 steps through the encodings until the text reads right, and says which.
void TestPrzegladanie::zmianaKodowania()
{
    QFETCH(QByteArray, bajty);
    QFETCH(QString, tekst);
    QFETCH(QString, właściwe);
    QTemporaryDir tmp;
    auto p = otwórz(zapisz(tmp, bajty));
    QVERIFY(p->kodowanie().nazwa != właściwe);
    if (p->tryb() != Przeglądanie::Tryb::Tekst)
        p->PrzełączTryb();
    for (size_t i = 0; i < KodowaniaDoWyboru().size() && p->kodowanie().nazwa != właściwe; ++i)
        p->NastępneKodowanie();
    QCOMPARE(p->kodowanie().nazwa, właściwe);
    QVERIFY(p->Stan().startsWith(właściwe));
    QCOMPARE(wiersze(*p), QStringList{tekst});
}

void TestPrzegladanie::konceLinii_data()
{
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<QStringList>("linie");
    const QString długa(Linie::NajdłuższaLinia - 1, u'x');
    QTest::newRow("CR LF across a piece's end") << QString(długa + QStringLiteral("\r\nb\n")).toUtf8()
                                                << QStringList{długa, QStringLiteral("b")};
    const int N = int(Linie::NajdłuższaLinia);
    QTest::newRow("a line of three times the longest, in pieces")
        << QByteArray("abc\n") + QByteArray(3 * N, 'y')
        << QStringList{"abc", QString(2 * N - 4, u'y'), QString(N, u'y'), QStringLiteral("yyyy")};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n\r\nc") << QStringList{"a", "b", "", "c"};
    QTest::newRow("CR alone") << QByteArray("a\rb\r\rc\r") << QStringList{"a", "b", "", "c"};
    QTest::newRow("LF, CR LF and CR mixed") << QByteArray("a\nb\r\nc\rd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("UTF-16LE CR LF") << "\xFF\xFE" + zakoduj(QStringLiteral("ą\r\nę\rł"), "UTF-16LE")
                                    << QStringList{"ą", "ę", "ł"};
    QTest::newRow("tabs every 8 columns") << QByteArray("a\tb\n12345678\tc") << QStringList{"a       b", "12345678        c"};
}

// Lines read the same going down from the top and up from the end.
void TestPrzegladanie::konceLinii()
{
    QFETCH(QByteArray, bajty);
    QFETCH(QStringList, linie);
    QTemporaryDir tmp;
    auto p = otwórz(zapisz(tmp, bajty));
    p->UstawRozmiar(100, 2 * int(Linie::NajdłuższaLinia));
    QCOMPARE(wiersze(*p), linie);
    p->UstawRozmiar(1, 2 * int(Linie::NajdłuższaLinia));
    p->Koniec();
    QStringList wGórę;
    for (qsizetype i = 0; i < linie.size(); ++i) {
        wGórę.prepend(wiersze(*p).value(0));
        p->Góra(1);
    }
    QCOMPARE(wGórę, linie);
}

void TestPrzegladanie::plikRzadki4GiB_data()
{
    QTest::addColumn<bool>("tekst");
    QTest::newRow("hex, as detected") << false;
    QTest::newRow("as text") << true;
}

// A 4 GiB file opens, shows its first and its last page and goes back a
// page without reading more than 2 MiB of it (a screen of the longest lines).
void TestPrzegladanie::plikRzadki4GiB()
{
    QFETCH(bool, tekst);
    QTemporaryDir tmp;
    const qint64 rozmiar = 4LL << 30;
    QFile plik(tmp.filePath(QStringLiteral("rzadki")));
    QVERIFY(plik.open(QIODevice::WriteOnly));
    QVERIFY(plik.resize(rozmiar - 7));
    QVERIFY(plik.seek(rozmiar - 7));
    plik.write("\nkoniec");
    plik.close();
    QElapsedTimer zegar;
    zegar.start();
    auto p = otwórz(plik.fileName());
    QCOMPARE(p->tryb(), Przeglądanie::Tryb::Szesnastkowy);
    if (tekst)
        p->PrzełączTryb();
    QVERIFY(!wiersze(*p).isEmpty());
    p->Koniec();
    const QStringList koniec = wiersze(*p);
    p->StronaGóra();
    p->Ekran();
    QVERIFY2(zegar.elapsed() < 1000, qPrintable(QString::number(zegar.elapsed())));
    QVERIFY(koniec.last().endsWith(QStringLiteral("koniec")));
    QVERIFY(p->Stan().endsWith(QStringLiteral("%")));
    QVERIFY2(p->strony().Przeczytane() <= 2 << 20, qPrintable(QString::number(p->strony().Przeczytane())));
}

// Offset, 16 bytes in two groups and their characters; control codes and
// bytes without a character as dots; a short last row.
void TestPrzegladanie::hex()
{
    QByteArray bajty;
    for (int b = 0; b < 256; ++b)
        bajty.append(char(b));
    bajty.append("\xA5\xB9z");
    QTemporaryDir tmp;
    auto p = otwórz(zapisz(tmp, bajty));
    QCOMPARE(p->tryb(), Przeglądanie::Tryb::Szesnastkowy);
    const QStringList w = wiersze(*p);
    QCOMPARE(w.size(), 17);
    QCOMPARE(w[0], QStringLiteral("00000000  00 01 02 03 04 05 06 07  08 09 0A 0B 0C 0D 0E 0F  ················"));
    QCOMPARE(w[4], QStringLiteral("00000040  40 41 42 43 44 45 46 47  48 49 4A 4B 4C 4D 4E 4F  @ABCDEFGHIJKLMNO"));
    QCOMPARE(w[16], QStringLiteral("00000100  A5 B9 7A                                          Ąąz"));
}

void TestPrzegladanie::otwieranie_data()
{
    QTest::addColumn<QString>("co");
    QTest::addColumn<QString>("komunikat");
    QTest::newRow("a pipe") << "fifo" << "nie jest zwykłym plikiem";
    QTest::newRow("a device") << "/dev/null" << "nie jest zwykłym plikiem";
    QTest::newRow("a directory") << "katalog" << "jest katalogiem";
    QTest::newRow("gone") << "brak" << "już nie istnieje";
    QTest::newRow("no permission") << "tajny" << "Brak uprawnień";
}

// What cannot be shown gives one clear message, and nothing waits on a pipe.
void TestPrzegladanie::otwieranie()
{
    QFETCH(QString, co);
    QFETCH(QString, komunikat);
    QTemporaryDir tmp;
    QVERIFY(QDir(tmp.path()).mkdir(QStringLiteral("katalog")));
    QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {tmp.filePath(QStringLiteral("fifo"))}), 0);
    QFile tajny(zapisz(tmp, "sekret", QStringLiteral("tajny")));
    tajny.setPermissions({});
    if (co == u"tajny" && geteuid() == 0)
        QSKIP("the superuser reads every file");
    QString powód;
    QVERIFY(!OtwórzDoPodglądu(co.startsWith(u'/') ? co : tmp.filePath(co), powód));
    QVERIFY2(powód.contains(komunikat), qPrintable(powód));
}

// A file that shrinks or vanishes while shown ends sooner; Ctrl+R reads its
// new size.
void TestPrzegladanie::plikZmieniaSiePodEkranem()
{
    QTemporaryDir tmp;
    QByteArray bajty;
    for (int i = 0; i < 20000; ++i)
        bajty.append(QByteArray::number(i) + '\n');
    const QString ścieżka = zapisz(tmp, bajty);
    auto p = otwórz(ścieżka);
    p->UstawRozmiar(10, 80);
    p->Dół(15000);
    QCOMPARE(wiersze(*p).value(0), QStringLiteral("15000"));
    QVERIFY(QFile::resize(ścieżka, 6));
    QVERIFY(QFile::remove(ścieżka));
    p->Koniec();
    p->Ekran();
    p->Odśwież();
    QCOMPARE(wiersze(*p), (QStringList{"0", "1", "2"}));
    p->StronaDół();
    QCOMPARE(wiersze(*p).value(0), QStringLiteral("0"));
}

QTEST_MAIN(TestPrzegladanie)
#include "tst_przegladanie.moc"
