#include "OknoTestowe.h"

#include <panels/TekstRozmiaru.h>
#include <ui/Colors.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

// The status line under a panel: size texts, entry view and summary view.
class TestStatusLine : public QObject
{
    Q_OBJECT

private slots:
    void sizeText_data();
    void sizeText();
    void twoPlaces_data();
    void twoPlaces();
    void directoryAndDotDotViews();
    void fourMarkedSummary();
    void markingWaitsForTheNextClick();
    void vanishedFileKeepsListedSize();
    void f3CaptionByEntry_data();
    void f3CaptionByEntry();
};

void TestStatusLine::sizeText_data()
{
    QTest::addColumn<qint64>("bajty");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("1023 B") << qint64(1023) << "1023 B";
    QTest::newRow("1 KB") << qint64(1024) << "1 KB";
    QTest::newRow("1023 KB") << qint64(1048575) << "1023 KB";
    QTest::newRow("1 MB") << qint64(1048576) << "1 MB";
    QTest::newRow("1.50 MB") << qint64(1572864) << "1.50 MB";
    QTest::newRow("1 GB") << qint64(1073741824) << "1 GB";
    QTest::newRow("1.19 GB cut not rounded") << qint64(1.2 * 1073741824) - 1 << "1.19 GB";
    QTest::newRow("0 B") << qint64(0) << "0 B";
    QTest::newRow("past 2 GiB") << qint64(5) * 1073741824 << "5 GB";
}

void TestStatusLine::sizeText()
{
    QFETCH(qint64, bajty);
    QFETCH(QString, tekst);
    QCOMPARE(TekstRozmiaru(bajty), tekst);
}

void TestStatusLine::twoPlaces_data()
{
    QTest::addColumn<QString>("wejście");
    QTest::addColumn<QString>("wynik");
    QTest::newRow("no separator") << "12" << "12";
    QTest::newRow("one digit gets a zero") << "1.5" << "1.50";
    QTest::newRow("cut after two") << "3.14159" << "3.14";
    QTest::newRow("comma") << "2,999" << "2,99";
}

void TestStatusLine::twoPlaces()
{
    QFETCH(QString, wejście);
    QFETCH(QString, wynik);
    QCOMPARE(DwaMiejsca(wejście), wynik);
}

void TestStatusLine::directoryAndDotDotViews()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("Katalog/"), QStringLiteral("plik.bin")}, 3000);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    // Row 0 is "..": empty size and date.
    QCOMPARE(okno.Dol1[0]->Napis(), QStringLiteral(".."));
    QCOMPARE(okno.Dol1[1]->Napis(), QString());
    QCOMPARE(okno.Dol1[2]->Napis(), QString());

    okno.Panel_Click(1, 1);
    QCOMPARE(okno.Dol1[0]->Napis(), QStringLiteral("Katalog"));
    QCOMPARE(okno.Dol1[1]->Napis(), QStringLiteral(">KAT<"));
    const QDateTime czas = QFileInfo(tmp.path() + QStringLiteral("/Katalog")).lastModified();
    QCOMPARE(okno.Dol1[2]->Napis(), czas.toString(QStringLiteral("dd.MM.yyyy hh:mm")));
    // The whole date shows, whatever the locale.
    QVERIFY(okno.Dol1[2]->fontMetrics().horizontalAdvance(okno.Dol1[2]->text()) <= okno.Dol1[2]->width());

    okno.Panel_Click(1, 2);
    QCOMPARE(okno.Dol1[0]->Napis(), QStringLiteral("plik.bin"));
    QCOMPARE(okno.Dol1[1]->Napis(), QStringLiteral("2 KB"));
    QCOMPARE(oc::ui::background(okno.Panel1[2]), OknoTestowe::fileselbackground);
    QCOMPARE(oc::ui::foreground(okno.Panel1[2]), OknoTestowe::fileseltext);
    QCOMPARE(oc::ui::background(okno.Panel1[1]), OknoTestowe::filebackground);
    QCOMPARE(oc::ui::background(okno.Dol1[0]), OknoTestowe::seldirbar);
    QCOMPARE(oc::ui::background(okno.Gora2), OknoTestowe::filebackground);
}

