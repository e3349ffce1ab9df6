#include "OknoTestowe.h"

#include <ui/Colors.h>
#include <ui/Twips.h>

#include <QTemporaryDir>
#include <QtTest>

// F3 hands the file under the cursor to the dialog component's player or
// picture viewer by its extension; the F3 caption says beforehand whether it will.
class TestPodglad : public QObject
{
    Q_OBJECT
private slots:
    void f3_data();
    void f3();
};

void TestPodglad::f3_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("operation"); // "" for none
    QTest::addColumn<int>("dx");
    QTest::addColumn<bool>("black"); // the F3 caption
    QTest::newRow("song.WAV") << "song.WAV" << "playwavfile" << 3680 << true;
    QTest::newRow("tune.mid") << "tune.mid" << "playmidifile" << 3680 << true;
    QTest::newRow("a.mp3, caption stays grey") << "a.mp3" << "playmp3file" << 3680 << false;
    QTest::newRow("icon.ico") << "icon.ico" << "showbmpfile" << 0 << true;
    QTest::newRow("notes.txt") << "notes.txt" << "" << 0 << false;
    QTest::newRow("photo.jpeg") << "photo.jpeg" << "" << 0 << false;
    QTest::newRow("short") << "a.b" << "" << 0 << false;
    QTest::newRow("a directory named like a picture") << "kat.jpg/" << "" << 0 << true;
}

void TestPodglad::f3()
{
    QFETCH(QString, name);
    QFETCH(QString, operation);
    QFETCH(int, dx);
    QFETCH(bool, black);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {name});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_Click(1, 1);
    QCOMPARE(oc::ui::foreground(okno.Short[2]) == 0, black);
    QTest::keyClick(&okno, Qt::Key_F3);
    const QList<ScriptedComponent::Call> wywołania = test.dialogi->calls;
    QCOMPARE(wywołania.size(), operation.isEmpty() ? 0 : 1);
    if (operation.isEmpty())
        return;
    QCOMPARE(wywołania.first().operation, operation);
    QCOMPARE(wywołania.first().args.value(0).toFloat(), float(oc::ui::leftTwips(&okno) + dx));
    QCOMPARE(wywołania.first().args.value(2).toString(), tmp.path() + u'/' + name);
    // On "..", grey again.
    okno.Panel_Click(1, 0);
    QVERIFY(oc::ui::foreground(okno.Short[2]) != 0);
}

QTEST_MAIN(TestPodglad)
#include "tst_podglad.moc"
