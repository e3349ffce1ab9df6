#include "OknoTestowe.h"

#include <ui/Colors.h>
#include <ui/Twips.h>

#include <viewer/frmPodglad.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStringEncoder>
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
    void viewerKeys();
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

// In the viewer F7 searches on a worker, F3 goes to the next hit, F8 changes
// the encoding, and Esc gives the keys back to the panels.
void TestPodglad::viewerKeys()
{
    QTemporaryDir tmp;
    QFile plik(tmp.filePath(QStringLiteral("list.txt")));
    QVERIFY(plik.open(QIODevice::WriteOnly));
    QStringEncoder cp1250("windows-1250");
    plik.write(cp1250.encode(QStringLiteral("Wczoraj płynęła ŁÓDŹ po Wiśle.\nDziś znów łódź płynie.\n").repeated(50)));
    plik.close();
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_Click(1, 1);
    QList<qint64> trafienia;
    QStringList stany;
    QTimer::singleShot(0, &okno, [&] {
        auto *podgląd = dynamic_cast<frmPodglad *>(QApplication::activeModalWidget());
        QVERIFY(podgląd);
        stany << podgląd->lblStan->text();
        QTest::keyClick(podgląd, Qt::Key_F7);
        podgląd->txtSzukaj->insert(QStringLiteral("łódź"));
        QTest::keyClick(podgląd->txtSzukaj, Qt::Key_Return);
        for (int i = 0; i < 2; ++i) {
            QTRY_VERIFY(!podgląd->Szuka() && podgląd->przeglądanie().trafienie());
            trafienia << podgląd->przeglądanie().trafienie()->początek;
            QTest::keyClick(podgląd, Qt::Key_F3);
        }
        QTRY_VERIFY(!podgląd->Szuka());
        QTest::keyClick(podgląd, Qt::Key_F8);
        stany << podgląd->lblStan->text();
        QTest::keyClick(podgląd, Qt::Key_Escape);
    });
    QTest::keyClick(&okno, Qt::Key_F3);
    QCOMPARE(trafienia, (QList<qint64>{16, 41}));
    QVERIFY2(stany.value(0).startsWith(QStringLiteral(" windows-1250 · tekst")), qPrintable(stany.value(0)));
    QVERIFY2(stany.value(1).startsWith(QStringLiteral(" ISO-8859-2")), qPrintable(stany.value(1)));
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestPodglad)
#include "tst_podglad.moc"