void TestStatusLine::fourMarkedSummary()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("kat/")});
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a")}, 1000);
    UtwórzDrzewo(tmp.path(), {QStringLiteral("b")}, 2000);
    UtwórzDrzewo(tmp.path(), {QStringLiteral("c")}, 3000);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    for (int r = 1; r <= 4; ++r)
        okno.Panel_MouseDown(1, r, Qt::RightButton);
    okno.Panel_Click(1, 2);
    QCOMPARE(okno.Dol1[0]->Napis(), QStringLiteral("Zaznaczono 4 plików/katatalogów, ich rozmiar to: 5 KB"));
    QVERIFY(okno.Dol1[1]->isHidden());
    QVERIFY(okno.Dol1[2]->isHidden());
    QCOMPARE(okno.Dol1[0]->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    // A marked row keeps its colour under the cursor.
    QCOMPARE(oc::ui::foreground(okno.Panel1[2]), OknoTestowe::fileinsert);

    for (int r = 1; r <= 4; ++r)
        okno.Panel_MouseDown(1, r, Qt::RightButton);
    okno.Panel_Click(1, 4);
    QVERIFY(!okno.Dol1[1]->isHidden());
    QCOMPARE(okno.Dol1[0]->Napis(), QStringLiteral("c"));
    QCOMPARE(okno.Dol1[1]->Napis(), QStringLiteral("2 KB"));
}

void TestStatusLine::markingWaitsForTheNextClick()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a"), QStringLiteral("b")}, 10);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_Click(1, 1);
    okno.Panel_MouseDown(1, 2, Qt::RightButton);
    QCOMPARE(okno.Dol1[0]->Napis(), QStringLiteral("a"));
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 1);
    // ".." is never marked.
    okno.Panel_MouseDown(1, 0, Qt::RightButton);
    QCOMPARE(okno.Widok(1).Stan.Zaznaczenia[1], quint8(0));
    okno.Panel_Click(1, 1);
    QCOMPARE(okno.Dol1[0]->Napis(), QStringLiteral("Zaznaczono 1 plików/katatalogów, ich rozmiar to: 10 B"));
}

void TestStatusLine::vanishedFileKeepsListedSize()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("ulotny")}, 4096);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QVERIFY(QFile::remove(tmp.path() + QStringLiteral("/ulotny")));
    okno.Panel_Click(1, 1);
    QCOMPARE(okno.Dol1[1]->Napis(), QStringLiteral("4 KB"));
    okno.Panel_MouseDown(1, 1, Qt::RightButton);
    okno.Panel_Click(1, 1);
    QCOMPARE(okno.Dol1[0]->Napis(), QStringLiteral("Zaznaczono 1 plików/katatalogów, ich rozmiar to: 4 KB"));
}

void TestStatusLine::f3CaptionByEntry_data()
{
    QTest::addColumn<QString>("nazwa"); // "" for ".."
    QTest::addColumn<bool>("czarny");
    QTest::newRow("a directory named like a picture") << "kat.jpg/" << false;
    QTest::newRow("..") << "" << false;
    QTest::newRow("notes.txt: F3 shows every file") << "notes.txt" << true;
    QTest::newRow("upper case SONG.WAV") << "SONG.WAV" << true;
}

void TestStatusLine::f3CaptionByEntry()
{
    QFETCH(QString, nazwa);
    QFETCH(bool, czarny);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), nazwa.isEmpty() ? QStringList() : QStringList{nazwa});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_Click(1, nazwa.isEmpty() ? 0 : 1);
    QCOMPARE(oc::ui::foreground(okno.Short[2]) == 0, czarny);
}

QTEST_MAIN(TestStatusLine)
#include "tst_statusline.moc"
