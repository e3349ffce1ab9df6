#include "OknoTestowe.h"

#include <actions/Sloty.h>
#include <component/ComponentError.h>
#include <ui/Twips.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The window's own title bar, its buttons and the corner menu.
class TestChrome : public QObject
{
    Q_OBJECT
private slots:
    void rollUpAndBackToTheExactHeight_data();
    void rollUpAndBackToTheExactHeight();
    void cornerMenu_data();
    void cornerMenu();
    void alwaysOnTopTwiceIsOff();
    void clockAsksTheDialogComponent_data();
    void clockAsksTheDialogComponent();
};

namespace {

// Picks the menu item with this text once the corner menu is open; "" closes it.
void Wybierz(const QString &tekst)
{
    QTimer::singleShot(50, [tekst] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions())
            if (action->text() == tekst && action->isEnabled()) {
                action->trigger();
                break;
            }
        menu->close();
    });
}

} // namespace

void TestChrome::rollUpAndBackToTheExactHeight_data()
{
    QTest::addColumn<int>("sposób"); // 0 button 2, 1 title double click, 2 the corner menu
    QTest::newRow("button") << 0;
    QTest::newRow("title bar double click") << 1;
    QTest::newRow("corner menu") << 2;
}

void TestChrome::rollUpAndBackToTheExactHeight()
{
    QFETCH(int, sposób);
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    oc::ui::resizeTwips(&okno, oc::ui::widthTwips(&okno), 7000);
    // 7000 twips to the nearest pixel.
    const int wysokość = oc::ui::heightTwips(&okno);
    QVERIFY(qAbs(wysokość - 7000) < 15);
    const auto zwiń = [&] {
        if (sposób == 0) {
            emit okno.cmdB[2]->clicked();
        } else if (sposób == 1) {
            QTest::mouseDClick(okno.Label1, Qt::LeftButton);
        } else {
            Wybierz(okno.Zwinięte() ? QStringLiteral("Rozwiń z paska") : QStringLiteral("Zwiń do paska"));
            okno.imgRogu_MouseDown();
        }
    };
    zwiń();
    // 360 twips, however many pixels that rounds to at this resolution.
    QVERIFY(okno.Zwinięte());
    QCOMPARE(okno.height(), oc::ui::toPixels(360));
    QCOMPARE(okno.cmdB[2]->toolTip(), QStringLiteral("Rozwiń z paska"));
    zwiń();
    QVERIFY(!okno.Zwinięte());
    QCOMPARE(oc::ui::heightTwips(&okno), wysokość);
    QCOMPARE(okno.cmdB[2]->toolTip(), QStringLiteral("Zwiń do paska"));
}

void TestChrome::cornerMenu_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("visible");
    QTest::newRow("Przywróć is disabled") << "&Przywróć" << 0 << true;
    QTest::newRow("Rozmiar is disabled") << "&Rozmiar" << 0 << true;
    QTest::newRow("Przenieś explains") << "Prz&enieś" << 1 << true;
    QTest::newRow("closed without a choice") << "" << 0 << true;
}

void TestChrome::cornerMenu()
{
    QFETCH(QString, item);
    QFETCH(int, messages);
    QFETCH(bool, visible);
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    const int wysokość = okno.height();
    Wybierz(item);
    QTest::keyClick(&okno, Qt::Key_Space, Qt::AltModifier);
    const QList<ScriptedComponent::Call> komunikaty = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    QCOMPARE(komunikaty.size(), messages);
    if (messages)
        QCOMPARE(komunikaty.first().args.value(2).toString(), QStringLiteral("Przenieś"));
    QCOMPARE(okno.isVisible(), visible);
    QCOMPARE(okno.height(), wysokość);
    // The corner shows the program's own icon.
    const QImage ikona = okno.imgRogu->pixmap().toImage();
    QVERIFY(!ikona.isNull() && ikona.pixelColor(ikona.rect().center()).alpha() > 0);
}

void TestChrome::alwaysOnTopTwiceIsOff()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    Wybierz(QStringLiteral("&Zawsze na wierzchu"));
    okno.imgRogu_MouseDown();
    QVERIFY(okno.mnuTop->isChecked());
    QVERIFY(okno.windowFlags() & Qt::WindowStaysOnTopHint);
    // Rolled up and down, it stays on top.
    okno.Zwijanka();
    okno.Zwijanka();
    QVERIFY(okno.windowFlags() & Qt::WindowStaysOnTopHint);
    Wybierz(QStringLiteral("&Zawsze na wierzchu"));
    okno.imgRogu_MouseDown();
    QVERIFY(!okno.mnuTop->isChecked());
    QVERIFY(!(okno.windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(okno.isVisible());
}

void TestChrome::clockAsksTheDialogComponent_data()
{
    QTest::addColumn<int>("komponent"); // 0 there, 1 missing, 2 failing
    QTest::newRow("shown") << 0;
    QTest::newRow("the dialog component is missing") << 1;
    QTest::newRow("the dialog component fails") << 2;
}

void TestChrome::clockAsksTheDialogComponent()
{
    QFETCH(int, komponent);
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    if (komponent == 1)
        okno.Komponenty().Dialogi.reset();
    if (komponent == 2)
        test.dialogi->during = [](const ScriptedComponent::Call &) { throw oc::ComponentError(QStringLiteral("brak")); };
    emit okno.Zegar->clicked();
    const QList<ScriptedComponent::Call> komunikaty = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    if (komponent) {
        QCOMPARE(komunikaty.size(), 1);
        const QVariantList &a = komunikaty.first().args;
        QCOMPARE(a[2].toString(), QStringLiteral("Błąd krytyczny"));
        QCOMPARE(a[3].toInt(), 1);
        QCOMPARE(a[6].toString(), QStringLiteral("Nie mogę wyświetlić zegara !!!"));
        return;
    }
    QVERIFY(komunikaty.isEmpty());
    const QList<ScriptedComponent::Call> zegar = test.dialogi->callsOf(QStringLiteral("pokazzegar"));
    QCOMPARE(zegar.size(), 1);
    QCOMPARE(zegar.first().args.value(0).toFloat(), float(oc::ui::leftTwips(&okno) + 4085));
    QCOMPARE(zegar.first().args.value(1).toFloat(), float(oc::ui::topTwips(&okno) + 2100));
}

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
