#include "OknoTestowe.h"

#include <TempRegistry.h>
#include <component/createObject.h>
#include <panels/Zaznaczenia.h>
#include <platform/Volumes.h>
#include <actions/Sloty.h>
#include <ui/Colors.h>
#include <ui/Twips.h>

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

// Marking with Insert, grey *, grey + and grey -, and the services around it.
class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void insertOnDotDotMovesWithoutMarking();
    void insertOnTheLastEntryTwice();
    void shortenedListPutsTheCursorOnTheLastEntry_data();
    void shortenedListPutsTheCursorOnTheLastEntry();
    void fourMarkedByInsert();
    void greyStarInvertsFilesOnly();
    void greyPlusMarksByMask_data();
    void greyPlusMarksByMask();
    void maskMatchingNothing();
    void nearestUnmarkedAbove();
    void zaznaczPlikBelowTheFirstScreen();
    void throughTheRealDialogComponent();
};

namespace {

void Przetwórz() { QCoreApplication::processEvents(); }

} // namespace

void TestSelection::insertOnDotDotMovesWithoutMarking()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a"), QStringLiteral("b")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QTest::keyClick(&okno, Qt::Key_Insert);
    Przetwórz();
    QCOMPARE(okno.Widok(1).Stan.Zaznaczenia[1], quint8(0));
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 1);
    QTest::keyClick(&okno, Qt::Key_Insert);
    Przetwórz();
    QCOMPARE(okno.Widok(1).Stan.Zaznaczenia[2], quint8(1));
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 2);
    QCOMPARE(oc::ui::foreground(okno.Panel1[1]), OknoTestowe::fileinsert);
}

void TestSelection::insertOnTheLastEntryTwice()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a"), QStringLiteral("b")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_Click(1, 2);
    QTest::keyClick(&okno, Qt::Key_Insert);
    Przetwórz();
    QCOMPARE(okno.Widok(1).Stan.Zaznaczenia[3], quint8(1));
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 2);
    QCOMPARE(oc::ui::foreground(okno.Panel1[2]), OknoTestowe::fileinsert);
    QTest::keyClick(&okno, Qt::Key_Insert);
    Przetwórz();
    QCOMPARE(okno.Widok(1).Stan.Zaznaczenia[3], quint8(0));
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 2);
    QCOMPARE(oc::ui::foreground(okno.Panel1[2]), OknoTestowe::fileseltext);
}

void TestSelection::shortenedListPutsTheCursorOnTheLastEntry_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("removed"); // the last ones
    QTest::addColumn<bool>("refreshByKey"); // Ctrl+R, else the re-read after a command line
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("row");
    QTest::newRow("one screen, Ctrl+R") << 3 << 2 << true << 1 << 1;
    QTest::newRow("one screen, after a command") << 3 << 2 << false << 1 << 1;
    QTest::newRow("scrolled list back on one screen") << 100 << 60 << true << 1 << 40;
    QTest::newRow("scrolled list still scrolled") << 100 << 30 << true << 71 - 53 << 53;
    QTest::newRow("only .. left") << 5 << 5 << true << 1 << 0;
}

// Another program deletes files under the cursor: after the re-read the bar
// stands on the last entry, which the status line names and Insert marks.
void TestSelection::shortenedListPutsTheCursorOnTheLastEntry()
{
    QFETCH(int, files);
    QFETCH(int, removed);
    QFETCH(bool, refreshByKey);
    QFETCH(int, first);
    QFETCH(int, row);
    QTemporaryDir tmp;
    QStringList nazwy;
    for (int i = 0; i < files; ++i)
        nazwy << QStringLiteral("f%1").arg(i, 3, 10, QLatin1Char('0'));
    UtwórzDrzewo(tmp.path(), nazwy);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QTest::keyClick(&okno, Qt::Key_End);
    for (int i = files - removed; i < files; ++i)
        QVERIFY(QFile::remove(tmp.filePath(nazwy.at(i))));
    if (refreshByKey)
        QTest::keyClick(&okno, Qt::Key_R, Qt::ControlModifier);
    else
        okno.OdświeżPanel(1);

    const StanPanelu &s = okno.Widok(1).Stan;
    QCOMPARE(s.LiczbaPozycji, files - removed + 1);
    QCOMPARE(s.PierwszaPozycja, first);
    QCOMPARE(s.WierszKursora, row);
    QCOMPARE(oc::ui::background(okno.Panel1[size_t(row)]), OknoTestowe::fileselbackground);
    for (int r = 0; r < 54; ++r)
        if (r != row)
            QVERIFY2(oc::ui::background(okno.Panel1[size_t(r)]) != OknoTestowe::fileselbackground, qPrintable(QString::number(r)));
    QCOMPARE(okno.Dol1[0]->Napis(), s.Rzeczywiste[size_t(s.LiczbaPozycji)]);
    QTest::keyClick(&okno, Qt::Key_Insert);
    Przetwórz();
    QCOMPARE(s.IleZaznaczonych, s.LiczbaPozycji > 1 ? 1 : 0);
}

