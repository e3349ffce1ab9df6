#include <Gra.h>

#include <QList>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <memory>

using ocfalrow::Gra;

namespace {

constexpr quint32 Obcy = 0x00123456; // no piece has this colour

// A die that shows the given kinds in turn, then squares.
Gra::Losowanie kostka(const QList<int> &rodzaje)
{
    auto kolejka = std::make_shared<QList<int>>(rodzaje);
    return [kolejka] {
        const int rodzaj = kolejka->isEmpty() ? 1 : kolejka->takeFirst();
        return (rodzaj - 0.5) / 7;
    };
}

// Settled blocks "column,row ..." of one colour.
void osadź(Gra &gra, const QString &bloki, quint32 kolor = Obcy)
{
    for (const QString &blok : bloki.split(u' ', Qt::SkipEmptyParts)) {
        const int x = blok.section(u',', 0, 0).toInt();
        const int y = blok.section(u',', 1, 1).toInt();
        gra.Plansza[x][y] = true;
        gra.Kolory.Maluj(Gra::coor(x, y), kolor);
    }
}

// Rows full but for one column.
QString pełne(const QList<int> &wiersze, int bezKolumny)
{
    QStringList bloki;
    for (int y : wiersze)
        for (int x = 1; x <= Gra::Kolumny; ++x)
            if (x != bezKolumny)
                bloki << QStringLiteral("%1,%2").arg(x).arg(y);
    return bloki.join(u' ');
}

// The cells the drawing shows, top row first: the settled blocks, or the
// falling piece (painted in its colour, not settled).
QString komórki(const Gra &gra, bool osiadłe)
{
    QStringList wynik;
    for (int y = Gra::Wiersze; y >= 1; --y)
        for (int x = 1; x <= Gra::Kolumny; ++x) {
            const bool spada = !gra.Plansza[x][y] && gra.Rodzaj != 0 && gra.Kolory[Gra::coor(x, y)] == gra.Kolor;
            if (osiadłe ? gra.Plansza[x][y] : spada)
                wynik << QStringLiteral("%1,%2").arg(x).arg(y);
        }
    return wynik.join(u' ');
}

// A cell is painted exactly when it holds a block or the falling piece.
bool rysunekZgodny(const Gra &gra)
{
    const QStringList klocek = komórki(gra, false).split(u' ', Qt::SkipEmptyParts);
    for (int y = 1; y <= Gra::Wiersze; ++y)
        for (int x = 1; x <= Gra::Kolumny; ++x) {
            const bool zajęta = gra.Plansza[x][y] || klocek.contains(QStringLiteral("%1,%2").arg(x).arg(y));
            if (zajęta != (gra.Kolory[Gra::coor(x, y)] != Gra::Pusta))
                return false;
        }
    return true;
}

// Keys: L, R, U (rotate), D (drop), T (a tick). False once the game ended.
bool graj(Gra &gra, const QString &klawisze)
{
    for (QChar klawisz : klawisze) {
        switch (klawisz.unicode()) {
        case 'L': gra.Przesuń(-1); break;
        case 'R': gra.Przesuń(1); break;
        case 'U': gra.Rotera(); break;
        case 'D': gra.Zrzuć(); break;
        case 'T':
            if (!gra.Tick())
                return false;
            break;
        }
    }
    return true;
}

QString ticki(int ile) { return QString(ile, u'T'); }

} // namespace

class TstGra : public QObject
{
    Q_OBJECT

private slots:
    void movesAndTurns_data();
    void movesAndTurns();
    void falling_data();
    void falling();
    void clearing_data();
    void clearing();
    void gameOver_data();
    void gameOver();
    void onlyChangedCellsRepainted_data();
    void onlyChangedCellsRepainted();
};

