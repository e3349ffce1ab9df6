#include "OknoTestowe.h"

#include <RecordingStarter.h>
#include <ui/Colors.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// Double clicks, header clicks and real mouse events on the panels.
class TestMouse : public QObject
{
    Q_OBJECT

private slots:
    void dotDotLandsOnTheDirectoryLeft_data();
    void dotDotLandsOnTheDirectoryLeft();
    void dotDotFromAHiddenDirectory_data();
    void dotDotFromAHiddenDirectory();
    void rightButtonOnTheCursorRowKeepsItsColours();
    void enteringKeepsTheRealPath();
    void openingAFileUsesItsRealName();
    void autoexecQuestionOnlyAtTheRoot();
    void headerClickActivates();
    void realMouseEvents();
};

void TestMouse::dotDotLandsOnTheDirectoryLeft_data()
{
    QTest::addColumn<int>("numer");
    QTest::addColumn<qint32>("pierwsza");
    QTest::addColumn<qint32>("wiersz");
    // ".." is entry 1, so d05 is entry 7 and d70 entry 72.
    QTest::newRow("on the first screen") << 5 << 1 << 6;
    QTest::newRow("below the first screen, on row 53") << 70 << 19 << 53;
}

void TestMouse::dotDotFromAHiddenDirectory_data()
{
    QTest::addColumn<QStringList>("drzewo");
    QTest::addColumn<QString>("oczekiwany"); // the entry under the cursor afterwards
    QTest::newRow("first file") << QStringList{".ukryty/", "KAT/", "plik.txt", "zeta"} << "plik.txt";
    QTest::newRow("no files: the last entry") << QStringList{".ukryty/", "KAT/"} << "KAT";
}

// The directory left is not listed: the search ends past the directories.
void TestMouse::dotDotFromAHiddenDirectory()
{
    QFETCH(QStringList, drzewo);
    QFETCH(QString, oczekiwany);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), drzewo);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path() + QStringLiteral("/.ukryty"), tmp.path());
    okno.Panel_DblClick(1, 0);
    const StanPanelu &s = okno.Widok(1).Stan;
    QCOMPARE(okno.Dir1.Ścieżka(), tmp.path());
    QCOMPARE(s.Nazwy[size_t(s.PierwszaPozycja + s.WierszKursora)], oczekiwany);
    QCOMPARE(oc::ui::background(okno.Panel1[size_t(s.WierszKursora)]), OknoTestowe::fileselbackground);
}

void TestMouse::rightButtonOnTheCursorRowKeepsItsColours()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a"), QStringLiteral("b")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_Click(1, 1);
    okno.Panel_MouseDown(1, 1, Qt::RightButton);
    QCOMPARE(oc::ui::foreground(okno.Panel1[1]), OknoTestowe::fileinsert);
    QCOMPARE(oc::ui::background(okno.Panel1[1]), OknoTestowe::fileselbackground);
    okno.Panel_MouseDown(1, 1, Qt::RightButton);
    QCOMPARE(oc::ui::foreground(okno.Panel1[1]), OknoTestowe::fileseltext);
    QCOMPARE(oc::ui::background(okno.Panel1[1]), OknoTestowe::fileselbackground);
    // Another row unmarked goes back to the plain text colour.
    okno.Panel_MouseDown(1, 2, Qt::RightButton);
    okno.Panel_MouseDown(1, 2, Qt::RightButton);
    QCOMPARE(oc::ui::foreground(okno.Panel1[2]), OknoTestowe::filetext);
}

