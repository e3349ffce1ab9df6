#include <ui/TitleDrag.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QtTest>

// A title strip hands the window to the window manager only for a drag: a
// window manager keeps the pointer once the move starts, so presses, clicks
// and double clicks must still reach the title.
class TestTitleDrag : public QObject
{
    Q_OBJECT

private slots:
    void moveStartsOnlyPastTheDragDistance_data();
    void moveStartsOnlyPastTheDragDistance();
};

namespace {

// Counts the events the title itself gets, after the drag filter saw them.
class Tytuł : public QLabel
{
public:
    using QLabel::QLabel;
    int naciśnięcia = 0, podwójne = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++naciśnięcia; }
    void mouseDoubleClickEvent(QMouseEvent *) override { ++podwójne; }
};

void wyślij(QWidget *cel, QEvent::Type rodzaj, QPoint gdzie, Qt::MouseButtons wciśnięte)
{
    const Qt::MouseButton przycisk = rodzaj == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent zdarzenie(rodzaj, gdzie, cel->mapToGlobal(gdzie), przycisk, wciśnięte, Qt::NoModifier);
    QApplication::sendEvent(cel, &zdarzenie);
}

} // namespace

void TestTitleDrag::moveStartsOnlyPastTheDragDistance_data()
{
    // The pointer's path after the press: x offsets, the button held throughout
    // unless stated; then released.
    QTest::addColumn<QList<int>>("ruchy");
    QTest::addColumn<bool>("puszczony"); // released before the moves
    QTest::addColumn<int>("przeniesienia");
    const int d = QApplication::startDragDistance();
    QTest::newRow("a press alone") << QList<int>{} << false << 0;
    QTest::newRow("a shake within the drag distance") << QList<int>{1, d - 1, 0} << false << 0;
    QTest::newRow("past the drag distance") << QList<int>{d} << false << 1;
    QTest::newRow("on past it: still one move") << QList<int>{d, 2 * d, 3 * d} << false << 1;
    QTest::newRow("moved after the release") << QList<int>{3 * d} << true << 0;
}

void TestTitleDrag::moveStartsOnlyPastTheDragDistance()
{
    QFETCH(QList<int>, ruchy);
    QFETCH(bool, puszczony);
    QFETCH(int, przeniesienia);
    QWidget okno(nullptr, Qt::Window | Qt::FramelessWindowHint);
    okno.resize(300, 200);
    auto *tytuł = new Tytuł(QStringLiteral("Okno"), &okno);
    tytuł->setGeometry(0, 0, 300, 20);
    oc::ui::makeTitleDrag(tytuł);
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QList<QWindow *> przeniesione;
    oc::ui::setSystemMove([&](QWindow *w) { przeniesione << w; });

    const QPoint start(50, 10);
    wyślij(tytuł, QEvent::MouseButtonPress, start, Qt::LeftButton);
    if (puszczony)
        wyślij(tytuł, QEvent::MouseButtonRelease, start, Qt::NoButton);
    for (int x : ruchy)
        wyślij(tytuł, QEvent::MouseMove, start + QPoint(x, 0), puszczony ? Qt::NoButton : Qt::LeftButton);
    wyślij(tytuł, QEvent::MouseButtonRelease, start, Qt::NoButton);
    // The second press of a double click arrives as one.
    wyślij(tytuł, QEvent::MouseButtonDblClick, start, Qt::LeftButton);
    wyślij(tytuł, QEvent::MouseButtonRelease, start, Qt::NoButton);
    oc::ui::setSystemMove({});

    QCOMPARE(przeniesione.size(), przeniesienia);
    if (przeniesienia)
        QCOMPARE(przeniesione.first(), okno.windowHandle());
    QCOMPARE(tytuł->naciśnięcia, 1);
    QCOMPARE(tytuł->podwójne, 1);
}

QTEST_MAIN(TestTitleDrag)
#include "tst_titledrag.moc"
