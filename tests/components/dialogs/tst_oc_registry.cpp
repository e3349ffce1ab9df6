#include <TempRegistry.h>

#include <component/createObject.h>
#include <platform/Volumes.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

class TstOcRegistry : public QObject
{
    Q_OBJECT

private slots:
    void callsByName();
};

void TstOcRegistry::callsByName()
{
    oc::test::TempRegistry registry;
    QCOMPARE(registry.registerLibraries({QStringLiteral("oc.so")}), 0);
    oc::ComponentPtr dialogi = oc::createObject(QStringLiteral("OC.OCMD"));
    QVERIFY(dialogi);

    QTimer::singleShot(0, [] {
        QWidget *okno = QApplication::activeModalWidget();
        QVERIFY(okno);
        QLineEdit *pole = okno->findChild<QLineEdit *>();
        QVERIFY(pole);
        QTest::keyClicks(pole, QStringLiteral("*.TXT"));
        QTest::keyClick(pole, Qt::Key_Return);
    });
    QCOMPARE(dialogi->call(u"Showmaska", 1780.0, 2000.0, qint16(1)).toString(), QStringLiteral("*.TXT"));

    QTimer::singleShot(0, [] {
        QWidget *okno = QApplication::activeModalWidget();
        QVERIFY(okno);
        QTest::keyClicks(okno->focusWidget(), QStringLiteral("nowy"));
        QTest::keyClick(okno->focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(dialogi->call(u"NewDirCreate", 2400.0, 2100.0).toString(), QStringLiteral("nowy"));

    QTimer::singleShot(0, [] {
        QWidget *okno = QApplication::activeModalWidget();
        QVERIFY(okno);
        QTest::keyClicks(okno, QStringLiteral("1,5*4/0="));
        QTest::keyClicks(okno, QStringLiteral("2,5+3="));
        QTest::keyClick(okno, Qt::Key_Escape);
    });
    QCOMPARE(dialogi->call(u"kalkulator", 3700.0f, 1600.0f).toString(), QStringLiteral("5,5"));

    // The windows of the clock, the viewer and the player, by name; each shows and closes.
    for (const char *operacja : {"POKAZZEGAR", "showbmpfile", "PlayWavFile", "playmidifile", "playmp3file"}) {
        QString okno;
        QTimer::singleShot(0, [&] {
            QWidget *aktywne = QApplication::activeModalWidget();
            QVERIFY(aktywne);
            okno = aktywne->windowTitle();
            QTest::keyClick(aktywne, Qt::Key_Escape);
        });
        QVariantList argumenty{4085.0f, 2100.0f, QStringLiteral("/nie/ma/takiego.pliku")};
        dialogi->invoke(QString::fromLatin1(operacja), argumenty);
        QVERIFY2(!okno.isEmpty(), operacja);
    }

    const QList<oc::platform::Volume> dyski = oc::platform::volumes();
    if (dyski.isEmpty())
        QSKIP("this machine lists no volumes");
    QTimer::singleShot(0, [] {
        QWidget *okno = QApplication::activeModalWidget();
        QVERIFY(okno);
        QTest::keyClick(okno, Qt::Key_End);
        QTest::keyClick(okno, Qt::Key_Return);
    });
    QCOMPARE(dialogi->call(u"WYBIERZDYSK", 1680, 1900, dyski.first().mountPoint, qint16(1)).toString(),
             dyski.last().mountPoint);
}

QTEST_MAIN(TstOcRegistry)
#include "tst_oc_registry.moc"
