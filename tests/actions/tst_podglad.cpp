#include "OknoTestowe.h"

#include <ui/Colors.h>
#include <ui/Twips.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// F3 hands a sound or a picture under the cursor to the dialog component's
// player or picture viewer, and any other file to the viewer window.
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
    QTest::addColumn<QString>("viewer"); // the viewer window's title, "" for none
    QTest::newRow("a directory named like a picture") << "kat.jpg/" << "" << 0 << "";
    QTest::newRow("notes.txt in the viewer") << "notes.txt" << "" << 0 << "notes.txt - Podgląd";
    QTest::newRow("a name without a dot in the viewer") << "README" << "" << 0 << "README - Podgląd";
    QTest::newRow("song.WAV") << "song.WAV" << "playwavfile" << 3680 << "";
    QTest::newRow("tune.mid") << "tune.mid" << "playmidifile" << 3680 << "";
    QTest::newRow("a.mp3") << "a.mp3" << "playmp3file" << 3680 << "";
    QTest::newRow("icon.ico") << "icon.ico" << "showbmpfile" << 0 << "";
    QTest::newRow("photo.jpeg, a type Qt reads") << "photo.jpeg" << "showbmpfile" << 0 << "";
    QTest::newRow("image.PNG") << "image.PNG" << "showbmpfile" << 0 << "";
    QTest::newRow("drawing.svg") << "drawing.svg" << "showbmpfile" << 0 << "";
}

void TestPodglad::f3()
{
    QFETCH(QString, name);
    QFETCH(QString, operation);
    QFETCH(int, dx);
    QFETCH(QString, viewer);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {name});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_Click(1, 1);
    QCOMPARE(oc::ui::foreground(okno.Short[2]) == 0, !name.endsWith(u'/'));
    QString shown;
    QObject context;
    QTimer::singleShot(0, &context, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            shown = modal->windowTitle();
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    QTest::keyClick(&okno, Qt::Key_F3);
    QCOMPARE(shown, viewer);
    const QList<ScriptedComponent::Call> wywołania = test.dialogi->calls;
    QCOMPARE(wywołania.size(), operation.isEmpty() ? 0 : 1);
    if (operation.isEmpty())
        return;
    QCOMPARE(wywołania.first().operation, operation);
    QCOMPARE(wywołania.first().args.value(0).toFloat(), float(oc::ui::leftTwips(&okno) + dx));
    QCOMPARE(wywołania.first().args.value(2).toString(), tmp.path() + u'/' + name);
}

QTEST_MAIN(TestPodglad)
#include "tst_podglad.moc"