void TstGra::movesAndTurns_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("blocks");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<int>("state");

    QTest::newRow("dropped bar no longer moves sideways") << 2 << "" << "TUDL" << "" << 2;
    QTest::newRow("dropped bar no longer turns") << 2 << "" << "TDU" << "" << 1;
    QTest::newRow("standing bar at the left wall cannot lie down")
        << 2 << "" << "TULLLLLU" << "1,25 1,24 1,23 1,22" << 2;
    QTest::newRow("standing bar at the right wall cannot lie down")
        << 2 << "" << "TURRRRRRU" << "10,25 10,24 10,23 10,22" << 2;
    QTest::newRow("bar cannot stand up into a block") << 2 << "5,22" << "TU" << "4,24 5,24 6,24 7,24" << 1;
    QTest::newRow("bar on the floor cannot stand up") << 2 << "" << ticki(24) + u'U' << "4,1 5,1 6,1 7,1" << 1;
    QTest::newRow("kind 3 at the right wall cannot turn") << 3 << "" << "TRRRRRU" << "9,25 10,25 10,24 10,23" << 1;
    QTest::newRow("kind 4 cannot turn onto a block") << 4 << "7,24" << "TU" << "5,25 6,25 5,24 5,23" << 1;
    QTest::newRow("square stopped by a block on its left") << 1 << "4,23" << "TL" << "5,24 6,24 5,23 6,23" << 1;
    QTest::newRow("square stopped by a block on its right") << 1 << "7,24" << "TR" << "5,24 6,24 5,23 6,23" << 1;

    QTest::newRow("square never turns") << 1 << "" << "TU" << "5,24 6,24 5,23 6,23" << 1;
    QTest::newRow("bar enters in columns 4 to 7") << 2 << "" << "T" << "4,24 5,24 6,24 7,24" << 1;
    QTest::newRow("bar stands up") << 2 << "" << "TU" << "5,25 5,24 5,23 5,22" << 2;
    QTest::newRow("bar lies down again") << 2 << "" << "TUU" << "4,24 5,24 6,24 7,24" << 1;
    QTest::newRow("kind 3 state 2") << 3 << "" << "TU" << "7,25 5,24 6,24 7,24" << 2;
    QTest::newRow("kind 3 state 3") << 3 << "" << "TUU" << "5,25 5,24 5,23 6,23" << 3;
    QTest::newRow("kind 3 state 4") << 3 << "" << "TUUU" << "5,25 6,25 7,25 5,24" << 4;
    QTest::newRow("kind 3 back in state 1") << 3 << "" << "TUUUU" << "5,25 6,25 6,24 6,23" << 1;
    QTest::newRow("kind 4 state 2") << 4 << "" << "TU" << "5,25 6,25 7,25 7,24" << 2;
    QTest::newRow("kind 4 state 3") << 4 << "" << "TUU" << "6,25 6,24 5,23 6,23" << 3;
    QTest::newRow("kind 4 state 4") << 4 << "" << "TUUU" << "5,25 5,24 6,24 7,24" << 4;
    QTest::newRow("kind 5 state 1") << 5 << "" << "T" << "6,25 5,24 6,24 6,23" << 1;
    QTest::newRow("kind 5 state 2") << 5 << "" << "TU" << "6,25 5,24 6,24 7,24" << 2;
    QTest::newRow("kind 5 state 3") << 5 << "" << "TUU" << "5,25 5,24 6,24 5,23" << 3;
    QTest::newRow("kind 5 state 4") << 5 << "" << "TUUU" << "5,25 6,25 7,25 6,24" << 4;
    QTest::newRow("kind 6 state 2") << 6 << "" << "TU" << "6,25 7,25 5,24 6,24" << 2;
    QTest::newRow("kind 6 back in state 1") << 6 << "" << "TUU" << "5,25 5,24 6,24 6,23" << 1;
    QTest::newRow("kind 7 state 2") << 7 << "" << "TU" << "5,25 6,25 6,24 7,24" << 2;
    QTest::newRow("kind 7 back in state 1") << 7 << "" << "TUU" << "6,25 5,24 6,24 5,23" << 1;
}