void TestSelection::fourMarkedByInsert()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("kat/")});
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a")}, 1000);
    UtwórzDrzewo(tmp.path(), {QStringLiteral("b")}, 2000);
    UtwórzDrzewo(tmp.path(), {QStringLiteral("c")}, 3000);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_Click(1, 1);
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(&okno, Qt::Key_Insert);
        Przetwórz();
    }
    QCOMPARE(LiczbaZaznaczonych(okno.Widok(okno.AktywnyPanel()).Stan), 4);
    // Marking the last entry leaves the status line as the previous step drew it.
    QCOMPARE(okno.Dol1[0]->Napis(), QStringLiteral("Zaznaczono 3 plików/katatalogów, ich rozmiar to: 2 KB"));
    okno.Panel_Click(1, 4);
    QCOMPARE(okno.Dol1[0]->Napis(), QStringLiteral("Zaznaczono 4 plików/katatalogów, ich rozmiar to: 5 KB"));
}

void TestSelection::greyStarInvertsFilesOnly()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("kat/"), QStringLiteral("a"), QStringLiteral("b")}, 10);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_MouseDown(1, 1, Qt::RightButton); // the directory
    okno.Panel_MouseDown(1, 2, Qt::RightButton); // a
    QTest::keyClick(&okno, Qt::Key_Asterisk, Qt::KeypadModifier);
    const StanPanelu &s = okno.Widok(1).Stan;
    QCOMPARE(s.Zaznaczenia[2], quint8(0));
    QCOMPARE(s.Zaznaczenia[3], quint8(0));
    QCOMPARE(s.Zaznaczenia[4], quint8(1));
    QCOMPARE(s.IleZaznaczonych, 1);
    QCOMPARE(s.SumaZaznaczonych, 10);
    // The cursor on ".." at the top steps to the next row; the "*" is not typed.
    QCOMPARE(s.WierszKursora, 1);
    QCOMPARE(okno.PomińZnak, quint8(0));
    QVERIFY(!okno.Panel1[1]->Zaznaczony);
    QCOMPARE(oc::ui::foreground(okno.Panel1[1]), OknoTestowe::fileseltext);
    QCOMPARE(oc::ui::foreground(okno.Panel1[3]), OknoTestowe::fileinsert);
}

void TestSelection::greyPlusMarksByMask_data()
{
    QTest::addColumn<int>("klawisz");
    QTest::addColumn<QString>("maska");
    QTest::addColumn<QList<int>>("zaznaczone");
    // Entries: .. (1), KAT (2), notes.doc (3), x.txt (4), y.TXT (5); x.txt starts marked.
    QTest::newRow("grey + with *.TXT") << int(Qt::Key_Plus) << "*.TXT" << QList<int>{4, 5};
    QTest::newRow("grey + cancelled") << int(Qt::Key_Plus) << "" << QList<int>{4};
    QTest::newRow("grey - with x*") << int(Qt::Key_Minus) << "x*" << QList<int>{};
    QTest::newRow("grey - on unmarked files only") << int(Qt::Key_Minus) << "*.doc" << QList<int>{4};
}

void TestSelection::greyPlusMarksByMask()
{
    QFETCH(int, klawisz);
    QFETCH(QString, maska);
    QFETCH(QList<int>, zaznaczone);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("kat/"), QStringLiteral("notes.doc"), QStringLiteral("x.txt"),
                              QStringLiteral("y.TXT")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_MouseDown(1, 1, Qt::RightButton);
    okno.Panel_MouseDown(1, 3, Qt::RightButton);
    test.dialogi->answers[QStringLiteral("showmaska")] = {maska};
    QTest::keyClick(&okno, Qt::Key(klawisz), Qt::KeypadModifier);

    const auto wywołania = test.dialogi->callsOf(QStringLiteral("Showmaska"));
    QCOMPARE(wywołania.size(), 1);
    QCOMPARE(wywołania[0].args[0].toInt(), oc::ui::toTwips(okno.x()) + 1780);
    QCOMPARE(wywołania[0].args[1].toInt(), oc::ui::toTwips(okno.y()) + 2000);
    QCOMPARE(wywołania[0].args[2].toInt(), klawisz == Qt::Key_Plus ? 1 : 2);
    QList<int> są;
    for (int i = 1; i <= okno.Widok(1).Stan.LiczbaPozycji; ++i)
        if (okno.Widok(1).Stan.Zaznaczenia[size_t(i)])
            są << i;
    QCOMPARE(są, zaznaczone);
    QCOMPARE(okno.Widok(1).Stan.IleZaznaczonych, zaznaczone.size());
    QVERIFY(!okno.Panel1[1]->Zaznaczony); // the directory is unmarked and drawn so
    QVERIFY(test.komunikaty->calls.isEmpty());
}

