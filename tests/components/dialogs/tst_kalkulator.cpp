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

// Key strokes for the window: typed text, or Qt keys written as {Name}.
void stuknij(QWidget *okno, const QString &klawisze)
{
    static const QHash<QString, Qt::Key> nazwane{
        {QStringLiteral("Enter"), Qt::Key_Return}, {QStringLiteral("Back"), Qt::Key_Backspace},
        {QStringLiteral("Del"), Qt::Key_Delete},   {QStringLiteral("Esc"), Qt::Key_Escape},
    };
    for (qsizetype i = 0; i < klawisze.size(); ++i) {
        const qsizetype koniec = klawisze.indexOf(u'}', i);
        if (klawisze.at(i) == u'{' && koniec > i) {
            QTest::keyClick(okno, nazwane.value(klawisze.mid(i + 1, koniec - i - 1)));
            i = koniec;
        } else {
            QTest::keyClicks(okno, klawisze.at(i));
        }
    }
}

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
    QTest::newRow("zero by zero") << "0/0=" << PrzezZero;
    QTest::newRow("division by zero met in a chain") << "6/0+" << PrzezZero;
    QTest::newRow("division by a zero typed as 0,000") << "5/0,000=" << PrzezZero;
    QTest::newRow("operations after the message are ignored") << "8/0=+=*" << PrzezZero;
    QTest::newRow("a digit after the message starts afresh") << "8/0=4+1=" << "5";
    QTest::newRow("C after the message") << "8/0=C" << "0";
    QTest::newRow("erasing after the message clears it") << "8/0=\b" << "0";
    QTest::newRow("overflow") << "999999999999999*=*=*=*=*=" << ZaDuży;
    // Never more digits than a double keeps.
    QTest::newRow("the sixteenth digit is refused") << "1234567890123456789" << "123456789012345";
    QTest::newRow("digits after the comma count too") << "0,12345678901234567" << "0,12345678901234";
    QTest::newRow("fifteen digits come out whole") << "123456789012345+0=" << "123456789012345";

    QTest::newRow("decimal comma") << "1,5+2,25=" << "3,75";
    QTest::newRow("a point is a comma") << "1.5*2=" << "3";
    QTest::newRow("a second comma is ignored") << "1,2,3" << "1,23";
    QTest::newRow("a leading comma means 0,") << ",5+1=" << "1,5";
    QTest::newRow("a comma alone shows 0,") << "," << "0,";
    QTest::newRow("no binary noise") << "0,1+0,2=" << "0,3";
    QTest::newRow("a third") << "1/3=" << "0,333333333333333";
    QTest::newRow("leading zeros dropped") << "007" << "7";

    QTest::newRow("chained left to right") << "2+3*4=" << "20";
    QTest::newRow("chain shows the running result") << "10-2-" << "8";
    QTest::newRow("chain goes on from a result") << "2+3=*4=" << "20";
    QTest::newRow("a second operation key replaces the first") << "5+*2=" << "10";
    QTest::newRow("the missing argument is the number shown") << "5*=" << "25";
    QTest::newRow("a negative result") << "3-5=" << "-2";
    QTest::newRow("minus zero shows as zero") << "0-1=*0=" << "0";
    QTest::newRow("a number typed after = starts a new sum") << "2+3=7+1=" << "8";
    QTest::newRow("= alone keeps the number") << "42=" << "42";
    QTest::newRow("large results in exponent form") << "999999999999999*1000=" << "9,99999999999999e+17";

    QTest::newRow("erasing a digit") << "123\b" << "12";
    QTest::newRow("erasing every digit leaves 0") << "5\b\b" << "0";
    QTest::newRow("an erased argument counts as 0") << "2+5\b=" << "2";
    QTest::newRow("a result cannot be erased") << "2+3=\b" << "5";
    QTest::newRow("C clears the waiting operation") << "2+3C4=" << "4";
    QTest::newRow("other characters change nothing") << "1x%a 2" << "12";
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
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("result");

    QTest::newRow("division by zero in the window") << "7/0{Enter}{Esc}" << PrzezZero;
    QTest::newRow("Enter is =") << "12,5*2{Enter}{Esc}" << "25";
    QTest::newRow("= key") << "9-10={Esc}" << "-1";
    QTest::newRow("Backspace erases") << "123{Back}{Esc}" << "12";
    QTest::newRow("Delete clears") << "123+4{Del}{Esc}" << "0";
    QTest::newRow("c clears") << "5c{Esc}" << "0";
    QTest::newRow("Esc at once") << "{Esc}" << "0";
}

void TstKalkulator::window()
{
    QFETCH(QString, keys);
    QFETCH(QString, result);

    QPoint położenie;
    QTimer::singleShot(0, [&] {
        auto *okno = qobject_cast<frmKalkulator *>(QApplication::activeModalWidget());
        QVERIFY(okno);
        położenie = okno->pos();
        stuknij(okno, keys);
        if (okno->isVisible()) {
            okno->reject();
            QFAIL("the window stayed open");
        }
        QCOMPARE(okno->lblWynik->text(), result);
    });
    oc::Ocmd ocmd;
    QCOMPARE(ocmd.call(u"Kalkulator", 3700.0f, 1600.0f).toString(), result);
    QCOMPARE(położenie, QPoint(oc::ui::toPixels(3700), oc::ui::toPixels(1600)));
}

void TstKalkulator::keysClicked()
{
    frmKalkulator okno;
    QTimer::singleShot(0, [&] {
        // 9 ÷ 4 = with the mouse, then the keyboard goes on from the result.
        for (const char *napis : {"9", "÷", "4", "="})
            for (oc::ui::LabelButton *klawisz : okno.cmdKlawisz)
                if (klawisz->caption() == QString::fromUtf8(napis))
                    QTest::mouseClick(klawisz, Qt::LeftButton);
        QCOMPARE(okno.lblWynik->text(), QStringLiteral("2,25"));
        stuknij(&okno, QStringLiteral("*4={Esc}"));
    });
    okno.exec();
    QCOMPARE(okno.Wynik, QStringLiteral("9"));
}

QTEST_MAIN(TstKalkulator)
#include "tst_kalkulator.moc"