void TstGra::movesAndTurns()
{
    QFETCH(int, kind);
    QFETCH(QString, blocks);
    QFETCH(QString, keys);
    QFETCH(QString, piece);
    QFETCH(int, state);

    Gra gra(kostka({kind}));
    osadź(gra, blocks);
    QVERIFY(graj(gra, keys));
    QCOMPARE(komórki(gra, false), piece);
    QCOMPARE(gra.Obrót, state);
    QVERIFY(rysunekZgodny(gra));
}

void TstGra::falling_data()
{
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QString>("blocks");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QString>("settled");
    QTest::addColumn<int>("score");

    const QList<int> kwadratIBelka{1, 2};
    QTest::newRow("Down on a resting piece settles it where it is")
        << kwadratIBelka << "" << ticki(23) + u'D' << "" << "5,2 6,2 5,1 6,1" << 0;
    QTest::newRow("a second Down changes nothing") << kwadratIBelka << "" << "TDD" << "" << "5,2 6,2 5,1 6,1" << 0;
    QTest::newRow("drop stops on a block") << QList<int>{2} << "5,3" << "TUD" << "" << "5,7 5,6 5,5 5,4 5,3" << 0;
    QTest::newRow("dropped piece scores on the next tick, which brings the next piece")
        << kwadratIBelka << "" << "TDT" << "4,24 5,24 6,24 7,24" << "5,2 6,2 5,1 6,1" << 10;
    QTest::newRow("piece on the floor settles on the next tick")
        << kwadratIBelka << "" << ticki(24) << "4,24 5,24 6,24 7,24" << "5,2 6,2 5,1 6,1" << 10;
    QTest::newRow("piece on a block settles on the next tick")
        << kwadratIBelka << "6,20" << ticki(4) << "4,24 5,24 6,24 7,24" << "5,22 6,22 5,21 6,21 6,20" << 10;
    QTest::newRow("before the first tick nothing falls") << kwadratIBelka << "" << "LRUD" << "" << "" << -10;
    QTest::newRow("first tick brings the first piece, score 0")
        << kwadratIBelka << "" << "T" << "5,24 6,24 5,23 6,23" << "" << 0;
    QTest::newRow("each tick one row down") << kwadratIBelka << "" << "TTT" << "5,22 6,22 5,21 6,21" << "" << 0;
}

void TstGra::falling()
{
    QFETCH(QList<int>, kinds);
    QFETCH(QString, blocks);
    QFETCH(QString, keys);
    QFETCH(QString, piece);
    QFETCH(QString, settled);
    QFETCH(int, score);

    Gra gra(kostka(kinds));
    osadź(gra, blocks);
    QVERIFY(graj(gra, keys));
    QCOMPARE(komórki(gra, false), piece);
    QCOMPARE(komórki(gra, true), settled);
    QCOMPARE(gra.Wynik, score);
    QVERIFY(rysunekZgodny(gra));
}

void TstGra::clearing_data()
{
    QTest::addColumn<QString>("blocks");
    QTest::addColumn<QString>("settled");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("cleared");

    QTest::newRow("a block in the top row is not repeated below")
        << pełne({1}, 10) + QStringLiteral(" 1,25") << "1,24 10,3 10,2 10,1" << 160 << 1;
    QTest::newRow("rows 1 and 3 go, row 2 moves down to row 1")
        << pełne({1, 3}, 10) + u' ' + pełne({2}, 1).remove(QStringLiteral(" 10,2"))
        << "10,2 2,1 3,1 4,1 5,1 6,1 7,1 8,1 9,1 10,1" << 310 << 2;
    QTest::newRow("one row") << pełne({1}, 10) << "10,3 10,2 10,1" << 160 << 1;
    QTest::newRow("two rows") << pełne({1, 2}, 10) << "10,2 10,1" << 310 << 2;
    QTest::newRow("three rows") << pełne({1, 2, 3}, 10) << "10,1" << 460 << 3;
    QTest::newRow("four rows") << pełne({1, 2, 3, 4}, 10) << "" << 610 << 4;
}

