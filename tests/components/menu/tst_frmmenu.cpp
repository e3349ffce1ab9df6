#include <Class1.h>
#include <frmMain.h>
#include <frmSub.h>

#include <ui/Colors.h>
#include <ui/LabelButton.h>
#include <ui/Twips.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

using menuoc::Class1;
using menuoc::frmMain;
using menuoc::frmSub;

namespace {

constexpr int Brak = 65535;
constexpr int Odstęp = 20; // ms between steps, time for the strokes a step sent
// Steps other than keys, in a list of keys:
constexpr int Zamknij = -1;        // the window manager closes the modal window
constexpr int Sprawdź = -2;        // the test's checks run on the modal window
constexpr int Klik = -100;         // Klik - n: a click on bar entry n
constexpr int Dwuklik = -200;      // a double-click on bar entry n
constexpr int KlikPozycji = -300;  // a click on the text of item n
constexpr int KlikSkrótu = -400;   // a click on the shortcut of item n

std::function<void(QWidget *)> sprawdzenie;

void krok(QWidget *okno, int k)
{
    auto środek = [](QWidget *etykieta) { return etykieta->geometry().center(); };
    auto *pasek = qobject_cast<frmMain *>(okno);
    auto *lista = qobject_cast<frmSub *>(okno);
    if (k == Zamknij)
        okno->close();
    else if (k == Sprawdź)
        sprawdzenie(okno);
    else if (k >= 0)
        QTest::keyClick(okno, Qt::Key(k));
    else if (k > Dwuklik && pasek)
        QTest::mouseClick(okno, Qt::LeftButton, {}, środek(pasek->lblMnu[Klik - k]));
    else if (k > KlikPozycji && pasek)
        QTest::mouseDClick(okno, Qt::LeftButton, {}, środek(pasek->lblMnu[Dwuklik - k]));
    else if (k > KlikSkrótu && lista)
        QTest::mouseClick(okno, Qt::LeftButton, {}, środek(lista->lblMnu[KlikPozycji - k]));
    else if (lista)
        QTest::mouseClick(okno, Qt::LeftButton, {}, środek(lista->lblShort[KlikSkrótu - k]));
    else
        QFAIL("the step found the other window open");
}

// Each test's steps; those of an earlier one, cut short by a failure, stop.
int pokolenie = 0;

// Takes the steps one at a time on whichever menu window is modal then. A
// window still open after the last step is closed and reported.
void krokami(QList<int> kroki, bool *zostałoOtwarte, int moje = pokolenie)
{
    QTimer::singleShot(Odstęp, [kroki, zostałoOtwarte, moje]() mutable {
        if (moje != pokolenie)
            return;
        if (kroki.isEmpty()) {
            *zostałoOtwarte = QApplication::activeModalWidget() != nullptr;
            while (QWidget *okno = QApplication::activeModalWidget())
                okno->close();
            return;
        }
        const int k = kroki.takeFirst();
        // Scheduled first: a step that opens a list runs on inside its loop.
        krokami(kroki, zostałoOtwarte, moje);
        if (QWidget *okno = QApplication::activeModalWidget())
            krok(okno, k);
    });
}

int szerokośćEkranu() { return oc::ui::toTwips(QGuiApplication::primaryScreen()->geometry().width()); }

} // namespace

class TstFrmMenu : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void session_data();
    void session();
    void openList_data();
    void openList();
};

void TstFrmMenu::cleanup() { ++pokolenie; }

void TstFrmMenu::session_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("item");

    const int esc = Qt::Key_Escape, enter = Qt::Key_Return, dół = Qt::Key_Down;
    QTest::newRow("the window manager closes the bar: nothing chosen") << 4 << QList<int>{Zamknij} << Brak << Brak;
    QTest::newRow("the window manager closes the list: the bar stays")
        << 104 << QList<int>{Zamknij, dół, enter} << 4 << 0;
    QTest::newRow("Esc in the open list, Esc on the bar") << 102 << QList<int>{esc, esc} << Brak << Brak;
    QTest::newRow("K, then P") << 0 << QList<int>{int(Qt::Key_K), int(Qt::Key_P)} << 2 << 1;
    QTest::newRow("Right from the list of entry 6 opens entry 0's")
        << 106 << QList<int>{int(Qt::Key_Right), dół, enter} << 0 << 1;
    QTest::newRow("a click on the highlighted entry is Down, on an item Enter")
        << 3 << QList<int>{Klik - 3, KlikPozycji - 1} << 3 << 1;
    QTest::newRow("a click on another entry only moves there") << 0 << QList<int>{Klik - 4, dół, enter} << 4 << 0;
    QTest::newRow("a double-click on another entry opens its list")
        << 0 << QList<int>{Dwuklik - 5, KlikPozycji - 2} << 5 << 2;
    QTest::newRow("a click on a shortcut takes its item") << 106 << QList<int>{KlikSkrótu - 1} << 6 << 1;
}

