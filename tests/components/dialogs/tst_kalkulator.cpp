#include <Kalkulator.h>
#include <Ocmd.h>
#include <frmKalkulator.h>

#include <ui/Twips.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

using oc::frmKalkulator;

namespace {

const QString PrzezZero = QStringLiteral("Nie można dzielić przez zero");
const QString ZaDuży = QStringLiteral("Wynik jest za duży");

} // namespace

class TstKalkulator : public QObject
{
    Q_OBJECT

private slots:
    void sequences_data();
    void sequences();
    void window_data();
    void window();
    void keysClicked();
};

void TstKalkulator::sequences_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");

    // Failures: a message, never a crash or a number that is not one.
    QTest::newRow("division by zero") << "8/0=" << PrzezZero;
    QTest::newRow("division by zero met in a chain") << "6/0+" << PrzezZero;
    QTest::newRow("operations after the message are ignored") << "8/0=+=*" << PrzezZero;
    QTest::newRow("a digit after the message starts afresh") << "8/0=4+1=" << "5";
    QTest::newRow("overflow") << "999999999999999*=*=*=*=*=" << ZaDuży;
    // Never more digits than a double keeps.
    QTest::newRow("the sixteenth digit is refused") << "1234567890123456789" << "123456789012345";

    QTest::newRow("decimal comma") << "1,5+2,25=" << "3,75";
    QTest::newRow("a point is a comma") << "1.5*2=" << "3";
    QTest::newRow("a second comma is ignored") << "1,2,3" << "1,23";
    QTest::newRow("a leading comma means 0,") << ",5+1=" << "1,5";
    QTest::newRow("no binary noise") << "0,1+0,2=" << "0,3";

    QTest::newRow("chained left to right") << "2+3*4=" << "20";
    QTest::newRow("chain goes on from a result") << "2+3=*4=" << "20";
    QTest::newRow("a second operation key replaces the first") << "5+*2=" << "10";
    QTest::newRow("the missing argument is the number shown") << "5*=" << "25";
    QTest::newRow("a negative result") << "3-5=" << "-2";
    QTest::newRow("minus zero shows as zero") << "0-1=*0=" << "0";

    QTest::newRow("erasing every digit leaves 0") << "5\b\b" << "0";
    QTest::newRow("an erased argument counts as 0") << "2+5\b=" << "2";
    QTest::newRow("C clears the waiting operation") << "2+3C4=" << "4";
}

void TstKalkulator::sequences()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);

    oc::Kalkulator kalkulator;
    QCOMPARE(kalkulator.Wyświetlacz(), QStringLiteral("0"));
    for (QChar klawisz : keys)
        kalkulator.Naciśnij(klawisz);
    QCOMPARE(kalkulator.Wyświetlacz(), display);
    QCOMPARE(kalkulator.Błąd(), display == PrzezZero || display == ZaDuży);
}

void TstKalkulator::window_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key"); // pressed after the typed text, before Esc closes
    QTest::addColumn<QString>("result");

    QTest::newRow("division by zero in the window") << "7/0" << int(Qt::Key_Return) << PrzezZero;
    QTest::newRow("keypad Enter is =") << "12,5*2" << int(Qt::Key_Enter) << "25";
    QTest::newRow("Backspace erases") << "123" << int(Qt::Key_Backspace) << "12";
    QTest::newRow("Delete clears") << "123+4" << int(Qt::Key_Delete) << "0";
    QTest::newRow("Esc at once") << "" << int(Qt::Key_Escape) << "0";
}

void TstKalkulator::window()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, result);

    QPoint położenie;
    QString pokazane;
    QTimer::singleShot(0, [&] {
        auto *okno = qobject_cast<frmKalkulator *>(QApplication::activeModalWidget());
        QVERIFY(okno);
        położenie = okno->pos();
        QTest::keyClicks(okno, typed);
        QTest::keyClick(okno, Qt::Key(key));
        pokazane = okno->lblWynik->text();
        QTest::keyClick(okno, Qt::Key_Escape);
        if (okno->isVisible()) {
            okno->reject();
            QFAIL("the window stayed open");
        }
    });
    oc::Ocmd ocmd;
    QCOMPARE(ocmd.call(u"Kalkulator", 3700.0f, 1600.0f).toString(), result);
    QCOMPARE(pokazane, result);
    QCOMPARE(położenie, QPoint(oc::ui::toPixels(3700), oc::ui::toPixels(1600)));
}

void TstKalkulator::keysClicked()
{
    frmKalkulator okno;
    QString poKliknięciach;
    QTimer::singleShot(0, [&] {
        // 9 ÷ 4 = with the mouse, then the keyboard goes on from the result.
        for (const char *napis : {"9", "÷", "4", "="})
            for (oc::ui::LabelButton *klawisz : okno.cmdKlawisz)
                if (klawisz->caption() == QString::fromUtf8(napis))
                    QTest::mouseClick(klawisz, Qt::LeftButton);
        poKliknięciach = okno.lblWynik->text();
        QTest::keyClicks(&okno, QStringLiteral("*4="));
        QTest::keyClick(&okno, Qt::Key_Escape);
    });
    okno.exec();
    QCOMPARE(poKliknięciach, QStringLiteral("2,25"));
    QCOMPARE(okno.Wynik, QStringLiteral("9"));
}

QTEST_MAIN(TstKalkulator)
#include "tst_kalkulator.moc"
