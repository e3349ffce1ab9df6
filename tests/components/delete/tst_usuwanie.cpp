#include "Drzewa.h"

#include <Usuwanie.h>
#include <Wsad.h>

#include <platform/Names.h>

#include <Montowanie.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <cstdio>

using oc::platform::decodeName;
using oc::platform::encodeName;
using ocdelete::Usuwanie;

namespace {

QStringList ścieżki(const QByteArray &root, const QByteArrayList &względne)
{
    QStringList pełne;
    for (const QByteArray &względna : względne)
        pełne << decodeName(root + '/' + względna);
    return pełne;
}

// The failed paths relative to root, each once, sorted.
QByteArrayList błędne(const QByteArray &root, const Usuwanie &usuwanie)
{
    QByteArrayList względne;
    for (const oc::platform::FileError &błąd : usuwanie.Błędy) {
        const QByteArray ścieżka = encodeName(błąd.path);
        względne << (ścieżka.startsWith(root + '/') ? ścieżka.mid(root.size() + 1) : ścieżka);
        if (błąd.code == 0 || błąd.reason().isEmpty())
            względne << "<bez powodu>";
    }
    std::sort(względne.begin(), względne.end());
    względne.erase(std::unique(względne.begin(), względne.end()), względne.end());
    return względne;
}

} // namespace

class TstUsuwanie : public QObject
{
    Q_OBJECT

private slots:
    void trees_data();
    void trees();
    void otherMountsStay_data();
    void otherMountsStay();
    void swappedBetweenScanAndDelete_data();
    void swappedBetweenScanAndDelete();
    void stopLeavesTheRest_data();
    void stopLeavesTheRest();
    void stopWithEveryWorkerBusy_data();
    void stopWithEveryWorkerBusy();
    void batchInOneCall_data();
    void batchInOneCall();
};

void TstUsuwanie::trees_data()
{
    QTest::addColumn<QByteArrayList>("drzewo");
    QTest::addColumn<QByteArrayList>("zamki");
    QTest::addColumn<QByteArrayList>("pliki");
    QTest::addColumn<QByteArrayList>("katalogi");
    QTest::addColumn<QByteArrayList>("zostaje");
    QTest::addColumn<QByteArrayList>("bledne");

    using L = QByteArrayList;
    const L poza{"d out/dir", "f out/dir/tajny", "f out/plik"};
    const L pozaZostaje{"out", "out/dir", "out/dir/tajny", "out/plik"};

    QTest::newRow("links in the tree to the outside: the links go, the outside stays")
        << poza + L{"d in/a", "f in/a/x", "l in/a/skrot @out/dir", "l in/skrot2 @out", "l in/doPliku @out/plik",
                    "l in/wisi /nie/ma/takiego", "l in/petla @in"}
        << L{} << L{} << L{"in"} << pozaZostaje << L{};
    QTest::newRow("chosen directory that is a link, with a final slash: only the link goes")
        << poza + L{"l wybrany @out/dir"} << L{} << L{} << L{"wybrany/"} << pozaZostaje << L{};
    QTest::newRow("chosen files that are links go as themselves")
        << poza + L{"l jeden @out/plik", "l dwa @out/dir", "l trzy /nie/ma"} << L{} << L{"jeden", "dwa", "trzy"}
        << L{} << pozaZostaje << L{};
    QTest::newRow("a path naming a parent or itself deletes nothing")
        << L{"d in", "f in/x"} << L{} << L{"in/."} << L{"in/..", "in/x/.."} << L{"in", "in/x"}
        << L{"in/.", "in/..", "in/x/.."};
    QTest::newRow("read-only file in a tree: it and the directories above it stay")
        << L{"d in/a", "r in/a/ro", "f in/a/x", "d in/b", "f in/b/y"} << L{} << L{} << L{"in"}
        << L{"in", "in/a", "in/a/ro"} << L{"in", "in/a", "in/a/ro"};
    QTest::newRow("read-only file chosen alone stays; a link to one goes")
        << L{"r ro", "f x", "r out/ro2", "l link @out/ro2"} << L{} << L{"ro", "x", "link"} << L{}
        << L{"out", "out/ro2", "ro"} << L{"ro"};
    QTest::newRow("a file chosen as a directory and a directory chosen as a file stay")
        << L{"f plik", "d kat/sub"} << L{} << L{"kat"} << L{"plik"} << L{"kat", "kat/sub", "plik"}
        << L{"kat", "plik"};
    QTest::newRow("directory that cannot be listed: reported, the rest deleted")
        << L{"f in/zamkniety/x", "f in/a/y", "f in/z"} << L{"m in/zamkniety 300"} << L{} << L{"in"}
        << L{"in", "in/zamkniety", "in/zamkniety/x"} << L{"in", "in/zamkniety"};
    const L zamknięty{"f in/zamkniety/x", "f in/zamkniety/sub/y", "f in/z"};
    const L zamkniętyZostaje{"in", "in/zamkniety", "in/zamkniety/sub", "in/zamkniety/x"};
    QTest::newRow("directory that cannot be written: its entries stay, the rest deleted")
        << zamknięty << L{"m in/zamkniety 500"} << L{} << L{"in"} << zamkniętyZostaje << zamkniętyZostaje;
    QTest::newRow("immutable directory: its entries stay, the rest deleted")
        << zamknięty << L{"i in/zamkniety"} << L{} << L{"in"} << zamkniętyZostaje << zamkniętyZostaje;
    QTest::newRow("names not UTF-8, with a newline, a leading dash, a star")
        << L{"f in/\xff\xfe/-rf", "f in/a\nb", "f in/*", "f \x80-x", "f k\xe9/x/y"} << L{} << L{"\x80-x"}
        << L{"in", "k\xe9"} << L{} << L{};
    QTest::newRow("tree deeper than the longest path") << L{"g in 300"} << L{} << L{} << L{"in/"} << L{} << L{};

    // Trees big enough for every worker to take a part.
    L wiele, tłum{"d in"};
    for (int k = 0; k < 8; ++k)
        for (int i = 0; i < 100; ++i)
            wiele << "f in/k" + QByteArray::number(k) + "/p" + QByteArray::number(i);
    wiele << "r in/k3/ro";
    for (int i = 0; i < 100000; ++i)
        tłum << "f in/p" + QByteArray::number(i);
    QTest::newRow("a read-only file in one of eight directories: the other seven go")
        << wiele << L{} << L{} << L{"in"} << L{"in", "in/k3", "in/k3/ro"} << L{"in", "in/k3", "in/k3/ro"};
    QTest::newRow("100,000 files in one directory") << tłum << L{} << L{} << L{"in"} << L{} << L{};
}