void TstFrmMenu::session()
{
    QFETCH(int, start);
    QFETCH(QList<int>, steps);
    QFETCH(int, menu);
    QFETCH(int, item);

    Class1 menuOC;
    bool zostałoOtwarte = false;
    krokami(steps, &zostałoOtwarte);
    QCOMPARE(menuOC.PokażMenu(600, 300, 9000, start), menu);
    QCOMPARE(menuOC.PokażMenu2(), item);
    QTest::qWait(Odstęp * 2);
    QVERIFY(!zostałoOtwarte);
}

void TstFrmMenu::openList_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("barLeft");
    QTest::addColumn<int>("barWidth"); // 0: the screen's width
    QTest::addColumn<int>("listLeft"); // -1: right-aligned under the last entry
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("shortcuts");

    const QStringList pomoc{"&Pomoc ...", "&O programie ...", "&Strona WWW programu", "&Mail do autora programu"};
    const QStringList skrótyPomocy{"F1", "S+F1", "", ""};
    QTest::newRow("Pomoc at the screen's edge: right-aligned under it")
        << 106 << 0 << 0 << -1 << pomoc << skrótyPomocy;
    QTest::newRow("Dyski on a bar moved right: under the entry")
        << 103 << 1500 << 9000 << 3360 + 1500 << QStringList{"&Formatuj dyskietkę ...", "&Etykieta dysku ..."}
        << QStringList{"", ""};
}

void TstFrmMenu::openList()
{
    QFETCH(int, start);
    QFETCH(int, barLeft);
    QFETCH(int, barWidth);
    QFETCH(int, listLeft);
    QFETCH(QStringList, items);
    QFETCH(QStringList, shortcuts);

    namespace ui = oc::ui;
    if (barWidth == 0)
        barWidth = szerokośćEkranu();
    if (listLeft == -1)
        listLeft = barWidth - 4395;

    int wyróżniona = 0; // the item highlighted at the next check
    sprawdzenie = [&](QWidget *okno) {
        auto *lista = qobject_cast<frmSub *>(okno);
        QVERIFY(lista);
        auto *pasek = qobject_cast<frmMain *>(lista->parentWidget());
        QVERIFY(pasek);
        QCOMPARE(ui::leftTwips(pasek->lblMnu[6]) + ui::widthTwips(pasek->lblMnu[6]), barWidth);
        QCOMPARE(ui::background(pasek->lblMnu[start - 100]), 0x000000u);

        QCOMPARE(ui::leftTwips(lista), listLeft);
        QCOMPARE(lista->y(), pasek->geometry().bottom() + 1);
        QCOMPARE(lista->height(), ui::toPixels(items.size() * 255) + 3);
        QStringList teksty, skróty;
        for (int i = 0; i < int(lista->lblMnu.size()); ++i) {
            teksty << lista->lblMnu[i]->caption();
            skróty << lista->lblShort[i]->caption();
            // Both labels of an item change together.
            for (auto *etykieta : {lista->lblMnu[i], lista->lblShort[i]}) {
                QCOMPARE(ui::background(etykieta), i == wyróżniona ? 0x000000u : 0xC0C000u);
                QCOMPARE(ui::foreground(etykieta), i == wyróżniona ? 0xFFFFFFu : 0x000000u);
            }
        }
        QCOMPARE(teksty, items);
        QCOMPARE(skróty, shortcuts);
        ++wyróżniona;
    };
    bool zostałoOtwarte = false;
    krokami({Sprawdź, Qt::Key_Down, Sprawdź, Qt::Key_Escape, Qt::Key_Escape}, &zostałoOtwarte);
    QCOMPARE(Class1().PokażMenu(barLeft, 0, barWidth, start), Brak);
    QCOMPARE(wyróżniona, 2);
    QTest::qWait(Odstęp * 2);
    QVERIFY(!zostałoOtwarte);
}

QTEST_MAIN(TstFrmMenu)
#include "tst_frmmenu.moc"