// A standing bar dropped into column 10 fills the gap of rows 1 to 4.
void TstGra::clearing()
{
    QFETCH(QString, blocks);
    QFETCH(QString, settled);
    QFETCH(int, score);
    QFETCH(int, cleared);

    Gra gra(kostka({2}));
    osadź(gra, blocks);
    QVERIFY(graj(gra, QStringLiteral("TURRRRRD")));
    QCOMPARE(gra.Wynik, 0);
    QVERIFY(graj(gra, QStringLiteral("T")));
    QCOMPARE(gra.UsunięteWiersze, cleared);
    QCOMPARE(komórki(gra, true), settled);
    QCOMPARE(gra.Wynik, score);
    QVERIFY(rysunekZgodny(gra));
}

void TstGra::gameOver_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<QString>("blocks");
    QTest::addColumn<bool>("ownColour");
    QTest::addColumn<bool>("goesOn");

    QTest::newRow("new piece on blocks of its own colour") << 7u << "5,24 6,24" << true << false;
    QTest::newRow("new piece on blocks of another colour") << 1u << "5,24 6,24" << false << false;
    QTest::newRow("blocks beside the entry") << 2u << "1,25 2,25 3,25 8,25 9,25 10,25" << false << true;
    QTest::newRow("stack just below the entry") << 3u << "4,22 5,22 6,22 7,22" << false << true;
}

void TstGra::gameOver()
{
    QFETCH(quint32, seed);
    QFETCH(QString, blocks);
    QFETCH(bool, ownColour);
    QFETCH(bool, goesOn);

    Gra gra(Gra::zZiarna(seed));
    osadź(gra, blocks, ownColour ? gra.NastępnyKolor : Obcy);
    QCOMPARE(gra.Tick(), goesOn);

    // Played on, pieces dropped where they enter stack up until one finds no room.
    Gra dalsza(Gra::zZiarna(seed));
    int osiadłe = 0;
    while (graj(dalsza, QStringLiteral("TD")) && osiadłe < Gra::Kolumny * Gra::Wiersze)
        ++osiadłe;
    QVERIFY(osiadłe >= 6);
    QVERIFY(osiadłe < 25);
    QCOMPARE(dalsza.Wynik, 10 * osiadłe);
}

void TstGra::onlyChangedCellsRepainted_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("repainted");

    QTest::newRow("Down on a resting piece") << 1 << ticki(23) << "D" << 0;
    QTest::newRow("refused turn") << 2 << "TULLLL" << "U" << 0;
    QTest::newRow("tick: the row left and the row entered") << 1 << "T" << "T" << 4;
    QTest::newRow("lying bar one column left: its two ends") << 2 << "T" << "L" << 2;
    QTest::newRow("standing bar one column left") << 2 << "TU" << "L" << 8;
    QTest::newRow("bar standing up keeps the cell both share") << 2 << "T" << "U" << 6;
    QTest::newRow("drop") << 2 << "T" << "D" << 8;
}

void TstGra::onlyChangedCellsRepainted()
{
    QFETCH(int, kind);
    QFETCH(QString, before);
    QFETCH(QString, keys);
    QFETCH(int, repainted);

    Gra gra(kostka({kind}));
    QVERIFY(graj(gra, before));
    gra.Kolory.Zmienione();
    std::vector<quint32> przed;
    for (int i = 0; i < gra.Kolory.size(); ++i)
        przed.push_back(gra.Kolory[i]);

    QVERIFY(graj(gra, keys));
    std::vector<int> zmienione = gra.Kolory.Zmienione();
    std::sort(zmienione.begin(), zmienione.end());
    std::vector<int> inne;
    for (int i = 0; i < gra.Kolory.size(); ++i)
        if (gra.Kolory[i] != przed[i])
            inne.push_back(i);
    QCOMPARE(zmienione, inne);
    QCOMPARE(int(zmienione.size()), repainted);
    QVERIFY(gra.Kolory.Zmienione().empty());
}

QTEST_APPLESS_MAIN(TstGra)
#include "tst_gra.moc"
