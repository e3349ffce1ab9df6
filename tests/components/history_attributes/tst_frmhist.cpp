#include <Ocmd.h>

#include <ui/Colors.h>
#include <ui/Twips.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

using oc2::frmHist;

class TstFrmHist : public QObject
{
    Q_OBJECT

private:
    // Shows the history holding lines at x, y and runs act on the window
    // once its start-up hook has filled it.
    static QString pokaż(oc2::Ocmd &ocmd, const QStringList &lines, const std::function<void(frmHist *)> &act,
                         float x = 3600, float y = 1000)
    {
        ocmd.ClearList();
        for (const QString &line : lines)
            ocmd.AddHistoryPos(line);
        QTimer::singleShot(0, [&] {
            auto *okno = qobject_cast<frmHist *>(QApplication::activeModalWidget());
            QVERIFY(okno);
            if (QTest::qWaitFor([okno] { return !okno->Timer1->isActive(); }))
                act(okno);
            // Every act ends by closing the window; a window left open is a failure.
            if (okno->isVisible()) {
                okno->reject();
                QFAIL("the window stayed open");
            }
        });
        return ocmd.ShowHistoryWindow(x, y);
    }

private slots:
    void keys_data();
    void keys();
    void highlightFollowsTheBar();
    void windowPlacedAndFitted();
    void clearListEmptiesEarlierLines();
};

void TstFrmHist::keys_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("result");

    const QStringList trzy{QStringLiteral("ls -l"), QStringLiteral("make test"), QStringLiteral("cd /tmp")};
    const int down = Qt::Key_Down, up = Qt::Key_Up, enter = Qt::Key_Return;
    QTest::newRow("Enter at once takes the first line") << trzy << QList<int>{enter} << 0 << trzy[0];
    QTest::newRow("Down from row 2 stays on row 2 with three lines")
        << trzy << QList<int>{down, down, down, down, enter} << 2 << trzy[2];
    QTest::newRow("Up on row 0 stays on row 0") << trzy << QList<int>{up, up, enter} << 0 << trzy[0];
    QTest::newRow("Down then Up comes back") << trzy << QList<int>{down, down, up, enter} << 1 << trzy[1];
    QTest::newRow("one line: Down stays") << QStringList{trzy[0]} << QList<int>{down, enter} << 0 << trzy[0];
    QTest::newRow("Enter keeps blanks and Polish letters")
        << QStringList{QStringLiteral("x"), QStringLiteral("  echo \"zażółć  gęślą\"  jaźń <b>  ")}
        << QList<int>{down, enter} << 1 << QStringLiteral("  echo \"zażółć  gęślą\"  jaźń <b>  ");
    QStringList szesnaście;
    for (int i = 0; i < 16; ++i)
        szesnaście << QStringLiteral("linia %1").arg(i);
    QList<int> dwadzieściaRazyDół(20, down);
    dwadzieściaRazyDół << enter;
    QTest::newRow("sixteen lines: Down stops on row 15") << szesnaście << dwadzieściaRazyDół << 15 << szesnaście[15];
    QTest::newRow("Esc takes nothing") << trzy << QList<int>{down, int(Qt::Key_Escape)} << 1 << QString();
    QTest::newRow("F10 takes nothing") << trzy << QList<int>{int(Qt::Key_F10)} << 0 << QString();
}

void TstFrmHist::keys()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, keys);
    QFETCH(int, row);
    QFETCH(QString, result);

    oc2::Ocmd ocmd;
    int wiersz = -1;
    const QString wynik = pokaż(ocmd, lines, [&](frmHist *okno) {
        for (int key : keys) {
            if (key == Qt::Key_Return || key == Qt::Key_Escape || key == Qt::Key_F10)
                wiersz = okno->Wiersz;
            QTest::keyClick(okno, Qt::Key(key));
        }
    });
    QCOMPARE(wiersz, row);
    QCOMPARE(wynik, result);
    QCOMPARE(ocmd.WybranaKomenda, result);
}

void TstFrmHist::highlightFollowsTheBar()
{
    oc2::Ocmd ocmd;
    pokaż(ocmd, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, [](frmHist *okno) {
        QCOMPARE(oc::ui::background(okno->lblPoz[0]), 0x000000u);
        QCOMPARE(oc::ui::foreground(okno->lblPoz[0]), 0xFFFFFFu);
        QCOMPARE(oc::ui::background(okno->lblPoz[1]), 0x808080u);
        const quint32 standardowy = oc::ui::foreground(okno->lblPoz[1]);

        QTest::keyClick(okno, Qt::Key_Down);
        QTest::keyClick(okno, Qt::Key_Down);
        int podświetlone = 0;
        for (QLabel *wiersz : okno->lblPoz)
            podświetlone += oc::ui::background(wiersz) == 0x000000u;
        QCOMPARE(podświetlone, 1);
        QCOMPARE(oc::ui::background(okno->lblPoz[2]), 0x000000u);
        // A row the bar has left keeps white text; one it never reached keeps the standard colour.
        QCOMPARE(oc::ui::background(okno->lblPoz[0]), 0x808080u);
        QCOMPARE(oc::ui::foreground(okno->lblPoz[0]), 0xFFFFFFu);
        QCOMPARE(oc::ui::foreground(okno->lblPoz[3]), standardowy);
        QTest::keyClick(okno, Qt::Key_Escape);
    });
}

void TstFrmHist::windowPlacedAndFitted()
{
    oc2::Ocmd ocmd;
    QPoint położenie;
    int wysokość = 0;
    QRect zewnętrzna, wewnętrzna, okienko;
    pokaż(
        ocmd, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
        [&](frmHist *okno) {
            położenie = okno->pos();
            wysokość = okno->height();
            okienko = okno->rect();
            zewnętrzna = okno->Shape1[0]->geometry();
            wewnętrzna = okno->Shape1[1]->geometry();
            QTest::keyClick(okno, Qt::Key_Escape);
        },
        4500, 2250);
    using oc::ui::toPixels;
    QCOMPARE(położenie, QPoint(toPixels(4500), toPixels(2250)));
    // Row 0's height, plus the top of the last filled row (row 2), plus 120.
    QCOMPARE(wysokość, toPixels(240 + 360 + 2 * 240 + 120));
    QCOMPARE(zewnętrzna, okienko.adjusted(toPixels(30), toPixels(30), -toPixels(30), -toPixels(30)));
    QCOMPARE(wewnętrzna, okienko.adjusted(toPixels(60), toPixels(60), -toPixels(60), -toPixels(60)));
}

void TstFrmHist::clearListEmptiesEarlierLines()
{
    oc2::Ocmd ocmd;
    ocmd.AddHistoryPos(QStringLiteral("stara"));
    ocmd.AddHistoryPos(QStringLiteral("starsza"));
    ocmd.AddHistoryPos(QStringLiteral("najstarsza"));
    // pokaż() clears first: only the new line may be shown, Down must not reach old ones.
    const QString wynik = pokaż(ocmd, {QStringLiteral("nowa")}, [](frmHist *okno) {
        QVERIFY(okno->lblPoz[1]->text().isEmpty());
        QTest::keyClick(okno, Qt::Key_Down);
        QTest::keyClick(okno, Qt::Key_Return);
    });
    QCOMPARE(wynik, QStringLiteral("nowa"));
}

QTEST_MAIN(TstFrmHist)
#include "tst_frmhist.moc"
