#include <Falrow.h>
#include <Falrow2.h>

#include <ui/Colors.h>
#include <ui/LabelButton.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

using ocfalrow::Falrow;
using ocfalrow::Falrow2;
using ocfalrow::Gra;

namespace {

constexpr int Tyk = -1;       // a tick of the game's clock, in a list of keys
constexpr int Klik = -100;    // Klik - n: a click on field n of the start dialog
constexpr int Godzina = 3600000;

template <class W>
W *widoczne()
{
    for (QWidget *okno : QApplication::topLevelWidgets())
        if (auto *w = qobject_cast<W *>(okno); w && w->isVisible())
            return w;
    return nullptr;
}

// Closes whatever a test left open, so that the next one starts alone.
void sprzątnij()
{
    for (QWidget *okno : QApplication::topLevelWidgets())
        if (okno->isVisible())
            okno->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget *pole(const Falrow2 &okno, int numer)
{
    if (numer < 3)
        return okno.Label4[numer];
    return numer == 3 ? okno.Label5[1] : okno.Label5[0];
}

// Every board and preview cell shows what the game holds.
bool pokazujeStan(const Falrow &okno)
{
    for (int i = 0; i < int(okno.Shape1.size()); ++i)
        if (oc::ui::background(okno.Shape1[i]) != okno.Stan.Kolory[i])
            return false;
    for (int i = 0; i < int(okno.Shape3.size()); ++i)
        if (oc::ui::background(okno.Shape3[i]) != okno.Stan.Podgląd[i])
            return false;
    return true;
}

} // namespace

class TstFalrow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { sprzątnij(); }
    void startDialog_data();
    void startDialog();
    void gameKeys_data();
    void gameKeys();
};

void TstFalrow::startDialog_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("speed"); // 0: no game started
    QTest::addColumn<QStringList>("levels");
    QTest::addColumn<int>("focus");

    const QStringList średni{"[  ] Łatwy", "[o] Średni", "[  ] Trudny"};
    const QStringList łatwy{"[o] Łatwy", "[  ] Średni", "[  ] Trudny"};
    const QStringList trudny{"[  ] Łatwy", "[  ] Średni", "[o] Trudny"};
    QTest::newRow("Left from the first field wraps to Graj: the middle level")
        << QList<int>{Qt::Key_Left, Qt::Key_Return} << 125 << średni << 4;
    QTest::newRow("Enter chooses Łatwy, Up wraps to Graj")
        << QList<int>{Qt::Key_Return, Qt::Key_Up, Qt::Key_Return} << 275 << łatwy << 4;
    QTest::newRow("Space chooses Trudny, Right twice to Graj")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space}
        << 40 << trudny << 4;
    QTest::newRow("Right from Graj wraps to the first field")
        << QList<int>{Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_Escape} << 0 << łatwy << 0;
    QTest::newRow("clicks choose and play") << QList<int>{Klik - 2, Klik - 4} << 40 << trudny << 0;
    QTest::newRow("Enter on Zakończ") << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Return} << 0 << średni << 3;
    QTest::newRow("Esc") << QList<int>{Qt::Key_Down, Qt::Key_Escape} << 0 << średni << 1;
    QTest::newRow("F10") << QList<int>{Qt::Key_F10} << 0 << średni << 0;
}

void TstFalrow::startDialog()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, speed);
    QFETCH(QStringList, levels);
    QFETCH(int, focus);

    Falrow2 okno;
    QCOMPARE(oc::ui::background(pole(okno, 0)), 0x00FF8080u);
    QTimer::singleShot(0, [&] {
        QCOMPARE(QApplication::activeModalWidget(), &okno);
        for (int key : keys) {
            if (key <= Klik)
                QTest::mouseClick(pole(okno, Klik - key), Qt::LeftButton);
            else
                QTest::keyClick(&okno, Qt::Key(key));
        }
        if (okno.isVisible()) {
            okno.reject();
            QFAIL("the dialog stayed open");
        }
    });
    okno.exec();

    QStringList poziomy;
    for (const auto *etykieta : okno.Label4)
        poziomy << etykieta->caption();
    QCOMPARE(poziomy, levels);
    for (int numer = 0; numer < 5; ++numer) {
        const quint32 tło = numer == focus ? 0x00FF8080 : numer < 3 ? 0x00000000 : 0x0080FFFF;
        QCOMPARE(oc::ui::background(pole(okno, numer)), tło);
    }

    Falrow *gra = widoczne<Falrow>();
    QCOMPARE(gra != nullptr, speed != 0);
    if (!gra)
        return;
    QCOMPARE(gra->Timer1->interval(), speed);
    QCOMPARE(gra->Label3->text(), QStringLiteral("0"));
    // The clock brings the first piece.
    QVERIFY(QTest::qWaitFor([gra] { return gra->Stan.Wynik == 0 && gra->Stan.Rodzaj != 0; }));
    QVERIFY(pokazujeStan(*gra));
}

void TstFalrow::gameKeys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<int>("column"); // PozX

    QTest::newRow("P hides the board and keeps the piece still")
        << QList<int>{Tyk, Qt::Key_P, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down} << true << true << 4;
    QTest::newRow("P again resumes") << QList<int>{Tyk, Qt::Key_P, Qt::Key_P, Qt::Key_Left} << true << false << 3;
    QTest::newRow("F10 ends a paused game") << QList<int>{Tyk, Qt::Key_P, Qt::Key_F10} << false << false << 4;
    QTest::newRow("Down drops, the next tick scores") << QList<int>{Tyk, Qt::Key_Down, Tyk} << true << false << 4;
}

void TstFalrow::gameKeys()
{
    QFETCH(QList<int>, keys);
    QFETCH(bool, open);
    QFETCH(bool, paused);
    QFETCH(int, column);

    // The clock is left to the test.
    auto *okno = new Falrow(Godzina, Gra::zZiarna(5));
    okno->show();
    QPointer<Falrow> gra(okno);
    for (int key : keys) {
        if (key == Tyk)
            okno->Timer1_Timer();
        else
            QTest::keyClick(okno, Qt::Key(key));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Falrow2 *start = widoczne<Falrow2>();
    QCOMPARE(bool(gra), open);
    QCOMPARE(start != nullptr, !open);
    if (!open) {
        QVERIFY(!start->isModal());
        QTest::keyClick(start, Qt::Key_Escape);
        QVERIFY(!start->isVisible());
        return;
    }
    QCOMPARE(okno->Stan.PozX, column);
    QCOMPARE(!okno->Timer1->isActive(), paused);
    QCOMPARE(okno->Label5->isVisible(), paused);
    QCOMPARE(okno->Label6->isVisible(), paused);
    QCOMPARE(okno->Label3->text(), QString::number(okno->Stan.Wynik));
    QVERIFY(pokazujeStan(*okno));
}

QTEST_MAIN(TstFalrow)
#include "tst_falrow.moc"
