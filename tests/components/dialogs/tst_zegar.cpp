#include <Ocmd.h>
#include <Zegar.h>
#include <frmZegar.h>

#include <ui/Twips.h>

#include <QApplication>
#include <QDateTime>
#include <QTest>
#include <QTimer>

using oc::frmZegar;

class TstZegar : public QObject
{
    Q_OBJECT

private slots:
    void dateText_data();
    void dateText();
    void window_data();
    void window();
};

void TstZegar::dateText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");

    QTest::newRow("leap day, Wednesday") << QDate(2012, 2, 29) << "środa, 29 lutego 2012";
    QTest::newRow("Sunday, last month") << QDate(2023, 12, 31) << "niedziela, 31 grudnia 2023";
    QTest::newRow("Monday, first month") << QDate(2024, 1, 1) << "poniedziałek, 1 stycznia 2024";
    QTest::newRow("Friday, October") << QDate(2025, 10, 17) << "piątek, 17 października 2025";
    QTest::newRow("no date") << QDate() << "";
}

void TstZegar::dateText()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(oc::TekstDaty(date), text);
}

void TstZegar::window_data()
{
    QTest::addColumn<int>("key");

    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
}

void TstZegar::window()
{
    QFETCH(int, key);

    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto *okno = qobject_cast<frmZegar *>(QApplication::activeModalWidget());
        if (!okno)
            return;
        shown = true;
        QCOMPARE(okno->windowTitle(), QStringLiteral("Zegar"));
        QCOMPARE(okno->Label1->text().trimmed(), okno->windowTitle());
        QCOMPARE(okno->pos(), QPoint(oc::ui::toPixels(4085), oc::ui::toPixels(2100)));
        const QDateTime now = QDateTime::currentDateTime();
        const QTime time = QTime::fromString(okno->lblCzas->text(), QStringLiteral("HH:mm:ss"));
        QVERIFY2(qAbs(time.secsTo(now.time())) <= 1, qPrintable(okno->lblCzas->text()));
        QCOMPARE(okno->lblData->text(), oc::TekstDaty(now.date()));
        // The next second's tick puts the time back.
        okno->lblCzas->clear();
        QTRY_VERIFY_WITH_TIMEOUT(!okno->lblCzas->text().isEmpty(), 1500);
        QTest::keyClick(okno, Qt::Key(key));
        if (okno->isVisible()) {
            okno->reject();
            QFAIL("the window stayed open");
        }
    });
    oc::Ocmd ocmd;
    ocmd.call(u"PokazZegar", 4085.0f, 2100.0f);
    QVERIFY(shown);
}

QTEST_MAIN(TstZegar)
#include "tst_zegar.moc"
