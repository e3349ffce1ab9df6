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

class TstOcdeleteRegistry : public QObject
{
    Q_OBJECT

private slots:
    void callsByName();
};

// The front-ends' calls, spelled as they spell them, answered with keys.
void TstOcdeleteRegistry::callsByName()
{
    oc::test::TempRegistry registry;
    QCOMPARE(registry.registerLibraries({QStringLiteral("ocdelete.so")}), 0);
    oc::ComponentPtr usuwanie = oc::createObject(QStringLiteral("OCDELETE.ocdel"));
    QVERIFY(usuwanie);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("kat/sub")));
    for (const char *nazwa : {"jeden", "dwa", "kat/sub/trzy"}) {
        QFile plik(dir.filePath(QString::fromLatin1(nazwa)));
        QVERIFY(plik.open(QIODevice::WriteOnly));
    }

    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    QVariantList argumenty{3500.0, 2000.0, dir.filePath(QStringLiteral("jeden"))};
    QCOMPARE(usuwanie->invoke(u"DeleteFileo", argumenty).toInt(), 1);
    QCOMPARE(argumenty.at(2).toString(), dir.filePath(QStringLiteral("jeden")));

    QCOMPARE(usuwanie->call(u"clearlists").toInt(), 0);
    QCOMPARE(usuwanie->call(u"AddDirToDelete", dir.filePath(QStringLiteral("kat"))).toInt(), 0);
    QCOMPARE(usuwanie->call(u"AddFileToDelete", dir.filePath(QStringLiteral("dwa"))).toInt(), 0);
    QTimer::singleShot(0, [] {
        QWidget *okno = QApplication::activeModalWidget();
        QVERIFY(okno);
        QVERIFY(QTest::qWaitFor([okno] {
            const QList<QLabel *> etykiety = okno->findChildren<QLabel *>();
            return std::any_of(etykiety.begin(), etykiety.end(), [](QLabel *etykieta) {
                return etykieta->text() == QStringLiteral("1 katalogów i 1 plików ?");
            });
        }));
        QTest::keyClick(okno, Qt::Key_T);
    });
    QCOMPARE(usuwanie->call(u"RunDeleteAll", 3660.0, 2000.0).toInt(), 1);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
             QStringList());
}

QTEST_MAIN(TstOcdeleteRegistry)
#include "tst_ocdelete_registry.moc"
