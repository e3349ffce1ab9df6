#include "OknoTestowe.h"

#include <platform/Volumes.h>
#include <ui/Colors.h>
#include <ui/Twips.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// Keys on the main window: movement, refresh, swap, Tab, drive change.
class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void movement_data();
    void movement();
    void emptyListIgnoresMovement();
    void ctrlRWithEqualHeadersReadsBoth();
    void ctrlUTwiceRestores();
    void ctrlUIntoTheFullView_data();
    void ctrlUIntoTheFullView();
    void tabKeepsBothCursorRows();
    void altF1OntoTheOtherPanelsVolume();
    void altF1Cancelled();
    void altCaptionAndExitKeys();
};

namespace {

// A directory of n entries: ".." and n - 1 files.
void Wpisy(const QString &root, int n)
{
    QStringList pliki;
    for (int i = 1; i < n; ++i)
        pliki << QStringLiteral("f%1").arg(i, 4, 10, QLatin1Char('0'));
    UtwórzDrzewo(root, pliki);
}

void Ustaw(frmMain &okno, qint32 pierwsza, int wiersz)
{
    okno.Widok(1).PokażPanel(pierwsza);
    okno.Panel_Click(1, wiersz);
}

} // namespace

void TestKeyboard::movement_data()
{
    QTest::addColumn<int>("wpisy");
    QTest::addColumn<qint32>("pierwsza");
    QTest::addColumn<int>("wiersz");
    QTest::addColumn<int>("klawisz");
    QTest::addColumn<qint32>("nowaPierwsza");
    QTest::addColumn<int>("nowyWiersz");
    QTest::newRow("Down on the last entry of a short list") << 10 << 1 << 9 << int(Qt::Key_Down) << 1 << 9;
    QTest::newRow("Down on row 53 scrolls by one") << 100 << 1 << 53 << int(Qt::Key_Down) << 2 << 53;
    QTest::newRow("Down with the last entry on row 53") << 100 << 47 << 53 << int(Qt::Key_Down) << 47 << 53;
    QTest::newRow("Up on row 0 at the top") << 100 << 1 << 0 << int(Qt::Key_Up) << 1 << 0;
    QTest::newRow("Up on row 0 scrolls back") << 100 << 5 << 0 << int(Qt::Key_Up) << 4 << 0;
    QTest::newRow("Left from row 5 with first entry 10") << 100 << 10 << 5 << int(Qt::Key_Left) << 1 << 0;
    QTest::newRow("Left from row 20") << 100 << 1 << 20 << int(Qt::Key_Left) << 1 << 2;
    QTest::newRow("Left from row 3 at the top") << 100 << 1 << 3 << int(Qt::Key_Left) << 1 << 0;
    QTest::newRow("Right on row 3 of a full screen") << 100 << 1 << 3 << int(Qt::Key_Right) << 1 << 21;
    QTest::newRow("Right near the end goes to the last") << 30 << 1 << 20 << int(Qt::Key_Right) << 1 << 29;
    QTest::newRow("Right near the end of a scrolled list") << 100 << 40 << 45 << int(Qt::Key_Right) << 47 << 53;
    QTest::newRow("Right past the end of a short screen") << 60 << 50 << 5 << int(Qt::Key_Right) << 7 << 53;
    QTest::newRow("Right in the third column scrolls") << 200 << 1 << 40 << int(Qt::Key_Right) << 19 << 40;
    QTest::newRow("End on 30 entries") << 30 << 1 << 0 << int(Qt::Key_End) << 1 << 29;
    QTest::newRow("End on 200 entries") << 200 << 1 << 0 << int(Qt::Key_End) << 147 << 53;
    QTest::newRow("Home from the end") << 200 << 147 << 53 << int(Qt::Key_Home) << 1 << 0;
}

void TestKeyboard::movement()
{
    QFETCH(int, wpisy);
    QFETCH(qint32, pierwsza);
    QFETCH(int, wiersz);
    QFETCH(int, klawisz);
    QFETCH(qint32, nowaPierwsza);
    QFETCH(int, nowyWiersz);
    QTemporaryDir tmp;
    Wpisy(tmp.path(), wpisy);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QCOMPARE(okno.Widok(1).Stan.LiczbaPozycji, wpisy);
    Ustaw(okno, pierwsza, wiersz);
    QTest::keyClick(&okno, Qt::Key(klawisz));
    QCOMPARE(okno.Widok(1).Stan.PierwszaPozycja, nowaPierwsza);
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, nowyWiersz);
    const qint32 i = nowaPierwsza + nowyWiersz;
    QCOMPARE(okno.Dol1[0]->Napis(), okno.Widok(1).Stan.Rzeczywiste[size_t(i)]);
    QCOMPARE(oc::ui::background(okno.Panel1[size_t(nowyWiersz)]), OknoTestowe::fileselbackground);
}