// The whole temporary directory is compared afterwards: nothing more is
// lost and nothing else is left than the row says.
void TstUsuwanie::trees()
{
    QFETCH(QByteArrayList, drzewo);
    QFETCH(QByteArrayList, zamki);
    QFETCH(QByteArrayList, pliki);
    QFETCH(QByteArrayList, katalogi);
    QFETCH(QByteArrayList, zostaje);
    QFETCH(QByteArrayList, bledne);

    // 100,000 files are made in a fraction of the time in memory.
    const bool wPamięci = QByteArray(QTest::currentDataTag()).startsWith("100,000") && QFileInfo("/dev/shm").isWritable();
    QTemporaryDir dir(wPamięci ? QStringLiteral("/dev/shm/tst_usuwanie-XXXXXX")
                               : QDir::tempPath() + QStringLiteral("/tst_usuwanie-XXXXXX"));
    QVERIFY(dir.isValid());
    const QByteArray root = encodeName(dir.path());
    QVERIFY(zbuduj(root, drzewo));
    const auto sprzątanie = qScopeGuard([&] { otwórz(root, zamki); });
    if (!zamknij(root, zamki))
        QSKIP("the lock does not hold for this process (privileges override it, or none to set it)");

    Usuwanie usuwanie;
    usuwanie.usuń(ścieżki(root, pliki), ścieżki(root, katalogi));
    otwórz(root, zamki);
    QCOMPARE(pozostałe(root), zostaje);
    QCOMPARE(błędne(root, usuwanie), bledne);
    QVERIFY(usuwanie.lstDiry.empty() && usuwanie.lstWynik.empty());
}

void TstUsuwanie::otherMountsStay_data()
{
    QTest::addColumn<QString>("rodzaj");
    QTest::newRow("tmpfs mounted two levels down") << "tmpfs";
    QTest::newRow("a directory of the same file system bound two levels down") << "bind";
}

