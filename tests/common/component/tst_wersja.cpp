#include <component/Wersja.h>

#include <QtTest>

class TestWersja : public QObject
{
    Q_OBJECT

private slots:
    void text_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("expected");
        QTest::newRow("revision 0 gives two numbers") << 1 << 0 << 0 << "1.0";
        QTest::newRow("revision 3 gives three numbers") << 1 << 2 << 3 << "1.2.3";
        QTest::newRow("minor 0 with a revision") << 2 << 0 << 7 << "2.0.7";
        QTest::newRow("numbers past one digit") << 10 << 11 << 0 << "10.11";
    }

    void text()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, expected);
        QCOMPARE(oc::WersjaProgramu(major, minor, revision), expected);
    }

    void programVersionHasTwoOrThreeNumbers()
    {
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+(\\.[1-9]\\d*)?$"))
                    .match(oc::WersjaProgramu())
                    .hasMatch());
    }
};

QTEST_GUILESS_MAIN(TestWersja)
#include "tst_wersja.moc"
