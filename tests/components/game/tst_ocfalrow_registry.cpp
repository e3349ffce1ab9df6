#include <TempRegistry.h>

#include <component/createObject.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

QWidget *widoczne(const QString &nazwa)
{
    for (QWidget *okno : QApplication::topLevelWidgets())
        if (okno->objectName() == nazwa && okno->isVisible())
            return okno;
    return nullptr;
}

} // namespace

class TstOcfalrowRegistry : public QObject
{
    Q_OBJECT

private slots:
    void playsAndComesBack();
};

// A game outlives the call and the instance, then Esc brings the start dialog
// back without a modal loop, and Esc there ends it all.
void TstOcfalrowRegistry::playsAndComesBack()
{
    oc::test::TempRegistry registry;
    QCOMPARE(registry.registerLibraries({QStringLiteral("ocfalrow.so")}), 0);
    oc::ComponentPtr gra = oc::createObject(QStringLiteral("OCFALROW.clsfalrow"));
    QVERIFY(gra);

    QTimer::singleShot(0, [] {
        QWidget *start = QApplication::activeModalWidget();
        QVERIFY(start);
        QCOMPARE(start->objectName(), QStringLiteral("Falrow2"));
        QTest::keyClick(start, Qt::Key_Left);
        QTest::keyClick(start, Qt::Key_Return);
    });
    QCOMPARE(gra->call(u"runfalrow").toInt(), 0);
    gra.reset();

    QPointer<QWidget> okno = widoczne(QStringLiteral("Falrow"));
    QVERIFY(okno);
    QVERIFY(!QApplication::activeModalWidget());
    QTest::keyClick(okno, Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([&] { return !okno; }));

    QPointer<QWidget> znowu = widoczne(QStringLiteral("Falrow2"));
    QVERIFY(znowu);
    QVERIFY(!QApplication::activeModalWidget());
    QTest::keyClick(znowu, Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([&] { return !znowu; }));
}

QTEST_MAIN(TstOcfalrowRegistry)
#include "tst_ocfalrow_registry.moc"