// The mount point stays with everything on it and the directories above
// it; the rest of the tree goes, and the mount point is told once.
void TstUsuwanie::otherMountsStay()
{
    QFETCH(QString, rodzaj);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray root = encodeName(dir.path());
    QVERIFY(zbuduj(root, {"f in/x", "f in/a/y", "d in/a/m", "f in/b/z", "d out"}));
    const QString punkt = dir.filePath(QStringLiteral("in/a/m"));
    oc::test::Montowanie montowanie(punkt, rodzaj == u"bind" ? dir.filePath(QStringLiteral("out")) : QString());
    if (!montowanie.ok())
        QSKIP("this process may not mount file systems");
    QVERIFY(zbuduj(root, {"f in/a/m/cenny", "f in/a/m/k/cenny2"}));

    Usuwanie usuwanie;
    usuwanie.usuń({}, {dir.filePath(QStringLiteral("in"))});

    QVERIFY(QFile::exists(punkt + QStringLiteral("/cenny")) && QFile::exists(punkt + QStringLiteral("/k/cenny2")));
    QByteArrayList zostaje{"in", "in/a", "in/a/m", "out"};
    if (rodzaj == u"bind")
        zostaje << "out/cenny" << "out/k" << "out/k/cenny2";
    QCOMPARE(pozostałe(root), zostaje);
    QCOMPARE(usuwanie.Błędy.size(), size_t(1));
    QCOMPARE(usuwanie.Błędy[0].code, EXDEV);
    QCOMPARE(usuwanie.Błędy[0].path, punkt);
}

void TstUsuwanie::swappedBetweenScanAndDelete_data()
{
    QTest::addColumn<bool>("naLink");
    QTest::newRow("directories swapped for links to the outside") << true;
    QTest::newRow("directories swapped for directories from the outside") << false;
}

// Once the tree is scanned, both of its subdirectories are moved away and
// something from the outside takes their names.
void TstUsuwanie::swappedBetweenScanAndDelete()
{
    QFETCH(bool, naLink);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray root = encodeName(dir.path());
    const QByteArrayList podkatalogi{"a", "b"};
    QByteArrayList opis{"d kosz"};
    for (const QByteArray &k : podkatalogi)
        for (const QByteArray &gdzie : {QByteArray("in/"), QByteArray("out/")})
            opis << "f " + gdzie + k + "/1" << "f " + gdzie + k + "/2";
    QVERIFY(zbuduj(root, opis));

    Usuwanie usuwanie;
    bool zamienione = false;
    usuwanie.poWpisie = [&] {
        if (zamienione)
            return;
        zamienione = true;
        for (const QByteArray &k : podkatalogi) {
            const QByteArray nazwa = root + "/in/" + k;
            const QByteArray obcy = root + "/out/" + k;
            QVERIFY(std::rename(nazwa.constData(), (root + "/kosz/" + k).constData()) == 0);
            QVERIFY(naLink ? QFile::link(QString::fromUtf8(obcy), QString::fromUtf8(nazwa))
                           : std::rename(obcy.constData(), nazwa.constData()) == 0);
        }
    };
    usuwanie.usuń({}, {decodeName(root + "/in")});
    QVERIFY(zamienione);

    const QByteArray obce = naLink ? "out/" : "in/";
    const QByteArrayList zostało = pozostałe(root);
    for (const QByteArray &k : podkatalogi)
        for (const char *plik : {"/1", "/2"})
            QVERIFY2(zostało.contains(obce + k + plik), obce + k + plik);
    QVERIFY(!usuwanie.Błędy.empty());
}

void TstUsuwanie::stopLeavesTheRest_data()
{
    QTest::addColumn<int>("poIlu");
    QTest::newRow("stopped before anything") << 0;
    QTest::newRow("stopped among the chosen files") << 1;
    QTest::newRow("stopped before the tree is scanned") << 3;
    QTest::newRow("stopped among the tree's files") << 4;
    QTest::newRow("stopped before the chosen directory goes") << 7;
}

