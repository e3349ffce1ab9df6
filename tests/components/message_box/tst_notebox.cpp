#include <frmMsg.h>
#include <Notebox2.h>

#include <TempRegistry.h>
#include <component/createObject.h>
#include <ui/Colors.h>
#include <ui/LabelButton.h>
#include <ui/Shape.h>
#include <ui/Twips.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>

using notebox::frmMsg;

namespace {

constexpr quint32 yellow = 0x80FFFF;
constexpr quint32 white = 0xFFFFFF;

struct BoxCall
{
    qint32 x = 1500;
    qint32 y = 1200;
    QString title = QStringLiteral("Pytanie");
    quint8 ikona = 32;
    quint8 buttony = 0;
    quint8 defaultButton = 0;
    QString text = QStringLiteral("Czy na pewno?");
};

// Shows the real box through the operation and hands it to drive once the
// modal loop runs. A box still open after a few seconds is closed, and
// stillOpen tells so.
qint32 runBox(BoxCall &call, const std::function<void(QWidget *)> &drive, bool *stillOpen = nullptr)
{
    QTimer::singleShot(0, [&] { drive(QApplication::activeModalWidget()); });
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (QWidget *open = QApplication::activeModalWidget()) {
            timedOut = true;
            open->close();
        }
    });
    guard.start(5000);
    notebox::Notebox2 component;
    const qint32 result = component.notebox2(call.x, call.y, call.title, call.ikona, call.buttony,
                                             call.defaultButton, call.text);
    if (stillOpen)
        *stillOpen = timedOut;
    return result;
}

// The indices of the visible buttons with the highlight colour.
QList<int> highlighted(const frmMsg *form)
{
    QList<int> yellowOnes;
    for (int i = 0; i < 3; ++i) {
        if (form->But[i]->isHidden())
            continue;
        const quint32 colour = oc::ui::background(form->But[i]);
        if (colour == yellow)
            yellowOnes << i;
        else if (colour != white)
            yellowOnes << -1; // neither colour: always a failure
    }
    return yellowOnes;
}

} // namespace

class TestNotebox : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void escapeLeavesAbortRetryIgnoreOpen();
    void closedWithoutAChoice_data();
    void closedWithoutAChoice();
    void titleCentredOnTopEdge();
    void textsShownAsGiven();
    void layoutOfButtonSets_data();
    void layoutOfButtonSets();
    void iconColours_data();
    void iconColours();
    void framesFollowTheWindow();
    void throughTheRegistry();
};