void TestKeyboard::emptyListIgnoresMovement()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    for (Qt::Key klawisz : {Qt::Key_Down, Qt::Key_Right, Qt::Key_End, Qt::Key_Up, Qt::Key_Left, Qt::Key_Home})
        QTest::keyClick(&okno, klawisz);
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 0);
    QCOMPARE(okno.Widok(1).Stan.PierwszaPozycja, 1);
}

void TestKeyboard::ctrlRWithEqualHeadersReadsBoth()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_MouseDown(1, 1, Qt::RightButton);
    UtwórzDrzewo(tmp.path(), {QStringLiteral("b")});
    QTest::keyClick(&okno, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(okno.Widok(1).Stan.LiczbaPozycji, 3);
    QCOMPARE(okno.Widok(2).Stan.LiczbaPozycji, 3);
    QCOMPARE(okno.Widok(1).Stan.IleZaznaczonych, 0);
    QCOMPARE(okno.Panel2[2]->Napis(), QStringLiteral("b"));
    QCOMPARE(okno.AktywnyPanel(), 1);

    // Different directories: only the active panel is read.
    QTemporaryDir inny;
    okno.Widok(2).UstawŚcieżkę(inny.path());
    okno.Gora2->UstawNapis(inny.path().toUpper());
    UtwórzDrzewo(tmp.path(), {QStringLiteral("c")});
    qint32 który = 1;
    okno.RefreshPanel(który);
    QCOMPARE(który, 1);
    QCOMPARE(okno.Widok(1).Stan.LiczbaPozycji, 4);
    QCOMPARE(okno.Widok(2).Stan.LiczbaPozycji, 3);
}

