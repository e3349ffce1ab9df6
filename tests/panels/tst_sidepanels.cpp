#include "OknoTestowe.h"

#include <actions/Sloty.h>
#include <panels/InfoKatalogu.h>
#include <platform/Volumes.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMutex>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>
#include <atomic>
#include <sys/stat.h>

// The information panel and the quick view over the inactive file panel.
class TestSidePanels : public QObject
{
    Q_OBJECT
private slots:
    void groupedDigits_data();
    void groupedDigits();
    void countersText_data();
    void countersText();
    void descriptionFile_data();
    void descriptionFile();
    void informationFigures();
    void quickViewMessages_data();
    void quickViewMessages();
    void quickViewWaitsThenCounts();
    void unwantedCountStops_data();
    void unwantedCountStops();
    void switchingKeepsTheCoveredPanel_data();
    void switchingKeepsTheCoveredPanel();
};

namespace {

void Zapisz(const QString &path, const QByteArray &content)
{
    QFile plik(path);
    QVERIFY(plik.open(QIODevice::WriteOnly));
    plik.write(content);
}

} // namespace

void TestSidePanels::groupedDigits_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << "0";
    QTest::newRow("999") << qint64(999) << "999";
    QTest::newRow("1000") << qint64(1000) << "1 000";
    QTest::newRow("1234567") << qint64(1234567) << "1 234 567";
    QTest::newRow("2^31 - 1") << qint64(2147483647) << "2 147 483 647";
    QTest::newRow("past 32 bits") << qint64(4000000000000) << "4 000 000 000 000";
    QTest::newRow("negative") << qint64(-1234) << "-1 234";
}

void TestSidePanels::groupedDigits()
{
    QFETCH(qint64, n);
    QFETCH(QString, text);
    QCOMPARE(TekstZOdstępami(n), text);
}

void TestSidePanels::countersText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("bajty");
    QTest::addColumn<qint64>("pliki");
    QTest::newRow("four numbers") << "5100#12288#3#2" << qint64(5100) << qint64(2);
    QTest::newRow("past 32 bits") << "8589934592#8589934592#1#1" << qint64(8589934592) << qint64(1);
    QTest::newRow("empty") << "" << qint64(0) << qint64(0);
    QTest::newRow("damaged") << "12#x" << qint64(0) << qint64(0);
}

void TestSidePanels::countersText()
{
    QFETCH(QString, text);
    QFETCH(qint64, bajty);
    QFETCH(qint64, pliki);
    const Liczniki l = RozbierzLiczniki(text);
    QCOMPARE(l.Bajty, bajty);
    QCOMPARE(l.Pliki, pliki);
}

void TestSidePanels::descriptionFile_data()
{
    QTest::addColumn<QStringList>("directories");
    QTest::addColumn<QStringList>("files"); // name=content, "\n" separated lines
    QTest::addColumn<QString>("shown");
    QTest::newRow("first of the list wins") << QStringList() << QStringList{"readme=b", "dirinfo=a"} << "a\r\n";
    QTest::newRow("a directory never counts") << QStringList{"readme.txt"} << QStringList{"readme=z pliku"}
                                              << "z pliku\r\n";
    QTest::newRow("six lines of ten") << QStringList() << QStringList{"read.me=1\n2\n3\n4\n5\n6\n7\n8\n9\n10"}
                                      << "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n";
    QTest::newRow("none") << QStringList() << QStringList{"inny=x"}
                          << "Katalog nie zawiera pliku żadnego z podanych plików: dirinfo,  fileid.diz,  "
                             "readme.txt,  readme,  czytaj.to,  czytajto,  czytajto.txt,  read.me,  "
                             "file_id.diz,  descript.ion";
}

void TestSidePanels::descriptionFile()
{
    QFETCH(QStringList, directories);
    QFETCH(QStringList, files);
    QFETCH(QString, shown);
    QTemporaryDir tmp, inny;
    for (const QString &katalog : directories)
        QVERIFY(QDir(tmp.path()).mkdir(katalog));
    for (const QString &plik : files)
        Zapisz(tmp.filePath(plik.section(u'=', 0, 0)), plik.section(u'=', 1).toUtf8());
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), inny.path());
    QTest::keyClick(&okno, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(okno.TrybPaneluInfo, 1);
    QCOMPARE(okno.Panel->Label4[11]->text(), shown);
}

