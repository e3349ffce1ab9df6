#include <Gra.h>

#include <QList>
#include <QStringList>
#include <QTest>
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

// Settled cells are painted; any other painted cell is the falling piece.
bool rysunekZgodny(const Gra &gra)
{
    for (int y = 1; y <= Gra::Wiersze; ++y)
        for (int x = 1; x <= Gra::Kolumny; ++x) {
            const quint32 kolor = gra.Kolory[Gra::coor(x, y)];
            if (gra.Plansza[x][y] ? kolor == Gra::Pusta : kolor != Gra::Pusta && (gra.Rodzaj == 0 || kolor != gra.Kolor))
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
        default:
            if (!gra.Tick())
                return false;
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
    void fallingPiece_data();
    void fallingPiece();
    void clearing_data();
    void clearing();
    void gameOver_data();
    void gameOver();
};

void TstGra::fallingPiece_data()
{
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QString>("blocks");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("settled");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("repainted"); // by the last key

    const QList<int> kwadrat{1}, belka{2};
    QTest::newRow("dropped bar no longer moves sideways")
        << belka << "" << "TUDL" << "" << 2 << "5,4 5,3 5,2 5,1" << 0 << 0;
    QTest::newRow("Down on a resting piece settles it where it is")
        << kwadrat << "" << ticki(23) + u'D' << "" << 1 << "5,2 6,2 5,1 6,1" << 0 << 0;
    QTest::newRow("standing bar at the left wall cannot lie down")
        << belka << "" << "TULLLLLU" << "1,25 1,24 1,23 1,22" << 2 << "" << 0 << 0;
    QTest::newRow("standing bar at the right wall cannot lie down")
        << belka << "" << "TURRRRRRU" << "10,25 10,24 10,23 10,22" << 2 << "" << 0 << 0;
    QTest::newRow("bar cannot stand up into a block")
        << belka << "5,22" << "TU" << "4,24 5,24 6,24 7,24" << 1 << "5,22" << 0 << 0;
    QTest::newRow("bar on the floor cannot stand up")
        << belka << "" << ticki(24) + u'U' << "4,1 5,1 6,1 7,1" << 1 << "" << 0 << 0;
    QTest::newRow("kind 4 cannot turn onto a block")
        << QList<int>{4} << "7,24" << "TU" << "5,25 6,25 5,24 5,23" << 1 << "7,24" << 0 << 0;
    QTest::newRow("square stopped by a block on its left")
        << kwadrat << "4,23" << "TL" << "5,24 6,24 5,23 6,23" << 1 << "4,23" << 0 << 0;
    QTest::newRow("drop stops on a block") << belka << "5,3" << "TUD" << "" << 2 << "5,7 5,6 5,5 5,4 5,3" << 0 << 8;
    QTest::newRow("piece on a block settles on the next tick, which brings the next piece")
        << QList<int>{1, 2} << "6,20" << ticki(4) << "4,24 5,24 6,24 7,24" << 1 << "5,22 6,22 5,21 6,21 6,20" << 10
        << 4;
    QTest::newRow("before the first tick nothing falls") << kwadrat << "" << "LRUD" << "" << 1 << "" << -10 << 0;

    QTest::newRow("first tick: square, never turning") << kwadrat << "" << "TU" << "5,24 6,24 5,23 6,23" << 1 << "" << 0 << 0;
    QTest::newRow("a tick moves one row down") << kwadrat << "" << "TT" << "5,23 6,23 5,22 6,22" << 1 << "" << 0 << 4;
    QTest::newRow("standing bar one column left") << belka << "" << "TUL" << "4,25 4,24 4,23 4,22" << 2 << "" << 0 << 8;
    QTest::newRow("bar stands up, the cell both share kept")
        << belka << "" << "TU" << "5,25 5,24 5,23 5,22" << 2 << "" << 0 << 6;
    QTest::newRow("kind 3 back in state 1") << QList<int>{3} << "" << "TUUUU" << "5,25 6,25 6,24 6,23" << 1 << "" << 0 << 4;
    QTest::newRow("kind 5 state 3") << QList<int>{5} << "" << "TUU" << "5,25 5,24 6,24 5,23" << 3 << "" << 0 << 4;
    QTest::newRow("kind 7 back in state 1") << QList<int>{7} << "" << "TUU" << "6,25 5,24 6,24 5,23" << 1 << "" << 0 << 4;
}

void TstGra::fallingPiece()
{
    QFETCH(QList<int>, kinds);
    QFETCH(QString, blocks);
    QFETCH(QString, keys);
    QFETCH(QString, piece);
    QFETCH(int, state);
    QFETCH(QString, settled);
    QFETCH(int, score);
    QFETCH(int, repainted);

    Gra gra(kostka(kinds));
    osadź(gra, blocks);
    QVERIFY(graj(gra, keys.chopped(1)));
    gra.Kolory.Zmienione();
    QVERIFY(graj(gra, keys.right(1)));
    QCOMPARE(komórki(gra, false), piece);
    QCOMPARE(gra.Obrót, state);
    QCOMPARE(komórki(gra, true), settled);
    QCOMPARE(gra.Wynik, score);
    QCOMPARE(int(gra.Kolory.Zmienione().size()), repainted);
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
}

QTEST_APPLESS_MAIN(TstGra)
#include "tst_gra.moc"
