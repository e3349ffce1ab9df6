#include <Ocmd.h>
#include <frmFiltr.h>

#include <ui/Colors.h>
#include <ui/Twips.h>

#include <QApplication>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using oc::frmFiltr;

namespace {

// Beyond Qt's keys: a click on switch i, on OK and on Anuluj.
constexpr int Klik = 0x10000000;
constexpr int KlikOK = 0x20000000;
constexpr int KlikAnuluj = 0x30000000;
const int Dół = Qt::Key_Down, Góra = Qt::Key_Up, Spacja = Qt::Key_Space, Enter = Qt::Key_Return,
          Esc = Qt::Key_Escape, Tab = Qt::Key_Tab;

struct Przebieg
{
    bool pokazane = false;
    QString naStarcie; // the switches when the window opened, "x" on, "." off
    QString wzorzec;   // the pattern field then
};

// Shows the filter through the component, presses the keys on whatever has
// the focus, types text (given as a QString key list entry) into the
// pattern field, and returns the answer.
QString filtr(const QString &wejście, const QList<QVariant> &klawisze, Przebieg *przebieg = nullptr,
              QPoint *położenie = nullptr)
{
    Przebieg widziane;
    QTimer::singleShot(0, [&] {
        auto *okno = qobject_cast<frmFiltr *>(QApplication::activeModalWidget());
        if (!okno)
            return;
        // A failed check below must not leave the window waiting.
        auto zamknij = qScopeGuard([okno] { okno->reject(); });
        widziane.pokazane = true;
        for (oc::ui::LabelButton *pole : okno->chkPokaż)
            widziane.naStarcie += pole->caption().startsWith(QStringLiteral("[x]")) ? u'x' : u'.';
        widziane.wzorzec = okno->txtWzorzec->text();
        if (położenie)
            *położenie = okno->pos();
        for (const QVariant &klawisz : klawisze) {
            QWidget *fokus = okno->focusWidget() ? okno->focusWidget() : okno;
            if (klawisz.typeId() == QMetaType::QString) {
                QTest::keyClicks(fokus, klawisz.toString());
                continue;
            }
            const int kod = klawisz.toInt();
            if (kod >= KlikAnuluj)
                QTest::mouseClick(okno->lblBut[1], Qt::LeftButton);
            else if (kod >= KlikOK)
                QTest::mouseClick(okno->lblBut[0], Qt::LeftButton);
            else if (kod >= Klik)
                QTest::mouseClick(okno->chkPokaż[kod - Klik], Qt::LeftButton);
            else
                QTest::keyClick(fokus, Qt::Key(kod));
        }
        zamknij.dismiss();
        if (okno->isVisible()) {
            okno->reject();
            QFAIL("the window stayed open");
        }
    });
    oc::Ocmd ocmd;
    const QString wynik = ocmd.call(u"showmaska", 3615.0f, 1330.0f, wejście).toString();
    // The timer of a form that never showed must not fire into a later test.
    QCoreApplication::processEvents();
    if (przebieg)
        *przebieg = widziane;
    return widziane.pokazane ? wynik : QStringLiteral("<nic nie pokazano>") + wynik;
}

} // namespace

class TstFrmFiltr : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void startsFromTheGivenFilter_data();
    void startsFromTheGivenFilter();
    void focusWalksTheFields();
};

