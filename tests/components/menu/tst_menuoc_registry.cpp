#include <TempRegistry.h>

#include <component/createObject.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

// Presses the keys 20 ms apart on whichever window is modal then, so that
// the strokes each one sends have run before the next.
void naciśnij(QList<Qt::Key> klawisze)
{
    QTimer::singleShot(20, [klawisze]() mutable {
        if (klawisze.isEmpty())
            return;
        const Qt::Key klawisz = klawisze.takeFirst();
        naciśnij(klawisze);
        if (QWidget *okno = QApplication::activeModalWidget())
            QTest::keyClick(okno, klawisz);
    });
}

} // namespace

class TstMenuocRegistry : public QObject
{
    Q_OBJECT

private slots:
    void choosesByKeys();
};

void TstMenuocRegistry::choosesByKeys()
{
    oc::test::TempRegistry registry;
    QCOMPARE(registry.registerLibraries({QStringLiteral("menuoc.so")}), 0);
    oc::ComponentPtr menu = oc::createObject(QStringLiteral("MENUOC.Class1"));
    QVERIFY(menu);

    naciśnij({Qt::Key_Right, Qt::Key_K, Qt::Key_A});
    QCOMPARE(menu->call(u"PokażMenu", 600.0f, 300.0f, 9000.0f, qint32(5)).toInt(), 2);
    QCOMPARE(menu->call(u"pokażmenu2").toInt(), 2);

    naciśnij({Qt::Key_Down, Qt::Key_Escape, Qt::Key_F10});
    QVERIFY(!menu->call(u"Main").isValid());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(menu->call(u"PokażMenu2").toInt(), 65535);
}

QTEST_MAIN(TstMenuocRegistry)
#include "tst_menuoc_registry.moc"
