#include <TempRegistry.h>

#include <component/createObject.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

class TstOc2Registry : public QObject
{
    Q_OBJECT

private slots:
    void callsByName();
};

void TstOc2Registry::callsByName()
{
    oc::test::TempRegistry registry;
    QCOMPARE(registry.registerLibraries({QStringLiteral("oc2.so")}), 0);
    oc::ComponentPtr historia = oc::createObject(QStringLiteral("OC2.ocmd"));
    QVERIFY(historia);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("pusty")));
    QFile plik(dir.filePath(QStringLiteral("pusty/a")));
    QVERIFY(plik.open(QIODevice::WriteOnly) && plik.write("abc") == 3);
    plik.close();
    QCOMPARE(historia->call(u"zzm", dir.path()).toString(), QStringLiteral("3#12288#2#1"));

    QCOMPARE(historia->call(u"clearlist").toInt(), 0);
    QCOMPARE(historia->call(u"addhistorypos", QStringLiteral("ls -la")).toInt(), 0);
    QCOMPARE(historia->call(u"AddHistoryPos", QStringLiteral("make")).toInt(), 0);
    QTimer::singleShot(0, [] {
        QWidget *okno = QApplication::activeModalWidget();
        QVERIFY(okno);
        // The start-up hook fills the rows on its first tick.
        QVERIFY(QTest::qWaitFor([okno] {
            const QList<QLabel *> wiersze = okno->findChildren<QLabel *>();
            return std::any_of(wiersze.begin(), wiersze.end(),
                               [](QLabel *w) { return w->text() == QStringLiteral("make"); });
        }));
        QTest::keyClick(okno, Qt::Key_Down);
        QTest::keyClick(okno, Qt::Key_Return);
    });
    // The main program passes positions as single precision from doubles.
    QCOMPARE(historia->call(u"showhistorywindow", 3600.0, 1000.0).toString(), QStringLiteral("make"));
}

QTEST_MAIN(TstOc2Registry)
#include "tst_oc2_registry.moc"