void TestMouse::dotDotLandsOnTheDirectoryLeft()
{
    QFETCH(int, numer);
    QFETCH(qint32, pierwsza);
    QFETCH(qint32, wiersz);
    QTemporaryDir tmp;
    QStringList katalogi;
    for (int i = 0; i < 80; ++i)
        katalogi << QStringLiteral("d%1/").arg(i, 2, 10, QLatin1Char('0'));
    UtwórzDrzewo(tmp.path(), katalogi);
    const QString wnętrze = tmp.path() + QStringLiteral("/d%1").arg(numer, 2, 10, QLatin1Char('0'));
    OknoTestowe test;
    frmMain &okno = test.Otwórz(wnętrze, tmp.path());
    okno.Panel_DblClick(1, 0);
    const StanPanelu &s = okno.Widok(1).Stan;
    QCOMPARE(okno.Dir1.Ścieżka(), tmp.path());
    QCOMPARE(s.PierwszaPozycja, pierwsza);
    QCOMPARE(s.WierszKursora, wiersz);
    QCOMPARE(s.Rzeczywiste[size_t(s.PierwszaPozycja + s.WierszKursora)], QFileInfo(wnętrze).fileName());
    QCOMPARE(okno.Gora1->Napis(), tmp.path().toUpper());
    QCOMPARE(oc::ui::background(okno.Panel1[size_t(wiersz)]), OknoTestowe::fileselbackground);
}

void TestMouse::enteringKeepsTheRealPath()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("Mieszany/x")});
    OknoTestowe test;
    const QString przed = QDir::currentPath();
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_DblClick(1, 1);
    QCOMPARE(okno.Widok(1).Stan.Katalog, tmp.path() + QStringLiteral("/Mieszany/"));
    QCOMPARE(okno.Gora1->Napis(), (tmp.path() + QStringLiteral("/Mieszany")).toUpper());
    QCOMPARE(QDir::currentPath(), przed);
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 0);
    QCOMPARE(okno.Dol1[0]->Napis(), QStringLiteral(".."));
}

void TestMouse::openingAFileUsesItsRealName()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("Raport.PDF")});
    oc::test::RecordingStarter starter;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QCOMPARE(okno.Panel1[1]->Napis(), QStringLiteral("raport.pdf"));
    okno.Panel_DblClick(1, 1);
    QCOMPARE(starter.calls.size(), 1);
    QCOMPARE(starter.calls[0].kind, oc::test::RecordingStarter::Kind::Open);
    QCOMPARE(starter.calls[0].program, tmp.path() + QStringLiteral("/Raport.PDF"));
    QVERIFY(test.komunikaty->calls.isEmpty());
}

void TestMouse::autoexecQuestionOnlyAtTheRoot()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("AUTOEXEC.BAT")});
    oc::test::RecordingStarter starter;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_DblClick(1, 1);
    QVERIFY(test.komunikaty->calls.isEmpty());
    QCOMPARE(starter.calls.size(), 1);
}

void TestMouse::headerClickActivates()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Gora_Click(2);
    QCOMPARE(okno.AktywnyPanel(), 2);
    QCOMPARE(oc::ui::background(okno.Gora2), OknoTestowe::seldirbar);
    QCOMPARE(oc::ui::background(okno.Panel2[0]), OknoTestowe::fileselbackground);
    QCOMPARE(oc::ui::background(okno.Panel1[0]), OknoTestowe::filebackground);
    QCOMPARE(okno.Wskaznik->text(), u' ' + tmp.path() + u'>');
    okno.Gora_Click(1);
    QCOMPARE(okno.AktywnyPanel(), 1);
    // Not acted on while the window is not ready.
    okno.Gotowy = false;
    okno.Gora_Click(2);
    QCOMPARE(okno.AktywnyPanel(), 1);
}

void TestMouse::realMouseEvents()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("sub/"), QStringLiteral("a"), QStringLiteral("b")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QTest::mouseClick(okno.Panel2[2], Qt::LeftButton);
    QCOMPARE(okno.AktywnyPanel(), 2);
    QCOMPARE(okno.Widok(2).Stan.WierszKursora, 2);
    QTest::mouseClick(okno.Panel2[3], Qt::RightButton);
    QCOMPARE(okno.Widok(2).Stan.Zaznaczenia[4], quint8(1));
    QCOMPARE(oc::ui::foreground(okno.Panel2[3]), OknoTestowe::fileinsert);
    QCOMPARE(okno.Widok(2).Stan.WierszKursora, 2);
    // The release ending a double click must not click the new listing.
    QTest::mouseDClick(okno.Panel2[1], Qt::LeftButton);
    QCOMPARE(okno.Dir2.Ścieżka(), tmp.path() + QStringLiteral("/sub"));
    QCOMPARE(okno.Widok(2).Stan.WierszKursora, 0);
}

QTEST_MAIN(TestMouse)
#include "tst_mouse.moc"
