#include <StanMenu.h>
#include <Tabele.h>

#include <ui/Keys.h>

#include <QTest>

using menuoc::Reakcja;
using menuoc::StanMenu;
namespace vk = oc::ui::vk;

namespace {

constexpr int Brak = StanMenu::BrakWyboru;

// A reaction in words: the highlight, what closes or opens, the strokes sent.
QString opis(const Reakcja &r)
{
    auto klawisz = [](int k) {
        return k == vk::Down ? "Down" : k == vk::Return ? "Enter" : k == vk::Left ? "Left" : "Right";
    };
    QStringList słowa;
    if (r.Zapal >= 0)
        słowa << QStringLiteral("%1 na %2").arg(r.Zgaś).arg(r.Zapal);
    if (r.ZamknijPasek)
        słowa << QStringLiteral("zamyka pasek");
    else if (r.ZamknijListę)
        słowa << QStringLiteral("zamyka listę");
    if (r.OtwórzListę)
        słowa << QStringLiteral("otwiera listę");
    if (r.Wybrano)
        słowa << QStringLiteral("wybór");
    for (int k : r.DoSiebie)
        słowa << QStringLiteral("sobie ") + klawisz(k);
    for (int k : r.DoPaska)
        słowa << QStringLiteral("paskowi ") + klawisz(k);
    return słowa.join(u", ");
}

enum Zdarzenie { EscNaPasku, KlikInnegoWpisu, ZamknięciePrzezSystem };

} // namespace

class TstStanMenu : public QObject
{
    Q_OBJECT

private slots:
    void choiceIsFinal_data();
    void choiceIsFinal();
    void keys_data();
    void keys();
    void listPlacement_data();
    void listPlacement();
};

// Between the choice and the timer's tick nothing may turn it into another
// command, or into none.
void TstStanMenu::choiceIsFinal_data()
{
    QTest::addColumn<int>("event");
    QTest::newRow("Esc on the bar") << int(EscNaPasku);
    QTest::newRow("a click on another entry") << int(KlikInnegoWpisu);
    QTest::newRow("the window manager closes the bar") << int(ZamknięciePrzezSystem);
}

void TstStanMenu::choiceIsFinal()
{
    QFETCH(int, event);

    StanMenu s;
    s.NowyPasek(102);
    s.AktywacjaPaska();
    s.AktywacjaListy();
    s.KlawiszListy(vk::Down);
    s.KlawiszListy(vk::Return);
    Reakcja r;
    switch (event) {
    case EscNaPasku: r = s.KlawiszPaska(vk::Escape); break;
    case KlikInnegoWpisu: r = s.KlikPaska(5); break;
    default: s.ZamknięciePaska(); break;
    }
    QCOMPARE(opis(r), QString());
    QCOMPARE(s.WybraneMenu, 2);
    QCOMPARE(s.WybranaPozycja, 1);
}

void TstStanMenu::keys_data()
{
    QTest::addColumn<int>("start"); // above 99: the keys go to the list it opens
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("reaction"); // to the last key, or to the bar's activation

    QTest::newRow("start 7 names no entry: the first, nothing opens") << 7 << QList<int>{} << 0 << 0 << "-1 na 0";
    QTest::newRow("start 65535, an earlier result, likewise") << 65535 << QList<int>{} << 0 << 0 << "-1 na 0";
    QTest::newRow("start 102 opens the list of Pliki") << 102 << QList<int>{} << 2 << 0 << "-1 na 2, sobie Down";

    QTest::newRow("Esc on the bar: nothing chosen") << 3 << QList<int>{vk::Escape} << Brak << Brak << "zamyka pasek";
    QTest::newRow("F10 on the bar likewise") << 0 << QList<int>{vk::F10} << Brak << Brak << "zamyka pasek";
    QTest::newRow("a key without a code is not the entry without a letter") << 3 << QList<int>{0} << 3 << 0 << "";
    QTest::newRow("Left from the first entry wraps to the last") << 0 << QList<int>{vk::Left} << 6 << 0 << "0 na 6";
    QTest::newRow("Right from the last entry wraps to the first") << 6 << QList<int>{vk::Right} << 0 << 0 << "6 na 0";
    QTest::newRow("Down opens the list") << 4 << QList<int>{vk::Down} << 4 << 0 << "otwiera listę";
    QTest::newRow("K on the bar: Pli&ki, then Down") << 0 << QList<int>{'K'} << 2 << 0 << "0 na 2, sobie Down";

    QTest::newRow("Esc in a list goes back to the bar") << 102 << QList<int>{vk::Down, vk::Escape} << 2 << 1
                                                        << "zamyka listę";
    QTest::newRow("Enter chooses") << 102 << QList<int>{vk::Down, vk::Return} << 2 << 1 << "zamyka listę, wybór";
    QTest::newRow("Space chooses") << 100 << QList<int>{vk::Space} << 0 << 0 << "zamyka listę, wybór";
    QTest::newRow("Up from the first item wraps to the last") << 106 << QList<int>{vk::Up} << 6 << 3 << "0 na 3";
    QTest::newRow("Down from the last item wraps to the first") << 104 << QList<int>{vk::Down, vk::Down} << 4 << 0
                                                                << "1 na 0";
    QTest::newRow("P in Pliki: Podgląd pliku, then Enter")
        << 102 << QList<int>{'P'} << 2 << 1 << "0 na 1, sobie Enter";
    QTest::newRow("Left in a list: the neighbour's list") << 100 << QList<int>{vk::Left} << 0 << 0
                                                          << "zamyka listę, paskowi Left, paskowi Down";
}

void TstStanMenu::keys()
{
    QFETCH(int, start);
    QFETCH(QList<int>, keys);
    QFETCH(int, menu);
    QFETCH(int, item);
    QFETCH(QString, reaction);

    StanMenu s;
    s.NowyPasek(start);
    Reakcja r = s.AktywacjaPaska();
    const bool naLiście = start > 99;
    if (naLiście)
        s.AktywacjaListy();
    for (int key : keys)
        r = naLiście ? s.KlawiszListy(key) : s.KlawiszPaska(key);
    QCOMPARE(opis(r), reaction);
    QCOMPARE(s.WybraneMenu, menu);
    QCOMPARE(s.WybranaPozycja, item);
    QCOMPARE(s.Wybrano(), r.Wybrano);
    // The bar activates again whenever a list closes: the start is spent.
    QCOMPARE(opis(s.AktywacjaPaska()), QString());
}

void TstStanMenu::listPlacement_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("barLeft");
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<int>("screenRight");
    QTest::addColumn<int>("left");

    QTest::newRow("one twip over the edge: right-aligned") << 5 << 0 << 12000 << 10154 << 2820;
    QTest::newRow("ending on the edge: under the entry's left") << 5 << 0 << 12000 << 10155 << 5760;
    QTest::newRow("a bar on a second screen") << 6 << 20000 << 9600 << 30000 << 25205;
}

void TstStanMenu::listPlacement()
{
    QFETCH(int, entry);
    QFETCH(int, barLeft);
    QFETCH(int, barWidth);
    QFETCH(int, screenRight);
    QFETCH(int, left);

    QCOMPARE(menuoc::LewaListy(menuoc::LewaWpisu(entry, barWidth), menuoc::WpisyPaska()[entry].Szerokość, barLeft,
                               screenRight),
             left);
}

QTEST_MAIN(TstStanMenu)
#include "tst_stanmenu.moc"
