#include "OknoTestowe.h"

#include <RecordingStarter.h>
#include <platform/Names.h>
#include <platform/Paths.h>
#include <ui/Colors.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

// Listing a directory into a panel and drawing it.
class TestListing : public QObject
{
    Q_OBJECT

private slots:
    void rootWithoutDotDot();
    void tempExample();
    void caseTwinsShowRealNames_data();
    void caseTwinsShowRealNames();
    void emptyDirectoryHasOnlyDotDot();
    void hiddenEntriesLeftOut();
    void relistingClearsMarks();
    void blankRowsAfterTenEntries();
    void vanishedDirectoryFallsBackToParent();
    void unreadableSavedDirectoryFallsBack();
    void awkwardNames();
};

void TestListing::rootWithoutDotDot()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(QStringLiteral("/"), tmp.path());
    const StanPanelu &s = okno.Widok(1).Stan;
    QCOMPARE(okno.Widok(1).Stan.Katalog, QStringLiteral("/"));
    QVERIFY(s.LiczbaKatalogów > 0);
    QVERIFY(std::find(s.Nazwy.begin(), s.Nazwy.end(), QStringLiteral("..")) == s.Nazwy.end());
    QCOMPARE(s.Nazwy[0], QString());
    // Every other directory has "..": the right panel's first entry.
    QCOMPARE(okno.Widok(2).Stan.Nazwy[1], QStringLiteral(".."));
}

void TestListing::tempExample()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a/"), QStringLiteral("B/"), QStringLiteral("X.TXT"), QStringLiteral("y.doc")});
    OknoTestowe test;
    const QString przed = QDir::currentPath();
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    const StanPanelu &s = okno.Widok(1).Stan;
    QCOMPARE(QStringList(s.Nazwy.begin(), s.Nazwy.end()),
             QStringList({"", "..", "A", "B", "x.txt", "y.doc"}));
    QCOMPARE(QStringList(s.Rzeczywiste.begin(), s.Rzeczywiste.end()),
             QStringList({"", "..", "a", "B", "X.TXT", "y.doc"}));
    QCOMPARE(s.LiczbaKatalogów, 3);
    QCOMPARE(s.LiczbaPozycji, 5);
    QCOMPARE(s.Katalog, tmp.path() + u'/');
    QCOMPARE(okno.Gora1->Napis(), tmp.path().toUpper());
    // The panels never move the process's working directory.
    QCOMPARE(QDir::currentPath(), przed);
    // Loaded: the left panel active with its cursor on row 0.
    QCOMPARE(okno.AktywnyPanel(), 1);
    QCOMPARE(s.WierszKursora, 0);
    QCOMPARE(s.PierwszaPozycja, 1);
    QCOMPARE(okno.Panel1[3]->Napis(), QStringLiteral("x.txt"));
}

void TestListing::caseTwinsShowRealNames_data()
{
    QTest::addColumn<QStringList>("wpisy");
    QTest::addColumn<QStringList>("nazwy"); // after ".."
    QTest::newRow("three directories read as one")
        << QStringList{"Docs/", "DOCS/", "docs/", "Other/"} << QStringList{"DOCS", "Docs", "docs", "OTHER"};
    QTest::newRow("two files read as one") << QStringList{"a.TXT", "A.txt", "b.TXT"} << QStringList{"A.txt", "a.TXT", "b.txt"};
    QTest::newRow("a directory and a file read apart") << QStringList{"Docs/", "docs"} << QStringList{"DOCS", "docs"};
}

void TestListing::caseTwinsShowRealNames()
{
    QFETCH(QStringList, wpisy);
    QFETCH(QStringList, nazwy);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), wpisy);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    const StanPanelu &s = okno.Widok(1).Stan;
    QCOMPARE(QStringList(s.Nazwy.begin() + 2, s.Nazwy.end()), nazwy);
    // The status line names the entry as it really is.
    for (int r = 1; r <= int(nazwy.size()); ++r) {
        okno.Panel_Click(1, r);
        QCOMPARE(okno.Dol1[0]->Napis(), s.Rzeczywiste[size_t(r + 1)]);
    }
}

void TestListing::emptyDirectoryHasOnlyDotDot()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QCOMPARE(okno.Widok(1).Stan.LiczbaPozycji, 1);
    QCOMPARE(okno.Widok(1).Stan.LiczbaKatalogów, 1);
    QCOMPARE(okno.Panel1[0]->Napis(), QStringLiteral(".."));
    QCOMPARE(okno.Panel1[1]->Napis(), QString());
}

void TestListing::hiddenEntriesLeftOut()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral(".ukryty/"), QStringLiteral(".profile"), QStringLiteral("jawny")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    const StanPanelu &s = okno.Widok(1).Stan;
    QCOMPARE(QStringList(s.Nazwy.begin(), s.Nazwy.end()), QStringList({"", "..", "jawny"}));
}

