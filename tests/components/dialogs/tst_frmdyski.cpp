#include <Ocmd.h>
#include <frmDyski.h>

#include <ui/Colors.h>
#include <ui/Twips.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <functional>

using oc::frmDyski;

namespace {

// Runs act on the modal window as soon as the event loop of exec() turns.
void wTrakcie(const std::function<void(frmDyski *)> &act)
{
    QTimer::singleShot(0, [act] {
        auto *okno = qobject_cast<frmDyski *>(QApplication::activeModalWidget());
        QVERIFY(okno);
        act(okno);
        // Every act ends by closing the window; a window left open is a failure.
        if (okno->isVisible()) {
            okno->reject();
            QFAIL("the window stayed open");
        }
    });
}

QList<oc::platform::Volume> trzyDyski()
{
    QList<oc::platform::Volume> dyski;
    for (const char *punkt : {"/", "/home", "/mnt/dane & kopie"}) {
        oc::platform::Volume dysk;
        dysk.mountPoint = QString::fromUtf8(punkt);
        dysk.freeBytes = qint64(3) << 30;
        dyski << dysk;
    }
    dyski[2].label = QStringLiteral("Zdjęcia");
    return dyski;
}

} // namespace

class TstFrmDyski : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void clickTakesTheRow();
    void titleNamesThePanel();
    void realVolumes_data();
    void realVolumes();
    void landsAtXY();
    void pathHighlightsItsVolume();
};

void TstFrmDyski::keys_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("result");

    const int down = Qt::Key_Down, up = Qt::Key_Up, enter = Qt::Key_Return;
    QTest::newRow("the current volume is highlighted first") << "/home" << QList<int>{enter} << "/home";
    QTest::newRow("unknown current: first row") << "Z" << QList<int>{enter} << "/";
    QTest::newRow("Down stops on the last row") << "/home" << QList<int>{down, down, down, enter}
                                                << "/mnt/dane & kopie";
    QTest::newRow("Up stops on the first row") << "/" << QList<int>{up, enter} << "/";
    QTest::newRow("End, then Home") << "/" << QList<int>{int(Qt::Key_End), int(Qt::Key_Home), enter} << "/";
    QTest::newRow("End takes the last") << "/" << QList<int>{int(Qt::Key_End), enter} << "/mnt/dane & kopie";
    QTest::newRow("Esc takes nothing") << "/home" << QList<int>{down, int(Qt::Key_Escape)} << "";
}

void TstFrmDyski::keys()
{
    QFETCH(QString, current);
    QFETCH(QList<int>, keys);
    QFETCH(QString, result);

    frmDyski okno(trzyDyski(), current, 1);
    wTrakcie([&](frmDyski *aktywne) {
        QCOMPARE(aktywne, &okno);
        for (int key : keys)
            QTest::keyClick(aktywne, Qt::Key(key));
    });
    okno.exec();
    QCOMPARE(okno.Wynik, result);
    // One highlighted row, the one that was taken.
    int podświetlone = 0;
    for (QWidget *wiersz : okno.lblDysk)
        podświetlone += oc::ui::background(wiersz) == 0x0080FFFFu;
    QCOMPARE(podświetlone, 1);
}

void TstFrmDyski::clickTakesTheRow()
{
    frmDyski okno(trzyDyski(), QStringLiteral("/"), 2);
    wTrakcie([](frmDyski *aktywne) { QTest::mouseClick(aktywne->lblDysk[2], Qt::LeftButton); });
    QCOMPARE(okno.exec(), int(QDialog::Accepted));
    QCOMPARE(okno.Wynik, QStringLiteral("/mnt/dane & kopie"));
    QCOMPARE(okno.Wiersz, 2);
}

void TstFrmDyski::titleNamesThePanel()
{
    QVERIFY(frmDyski(trzyDyski(), {}, 1).Label1->text().contains(QStringLiteral("lewy")));
    QVERIFY(frmDyski(trzyDyski(), {}, 2).Label1->text().contains(QStringLiteral("prawy")));
}

void TstFrmDyski::realVolumes_data()
{
    QTest::addColumn<int>("start"); // -1: the last volume
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("chosen"); // -1: the last volume, -2: cancelled

    QTest::newRow("Enter takes the panel's volume") << -1 << QList<int>{int(Qt::Key_Return)} << -1;
    QTest::newRow("Down then Enter takes the next") << 0 << QList<int>{int(Qt::Key_Down), int(Qt::Key_Return)} << 1;
    QTest::newRow("Esc gives nothing") << 0 << QList<int>{int(Qt::Key_Escape)} << -2;
}

void TstFrmDyski::realVolumes()
{
    QFETCH(int, start);
    QFETCH(QList<int>, keys);
    QFETCH(int, chosen);

    const QList<oc::platform::Volume> dyski = oc::platform::volumes();
    if (dyski.isEmpty())
        QSKIP("this machine lists no volumes");
    if (chosen >= dyski.size())
        QSKIP("this machine has a single volume: there is no next one");

    if (start == -1)
        start = int(dyski.size()) - 1;
    QString expected;
    if (chosen >= 0)
        expected = dyski.at(chosen).mountPoint;
    else if (chosen == -1)
        expected = dyski.last().mountPoint;

    oc::Ocmd ocmd;
    wTrakcie([&](frmDyski *okno) {
        for (int key : keys)
            QTest::keyClick(okno, Qt::Key(key));
    });
    const QVariant wynik = ocmd.call(u"wybierzdysk", 1680.0, 1900.0, dyski.at(start).mountPoint, qint16(1));
    QCOMPARE(wynik.toString(), expected);
}

void TstFrmDyski::landsAtXY()
{
    oc::Ocmd ocmd;
    QPoint położenie;
    wTrakcie([&](frmDyski *okno) {
        położenie = okno->pos();
        QTest::keyClick(okno, Qt::Key_Escape);
    });
    ocmd.WybierzDysk(7000, 1900, QStringLiteral("/"), 2);
    QCOMPARE(położenie, QPoint(oc::ui::toPixels(7000), oc::ui::toPixels(1900)));
}

void TstFrmDyski::pathHighlightsItsVolume()
{
    // A directory rather than a mount point highlights the volume that holds it.
    const QString katalog = QDir::homePath();
    const QString wolumin = oc::platform::volumeOf(katalog);
    if (wolumin.isEmpty())
        QSKIP("the home directory lies on no listed volume");
    oc::Ocmd ocmd;
    wTrakcie([](frmDyski *okno) { QTest::keyClick(okno, Qt::Key_Return); });
    QCOMPARE(ocmd.WybierzDysk(0, 0, katalog, 1), wolumin);
}

QTEST_MAIN(TstFrmDyski)
#include "tst_frmdyski.moc"