void TestNotebox::keys_data()
{
    QTest::addColumn<int>("buttony");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<QList<int>>("keys"); // the last one closes the box
    QTest::addColumn<int>("highlightBeforeLast");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("defaultWrittenBack");

    using K = QList<int>;
    QTest::newRow("OK: Esc") << 0 << 0 << K{Qt::Key_Escape} << 0 << 0 << 0;
    QTest::newRow("OK: Enter") << 0 << 0 << K{Qt::Key_Return} << 0 << 0 << 0;
    QTest::newRow("OK: Space") << 0 << 0 << K{Qt::Key_Space} << 0 << 0 << 0;
    QTest::newRow("OK: O") << 0 << 0 << K{Qt::Key_O} << 0 << 0 << 0;
    QTest::newRow("OK: arrows and Tab do nothing")
        << 0 << 0 << K{Qt::Key_Left, Qt::Key_Right, Qt::Key_Tab, Qt::Key_Return} << 0 << 0 << 0;
    QTest::newRow("Tak/Nie/Anuluj default 1: Enter") << 3 << 1 << K{Qt::Key_Return} << 1 << 1 << 1;
    QTest::newRow("Tak/Nie/Anuluj default 1: Esc is Anuluj") << 3 << 1 << K{Qt::Key_Escape} << 1 << 2 << 1;
    QTest::newRow("Tak/Nie/Anuluj default 1: T") << 3 << 1 << K{Qt::Key_T} << 1 << 0 << 1;
    QTest::newRow("Tak/Nie/Anuluj: N") << 3 << 0 << K{Qt::Key_N} << 0 << 1 << 0;
    QTest::newRow("Tak/Nie default 5 reset to Tak") << 4 << 5 << K{Qt::Key_Return} << 0 << 0 << 0;
    QTest::newRow("Tak/Nie: Esc is Nie") << 4 << 0 << K{Qt::Key_Escape} << 0 << 1 << 0;
    QTest::newRow("Tak/Nie default 2 reset to Tak") << 4 << 2 << K{Qt::Key_Space} << 0 << 0 << 0;
    QTest::newRow("Right from the last wraps to the first") << 3 << 2 << K{Qt::Key_Right, Qt::Key_Return} << 0 << 0 << 2;
    QTest::newRow("Left from the first wraps to the last") << 3 << 0 << K{Qt::Key_Left, Qt::Key_Return} << 2 << 2 << 0;
    QTest::newRow("Right then Left comes back") << 3 << 0 << K{Qt::Key_Right, Qt::Key_Left, Qt::Key_Return} << 0 << 0 << 0;
    QTest::newRow("Tab moves right") << 3 << 0 << K{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return} << 2 << 2 << 0;
    QTest::newRow("OK/Anuluj moved to Anuluj: Space") << 1 << 0 << K{Qt::Key_Right, Qt::Key_Space} << 1 << 1 << 0;
    QTest::newRow("OK/Anuluj moved to Anuluj: Enter") << 1 << 0 << K{Qt::Key_Right, Qt::Key_Return} << 1 << 1 << 0;
    QTest::newRow("OK/Anuluj: Esc is Anuluj") << 1 << 0 << K{Qt::Key_Escape} << 0 << 1 << 0;
    QTest::newRow("Ponów/Anuluj: P") << 5 << 1 << K{Qt::Key_P} << 1 << 0 << 1;
    QTest::newRow("hot key ignores the highlight") << 3 << 2 << K{Qt::Key_T} << 2 << 0 << 2;
    QTest::newRow("unknown set: one empty button, Enter") << 9 << 2 << K{Qt::Key_Return} << 0 << 0 << 0;
    QTest::newRow("unknown set: Esc clicks the one button") << 9 << 0 << K{Qt::Key_Escape} << 0 << 0 << 0;
    QTest::newRow("a key that is no letter clicks nothing")
        << 2 << 0 << K{Qt::Key_F1, Qt::Key_Down, Qt::Key_Z} << 0 << 2 << 0;
}

void TestNotebox::keys()
{
    QFETCH(int, buttony);
    QFETCH(int, defaultButton);
    QFETCH(QList<int>, keys);
    QFETCH(int, highlightBeforeLast);
    QFETCH(int, expected);
    QFETCH(int, defaultWrittenBack);

    BoxCall call;
    call.buttony = quint8(buttony);
    call.defaultButton = quint8(defaultButton);
    QList<int> yellowBeforeLast;
    int currentBeforeLast = -1;
    bool closedByLastKey = false;
    bool openBeforeLast = false;
    bool stillOpen = false;
    const qint32 result = runBox(call, [&](QWidget *widget) {
        auto *form = qobject_cast<frmMsg *>(widget);
        if (!form)
            return;
        for (qsizetype i = 0; i + 1 < keys.size(); ++i)
            QTest::keyClick(form, Qt::Key(keys[i]));
        yellowBeforeLast = highlighted(form);
        currentBeforeLast = form->current();
        openBeforeLast = form->isVisible();
        QTest::keyClick(form, Qt::Key(keys.last()));
        closedByLastKey = !form->isVisible();
    }, &stillOpen);

    QVERIFY(!stillOpen);
    QVERIFY(openBeforeLast);
    QVERIFY(closedByLastKey);
    QCOMPARE(yellowBeforeLast, QList<int>{highlightBeforeLast});
    QCOMPARE(currentBeforeLast, highlightBeforeLast);
    QCOMPARE(result, expected);
    QCOMPARE(int(call.defaultButton), defaultWrittenBack);
}

void TestNotebox::escapeLeavesAbortRetryIgnoreOpen()
{
    const QList<QPair<Qt::Key, int>> choices{{Qt::Key_P, 0}, {Qt::Key_O, 1}, {Qt::Key_Z, 2}};
    for (const auto &[key, index] : choices) {
        BoxCall call;
        call.buttony = 2;
        bool openAfterEscape = false;
        bool stillOpen = false;
        const qint32 result = runBox(call, [&, key = key](QWidget *form) {
            QTest::keyClick(form, Qt::Key_Escape);
            openAfterEscape = form->isVisible();
            QTest::keyClick(form, key);
        }, &stillOpen);
        QVERIFY(openAfterEscape);
        QVERIFY(!stillOpen);
        QCOMPARE(result, index);
    }
}