void TestKeyboard::ctrlUTwiceRestores()
{
    QTemporaryDir lewy, prawy;
    UtwórzDrzewo(lewy.path(), {QStringLiteral("l1"), QStringLiteral("l2")});
    UtwórzDrzewo(prawy.path(), {QStringLiteral("p1")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(lewy.path(), prawy.path());
    okno.Panel_Click(1, 2);
    okno.Panel_MouseDown(1, 1, Qt::RightButton);
    okno.File1.Wzorzec = QStringLiteral("l*");
    QTest::keyClick(&okno, Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(okno.Dir1.Ścieżka(), prawy.path());
    QCOMPARE(okno.Dir2.Ścieżka(), lewy.path());
    QCOMPARE(okno.Gora1->Napis(), prawy.path().toUpper());
    QCOMPARE(okno.File2.Wzorzec, QStringLiteral("l*"));
    QCOMPARE(okno.AktywnyPanel(), 2); // the activity moves with the contents
    QCOMPARE(okno.Widok(2).Stan.WierszKursora, 2);
    QCOMPARE(okno.Widok(2).Stan.IleZaznaczonych, 0);

    QTest::keyClick(&okno, Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(okno.Dir1.Ścieżka(), lewy.path());
    QCOMPARE(okno.Dir2.Ścieżka(), prawy.path());
    QCOMPARE(okno.AktywnyPanel(), 1);
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 2);
    QCOMPARE(okno.File1.Wzorzec, QStringLiteral("l*"));
    QCOMPARE(okno.Widok(1).Stan.Zaznaczenia[2], quint8(0));
}

void TestKeyboard::ctrlUIntoTheFullView_data()
{
    QTest::addColumn<int>("wiersz");
    QTest::newRow("below the full view's last row") << 40;
    QTest::newRow("within the full view's rows") << 3;
}

// The panel in the full view has fewer rows: the cursor's entry comes over,
// on its last row when its own row is not there.
void TestKeyboard::ctrlUIntoTheFullView()
{
    QFETCH(int, wiersz);
    QTemporaryDir tmp;
    Wpisy(tmp.path(), 100);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Gora_Click(2);
    QTest::keyClick(&okno, Qt::Key_F2, Qt::ControlModifier);
    QVERIFY(okno.Widok(2).Pełny());
    const qint32 ostatni = okno.Widok(2).Stan.OstatniWiersz;
    QVERIFY(ostatni < 40);
    okno.Gora_Click(1);
    Ustaw(okno, 5, wiersz);
    QTest::keyClick(&okno, Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(okno.Widok(2).PozycjaKursora(), 5 + wiersz);
    QCOMPARE(okno.Widok(2).Stan.WierszKursora, std::min(wiersz, ostatni));
    QCOMPARE(okno.Widok(1).PozycjaKursora(), 1);
}

void TestKeyboard::tabKeepsBothCursorRows()
{
    QTemporaryDir tmp;
    Wpisy(tmp.path(), 10);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_Click(2, 4);
    okno.Panel_Click(1, 7);
    QTest::keyClick(&okno, Qt::Key_Tab);
    QCOMPARE(okno.AktywnyPanel(), 2);
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 7);
    QCOMPARE(okno.Widok(2).Stan.WierszKursora, 4);
    QCOMPARE(oc::ui::background(okno.Panel2[4]), OknoTestowe::fileselbackground);
    QCOMPARE(oc::ui::background(okno.Panel1[7]), OknoTestowe::filebackground);
    QTest::keyClick(&okno, Qt::Key_Tab);
    QCOMPARE(okno.AktywnyPanel(), 1);
}

void TestKeyboard::altF1OntoTheOtherPanelsVolume()
{
    QTemporaryDir lewy, prawy;
    UtwórzDrzewo(prawy.path(), {QStringLiteral("tu")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(lewy.path(), prawy.path());
    const QString wolumin = oc::platform::volumeOf(prawy.path());
    test.dialogi->answers[QStringLiteral("wybierzdysk")] = {wolumin};
    QTest::keyClick(&okno, Qt::Key_F1, Qt::AltModifier);
    QCOMPARE(okno.Dir1.Ścieżka(), prawy.path());
    QCOMPARE(okno.Gora1->Napis(), prawy.path().toUpper());
    QCOMPARE(okno.Panel1[1]->Napis(), QStringLiteral("tu"));
    const auto wywołania = test.dialogi->callsOf(QStringLiteral("WybierzDysk"));
    QCOMPARE(wywołania.size(), 1);
    const QVariantList &a = wywołania[0].args;
    QCOMPARE(a[0].toInt(), oc::ui::toTwips(okno.x()) + 1680);
    QCOMPARE(a[1].toInt(), oc::ui::toTwips(okno.y()) + 1900);
    QCOMPARE(a[2].toString(), oc::platform::volumeOf(lewy.path()));
    QCOMPARE(a[3].metaType(), QMetaType::fromType<qint16>());
    QCOMPARE(a[3].toInt(), 1);

    // Alt+F2 passes the right panel's place and number.
    test.dialogi->answers[QStringLiteral("wybierzdysk")] = {QString()};
    QTest::keyClick(&okno, Qt::Key_F2, Qt::AltModifier);
    const QVariantList b = test.dialogi->callsOf(QStringLiteral("WybierzDysk")).last().args;
    QCOMPARE(b[0].toInt(), oc::ui::toTwips(okno.x()) + 7000);
    QCOMPARE(b[3].toInt(), 2);
}

void TestKeyboard::altF1Cancelled()
{
    QTemporaryDir lewy, prawy;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(lewy.path(), prawy.path());
    okno.Gora_Click(2);
    test.dialogi->answers[QStringLiteral("wybierzdysk")] = {QString()};
    QTest::keyClick(&okno, Qt::Key_F1, Qt::AltModifier);
    QCOMPARE(okno.AktywnyPanel(), 1);
    QCOMPARE(okno.Dir1.Ścieżka(), lewy.path());
}

void TestKeyboard::altCaptionAndExitKeys()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QCOMPARE(okno.Short[3]->caption(), QStringLiteral("Edycja"));
    QTest::keyPress(&okno, Qt::Key_Alt, Qt::AltModifier);
    QCOMPARE(okno.Short[3]->caption(), QStringLiteral("Edytuj..."));
    QVERIFY(okno.tmrKlawisze->isActive());
    QTest::keyRelease(&okno, Qt::Key_Alt);

    test.komunikaty->answers[QStringLiteral("notebox2")] = {1, 1, 1};
    QTest::keyClick(&okno, Qt::Key_F10);
    QTest::keyClick(&okno, Qt::Key_F4, Qt::AltModifier);
    QTest::mouseClick(okno.Short[9], Qt::LeftButton);
    QCOMPARE(test.komunikaty->callsOf(QStringLiteral("notebox2")).size(), 3);
    QVERIFY(okno.isVisible());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
