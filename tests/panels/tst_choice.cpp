#include "OknoTestowe.h"

#include <QTemporaryDir>
#include <QtTest>

// What the panel tells and does for commands: the chosen entries, the
// cursor put on a directory after a re-read, the marks cleared.
class TestChoice : public QObject
{
    Q_OBJECT

private slots:
    void cursorOnADirectoryThenMarksCleared_data();
    void cursorOnADirectoryThenMarksCleared();
};

namespace {

QStringList Nazwy(const std::vector<WybranaPozycja> &pozycje)
{
    QStringList nazwy;
    for (const WybranaPozycja &p : pozycje)
        nazwy << p.nazwa;
    return nazwy;
}

} // namespace

void TestChoice::cursorOnADirectoryThenMarksCleared_data()
{
    QTest::addColumn<int>("katalogi"); // k001, k002, ...
    QTest::addColumn<int>("pliki");    // p001, p002, ... of 10 bytes
    QTest::addColumn<QString>("przed"); // under the cursor before
    QTest::addColumn<QStringList>("zaznaczone");
    QTest::addColumn<QString>("katalog"); // asked for
    QTest::addColumn<int>("pierwsza");
    QTest::addColumn<int>("wiersz");
    QTest::addColumn<QStringList>("wybrane");

    const QStringList brak;
    QTest::newRow("past the first screen, a row left below") << 150 << 0 << ".." << brak << "k120" << 69 << 52 << QStringList{"k120"};
    QTest::newRow("a file's name is no directory: top, row kept") << 3 << 3 << "p002" << brak << "p001" << 1 << 5 << QStringList{"p002"};
    QTest::newRow("marks chosen over the cursor, directories first") << 3 << 3 << ".." << QStringList{"p003", "k001"} << "k002" << 1 << 2 << QStringList{"k001", "p003"};
    QTest::newRow("on the last row of the first screen") << 150 << 0 << "k150" << brak << "k052" << 1 << 52 << QStringList{"k052"};
    QTest::newRow("\"..\" alone chooses nothing") << 2 << 1 << "p001" << brak << ".." << 1 << 0 << brak;
}

void TestChoice::cursorOnADirectoryThenMarksCleared()
{
    QFETCH(int, katalogi);
    QFETCH(int, pliki);
    QFETCH(QString, przed);
    QFETCH(QStringList, zaznaczone);
    QFETCH(QString, katalog);
    QFETCH(int, pierwsza);
    QFETCH(int, wiersz);
    QFETCH(QStringList, wybrane);

    QTemporaryDir tmp;
    QStringList drzewo;
    for (int i = 1; i <= katalogi; ++i)
        drzewo << QStringLiteral("k%1/").arg(i, 3, 10, QLatin1Char('0'));
    for (int i = 1; i <= pliki; ++i)
        drzewo << QStringLiteral("p%1").arg(i, 3, 10, QLatin1Char('0'));
    UtwórzDrzewo(tmp.path(), drzewo, 10);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    WidokPanelu &panel = okno.Widok(1);
    panel.PokażPozycję(panel.PozycjaNazwy(przed));
    okno.OdświeżPanel(1);
    for (const QString &nazwa : zaznaczone)
        panel.UstawZnak(panel.PozycjaNazwy(nazwa), 1);

    panel.PokażKatalog(katalog);
    QCOMPARE(panel.Miejsce().pierwsza, pierwsza);
    QCOMPARE(panel.Miejsce().wiersz, wiersz);
    QCOMPARE(Nazwy(panel.Wybrane()), wybrane);
    for (const WybranaPozycja &p : panel.Wybrane()) {
        QCOMPARE(p.ścieżka, tmp.path() + u'/' + p.nazwa);
        QCOMPARE(p.katalog, p.nazwa.startsWith(u'k'));
    }

    const QString podKursorem = panel.PodKursorem()->nazwa;
    panel.WyczyśćZnaki();
    QVERIFY(!panel.SąZaznaczone());
    QCOMPARE(panel.Stan.SumaZaznaczonych, qint64(0));
    QCOMPARE(panel.Miejsce().pierwsza, pierwsza);
    QCOMPARE(panel.Miejsce().wiersz, wiersz);
    QCOMPARE(Nazwy(panel.Wybrane()), podKursorem == u".." ? QStringList() : QStringList{podKursorem});
}

QTEST_MAIN(TestChoice)
#include "tst_choice.moc"
