#include "OknoTestowe.h"

#include <actions/Sloty.h>
#include <ui/Twips.h>

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Closing the main window: the exit question and the saved directories.
class TestExit : public QObject
{
    Q_OBJECT

private slots:
    void answeredNoStaysOpen();
    void answeredYesSavesTwoLines_data();
    void answeredYesSavesTwoLines();
    void withoutQuestion();
};

namespace {

QString oc_pth(const OknoTestowe &test) { return test.ProgramDir() + QStringLiteral("/data/oc.pth"); }

} // namespace

void TestExit::answeredNoStaysOpen()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    test.komunikaty->answers[QStringLiteral("notebox2")] = {1};
    QWidget gra(nullptr, Qt::Window | Qt::FramelessWindowHint);
    gra.show();
    QVERIFY(!okno.close());
    QVERIFY(okno.isVisible());
    QVERIFY(gra.isVisible());
    QVERIFY(!QFile::exists(oc_pth(test)));
    QVERIFY(okno.Komponenty().Komunikaty && okno.Komponenty().Dialogi && okno.Komponenty().Menu);

    const auto pytania = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    QCOMPARE(pytania.size(), 1);
    const QVariantList &a = pytania[0].args;
    QCOMPARE(a.size(), 7);
    QCOMPARE(a[0].toInt(), oc::ui::toTwips(okno.x()) + 2200);
    QCOMPARE(a[1].toInt(), oc::ui::toTwips(okno.y()) + 1700);
    QCOMPARE(a[2].toString(), QStringLiteral("Orvane Commander - koniec"));
    QCOMPARE(a[3].toInt(), 4);
    QCOMPARE(a[4].toInt(), 4);
    QCOMPARE(a[5].toInt(), 0);
    QCOMPARE(a[6].toString(), QStringLiteral("Chcesz zakończyć pracę z programem ?"));
}

void TestExit::answeredYesSavesTwoLines_data()
{
    QTest::addColumn<bool>("korzeń");
    QTest::newRow("two directories") << false;
    QTest::newRow("right panel at the root") << true;
}

void TestExit::answeredYesSavesTwoLines()
{
    QFETCH(bool, korzeń);
    QTemporaryDir tmp;
    QTemporaryDir drugi;
    OknoTestowe test;
    const QString prawy = korzeń ? QStringLiteral("/") : drugi.path();
    frmMain &okno = test.Otwórz(tmp.path(), prawy);
    test.komunikaty->answers[QStringLiteral("notebox2")] = {0};
    okno.Komponenty().Historia = std::make_shared<ScriptedComponent>(std::make_shared<ScriptedComponent::Record>());
    // Windows of their own (the game, its start window) go too, or the
    // program would live on behind them.
    QWidget gra(nullptr, Qt::Window | Qt::FramelessWindowHint);
    QDialog start;
    gra.show();
    start.show();
    QVERIFY(okno.close());
    QVERIFY(!gra.isVisible());
    QVERIFY(!start.isVisible());
    QFile plik(oc_pth(test));
    QVERIFY(plik.open(QIODevice::ReadOnly));
    QCOMPARE(plik.readAll(), (tmp.path() + u'\n' + prawy + u'\n').toUtf8());
    QVERIFY(!okno.Komponenty().Komunikaty);
    QVERIFY(!okno.Komponenty().Dialogi);
    QVERIFY(!okno.Komponenty().Menu);
    // A count on a worker may still be using the history component.
    QVERIFY(okno.Komponenty().Historia);
    QCOMPARE(okno.Widok(1).Stan.Nazwy.size(), size_t(1));
}

void TestExit::withoutQuestion()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.BezPytania = true;
    QVERIFY(okno.close());
    QVERIFY(test.komunikaty->calls.isEmpty());
    QVERIFY(QFile::exists(oc_pth(test)));
}

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