void TstFrmFiltr::answers_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QList<QVariant>>("keys");
    QTest::addColumn<QString>("answer");

    // Cancelling must never look like an answer: the panel would hide files.
    QTest::newRow("Esc gives nothing, also after changes")
        << "31111*.*" << QList<QVariant>{Spacja, Dół, Spacja, Esc} << "";
    QTest::newRow("Anuluj clicked") << "31111*.*" << QList<QVariant>{Spacja, KlikAnuluj} << "";
    QTest::newRow("Enter on Anuluj cancels") << "31111*.*" << QList<QVariant>{Góra, Enter} << "";
    QTest::newRow("Space on Anuluj cancels") << "31111*.*" << QList<QVariant>{Góra, Spacja} << "";
    QTest::newRow("too few switches show nothing") << "311" << QList<QVariant>{Enter} << "<nic nie pokazano>";
    QTest::newRow("the mode alone shows nothing") << "3" << QList<QVariant>{Enter} << "<nic nie pokazano>";
    // A blank pattern would list no file at all.
    QTest::newRow("an emptied pattern means every file")
        << "30001*.TXT" << QList<QVariant>{Góra, Góra, Góra, QVariant(QStringLiteral(" ")), Enter} << "0001*.*";
    QTest::newRow("the mode with switches but no pattern") << "30110" << QList<QVariant>{Enter} << "0110*.*";

    QTest::newRow("Enter keeps the filter") << "30001*.TXT" << QList<QVariant>{Enter} << "0001*.TXT";
    QTest::newRow("read-only turned on") << "30001*.TXT" << QList<QVariant>{Spacja, Enter} << "1001*.TXT";
    QTest::newRow("system turned on") << "30001*.TXT" << QList<QVariant>{Dół, Spacja, Enter} << "0101*.TXT";
    QTest::newRow("hidden turned on") << "30001*.TXT" << QList<QVariant>{Dół, Dół, Spacja, Enter} << "0011*.TXT";
    QTest::newRow("normal turned off") << "30001*.TXT" << QList<QVariant>{Dół, Dół, Dół, Spacja, Enter}
                                       << "0000*.TXT";
    QTest::newRow("every switch turned over twice")
        << "31010*.*" << QList<QVariant>{Spacja, Spacja, Dół, Spacja, Spacja, Enter} << "1010*.*";
    QTest::newRow("switch clicked") << "31111*.*" << QList<QVariant>{Klik + 2, KlikOK} << "1101*.*";
    QTest::newRow("Space on OK takes the filter") << "30101a" << QList<QVariant>{Góra, Góra, Spacja} << "0101a";
    QTest::newRow("typed pattern replaces the old one")
        << "31111*.*" << QList<QVariant>{Tab, Tab, Tab, Tab, QVariant(QStringLiteral("*.c;*.h")), Enter}
        << "1111*.c;*.h";
    QTest::newRow("blanks around the pattern dropped")
        << "31111*.*" << QList<QVariant>{Góra, Góra, Góra, QVariant(QStringLiteral("  *.txt ")), Enter} << "1111*.txt";
    QTest::newRow("Space in the pattern field types a blank")
        << "30001x" << QList<QVariant>{Góra, Góra, Góra, int(Qt::Key_End), Spacja, QVariant(QStringLiteral("y")),
                                       Enter}
        << "0001x y";
    QTest::newRow("switch characters other than 1 are off") << "3x1?1abc" << QList<QVariant>{Enter} << "0101abc";
    QTest::newRow("a pattern that looks like switches") << "311110000" << QList<QVariant>{Enter} << "11110000";
}

void TstFrmFiltr::answers()
{
    QFETCH(QString, given);
    QFETCH(QList<QVariant>, keys);
    QFETCH(QString, answer);

    QCOMPARE(filtr(given, keys), answer);
}

void TstFrmFiltr::startsFromTheGivenFilter_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("all on") << "31111*.*" << "xxxx" << "*.*";
    QTest::newRow("normal files only") << "30001*.TXT" << "...x" << "*.TXT";
    QTest::newRow("read-only and hidden") << "31010a?.b;c*" << "x.x." << "a?.b;c*";
}

void TstFrmFiltr::startsFromTheGivenFilter()
{
    QFETCH(QString, given);
    QFETCH(QString, switches);
    QFETCH(QString, pattern);

    Przebieg przebieg;
    QPoint położenie;
    filtr(given, {Esc}, &przebieg, &położenie);
    QVERIFY(przebieg.pokazane);
    QCOMPARE(przebieg.naStarcie, switches);
    QCOMPARE(przebieg.wzorzec, pattern);
    QCOMPARE(położenie, QPoint(oc::ui::toPixels(3615), oc::ui::toPixels(1330)));
}

void TstFrmFiltr::focusWalksTheFields()
{
    // Down and Tab forward, Up back, each wrapping; the pattern field holds
    // the real focus, every other field the highlight.
    frmFiltr okno(oc::Filtr{{true, true, true, true}, QStringLiteral("*.*")});
    QTimer::singleShot(0, [&] {
        const auto zamknij = qScopeGuard([&] { okno.reject(); });
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        QCOMPARE(okno.Pole, 1);
        QCOMPARE(oc::ui::background(okno.chkPokaż[0]), 0x0080FFFFu);
        QTest::keyClick(&okno, Qt::Key_Up);
        QCOMPARE(okno.Pole, 7);
        QCOMPARE(oc::ui::background(okno.chkPokaż[0]), 0x00808080u);
        QCOMPARE(oc::ui::background(okno.lblBut[1]), 0x0080FFFFu);
        QTest::keyClick(&okno, Qt::Key_Down);
        QCOMPARE(okno.Pole, 1);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(okno.focusWidget() ? okno.focusWidget() : &okno, Qt::Key_Tab);
        QCOMPARE(okno.Pole, 5);
        QCOMPARE(okno.focusWidget(), okno.txtWzorzec);
        QTest::keyClick(okno.txtWzorzec, Qt::Key_Down);
        QCOMPARE(okno.Pole, 6);
        QVERIFY(okno.focusWidget() != okno.txtWzorzec);
        QTest::mouseClick(okno.txtWzorzec, Qt::LeftButton);
        QCOMPARE(okno.Pole, 5);
        QCOMPARE(oc::ui::background(okno.lblBut[0]), 0x00FFFFFFu);
    });
    okno.exec();
}

QTEST_MAIN(TstFrmFiltr)
#include "tst_frmfiltr.moc"
