#include "OknoTestowe.h"

#include <ui/Colors.h>
#include <ui/Twips.h>

#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

using oc::ui::toPixels;

// A window taller than its design: rows fill it, and what counts in rows
// counts the rows shown; the wheel and the page keys.
class TestHeight : public QObject
{
    Q_OBJECT

private slots:
    void rowsFollowTheHeight_data();
    void rowsFollowTheHeight();
    void designLayoutComesBack();
    void pagesAndColumnsAtATallHeight_data();
    void pagesAndColumnsAtATallHeight();
    void wheel_data();
    void wheel();
    void longCommandLineKeepsTheCaretInSight();
};

namespace {

// ".." and n - 1 files.
void Wpisy(const QString &root, int n)
{
    QStringList pliki;
    for (int i = 1; i < n; ++i)
        pliki << QStringLiteral("f%1").arg(i, 4, 10, QLatin1Char('0'));
    UtwórzDrzewo(root, pliki);
}

void Wysokość(frmMain &okno, int twips)
{
    okno.resize(okno.width(), toPixels(twips));
    QTRY_COMPARE(okno.Układ().Obniżenie, std::max(0, twips - 6405));
}

// Every control's place, to tell one layout from another.
QList<QRect> Miejsca(const frmMain &okno)
{
    QList<QRect> miejsca;
    for (const QWidget *w : okno.findChildren<QWidget *>())
        if (!w->isHidden() && w->parentWidget() == &okno)
            miejsca << w->geometry();
    return miejsca;
}

} // namespace

void TestHeight::rowsFollowTheHeight_data()
{
    QTest::addColumn<int>("wysokość"); // twips
    QTest::addColumn<int>("wKolumnie");
    QTest::newRow("one pixel short of a row") << 6405 + 225 << 18;
    QTest::newRow("one row more") << 6405 + 240 << 19;
    QTest::newRow("much taller") << 6405 + 240 * 20 + 105 << 38;
}

void TestHeight::rowsFollowTheHeight()
{
    QFETCH(int, wysokość);
    QFETCH(int, wKolumnie);
    QTemporaryDir tmp;
    Wpisy(tmp.path(), 200);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_Click(1, 40);
    Wysokość(okno, wysokość);
    const int dy = wysokość - 6405;
    QCOMPARE(int(okno.Panel1.size()), 3 * wKolumnie);
    QCOMPARE(okno.Widok(2).Stan.OstatniWiersz, 3 * wKolumnie - 1);
    QCOMPARE(okno.Panel1[size_t(wKolumnie - 1)]->y(), toPixels(660 + 240 * (wKolumnie - 1)));
    QCOMPARE(okno.Panel1[size_t(wKolumnie)]->pos(), QPoint(toPixels(okno.Układ().LewyPanel1[1]), toPixels(660)));
    // Everything under the panels follows the bottom edge.
    QCOMPARE(okno.Dol2[2]->y(), toPixels(5040 + dy));
    QCOMPARE(okno.DOSLab->y(), toPixels(5340 + dy));
    QCOMPARE(okno.Short[9]->y(), toPixels(5700 + dy));
    QCOMPARE(okno.Panel->height(), toPixels(4935 + dy));
    // The cursor stays on its entry.
    QCOMPARE(okno.Widok(1).PozycjaKursora(), 41);
    QCOMPARE(oc::ui::background(okno.Panel1[size_t(okno.Widok(1).Stan.WierszKursora)]),
             OknoTestowe::fileselbackground);
}

// Taller, rolled up and back, and down to the design height again: the
// layout of the design, control for control.
void TestHeight::designLayoutComesBack()
{
    QTemporaryDir tmp;
    Wpisy(tmp.path(), 300);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    const QList<QRect> projekt = Miejsca(okno);
    okno.k_End();
    Wysokość(okno, 9000);
    okno.Zwijanka();
    QTRY_COMPARE(oc::ui::heightTwips(&okno), 360);
    okno.Zwijanka();
    QTRY_COMPARE(oc::ui::heightTwips(&okno), 9000);
    QCOMPARE(okno.Widok(1).Stan.OstatniWiersz, 3 * 28 - 1);
    Wysokość(okno, 6405);
    QCOMPARE(Miejsca(okno), projekt);
    QCOMPARE(okno.Widok(1).Stan.OstatniWiersz, 53);
    // The last entry, on the last row, as End left it.
    QCOMPARE(okno.Widok(1).Stan.PierwszaPozycja, 300 - 53);
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 53);
}

