#include "OknoTestowe.h"

#include <RecordingStarter.h>
#include <TempRegistry.h>
#include <component/createObject.h>
#include <platform/Shell.h>
#include <actions/Sloty.h>

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>

using oc::test::RecordingStarter;

// Alt+F8 through the registered history component and its real window.
class TestHistoriaOc2 : public QObject
{
    Q_OBJECT

private slots:
    void escapeChoosesNothingEnterRunsTheLine();
};

namespace {

// Presses keys in the modal history window once its rows are filled.
void NaciśnijWOknie(QList<Qt::Key> klawisze, QString pierwszyWiersz)
{
    QTimer::singleShot(0, [klawisze, pierwszyWiersz] {
        QWidget *okno = QApplication::activeModalWidget();
        QVERIFY(okno);
        QVERIFY(QTest::qWaitFor([okno, pierwszyWiersz] {
            const QList<QLabel *> wiersze = okno->findChildren<QLabel *>();
            return std::any_of(wiersze.begin(), wiersze.end(),
                               [&](QLabel *w) { return w->text() == pierwszyWiersz; });
        }));
        for (Qt::Key klawisz : klawisze)
            QTest::keyClick(okno, klawisz);
    });
}

} // namespace

void TestHistoriaOc2::escapeChoosesNothingEnterRunsTheLine()
{
    oc::test::TempRegistry rejestr;
    QCOMPARE(rejestr.registerLibraries({QStringLiteral("oc2.so")}), 0);
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.tmrKursor->stop();
    okno.Komponenty().Historia = oc::createObject(QStringLiteral("oc2.Ocmd"));
    RecordingStarter starter;
    for (const char *linia : {"make", "make install"}) {
        QTest::keyClicks(&okno, QString::fromLatin1(linia));
        QTest::keyClick(&okno, Qt::Key_Return);
    }
    QCOMPARE(starter.calls.size(), 2);

    NaciśnijWOknie({Qt::Key_Escape}, QStringLiteral("make"));
    QTest::keyClick(&okno, Qt::Key_F8, Qt::AltModifier);
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("_"));
    QTest::qWait(50);
    QCOMPARE(starter.calls.size(), 2);

    NaciśnijWOknie({Qt::Key_Down, Qt::Key_Return}, QStringLiteral("make"));
    QTest::keyClick(&okno, Qt::Key_F8, Qt::AltModifier);
    QTRY_COMPARE(starter.calls.size(), 3);
    QCOMPARE(starter.calls.last().arguments,
             oc::platform::interpreterCommand(QStringLiteral("make install")).arguments);
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("_"));
    okno.Komponenty().Historia.reset();
}

QTEST_MAIN(TestHistoriaOc2)
#include "tst_historia_oc2.moc"
