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
    void attributesByName();
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

// The batch and the single-file window through the registered library: read-only
// set on a file by Space and Ustaw, then taken off again.
void TstOc2Registry::attributesByName()
{
    oc::test::TempRegistry registry;
    QCOMPARE(registry.registerLibraries({QStringLiteral("oc2.so")}), 0);
    oc::ComponentPtr historia = oc::createObject(QStringLiteral("oc2.Ocmd"));
    QVERIFY(historia);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString plik = dir.filePath(QStringLiteral("plik"));
    QFile utworzony(plik);
    QVERIFY(utworzony.open(QIODevice::WriteOnly));
    utworzony.close();

    // Field 1 is read-only; Up from it reaches Anuluj, Up again Ustaw.
    auto naciśnij = [] {
        QWidget *okno = QApplication::activeModalWidget();
        QVERIFY(okno);
        // The start-up hook sets the boxes before any key counts.
        QVERIFY(QTest::qWaitFor([okno] {
            const QList<QTimer *> zegary = okno->findChildren<QTimer *>();
            return std::none_of(zegary.begin(), zegary.end(), [](QTimer *t) { return t->isActive(); });
        }));
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return})
            QTest::keyClick(okno, key);
    };
    QCOMPARE(historia->call(u"clearatriblists").toInt(), 0);
    QCOMPARE(historia->call(u"AddAtribFile", plik).toInt(), 0);
    QTimer::singleShot(0, naciśnij);
    QCOMPARE(historia->call(u"ShowAtrib2", 3000.0, 1000.0).toInt(), 1);
    QVERIFY(!(QFile::permissions(plik) & QFileDevice::WriteOwner));

    QTimer::singleShot(0, naciśnij);
    QCOMPARE(historia->call(u"showattribwindow", 2000.0, 1000.0, plik).toInt(), 0);
    QVERIFY(QFile::permissions(plik) & QFileDevice::WriteOwner);
}

QTEST_MAIN(TstOc2Registry)
#include "tst_oc2_registry.moc"