void TestNotebox::closedWithoutAChoice_data()
{
    QTest::addColumn<int>("buttony");
    QTest::addColumn<int>("expected");
    QTest::newRow("OK") << 0 << 0;
    QTest::newRow("OK/Anuluj") << 1 << 1;
    QTest::newRow("Przerwij/Ponów/Zignoruj") << 2 << 0;
    QTest::newRow("Tak/Nie/Anuluj") << 3 << 2;
    QTest::newRow("Tak/Nie") << 4 << 1;
    QTest::newRow("Ponów/Anuluj") << 5 << 1;
}

// A box closed by the window manager gives Esc's answer, never whatever an
// earlier box answered.
void TestNotebox::closedWithoutAChoice()
{
    QFETCH(int, buttony);
    QFETCH(int, expected);
    BoxCall earlier;
    earlier.buttony = 3;
    QCOMPARE(runBox(earlier, [](QWidget *form) { QTest::keyClick(form, Qt::Key_T); }), 0);
    BoxCall earlierOther;
    earlierOther.buttony = 3;
    QCOMPARE(runBox(earlierOther, [](QWidget *form) { QTest::keyClick(form, Qt::Key_N); }), 1);

    BoxCall closed;
    closed.buttony = quint8(buttony);
    bool stillOpen = false;
    QCOMPARE(runBox(closed, [](QWidget *form) { form->close(); }, &stillOpen), expected);
    QVERIFY(!stillOpen);
}

void TestNotebox::titleCentredOnTopEdge()
{
    BoxCall call;
    call.title = QStringLiteral("Pytanie");
    QString shown;
    QRect title;
    int windowWidth = 0;
    runBox(call, [&](QWidget *widget) {
        auto *form = qobject_cast<frmMsg *>(widget);
        shown = form->Label1->text();
        title = form->Label1->geometry();
        windowWidth = form->width();
        QTest::keyClick(form, Qt::Key_Return);
    });
    QCOMPARE(shown, QStringLiteral(" Pytanie "));
    QCOMPARE(title.top(), 0);
    QVERIFY(title.width() > 0 && title.width() < windowWidth);
    QVERIFY2(qAbs(title.left() * 2 + title.width() - windowWidth) <= 1, "title not centred");
}

// Messages carry file names, and a name may look like markup: the box shows
// every character of the title and the text, never a formatted rendering.
void TestNotebox::textsShownAsGiven()
{
    BoxCall call;
    call.title = QStringLiteral("<b>a</b>");
    call.text = QStringLiteral("Plik <i>x</i>.txt");
    int titleWidth = 0, titleNeeds = 0, textWidth = 0, textNeeds = 0;
    QString windowTitle;
    runBox(call, [&](QWidget *widget) {
        auto *form = qobject_cast<frmMsg *>(widget);
        windowTitle = form->windowTitle();
        titleWidth = form->Label1->width();
        titleNeeds = QFontMetrics(form->Label1->font()).horizontalAdvance(QStringLiteral(" <b>a</b> "));
        textWidth = form->Label2->sizeHint().width();
        textNeeds = QFontMetrics(form->Label2->font()).horizontalAdvance(call.text);
        QTest::keyClick(form, Qt::Key_Return);
    });
    QCOMPARE(windowTitle, call.title);
    QVERIFY2(titleWidth >= titleNeeds, qPrintable(QStringLiteral("%1 < %2").arg(titleWidth).arg(titleNeeds)));
    QVERIFY2(textWidth >= textNeeds - 2, qPrintable(QStringLiteral("%1 < %2").arg(textWidth).arg(textNeeds)));
}

void TestNotebox::layoutOfButtonSets_data()
{
    QTest::addColumn<int>("buttony");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("lefts");

    QTest::newRow("OK") << 0 << QStringList{"&OK"} << QList<int>{2280};
    QTest::newRow("OK/Anuluj") << 1 << QStringList{"&OK", "&Anuluj"} << QList<int>{840, 3720};
    QTest::newRow("Przerwij/Ponów/Zignoruj")
        << 2 << QStringList{"&Przerwij", "P&onów", "&Zignoruj"} << QList<int>{360, 2280, 4320};
    QTest::newRow("Tak/Nie/Anuluj") << 3 << QStringList{"&Tak", "&Nie", "&Anuluj"} << QList<int>{360, 2280, 4320};
    QTest::newRow("Tak/Nie") << 4 << QStringList{"&Tak", "&Nie"} << QList<int>{840, 3720};
    QTest::newRow("Ponów/Anuluj") << 5 << QStringList{"&Ponów", "&Anuluj"} << QList<int>{840, 3720};
    QTest::newRow("unknown set") << 6 << QStringList{""} << QList<int>{840};
}

