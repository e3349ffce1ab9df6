#include "OknoTestowe.h"

#include <panels/ObserwatorKatalogow.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

namespace {

QStringList Nazwy(const StanPanelu &s)
{
    return QStringList(s.Rzeczywiste.begin() + 1, s.Rzeczywiste.end());
}

QStringList Zaznaczone(const StanPanelu &s)
{
    QStringList z;
    for (qint32 i = 1; i <= s.LiczbaPozycji; ++i)
        if (s.Zaznaczenia[size_t(i)])
            z << s.Rzeczywiste[size_t(i)];
    return z;
}

QString PodKursorem(const WidokPanelu &w) { return w.Stan.Rzeczywiste.at(size_t(w.PozycjaKursora())); }

} // namespace

// The panels follow their directories on the disk: the cursor stays on its
// name or the nearest one left, marks stay with their names, a burst of
// changes costs a few re-reads, and a directory that vanishes leaves the
// panel in its parent with one message.
class TestWatcher : public QObject
{
    Q_OBJECT
private slots:
    void followsDisk_data();
    void followsDisk();
    void burst();
    void vanishedDirectory();
};

void TestWatcher::followsDisk_data()
{
    QTest::addColumn<QString>("kursor");
    QTest::addColumn<QStringList>("zaznaczone");
    QTest::addColumn<QString>("zmiana"); // "+x" create, "-x" delete, "x>y" rename
    QTest::addColumn<QStringList>("lista");
    QTest::addColumn<QString>("kursorPotem");
    QTest::addColumn<QStringList>("zaznaczonePotem");
    QTest::newRow("the file under the cursor deleted: the next one")
        << "b" << QStringList{"c"} << "-b" << QStringList{"..", "a", "c", "d"} << "c" << QStringList{"c"};
    QTest::newRow("the last file deleted: the one before")
        << "d" << QStringList{"a"} << "-d" << QStringList{"..", "a", "b", "c"} << "c" << QStringList{"a"};
    QTest::newRow("a marked file renamed: its mark goes with the old name")
        << "c" << QStringList{"a", "b"} << "a>z" << QStringList{"..", "b", "c", "d", "z"} << "c" << QStringList{"b"};
    QTest::newRow("the file under the cursor renamed: the next one")
        << "b" << QStringList{} << "b>bb" << QStringList{"..", "a", "bb", "c", "d"} << "c" << QStringList{};
    QTest::newRow("a file created before the cursor")
        << "c" << QStringList{"d"} << "+aa" << QStringList{"..", "a", "aa", "b", "c", "d"} << "c" << QStringList{"d"};
    QTest::newRow("a directory created") << "a" << QStringList{"b"} << "+K/" << QStringList{"..", "K", "a", "b", "c", "d"}
                                         << "a" << QStringList{"b"};
}

void TestWatcher::followsDisk()
{
    QFETCH(QString, kursor);
    QFETCH(QStringList, zaznaczone);
    QFETCH(QString, zmiana);
    QFETCH(QStringList, lista);
    QFETCH(QString, kursorPotem);
    QFETCH(QStringList, zaznaczonePotem);
    QTemporaryDir tmp, inny;
    UtwórzDrzewo(tmp.path(), {"a", "b", "c", "d"});
    OknoTestowe test;
    // The changed panel is the one without the keys: they stay where they were.
    frmMain &okno = test.Otwórz(inny.path(), tmp.path());
    WidokPanelu &w = okno.Widok(2);
    for (qint32 i = 1; i <= w.Stan.LiczbaPozycji; ++i)
        if (zaznaczone.contains(w.Stan.Rzeczywiste[size_t(i)]))
            w.UstawZnak(i, 1);
    w.PokażPozycję(qint32(w.Stan.Rzeczywiste.size()) - 1 - qint32(QStringList{"d", "c", "b", "a"}.indexOf(kursor)));
    okno.UstawAktywnyPanel(1);
    QCOMPARE(PodKursorem(w), kursor);

    QDir d(tmp.path());
    if (zmiana.startsWith(u'+'))
        UtwórzDrzewo(tmp.path(), {zmiana.mid(1)});
    else if (zmiana.startsWith(u'-'))
        QVERIFY(d.remove(zmiana.mid(1)));
    else
        QVERIFY(d.rename(zmiana.section(u'>', 0, 0), zmiana.section(u'>', 1)));

    QTRY_COMPARE(Nazwy(w.Stan), lista);
    QCOMPARE(PodKursorem(w), kursorPotem);
    QCOMPARE(Zaznaczone(w.Stan), zaznaczonePotem);
    QCOMPARE(okno.AktywnyPanel(), 1);
}

// 10,000 files made as fast as the disk takes them: a handful of re-reads,
// the last one complete, then none while nothing changes.
void TestWatcher::burst()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    auto *obserwator = okno.findChild<ObserwatorKatalogow *>();
    QVERIFY(obserwator);
    QSignalSpy zgłoszenia(obserwator, &ObserwatorKatalogow::zmienione);
    QElapsedTimer zegar;
    zegar.start();
    // Made by another thread while the window goes on handling its events.
    std::thread twórca([&tmp] {
        for (int i = 0; i < 10000; ++i)
            QFile(tmp.filePath(QStringLiteral("plik%1").arg(i))).open(QIODevice::WriteOnly);
    });
    QTRY_COMPARE_WITH_TIMEOUT(okno.Widok(1).Stan.LiczbaPozycji, 10001, 30000);
    twórca.join();
    const qint64 trwało = zegar.elapsed();
    QVERIFY2(zgłoszenia.size() <= trwało / ObserwatorKatalogow::Odstęp + 2,
             qPrintable(QStringLiteral("%1 re-reads in %2 ms").arg(zgłoszenia.size()).arg(trwało)));
    // The changes made just before the last count was read come in late.
    QTest::qWait(2000);
    const qsizetype było = zgłoszenia.size();
    QTest::qWait(3 * ObserwatorKatalogow::Odstęp);
    QCOMPARE(zgłoszenia.size(), było);
}

// Both panels in a directory that is removed: both go to its parent, and
// the user is told once.
void TestWatcher::vanishedDirectory()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {"sub/głęboki/", "plik"});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.filePath("sub/głęboki"), tmp.filePath("sub/głęboki"));
    QVERIFY(QDir(tmp.filePath("sub")).removeRecursively());
    QTRY_COMPARE(okno.Widok(1).Dir.Ścieżka(), tmp.path());
    QTRY_COMPARE(okno.Widok(2).Dir.Ścieżka(), tmp.path());
    QCOMPARE(test.komunikaty->calls.size(), 1);
    QVERIFY(test.komunikaty->calls.first().args.value(6).toString().contains(tmp.filePath("sub/głęboki")));
    QCOMPARE(Nazwy(okno.Widok(1).Stan), (QStringList{"..", "plik"}));
    // The parent is watched now.
    UtwórzDrzewo(tmp.path(), {"nowy"});
    QTRY_COMPARE(Nazwy(okno.Widok(1).Stan), (QStringList{"..", "nowy", "plik"}));
}

QTEST_MAIN(TestWatcher)
#include "tst_watcher.moc"
