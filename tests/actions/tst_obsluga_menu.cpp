#include "OknoTestowe.h"

#include <RecordingStarter.h>
#include <actions/ObslugaMenu.h>
#include <actions/Sloty.h>
#include <actions/Wywolanie.h>
#include <platform/Paths.h>
#include <ui/Twips.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using oc::test::RecordingStarter;

// The menu's choices carried out: which component operation each pair
// reaches, the file filter, and the ways of opening the menu.
class TestObslugaMenu : public QObject
{
    Q_OBJECT
private slots:
    void pairsReachTheirCommands_data();
    void pairsReachTheirCommands();
    void filter_data();
    void filter();
    void openingTheMenu_data();
    void openingTheMenu();
    void helpKeys();
};

void TestObslugaMenu::pairsReachTheirCommands_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("dialog");   // the dialog component's operation, "" for none
    QTest::addColumn<QString>("message");  // the message box's text, "" for none
    QTest::addColumn<int>("x");            // the dialog's offset from the window's left, -1 unchecked
    QTest::newRow("calculator") << 0 << 0 << "kalkulator" << "" << 3700;
    QTest::newRow("volume label") << 3 << 1 << "etykietadyskushow" << "" << 4000;
    QTest::newRow("system information") << 4 << 1 << "ocsysteminfo" << "" << -1;
    QTest::newRow("about box") << 6 << 1 << "showabout" << "" << 2500;
    QTest::newRow("user menu, not yet") << 2 << 0 << "" << "Ta opcja nie jest jeszcze dostępna" << -1;
    QTest::newRow("file view, not yet") << 2 << 1 << "" << "Ta opcja nie jest jeszcze dostępna" << -1;
    QTest::newRow("home page, not configured") << 6 << 2 << "" << "Ta opcja nie jest jeszcze dostępna" << -1;
    QTest::newRow("closed") << 65535 << 65535 << "" << "" << -1;
    QTest::newRow("menu out of range") << 7 << 0 << "" << "" << -1;
    QTest::newRow("item without a command") << 4 << 5 << "" << "" << -1;
}

void TestObslugaMenu::pairsReachTheirCommands()
{
    QFETCH(int, menu);
    QFETCH(int, item);
    QFETCH(QString, dialog);
    QFETCH(QString, message);
    QFETCH(int, x);
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    qint32 m = menu, i = item;
    ObsługaMenu(okno, m, i);

    const QList<ScriptedComponent::Call> wywołania = test.dialogi->calls;
    QCOMPARE(wywołania.size(), dialog.isEmpty() ? 0 : 1);
    if (!dialog.isEmpty()) {
        QCOMPARE(wywołania.first().operation, dialog);
        if (x >= 0)
            QCOMPARE(wywołania.first().args.value(0).toFloat(), float(oc::ui::leftTwips(&okno) + x));
    }
    const QList<ScriptedComponent::Call> komunikaty = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    QCOMPARE(komunikaty.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(komunikaty.first().args.value(2).toString(), QStringLiteral("Menu"));
        QCOMPARE(komunikaty.first().args.value(6).toString(), message);
    }
}

void TestObslugaMenu::filter_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("shown"); // the files listed afterwards
    QTest::addColumn<QString>("pattern");
    QTest::newRow("normal *.txt only: read-only and hidden ones go")
        << "0001*.txt" << QStringList{"a.txt"} << "*.txt";
    QTest::newRow("read-only *.txt only") << "1000*.txt" << QStringList{"ro.txt"} << "*.txt";
    QTest::newRow("cancelled: the switches kept, every pattern")
        << "" << QStringList{"a.txt", "b.doc", "ro.txt"} << "*.*";
    QTest::newRow("too short: as cancelled") << "00" << QStringList{"a.txt", "b.doc", "ro.txt"} << "*.*";
    QTest::newRow("nothing shown") << "0000*.*" << QStringList() << "*.*";
}