void TestHeight::pagesAndColumnsAtATallHeight_data()
{
    // At 9000 twips: 28 rows a column, a page of 84 entries.
    QTest::addColumn<qint32>("pierwsza");
    QTest::addColumn<int>("wiersz");
    QTest::addColumn<int>("klawisz");
    QTest::addColumn<qint32>("nowaPierwsza");
    QTest::addColumn<int>("nowyWiersz");
    QTest::newRow("PgDn near the end stops on the last entry") << 400 << 50 << int(Qt::Key_PageDown) << 417 << 83;
    QTest::newRow("PgUp near the top stops on the first") << 30 << 10 << int(Qt::Key_PageUp) << 1 << 0;
    QTest::newRow("PgDn keeps the row") << 1 << 5 << int(Qt::Key_PageDown) << 85 << 5;
    QTest::newRow("PgUp keeps the row") << 200 << 70 << int(Qt::Key_PageUp) << 116 << 70;
    QTest::newRow("PgDn on the first screen") << 1 << 0 << int(Qt::Key_PageDown) << 85 << 0;
    QTest::newRow("Right steps a column of 28") << 1 << 3 << int(Qt::Key_Right) << 1 << 31;
    QTest::newRow("Left from the second column") << 1 << 40 << int(Qt::Key_Left) << 1 << 12;
    QTest::newRow("Right in the last column scrolls") << 1 << 60 << int(Qt::Key_Right) << 29 << 60;
}

void TestHeight::pagesAndColumnsAtATallHeight()
{
    QFETCH(qint32, pierwsza);
    QFETCH(int, wiersz);
    QFETCH(int, klawisz);
    QFETCH(qint32, nowaPierwsza);
    QFETCH(int, nowyWiersz);
    QTemporaryDir tmp;
    Wpisy(tmp.path(), 500);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    Wysokość(okno, 9000);
    okno.Widok(1).PokażPanel(pierwsza);
    okno.Panel_Click(1, wiersz);
    QTest::keyClick(&okno, Qt::Key(klawisz));
    QCOMPARE(okno.Widok(1).Stan.PierwszaPozycja, nowaPierwsza);
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, nowyWiersz);
    QCOMPARE(okno.Dol1[0]->Napis(), okno.Widok(1).Stan.Nazwy[size_t(nowaPierwsza + nowyWiersz)]);
}

void TestHeight::wheel_data()
{
    QTest::addColumn<int>("panel"); // the one under the pointer
    QTest::addColumn<qint32>("pierwsza");
    QTest::addColumn<int>("wiersz");
    QTest::addColumn<int>("kąt"); // eighths of a degree, positive away from the user
    QTest::addColumn<qint32>("nowaPierwsza");
    QTest::addColumn<int>("nowyWiersz");
    QTest::newRow("up at the top: nothing moves") << 1 << 1 << 7 << 240 << 1 << 7;
    QTest::newRow("down past the end stops there") << 1 << 140 << 10 << -1200 << 147 << 3;
    QTest::newRow("down: the cursor leaves row 0 behind") << 1 << 1 << 0 << -120 << 4 << 0;
    QTest::newRow("up: the cursor on the last row follows") << 1 << 50 << 53 << 240 << 44 << 53;
    QTest::newRow("down keeps the cursor's entry") << 1 << 1 << 20 << -240 << 7 << 14;
    QTest::newRow("half a notch does nothing") << 1 << 1 << 20 << -60 << 1 << 20;
    QTest::newRow("the other panel under the pointer") << 2 << 1 << 20 << -120 << 4 << 17;
}

void TestHeight::wheel()
{
    QFETCH(int, panel);
    QFETCH(qint32, pierwsza);
    QFETCH(int, wiersz);
    QFETCH(int, kąt);
    QFETCH(qint32, nowaPierwsza);
    QFETCH(int, nowyWiersz);
    QTemporaryDir tmp;
    Wpisy(tmp.path(), 200);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Widok(panel).PokażPanel(pierwsza);
    okno.Panel_Click(panel, wiersz);
    okno.UstawAktywnyPanel(1);
    // Sent to the window: only the system's own wheel events pass from a row up to it.
    const QPointF punkt = okno.Widok(panel).Wiersze[30]->geometry().center();
    QWheelEvent zdarzenie(punkt, okno.mapToGlobal(punkt), QPoint(), QPoint(0, kąt), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
    QApplication::sendEvent(&okno, &zdarzenie);
    const StanPanelu &s = okno.Widok(panel).Stan;
    QCOMPARE(s.PierwszaPozycja, nowaPierwsza);
    QCOMPARE(s.WierszKursora, nowyWiersz);
    if (nowaPierwsza != pierwsza)
        QCOMPARE(okno.AktywnyPanel(), panel);
}

void TestHeight::longCommandLineKeepsTheCaretInSight()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    const int lewyTekstu = okno.DOSLab->x();
    QCOMPARE(okno.Wskaznik->x(), 0);
    QTest::keyClicks(&okno, QString(150, u'w'));
    const int szerokość = okno.DOSLab->fontMetrics().horizontalAdvance(okno.Linia().Tekst() + u'_');
    QCOMPARE(okno.DOSLab->x() + szerokość, okno.width());
    QVERIFY(okno.Wskaznik->x() < 0);
    for (int i = 0; i < 150; ++i)
        QTest::keyClick(&okno, Qt::Key_Backspace);
    QCOMPARE(okno.DOSLab->x(), lewyTekstu);
    QCOMPARE(okno.Wskaznik->x(), 0);
}

QTEST_MAIN(TestHeight)
#include "tst_height.moc"