void TestNotebox::layoutOfButtonSets()
{
    QFETCH(int, buttony);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, lefts);

    frmMsg form;
    quint8 defaultButton = 0;
    form.setUp(0, 0, QStringLiteral("Tytuł"), 0, quint8(buttony), defaultButton, QStringLiteral("Tekst"));
    form.show();
    QStringList shownCaptions;
    QList<int> shownLefts;
    for (oc::ui::LabelButton *button : form.But)
        if (button->isVisible()) {
            shownCaptions << button->caption();
            shownLefts << oc::ui::leftTwips(button);
            QCOMPARE(oc::ui::topTwips(button), 960);
        }
    QCOMPARE(shownCaptions, captions);
    for (qsizetype i = 0; i < lefts.size(); ++i)
        QVERIFY2(qAbs(shownLefts[i] - lefts[i]) < 15, qPrintable(QString::number(shownLefts[i])));
    form.close();
}

void TestNotebox::iconColours_data()
{
    QTest::addColumn<int>("ikona");
    QTest::addColumn<quint32>("background");

    QTest::newRow("stop 16") << 16 << quint32(0x0000A0);
    QTest::newRow("stop 1") << 1 << quint32(0x0000A0);
    QTest::newRow("exclamation 48") << 48 << quint32(0x0000A0);
    QTest::newRow("exclamation 3") << 3 << quint32(0x0000A0);
    QTest::newRow("question 32") << 32 << quint32(0x808080);
    QTest::newRow("information 64") << 64 << quint32(0x808080);
    QTest::newRow("unknown 7") << 7 << quint32(0x808080);
}

void TestNotebox::iconColours()
{
    QFETCH(int, ikona);
    QFETCH(quint32, background);

    frmMsg form;
    quint8 defaultButton = 0;
    form.setUp(0, 0, QStringLiteral("Błąd"), quint8(ikona), 0, defaultButton, QStringLiteral("Tekst"));
    QCOMPARE(oc::ui::background(&form), background);
    // The message stays on the window colour.
    QVERIFY(!form.Label2->autoFillBackground());
}

void TestNotebox::framesFollowTheWindow()
{
    frmMsg form;
    form.show();
    QCOMPARE(oc::ui::widthTwips(&form), 6435);
    QCOMPARE(oc::ui::heightTwips(&form), 1485);
    form.resize(600, 200);
    QCoreApplication::processEvents();
    const int w = oc::ui::widthTwips(&form);
    const int h = oc::ui::heightTwips(&form);
    const QRect outer = form.Shape1[0]->geometry();
    const QRect inner = form.Shape1[1]->geometry();
    QCOMPARE(outer, QRect(oc::ui::toPixels(30), oc::ui::toPixels(30), oc::ui::toPixels(w - 60), oc::ui::toPixels(h - 60)));
    QCOMPARE(inner, QRect(oc::ui::toPixels(60), oc::ui::toPixels(60), oc::ui::toPixels(w - 120), oc::ui::toPixels(h - 120)));
    form.close();
}

void TestNotebox::throughTheRegistry()
{
    oc::test::TempRegistry registry;
    QCOMPARE(registry.registerLibraries({QStringLiteral("notebox.so")}), 0);
    oc::ComponentPtr box = oc::createObject(QStringLiteral("NOTEBOX.Notebox2"));
    QVERIFY(box);

    QVariantList args{qint32(3000), qint32(2000), QStringLiteral("Pytanie"), quint8(32), quint8(4), quint8(7),
                      QStringLiteral("Chcesz zakończyć pracę z programem ?")};
    QString seenTitle;
    QTimer::singleShot(0, [&] {
        QWidget *form = QApplication::activeModalWidget();
        if (auto *title = form ? form->findChild<QLabel *>(QStringLiteral("Label1")) : nullptr)
            seenTitle = title->text();
        QTest::keyClick(form, Qt::Key_N);
    });
    const QVariant result = box->invoke(u"notebox2", args);
    QCOMPARE(result.toInt(), 1);
    QCOMPARE(args.at(5).toInt(), 0);
    QCOMPARE(seenTitle, QStringLiteral(" Pytanie "));
}

QTEST_MAIN(TestNotebox)
#include "tst_notebox.moc"