// Two subdirectories and files of 100 and 5000 bytes: the used figure adds
// one cluster per directory entry, ".." included.
void TestSidePanels::informationFigures()
{
    QTemporaryDir tmp, inny;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("k1/"), QStringLiteral("k2/")});
    Zapisz(tmp.filePath(QStringLiteral("a")), QByteArray(100, 'a'));
    Zapisz(tmp.filePath(QStringLiteral("b")), QByteArray(5000, 'b'));
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), inny.path());
    QTest::keyClick(&okno, Qt::Key_L, Qt::ControlModifier);
    const qint64 klaster = oc::platform::volumeInfo(tmp.path()).clusterSize;
    QCOMPARE(okno.Panel->Label4[18]->text(), QStringLiteral("2  "));
    QCOMPARE(okno.Panel->Label4[20]->text(), QStringLiteral("3"));
    QCOMPARE(okno.Panel->Label4[21]->text(), TekstZOdstępami(5100 + 3 * klaster) + QStringLiteral("  "));
    if (klaster == 4096)
        QCOMPARE(okno.Panel->Label4[21]->text(), QStringLiteral("17 388  "));
    QCOMPARE(okno.Panel->Label4[8]->text(), tmp.path().toUpper());
    // It stands over the right panel, whose rows are hidden, not the left one's.
    QVERIFY(okno.Panel->isVisible());
    QCOMPARE(okno.Panel->x(), okno.Panel2[0]->x());
    QVERIFY(okno.Panel2[0]->isHidden() && okno.Gora2->isHidden());
    QVERIFY(!okno.Panel1[0]->isHidden());
    // Ctrl+Q while it is open is ignored.
    QTest::keyClick(&okno, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(okno.TrybPaneluInfo, 1);
}

void TestSidePanels::quickViewMessages_data()
{
    QTest::addColumn<QString>("cursor"); // "": a panel without entries
    QTest::addColumn<QString>("message"); // "%": the panel's directory
    QTest::newRow("empty panel") << "" << "Dysk % jest pusty";
    QTest::newRow("..") << ".." << "Podgląd w tej wersji programu nie jest dostępny";
    QTest::newRow("a file") << "plik" << "Podgląd w tej wersji programu nie jest dostępny";
}

void TestSidePanels::quickViewMessages()
{
    QFETCH(QString, cursor);
    QFETCH(QString, message);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("plik")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    if (cursor.isEmpty())
        okno.Widok(1).Stan.LiczbaPozycji = okno.Widok(1).Stan.LiczbaKatalogów = 0;
    else if (cursor != QStringLiteral(".."))
        okno.Panel_Click(1, 1);
    QTest::keyClick(&okno, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(okno.TrybPaneluInfo, 2);
    QCOMPARE(okno.PanelB->Label3[7]->text(), message.replace(u'%', okno.Dir1.Ścieżka()));
    QVERIFY(okno.PanelB->Label3[3]->isHidden());
}

// The value labels say "Proszę czekać ..." before the count starts; the
// count then arrives without the window waiting for it, and a count for a
// directory the cursor has left is not shown.
void TestSidePanels::quickViewWaitsThenCounts()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("pusty/"), QStringLiteral("pelny/x"), QStringLiteral("pelny/y")}, 10);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QMutex blokada;
    blokada.lock();
    auto liczenia = std::make_shared<ScriptedComponent::Record>();
    QStringList policzone;
    liczenia->during = [&](const ScriptedComponent::Call &call) {
        // Runs on the worker: the first count waits until the test lets it go.
        if (call.args.value(0).toString().endsWith(QStringLiteral("pelny"))) {
            blokada.lock();
            blokada.unlock();
        }
    };
    liczenia->answers[QStringLiteral("zzm")] = {QStringLiteral("20#8192#1#2"), QStringLiteral("0#0#1#0")};
    okno.Komponenty().Historia = std::make_unique<ScriptedComponent>(liczenia);
    const StanPanelu &s = okno.Widok(1).Stan;
    qint32 pełny = 0, pusty = 0;
    for (qint32 i = 1; i <= s.LiczbaKatalogów; ++i)
        (s.Rzeczywiste[size_t(i)] == QStringLiteral("pelny") ? pełny : pusty) = i;
    okno.Panel_Click(1, pełny - 1);
    QTest::keyClick(&okno, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(okno.PanelB->Label3[3]->text(), QStringLiteral("Proszę czekać ..."));
    QCOMPARE(okno.PanelB->Label3[6]->text(), QStringLiteral("\"PELNY\""));
    // The window still answers while the count is held up.
    okno.Panel_Click(1, pusty - 1);
    QCOMPARE(okno.PanelB->Label3[6]->text(), QStringLiteral("\"PUSTY\""));
    blokada.unlock();
    QTRY_COMPARE(okno.PanelB->Label3[3]->text(), QStringLiteral("1"));
    QCOMPARE(okno.PanelB->Label3[4]->text(), QStringLiteral("0"));
    QCOMPARE(liczenia->callsOf(QStringLiteral("zzm")).size(), 2);
    okno.Komponenty().Historia.reset();
}