void TestSelection::maskMatchingNothing()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a.txt")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Gora_Click(2);
    okno.Panel_MouseDown(2, 1, Qt::RightButton);
    test.dialogi->answers[QStringLiteral("showmaska")] = {QStringLiteral("*.zip")};
    QTest::keyClick(&okno, Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(test.dialogi->calls[0].args[0].toInt(), oc::ui::toTwips(okno.x()) + 7090);
    const auto komunikaty = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    QCOMPARE(komunikaty.size(), 1);
    const QVariantList &a = komunikaty[0].args;
    QCOMPARE(a[2].toString(), QStringLiteral("Zaznacz pliki"));
    QCOMPARE(a[3].toInt(), 3);
    QCOMPARE(a[4].toInt(), 0);
    QCOMPARE(a[6].toString(), QStringLiteral("W katalogu: ") + tmp.path().toUpper()
                                  + QStringLiteral(" nie ma plików pasujących do wzorca: *.zip"));
    QCOMPARE(okno.Widok(2).Stan.Zaznaczenia[2], quint8(1));
}

void TestSelection::nearestUnmarkedAbove()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("c"), QStringLiteral("d")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    for (int r = 3; r <= 4; ++r)
        okno.Panel_MouseDown(1, r, Qt::RightButton);
    okno.Panel_Click(1, 3);
    QString nazwa;
    okno.Widok(okno.AktywnyPanel()).UstalNastępneNieInsertowePole(nazwa);
    QCOMPARE(nazwa, QStringLiteral("B")); // the real name, not the shown "b"
    okno.Panel_Click(1, 1);
    okno.Widok(okno.AktywnyPanel()).UstalNastępneNieInsertowePole(nazwa);
    QCOMPARE(nazwa, QStringLiteral("a"));
    for (int r : {0, 1, 2})
        okno.Panel_MouseDown(1, r, Qt::RightButton);
    okno.Widok(okno.AktywnyPanel()).UstalNastępneNieInsertowePole(nazwa);
    QCOMPARE(nazwa, QStringLiteral("..")); // ".." cannot be marked
}

void TestSelection::zaznaczPlikBelowTheFirstScreen()
{
    QTemporaryDir tmp;
    QStringList pliki;
    for (int i = 0; i < 100; ++i)
        pliki << QStringLiteral("p%1").arg(i, 3, 10, QLatin1Char('0'));
    UtwórzDrzewo(tmp.path(), pliki);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Widok(okno.AktywnyPanel()).ZaznaczPlik(QStringLiteral("p080")); // entry 82
    QCOMPARE(okno.Widok(1).Stan.PierwszaPozycja, 82 - 53);
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 53);
    okno.Widok(okno.AktywnyPanel()).ZaznaczPlik(QStringLiteral("p010"));
    QCOMPARE(okno.Widok(1).Stan.PierwszaPozycja, 1);
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 11);
}

void TestSelection::throughTheRealDialogComponent()
{
    const QList<oc::platform::Volume> dyski = oc::platform::volumes();
    QTemporaryDir lewy, prawy;
    UtwórzDrzewo(lewy.path(), {QStringLiteral("a.txt"), QStringLiteral("b.doc")});
    oc::test::TempRegistry registry;
    QCOMPARE(registry.registerLibraries({QStringLiteral("oc.so")}), 0);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(lewy.path(), prawy.path());
    okno.Komponenty().Dialogi = oc::createObject(QStringLiteral("oc.ocmd"));

    QTimer::singleShot(0, [] {
        QWidget *maska = QApplication::activeModalWidget();
        QVERIFY(maska);
        QLineEdit *pole = maska->findChild<QLineEdit *>();
        QVERIFY(pole);
        QTest::keyClicks(pole, QStringLiteral("*.TXT"));
        QTest::keyClick(pole, Qt::Key_Return);
    });
    QTest::keyClick(&okno, Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(okno.Widok(1).Stan.Zaznaczenia[2], quint8(1));
    QCOMPARE(okno.Widok(1).Stan.Zaznaczenia[3], quint8(0));

    if (dyski.isEmpty())
        QSKIP("this machine lists no volumes");
    // The dialog opens on the panel's own volume; Enter takes it, and the
    // right panel lies there too.
    QVERIFY(oc::platform::volumeOf(lewy.path()) == oc::platform::volumeOf(prawy.path()));
    QTimer::singleShot(0, [] {
        QWidget *wybór = QApplication::activeModalWidget();
        QVERIFY(wybór);
        QTest::keyClick(wybór, Qt::Key_Return);
    });
    QTest::keyClick(&okno, Qt::Key_F1, Qt::AltModifier);
    QCOMPARE(okno.Dir1.Ścieżka(), prawy.path());
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