// The right panel's filter chosen while the left one is active.
void TestObslugaMenu::filter()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, shown);
    QFETCH(QString, pattern);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a.txt"), QStringLiteral("b.doc"), QStringLiteral("ro.txt"),
                              QStringLiteral(".ukryty.txt")});
    QVERIFY(QFile::setPermissions(tmp.filePath(QStringLiteral("ro.txt")), QFileDevice::ReadOwner));
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.File2.Wzorzec = QStringLiteral("*.doc");
    test.dialogi->answers[QStringLiteral("showmaska")] = {answer};
    qint32 m = 5, i = 1;
    ObsługaMenu(okno, m, i);

    const QList<ScriptedComponent::Call> pytania = test.dialogi->callsOf(QStringLiteral("showmaska"));
    QCOMPARE(pytania.size(), 1);
    QCOMPARE(pytania.first().args.value(2).toString(), QStringLiteral("31001*.doc"));
    QCOMPARE(okno.AktywnyPanel(), 2);
    QCOMPARE(okno.File2.Wzorzec, pattern);
    const StanPanelu &s = okno.Widok(2).Stan;
    QStringList pliki;
    for (qint32 k = s.LiczbaKatalogów + 1; k <= s.LiczbaPozycji; ++k)
        pliki << s.Rzeczywiste[size_t(k)];
    pliki.sort();
    QCOMPARE(pliki, shown);
    QCOMPARE(s.PierwszaPozycja, 1);
    QCOMPARE(s.WierszKursora, 0);
}

void TestObslugaMenu::openingTheMenu_data()
{
    QTest::addColumn<int>("sposób"); // 0 F9, 1 the F9 field, 2 menu line label 2, 3 menu line label 7
    QTest::addColumn<int>("start");
    QTest::newRow("F9") << 0 << 0;
    QTest::newRow("F9 field") << 1 << 0;
    QTest::newRow("menu line, third label") << 2 << 102;
    QTest::newRow("menu line, last label counts as the first") << 3 << 100;
}

// Whatever opens it, the menu's answer is carried out: here "swap panels".
void TestObslugaMenu::openingTheMenu()
{
    QFETCH(int, sposób);
    QFETCH(int, start);
    QTemporaryDir lewy, prawy;
    OknoTestowe test;
    test.menu->answers[QStringLiteral("pokażmenu")] = {QVariant(4)};
    test.menu->answers[QStringLiteral("pokażmenu2")] = {QVariant(0)};
    frmMain &okno = test.Otwórz(lewy.path(), prawy.path());
    if (sposób == 0)
        QTest::keyClick(&okno, Qt::Key_F9);
    else if (sposób == 1)
        okno.Short_Click(8);
    else
        emit okno.Label2[sposób == 2 ? 2 : 7]->clicked();

    const QList<ScriptedComponent::Call> pokaz = test.menu->callsOf(QStringLiteral("pokażmenu"));
    QCOMPARE(pokaz.size(), 1);
    QCOMPARE(pokaz.first().args.value(3).toInt(), start);
    QCOMPARE(pokaz.first().args.value(2).toFloat(), float(oc::ui::widthTwips(&okno)));
    QCOMPARE(okno.Dir1.Ścieżka(), prawy.path());
    QCOMPARE(okno.Dir2.Ścieżka(), lewy.path());
}

void TestObslugaMenu::helpKeys()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    RecordingStarter starter;
    QTest::keyClick(&okno, Qt::Key_F1);
    QCOMPARE(starter.calls.size(), 1);
    QCOMPARE(starter.calls.first().kind, RecordingStarter::Kind::Open);
    QCOMPARE(starter.calls.first().program, oc::platform::helpFile());
    QTest::keyClick(&okno, Qt::Key_F1, Qt::ShiftModifier);
    const QList<ScriptedComponent::Call> about = test.dialogi->callsOf(QStringLiteral("showabout"));
    QCOMPARE(about.size(), 1);
    QCOMPARE(about.first().args.value(1).toFloat(), float(oc::ui::topTwips(&okno) + 980));
}

QTEST_MAIN(TestObslugaMenu)
#include "tst_obsluga_menu.moc"
