#include <Ocmd.h>
#include <frmMaska.h>

#include <ui/Twips.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

using oc::frmMaska;

namespace {

// Shows the mask dialog through the component and runs act on it.
QString maska(const QVariant &tryb, const std::function<void(frmMaska *)> &act, float x = 1780, float y = 2000)
{
    bool pokazane = false;
    QTimer::singleShot(0, [&] {
        auto *okno = qobject_cast<frmMaska *>(QApplication::activeModalWidget());
        if (!okno)
            return;
        pokazane = true;
        act(okno);
        // Every act ends by closing the window; a window left open is a failure.
        if (okno->isVisible()) {
            okno->reject();
            QFAIL("the window stayed open");
        }
    });
    oc::Ocmd ocmd;
    const QString wynik = ocmd.call(u"showmaska", double(x), double(y), tryb).toString();
    // The timer of a mode that shows nothing must not fire into a later test.
    QCoreApplication::processEvents();
    return pokazane ? wynik : QStringLiteral("<nic nie pokazano>") + wynik;
}

} // namespace

class TstFrmMaska : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void titleFollowsTheMode();
    void landsAtXY();
    void otherModesShowNothing_data();
    void otherModesShowNothing();
};

void TstFrmMaska::keys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("result");

    QTest::newRow("typed mask replaces the prefilled one") << "*.TXT" << int(Qt::Key_Return) << "*.TXT";
    QTest::newRow("prefilled mask taken as it stands") << "" << int(Qt::Key_Return) << "*.*";
    QTest::newRow("keypad Enter") << "a?.c" << int(Qt::Key_Enter) << "a?.c";
    QTest::newRow("Esc gives nothing") << "*.TXT" << int(Qt::Key_Escape) << "";
}

void TstFrmMaska::keys()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, result);

    const QString wynik = maska(1, [&](frmMaska *okno) {
        QCOMPARE(okno->txtMaska->text(), QStringLiteral("*.*"));
        QWidget *pole = okno->focusWidget();
        QCOMPARE(pole, okno->txtMaska);
        if (!typed.isEmpty())
            QTest::keyClicks(pole, typed);
        QTest::keyClick(pole, Qt::Key(key));
    });
    QCOMPARE(wynik, result);
}

void TstFrmMaska::titleFollowsTheMode()
{
    QVERIFY(frmMaska(1).Label1->text().contains(QStringLiteral("Zaznacz")));
    QVERIFY(frmMaska(2).Label1->text().contains(QStringLiteral("Odznacz")));
    // The highlighted OK button also answers a click, Anuluj cancels.
    QCOMPARE(maska(qint16(2), [](frmMaska *okno) { QTest::mouseClick(okno->lblBut[0], Qt::LeftButton); }),
             QStringLiteral("*.*"));
    QCOMPARE(maska(qint16(2), [](frmMaska *okno) { QTest::mouseClick(okno->lblBut[1], Qt::LeftButton); }),
             QString());
}

void TstFrmMaska::landsAtXY()
{
    QPoint położenie;
    maska(
        2,
        [&](frmMaska *okno) {
            położenie = okno->pos();
            QTest::keyClick(okno, Qt::Key_Escape);
        },
        7090, 2000);
    QCOMPARE(położenie, QPoint(oc::ui::toPixels(7090), oc::ui::toPixels(2000)));
}

void TstFrmMaska::otherModesShowNothing_data()
{
    QTest::addColumn<QVariant>("mode");
    QTest::newRow("mode 0") << QVariant(0);
    QTest::newRow("mode 3 alone") << QVariant(3);
}

void TstFrmMaska::otherModesShowNothing()
{
    QFETCH(QVariant, mode);
    QCOMPARE(maska(mode, [](frmMaska *) {}), QStringLiteral("<nic nie pokazano>"));
}

QTEST_MAIN(TstFrmMaska)
#include "tst_frmmaska.moc"
