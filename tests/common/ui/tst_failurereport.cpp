#include <ui/FailureReport.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <cerrno>

using oc::platform::FileError;
using oc::ui::FailureList;

// The report's text is what the user reads of a failed batch: the lead as
// given, the first failures named, the rest counted, and a name is shown
// as it is even when it looks like markup.
class TestFailureReport : public QObject
{
    Q_OBJECT

private slots:
    void textAndBox_data();
    void textAndBox();
};

namespace {

// Failures named "/t/<b>1</b>", "/t/<b>2</b>", ...
std::vector<FileError> błędy(int ile)
{
    std::vector<FileError> wynik;
    for (int i = 1; i <= ile; ++i)
        wynik.push_back({ENOENT, QStringLiteral("/t/<b>%1</b>").arg(i)});
    return wynik;
}

const QString Brak = QStringLiteral(": Nie ma takiego pliku ani katalogu");

} // namespace

void TestFailureReport::textAndBox_data()
{
    QTest::addColumn<int>("ile");
    QTest::addColumn<int>("nazwane");
    QTest::addColumn<QString>("reszta");
    QTest::addColumn<bool>("podSpodem");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("wierszePodSpodem");
    QTest::addColumn<QString>("ostatniPodSpodem");

    const QString l = QStringLiteral("Błędów: 2\n");
    QTest::newRow("fewer than named: all of them, no line for the rest")
        << 2 << 5 << "(i %1 innych)" << false << l + "\n/t/<b>1</b>" + Brak + "\n/t/<b>2</b>" + Brak << 0 << "";
    QTest::newRow("exactly as many as named: no line for the rest")
        << 2 << 2 << "..." << false << l + "\n/t/<b>1</b>" + Brak + "\n/t/<b>2</b>" + Brak << 0 << "";
    QTest::newRow("one past the cut-off: the rest counted")
        << 3 << 2 << "(i %1 innych)" << false
        << l + "\n/t/<b>1</b>" + Brak + "\n/t/<b>2</b>" + Brak + "\n(i 1 innych)" << 0 << "";
    QTest::newRow("a fixed line for the rest") << 3 << 1 << "..." << false << l + "\n/t/<b>1</b>" + Brak + "\n..." << 0
                                               << "";
    QTest::newRow("under the fold: the lead alone in the text, the total at the end")
        << 101 << 100 << "… (%2)" << true << l << 101 << "… (101)";
}

void TestFailureReport::textAndBox()
{
    QFETCH(int, ile);
    QFETCH(int, nazwane);
    QFETCH(QString, reszta);
    QFETCH(bool, podSpodem);
    QFETCH(QString, tekst);
    QFETCH(int, wierszePodSpodem);
    QFETCH(QString, ostatniPodSpodem);
    const FailureList lista{std::size_t(nazwane), reszta, podSpodem};
    const QString lead = QStringLiteral("Błędów: 2\n");

    const oc::ui::FailureReportText raport = oc::ui::failureReportText(lead, błędy(ile), lista);
    QCOMPARE(raport.text, tekst);
    const QStringList wiersze = raport.folded.isEmpty() ? QStringList() : raport.folded.split(u'\n');
    QCOMPARE(wiersze.size(), wierszePodSpodem);
    if (podSpodem) {
        QCOMPARE(wiersze.first(), QStringLiteral("/t/<b>1</b>") + Brak);
        QCOMPARE(wiersze.last(), ostatniPodSpodem);
    }

    // The box shows that text as plain text, names in tags included.
    QString widziane, rozwinięte, tytuł;
    Qt::TextFormat format = Qt::RichText;
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto *pudełko = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(pudełko);
        widziane = pudełko->text();
        rozwinięte = pudełko->detailedText();
        tytuł = pudełko->windowTitle();
        format = pudełko->textFormat();
        ikona = pudełko->icon();
        pudełko->accept();
    });
    oc::ui::showFailures(nullptr, QStringLiteral("Błąd"), lead, błędy(ile), lista);
    QCOMPARE(widziane, tekst);
    QCOMPARE(rozwinięte, raport.folded);
    QCOMPARE(tytuł, QStringLiteral("Błąd"));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(ikona, QMessageBox::Warning);
}

QTEST_MAIN(TestFailureReport)
#include "tst_failurereport.moc"