// Three chosen files, then a tree of three files in two directories: eight
// entries, one gone per step until the stop.
void TstUsuwanie::stopLeavesTheRest()
{
    QFETCH(int, poIlu);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray root = encodeName(dir.path());
    QVERIFY(zbuduj(root, {"f p1", "f p2", "f p3", "f in/x1", "f in/x2", "f in/s/y"}));

    Usuwanie usuwanie;
    int wpisy = 0;
    usuwanie.poWpisie = [&] {
        if (++wpisy == poIlu)
            usuwanie.zatrzymaj();
    };
    if (poIlu == 0)
        usuwanie.zatrzymaj();
    usuwanie.usuń(ścieżki(root, {"p1", "p2", "p3"}), ścieżki(root, {"in"}));
    QCOMPARE(wpisy, poIlu);
    QCOMPARE(pozostałe(root).size(), 8 - poIlu);
    QVERIFY(usuwanie.Błędy.empty());
}

void TstUsuwanie::stopWithEveryWorkerBusy_data()
{
    QTest::addColumn<int>("pracownicy");
    QTest::newRow("one worker") << 1;
    QTest::newRow("four workers") << 4;
}

// Stopped after 150 of 409 entries: the entries the other workers had in
// hand finish and are told, nothing else goes.
void TstUsuwanie::stopWithEveryWorkerBusy()
{
    QFETCH(int, pracownicy);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray root = encodeName(dir.path());
    QByteArrayList opis;
    for (int k = 0; k < 8; ++k)
        for (int i = 0; i < 50; ++i)
            opis << "f in/k" + QByteArray::number(k) + "/p" + QByteArray::number(i);
    QVERIFY(zbuduj(root, opis));

    Usuwanie usuwanie;
    usuwanie.Pracownicy = pracownicy;
    int wpisy = 0;
    usuwanie.poWpisie = [&] {
        if (++wpisy == 150)
            usuwanie.zatrzymaj();
    };
    usuwanie.usuń({}, ścieżki(root, {"in"}));
    QVERIFY2(wpisy >= 150 && wpisy < 150 + pracownicy, QByteArray::number(wpisy).constData());
    QCOMPARE(pozostałe(root).size(), 409 - wpisy);
    QVERIFY(usuwanie.Błędy.empty());
}

void TstUsuwanie::batchInOneCall_data()
{
    QTest::addColumn<bool>("doKosza");
    QTest::addColumn<int>("poIlu"); // the stop after that many entries; 0: none
    QTest::addColumn<int>("wpisy");
    QTest::addColumn<QByteArrayList>("zostaje");
    QTest::addColumn<QByteArrayList>("bledne");
    QTest::newRow("for good: the files, then the tree, the missing one told")
        << false << 0 << 4 << QByteArrayList{} << QByteArrayList{"nic"};
    QTest::newRow("to the trash: the directory, then the files, the missing one told")
        << true << 0 << 3 << QByteArrayList{} << QByteArrayList{"nic"};
    QTest::newRow("for good, stopped after the first file") << false << 1 << 1 << QByteArrayList{"kat", "kat/a"}
                                                            << QByteArrayList{};
    QTest::newRow("to the trash, stopped after the directory") << true << 1 << 1 << QByteArrayList{"p1"}
                                                               << QByteArrayList{};
}

// A chosen file and a missing one, then a directory with a file in it.
void TstUsuwanie::batchInOneCall()
{
    QFETCH(bool, doKosza);
    QFETCH(int, poIlu);
    QFETCH(int, wpisy);
    QFETCH(QByteArrayList, zostaje);
    QFETCH(QByteArrayList, bledne);
    QTemporaryDir dir, dom;
    QVERIFY(dir.isValid() && dom.isValid());
    qputenv("XDG_DATA_HOME", dom.path().toUtf8());
    const QByteArray root = encodeName(dir.path());
    QVERIFY(zbuduj(root, {"f p1", "f kat/a"}));

    ocdelete::Wsad wsad;
    wsad.Pliki = ścieżki(root, {"p1", "nic"});
    wsad.Katalogi = ścieżki(root, {"kat"});
    wsad.DoKosza = doKosza;
    int widziane = 0;
    wsad.poWpisie = [&] {
        if (++widziane == poIlu)
            wsad.zatrzymaj();
    };
    wsad.Wykonaj();
    QCOMPARE(widziane, wpisy);
    QCOMPARE(pozostałe(root), zostaje);
    QByteArrayList względne;
    for (const oc::platform::FileError &błąd : wsad.Błędy())
        względne << encodeName(błąd.path).mid(root.size() + 1);
    QCOMPARE(względne, bledne);
}

QTEST_GUILESS_MAIN(TstUsuwanie)
#include "tst_usuwanie.moc"