void TestSidePanels::unwantedCountStops_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("the main window closes") << "close";
    QTest::newRow("the quick view closes") << "ctrl+q";
    QTest::newRow("the cursor leaves the directory") << "cursor";
}

// The count stands in for a tree too big to finish: it runs until it is
// told to stop. Whatever makes its answer useless stops it at once, so the
// program (which waits for its workers on the way out) never waits for it.
void TestSidePanels::unwantedCountStops()
{
    QFETCH(QString, what);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("duzy/x"), QStringLiteral("plik")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    std::atomic<bool> przerwane{false};
    auto liczenia = std::make_shared<ScriptedComponent::Record>();
    liczenia->during = [&przerwane](const ScriptedComponent::Call &call) {
        if (call.operation == u"przerwijzzm")
            przerwane = call.args.value(0).toInt() != 0;
        for (QDeadlineTimer limit(5000); call.operation == u"zzm" && !przerwane && !limit.hasExpired();)
            QThread::msleep(1);
    };
    okno.Komponenty().Historia = std::make_unique<ScriptedComponent>(liczenia);
    const auto sprzątanie = qScopeGuard([&okno] {
        QThreadPool::globalInstance()->waitForDone();
        okno.Komponenty().Historia.reset();
    });
    okno.Panel_Click(1, 1);
    QTest::keyClick(&okno, Qt::Key_Q, Qt::ControlModifier);
    QTRY_COMPARE(liczenia->callsOf(QStringLiteral("zzm")).size(), 1);

    if (what == u"close") {
        test.komunikaty->answers[QStringLiteral("notebox2")] = {0};
        QVERIFY(okno.close());
    } else if (what == u"ctrl+q") {
        QTest::keyClick(&okno, Qt::Key_Q, Qt::ControlModifier);
    } else {
        okno.Panel_Click(1, 2);
    }
    QVERIFY(QThreadPool::globalInstance()->waitForDone(1000));
    QVERIFY(przerwane);
}

void TestSidePanels::switchingKeepsTheCoveredPanel_data()
{
    QTest::addColumn<QStringList>("steps"); // "L" and "Q" with Ctrl; PanelL called
    QTest::addColumn<int>("mode");
    QTest::newRow("Ctrl+L on and off, then Ctrl+Q") << QStringList{"L", "L", "Q"} << 2;
    QTest::newRow("Ctrl+L over the quick view is ignored") << QStringList{"Q", "L"} << 2;
    QTest::newRow("the information panel opened over the quick view takes its place")
        << QStringList{"Q", "PanelL"} << 1;
}

void TestSidePanels::switchingKeepsTheCoveredPanel()
{
    QFETCH(QStringList, steps);
    QFETCH(int, mode);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_Click(2, 2);
    okno.Panel_MouseDown(2, 3, Qt::RightButton);
    okno.Panel_Click(1, 1);
    for (const QString &step : steps) {
        if (step == u"PanelL")
            okno.PanelL();
        else
            QTest::keyClick(&okno, step == u"L" ? Qt::Key_L : Qt::Key_Q, Qt::ControlModifier);
    }
    QCOMPARE(okno.TrybPaneluInfo, mode);
    QCOMPARE(okno.Panel->isVisible(), mode == 1);
    QCOMPARE(okno.PanelB->isVisible(), mode == 2);
    QVERIFY(okno.Panel2[0]->isHidden() && okno.Gora2->isHidden());
    QTest::keyClick(&okno, mode == 1 ? Qt::Key_L : Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(okno.TrybPaneluInfo, 0);
    QVERIFY(okno.Panel->isHidden());
    QVERIFY(okno.PanelB->isHidden());
    QVERIFY(!okno.Panel2[0]->isHidden() && !okno.Gora2->isHidden());
    const StanPanelu &s = okno.Widok(2).Stan;
    QCOMPARE(s.WierszKursora, 2);
    QCOMPARE(s.Zaznaczenia[4], quint8(1));
    QVERIFY(okno.Panel2[3]->Zaznaczony);
    QCOMPARE(okno.AktywnyPanel(), 1);
}

QTEST_MAIN(TestSidePanels)
#include "tst_sidepanels.moc"
