#include <viewer/Otwieranie.h>
#include <viewer/Przegladanie.h>
#include <viewer/Szukanie.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray zakoduj(const QString &tekst, const QByteArray &kodowanie)
{
    QStringEncoder koder(kodowanie.constData());
    return koder.encode(tekst);
}

} // namespace

// F7: the text in the file's encoding without regard to case, or bytes
// written in hex; a hit may span the pages the file is read by.
class TestSzukanie : public QObject
{
    Q_OBJECT
private slots:
    void trafienia_data();
    void trafienia();
    void trafienieNaEkranie();
};

void TestSzukanie::trafienia_data()
{
    QTest::addColumn<QByteArray>("kodowanie"); // of the file and of the text; "" for hex digits
    QTest::addColumn<QString>("wFiliku");
    QTest::addColumn<qint64>("gdzie");     // where it is put, from a page's end
    QTest::addColumn<QString>("szukany");
    QTest::addColumn<QList<qint64>>("trafienia"); // offsets from the page's end
    QTest::newRow("windows-1250 across a page, other case")
        << QByteArray("windows-1250") << "ŻÓŁTA ŁÓDŹ" << qint64(-4) << "żółta łódź" << QList<qint64>{-4};
    QTest::newRow("UTF-8 across a page, two hits")
        << QByteArray("UTF-8") << "Gęś gęŚ" << qint64(-3) << "GĘŚ" << QList<qint64>{-3, 3};
    QTest::newRow("CP852 on the page's last byte") << QByteArray("IBM852") << "ąĄ" << qint64(-1) << "Ą"
                                                   << QList<qint64>{-1, 0};
    // U+6200 U+4100 hold the bytes of "b" between their units.
    QTest::newRow("UTF-16LE only on whole code units") << QByteArray("UTF-16LE") << QString::fromUtf16(u"\u6200\u4100b")
                                                       << qint64(-4) << "b" << QList<qint64>{0};
    QTest::newRow("hex bytes across a page") << QByteArray() << "\r\n\r\n" << qint64(-2) << "0d 0A0d0a"
                                             << QList<qint64>{-2};
    QTest::newRow("not there") << QByteArray("UTF-8") << "łódź" << qint64(-2) << "lodz" << QList<qint64>{};
    QTest::newRow("no form in the encoding") << QByteArray("ISO-8859-2") << "abc" << qint64(0) << "€"
                                             << QList<qint64>{};
}

void TestSzukanie::trafienia()
{
    QFETCH(QByteArray, kodowanie);
    QFETCH(QString, wFiliku);
    QFETCH(qint64, gdzie);
    QFETCH(QString, szukany);
    QFETCH(QList<qint64>, trafienia);
    const qint64 koniecStrony = Strony::RozmiarStrony;
    // Three pages of blanks (two bytes each in UTF-16) with the text put in.
    const Kodowanie k = kodowanie.isEmpty() ? KodowanieONazwie(QStringLiteral("UTF-8"))
                                            : Kodowanie{QString::fromLatin1(kodowanie), kodowanie,
                                                        kodowanie.startsWith("UTF-16") ? 2 : 1};
    QByteArray bajty = zakoduj(QString(int(3 * Strony::RozmiarStrony / k.jednostka), u' '), k.kodek);
    const QByteArray tekst = kodowanie.isEmpty() ? wFiliku.toLatin1() : zakoduj(wFiliku, k.kodek);
    bajty.replace(koniecStrony + gdzie, tekst.size(), tekst);
    QTemporaryDir tmp;
    QFile plik(tmp.filePath(QStringLiteral("plik")));
    QVERIFY(plik.open(QIODevice::WriteOnly));
    plik.write(bajty);
    plik.close();
    QString komunikat;
    Strony strony(OtwórzDoPodglądu(plik.fileName(), komunikat));
    const Wzorzec w = kodowanie.isEmpty() ? WzorzecBajtów(szukany) : WzorzecTekstu(szukany, k, 0);
    QList<qint64> znalezione;
    for (std::optional<Trafienie> t = Szukaj(strony, w, 0); t; t = Szukaj(strony, w, t->początek + 1)) {
        znalezione << t->początek - koniecStrony;
        QCOMPARE(t->długość, kodowanie.isEmpty() ? tekst.size() : zakoduj(szukany, k.kodek).size());
    }
    QCOMPARE(znalezione, trafienia);
}

// The viewer puts a hit far down on screen and highlights just the hit.
void TestSzukanie::trafienieNaEkranie()
{
    QByteArray bajty;
    for (int i = 0; i < 5000; ++i)
        bajty.append("wiersz " + QByteArray::number(i) + '\n');
    bajty.append("\tZnaleziony Żółw\n");
    QTemporaryDir tmp;
    QFile plik(tmp.filePath(QStringLiteral("plik")));
    QVERIFY(plik.open(QIODevice::WriteOnly));
    plik.write(bajty);
    plik.close();
    QString komunikat;
    Przeglądanie p(OtwórzDoPodglądu(plik.fileName(), komunikat));
    p.UstawRozmiar(10, 40);
    const std::optional<Trafienie> t = Szukaj(p.strony(), p.WzorzecDla(QStringLiteral("żółw")), p.PoczątekSzukania());
    QVERIFY(t);
    p.PokażTrafienie(*t);
    const std::vector<WierszEkranu> ekran = p.Ekran();
    QCOMPARE(ekran.front().tekst, QStringLiteral("        Znaleziony Żółw"));
    QCOMPARE(ekran.front().wyróżnione, (std::vector<std::pair<int, int>>{{19, 23}}));
}

QTEST_MAIN(TestSzukanie)
#include "tst_szukanie.moc"