void TestListing::relistingClearsMarks()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("k/"), QStringLiteral("a.txt"), QStringLiteral("b.txt")}, 100);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_MouseDown(1, 1, Qt::RightButton);
    okno.Panel_MouseDown(1, 2, Qt::RightButton);
    okno.Panel_MouseDown(1, 3, Qt::RightButton);
    QCOMPARE(okno.Widok(1).Stan.IleZaznaczonych, 3);
    QCOMPARE(okno.Widok(1).Stan.SumaZaznaczonych, 200);
    QVERIFY(okno.Panel1[2]->Zaznaczony);

    okno.Widok(1).Stan.WierszKursora = 2;
    okno.Widok(1).Stan.PierwszaPozycja = 1;
    okno.Widok(1).WczytajPanel();
    const StanPanelu &s = okno.Widok(1).Stan;
    QVERIFY(std::all_of(s.Zaznaczenia.begin(), s.Zaznaczenia.end(), [](quint8 z) { return z == 0; }));
    QCOMPARE(s.IleZaznaczonych, 0);
    QCOMPARE(s.SumaZaznaczonych, 0);
    QCOMPARE(s.WierszKursora, 2);
    okno.Widok(1).PokażPanel(1);
    QVERIFY(!okno.Panel1[2]->Zaznaczony);
    QCOMPARE(oc::ui::foreground(okno.Panel1[2]), OknoTestowe::filetext);
}

void TestListing::blankRowsAfterTenEntries()
{
    QTemporaryDir tmp;
    QStringList pliki;
    for (int i = 0; i < 9; ++i)
        pliki << QStringLiteral("plik%1").arg(i);
    UtwórzDrzewo(tmp.path(), pliki);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QCOMPARE(okno.Widok(1).Stan.LiczbaPozycji, 10);
    okno.Widok(1).PokażPanel(1);
    for (int r = 0; r < 54; ++r)
        QCOMPARE(okno.Panel1[size_t(r)]->Napis().isEmpty(), r >= 10);
    // A click on a blank row leaves the cursor where it was.
    okno.Panel_Click(1, 4);
    okno.Panel_Click(1, 30);
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 4);
}

void TestListing::vanishedDirectoryFallsBackToParent()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a/b/"), QStringLiteral("plik")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path() + QStringLiteral("/a/b"), tmp.path());
    QVERIFY(QDir(tmp.path() + QStringLiteral("/a")).removeRecursively());
    okno.Widok(1).OdświeżListy();
    okno.Widok(1).WczytajPanel();
    QCOMPARE(okno.Dir1.Ścieżka(), tmp.path());
    QCOMPARE(okno.Widok(1).Stan.Katalog, tmp.path() + u'/');
    QCOMPARE(QStringList(okno.Widok(1).Stan.Nazwy.begin(), okno.Widok(1).Stan.Nazwy.end()), QStringList({"", "..", "plik"}));
}

void TestListing::unreadableSavedDirectoryFallsBack()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path() + QStringLiteral("/nie/ma"), QString());
    QCOMPARE(okno.Widok(1).Stan.Katalog, tmp.path() + u'/');
    QCOMPARE(okno.Widok(2).Stan.Katalog, oc::platform::withSeparator(oc::platform::fallbackDirectory()));
}

void TestListing::awkwardNames()
{
    QTemporaryDir tmp;
    const QStringList nazwy{QStringLiteral("z odstępem"), QStringLiteral("\"cudzysłów\""), QStringLiteral("-f"),
                            QStringLiteral("nowa\nlinia")};
    UtwórzDrzewo(tmp.path(), nazwy, 10);
    // A name whose bytes are not UTF-8.
    const QByteArray surowa = QFile::encodeName(tmp.path()) + "/zle\xff\xfe";
    std::ofstream(surowa.constData()) << "x";

    oc::test::RecordingStarter starter;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    const StanPanelu &s = okno.Widok(1).Stan;
    QCOMPARE(s.LiczbaPozycji, 6);
    QStringList rzeczywiste(s.Rzeczywiste.begin() + 2, s.Rzeczywiste.end());
    for (const QString &nazwa : nazwy)
        QVERIFY2(rzeczywiste.contains(nazwa), qPrintable(nazwa));
    const qsizetype zła = rzeczywiste.indexOf(oc::platform::decodeName("zle\xff\xfe"));
    QVERIFY(zła >= 0);

    // Rows stay single lines; the real name is what is opened.
    for (int r = 0; r < s.LiczbaPozycji; ++r) {
        QVERIFY(!okno.Panel1[size_t(r)]->text().contains(u'\n'));
        QVERIFY(!okno.Panel1[size_t(r)]->text().contains(QChar(0xDCFF)));
    }
    okno.Panel_DblClick(1, int(zła) + 1);
    QCOMPARE(starter.calls.size(), 1);
    QCOMPARE(oc::platform::encodeName(starter.calls[0].program), surowa);
    const qsizetype linia = rzeczywiste.indexOf(QStringLiteral("nowa\nlinia"));
    okno.Panel_Click(1, int(linia) + 1);
    QCOMPARE(okno.Dol1[1]->Napis(), QStringLiteral("10 B"));
}

QTEST_MAIN(TestListing)
#include "tst_listing.moc"
