#include <Ocmd.h>
#include <frmFiltr.h>

#include <ui/Twips.h>

#include <QApplication>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using oc::frmFiltr;

namespace {

// Beyond Qt's keys: a click on switch i, on OK and on Anuluj; text is typed.
constexpr int Klik = 0x10000000;
constexpr int KlikOK = 0x20000000;
constexpr int KlikAnuluj = 0x30000000;
const int Dół = Qt::Key_Down, Góra = Qt::Key_Up, Spacja = Qt::Key_Space, Enter = Qt::Key_Return,
          Esc = Qt::Key_Escape, Tab = Qt::Key_Tab;

// Shows the filter through the component at its place and works it with the
// keys, each sent to whatever has the focus.
QString filtr(const QString &wejście, const QList<QVariant> &klawisze)
{
    bool pokazane = false;
    QTimer::singleShot(0, [&] {
        auto *okno = qobject_cast<frmFiltr *>(QApplication::activeModalWidget());
        if (!okno)
            return;
        // A failed check must not leave the window waiting.
        auto zamknij = qScopeGuard([okno] { okno->reject(); });
        pokazane = true;
        QCOMPARE(okno->pos(), QPoint(oc::ui::toPixels(3615), oc::ui::toPixels(1330)));
        for (const QVariant &klawisz : klawisze) {
            QWidget *fokus = okno->focusWidget() ? okno->focusWidget() : okno;
            const int kod = klawisz.toInt();
            if (klawisz.typeId() == QMetaType::QString)
                QTest::keyClicks(fokus, klawisz.toString());
            else if (kod >= KlikOK)
                QTest::mouseClick(okno->lblBut[kod >= KlikAnuluj], Qt::LeftButton);
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
    return pokazane ? wynik : QStringLiteral("<nic nie pokazano>") + wynik;
}

} // namespace

class TstFrmFiltr : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
};

void TstFrmFiltr::answers_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QList<QVariant>>("keys");
    QTest::addColumn<QString>("answer");

    // Cancelling must never look like an answer, nor an answer hide every file.
    QTest::newRow("Esc gives nothing, also after changes")
        << "31111*.*" << QList<QVariant>{Spacja, Dół, Spacja, Esc} << "";
    QTest::newRow("Anuluj clicked") << "31111*.*" << QList<QVariant>{Spacja, KlikAnuluj} << "";
    QTest::newRow("Enter on Anuluj cancels") << "31111*.*" << QList<QVariant>{Góra, Enter} << "";
    QTest::newRow("too few switches show nothing") << "311" << QList<QVariant>{Enter} << "<nic nie pokazano>";
    QTest::newRow("an emptied pattern means every file")
        << "30001*.TXT" << QList<QVariant>{Góra, Góra, Góra, QVariant(QStringLiteral(" ")), Enter} << "0001*.*";

    QTest::newRow("Enter keeps the filter") << "30001*.TXT" << QList<QVariant>{Enter} << "0001*.TXT";
    QTest::newRow("read-only turned on") << "30001*.TXT" << QList<QVariant>{Spacja, Enter} << "1001*.TXT";
    QTest::newRow("system turned on") << "30001*.TXT" << QList<QVariant>{Dół, Spacja, Enter} << "0101*.TXT";
    QTest::newRow("hidden turned on") << "30001*.TXT" << QList<QVariant>{Dół, Dół, Spacja, Enter} << "0011*.TXT";
    QTest::newRow("normal turned off") << "30001*.TXT" << QList<QVariant>{Dół, Dół, Dół, Spacja, Enter}
                                       << "0000*.TXT";
    QTest::newRow("switch clicked, OK clicked") << "31111*.*" << QList<QVariant>{Klik + 2, KlikOK} << "1101*.*";
    QTest::newRow("typed pattern, reached with Tab")
        << "31111*.*" << QList<QVariant>{Tab, Tab, Tab, Tab, QVariant(QStringLiteral("*.c;*.h")), Enter}
        << "1111*.c;*.h";
    QTest::newRow("Space in the pattern field types a blank")
        << "30001x" << QList<QVariant>{Góra, Góra, Góra, int(Qt::Key_End), Spacja, QVariant(QStringLiteral("y")), Enter}
        << "0001x y";
    QTest::newRow("switch characters other than 1 are off") << "3x1?1abc" << QList<QVariant>{Enter} << "0101abc";
}

void TstFrmFiltr::answers()
{
    QFETCH(QString, given);
    QFETCH(QList<QVariant>, keys);
    QFETCH(QString, answer);

    QCOMPARE(filtr(given, keys), answer);
}

QTEST_MAIN(TstFrmFiltr)
#include "tst_frmfiltr.moc"
