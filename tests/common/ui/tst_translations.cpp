#include <ui/Translations.h>

#include <QCoreApplication>
#include <QtTest>

// Qt's own texts read in Polish, as the rest of the program.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void qtTextsInPolish_data();
    void qtTextsInPolish();
};

void TestTranslations::qtTextsInPolish_data()
{
    QTest::addColumn<QString>("kontekst");
    QTest::addColumn<QString>("angielski");
    QTest::addColumn<QString>("polski");
    QTest::newRow("message box details") << "QMessageBox" << "Show Details..." << "Pokaż szczegóły...";
    QTest::newRow("question button") << "QPlatformTheme" << "&Yes" << "&Tak";
    QTest::newRow("file error") << "QIODevice" << "Permission denied" << "Brak uprawnień";
}

void TestTranslations::qtTextsInPolish()
{
    QFETCH(QString, kontekst);
    QFETCH(QString, angielski);
    QFETCH(QString, polski);
    static const bool zainstalowane = oc::ui::installPolishQtTranslations();
    QVERIFY(zainstalowane);
    QCOMPARE(QCoreApplication::translate(qPrintable(kontekst), qPrintable(angielski)), polski);
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
