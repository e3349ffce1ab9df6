#include "Drzewo.h"
#include "LimitZapisu.h"

#include <Kopiarka.h>

#include <platform/Names.h>

#include <algorithm>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using occopy::Etap;
using occopy::Kopiarka;
using occopy::Postęp;
using oc::platform::decodeName;

namespace {

// Failures as "error number|path below root", for comparing with a table.
QByteArray błąd(int kod, const QByteArray &ścieżka) { return QByteArray::number(kod) + '|' + ścieżka; }

// An access list giving the user with this id read permission, as the
// kernel keeps it in system.posix_acl_access.
QByteArray listaDostępu(quint32 uid)
{
    QByteArray lista;
    const auto liczba = [&lista](quint32 wartość, int bajty) {
        for (int i = 0; i < bajty; ++i)
            lista += char((wartość >> (8 * i)) & 0xff);
    };
    liczba(2, 4);
    // tag, permissions, id: the owner, one user, the group, the mask, the others
    for (const auto &[tag, prawa, id] : {std::tuple{1u, 6u, ~0u}, {2u, 4u, uid}, {4u, 4u, ~0u}, {0x10u, 4u, ~0u},
                                         {0x20u, 0u, ~0u}}) {
        liczba(tag, 2);
        liczba(prawa, 2);
        liczba(id, 4);
    }
    return lista;
}

// A process id that surely ended: a child that has exited and been reaped.
QByteArray zakończonyProces()
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(0);
    waitpid(pid, nullptr, 0);
    return QByteArray::number(qint64(pid));
}

struct Przebieg
{
    QByteArrayList błędy;
    QList<Postęp> postępy;
    bool przerwano = false;
};

// Runs the batch as the window does, on this thread. Chosen entries are
// "D|path" or "F|path", below root unless absolute. stopInside stops the
// run at its first report from inside a file.
Przebieg kopiuj(const QByteArray &root, const QByteArrayList &wybrane, const QByteArray &cel, bool nadpisuj,
                qint64 krok = 0, bool stopInside = false, int pracownicy = 0)
{
    Kopiarka kopiarka;
    kopiarka.Pracownicy = pracownicy;
    for (const QByteArray &wybór : wybrane) {
        const QByteArray ścieżka = wybór.mid(2).startsWith('/') ? wybór.mid(2) : root + '/' + wybór.mid(2);
        (wybór.startsWith("D|") ? kopiarka.lstDirs : kopiarka.lstFiles).append(decodeName(ścieżka));
    }
    kopiarka.KatalogDocelowy = decodeName(root + '/' + cel + '/');
    kopiarka.Nadpisuj = nadpisuj;
    if (krok > 0)
        kopiarka.Krok = krok;
    Przebieg wynik;
    // Small files report only at the end, so the first report comes from inside a large one.
    kopiarka.NaPostęp = [&](const Postęp &postęp) {
        wynik.postępy << postęp;
        if (stopInside)
            kopiarka.Przerwij();
    };
    kopiarka.Wykonaj();
    for (const oc::platform::FileError &e : kopiarka.Błędy()) {
        const QByteArray ścieżka = oc::platform::encodeName(e.path);
        wynik.błędy << błąd(e.code, ścieżka.startsWith(root + '/') ? ścieżka.mid(root.size() + 1) : ścieżka);
    }
    wynik.przerwano = kopiarka.Przerwano();
    return wynik;
}

} // namespace

class TstKopiarka : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { umask(022); }
    void linksNeverFollowed_data();
    void linksNeverFollowed();
    void existingTargets_data();
    void existingTargets();
    void killedCopyLeavesNothing_data();
    void killedCopyLeavesNothing();
    void destinationMadeOnce_data();
    void destinationMadeOnce();
    void partialTargetsRemoved_data();
    void partialTargetsRemoved();
    void copyMirrorsTheSource_data();
    void copyMirrorsTheSource();
    void neverIntoItself_data();
    void neverIntoItself();
    void progress_data();
    void progress();
    void workersShareTheTree_data();
    void workersShareTheTree();
    void swappedAfterTheScan_data();
    void swappedAfterTheScan();
    void stagesInTheirOrder_data();
    void stagesInTheirOrder();
};

void TstKopiarka::linksNeverFollowed_data()
{
    QTest::addColumn<QByteArrayList>("source");
    QTest::addColumn<QByteArrayList>("before"); // the destination before the copy
    QTest::addColumn<QByteArrayList>("chosen");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QByteArrayList>("after");  // names in the destination after it
    QTest::addColumn<int>("failures");

    QTest::newRow("link to a directory outside: copied as the link")
        << QByteArrayList{"d|A", "l|A/skrot|@out"} << QByteArrayList{} << QByteArrayList{"D|src/A"} << true
        << QByteArrayList{"d|A", "l|A/skrot|@out"} << 0;
    QTest::newRow("link to a file outside, a dangling one, one back into the tree")
        << QByteArrayList{"d|A", "l|A/plik|@out/tajny", "l|A/wisi|/nie/ma", "l|A/petla|@src/A"} << QByteArrayList{}
        << QByteArrayList{"D|src/A"} << true
        << QByteArrayList{"d|A", "l|A/petla|@src/A", "l|A/plik|@out/tajny", "l|A/wisi|/nie/ma"} << 0;
    QTest::newRow("chosen directory and file that are links: copied as links")
        << QByteArrayList{"l|B|@out", "l|L|@out/tajny"} << QByteArrayList{}
        << QByteArrayList{"D|src/B", "F|src/L"} << true << QByteArrayList{"l|B|@out", "l|L|@out/tajny"} << 0;
    QTest::newRow("destination holds a link where the directory goes: nothing written through it")
        << QByteArrayList{"d|A", "f|A/x|10", "d|A/B"} << QByteArrayList{"l|A|@out"} << QByteArrayList{"D|src/A"}
        << true << QByteArrayList{"l|A|@out"} << 3;
    QTest::newRow("link planted deeper in the destination")
        << QByteArrayList{"d|A", "d|A/B", "f|A/B/y|10"} << QByteArrayList{"d|A", "l|A/B|@out"}
        << QByteArrayList{"D|src/A"} << true << QByteArrayList{"d|A", "l|A/B|@out"} << 2;
    QTest::newRow("overwrite on: a link in the file's place is replaced, not written through")
        << QByteArrayList{"f|tajny|10"} << QByteArrayList{"l|tajny|@out/tajny"} << QByteArrayList{"F|src/tajny"}
        << true << QByteArrayList{"f|tajny"} << 0;
    QTest::newRow("overwrite off: the link stays, nothing written through")
        << QByteArrayList{"f|tajny|10"} << QByteArrayList{"l|tajny|@out/tajny"} << QByteArrayList{"F|src/tajny"}
        << false << QByteArrayList{"l|tajny|@out/tajny"} << 0;
}

void TstKopiarka::linksNeverFollowed()
{
    QFETCH(QByteArrayList, source);
    QFETCH(QByteArrayList, before);
    QFETCH(QByteArrayList, chosen);
    QFETCH(bool, overwrite);
    QFETCH(QByteArrayList, after);
    QFETCH(int, failures);

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QVERIFY(drzewo::zbuduj(root, {"d|src", "d|dst", "d|out", "f|out/tajny|100"}));
    QVERIFY(drzewo::zbuduj(root + "/src", drzewo::zRootem(source, root)));
    QVERIFY(drzewo::zbuduj(root + "/dst", drzewo::zRootem(before, root)));
    const QByteArrayList outside = drzewo::opisz(root + "/out");

    const Przebieg przebieg = kopiuj(root, chosen, "dst", overwrite);
    after = drzewo::zRootem(after, root);
    std::sort(after.begin(), after.end());
    QCOMPARE(drzewo::nazwy(root + "/dst"), after);
    QCOMPARE(drzewo::opisz(root + "/out"), outside);
    QCOMPARE(przebieg.błędy.size(), failures);
}

void TstKopiarka::existingTargets_data()
{
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<qint64>("writeLimit");
    QTest::addColumn<QByteArray>("target"); // the directory copied into
    QTest::addColumn<QByteArray>("targetMode"); // of dst/x
    QTest::addColumn<bool>("twin");  // dst/x has a second name, drugi/x
    QTest::addColumn<int>("owner");  // dst/x given to this user and group first, or -1
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QByteArrayList>("failures");

    const QByteArray dst("dst");
    QTest::newRow("overwrite on, the copy fails part-way: the old target stays whole")
        << true << qint64(256 << 10) << dst << QByteArray("600") << false << -1 << false
        << QByteArrayList{błąd(EFBIG, "dst/x")};
    QTest::newRow("overwrite on, a read-only target: kept, reported once")
        << true << qint64(0) << dst << QByteArray("444") << false << -1 << false
        << QByteArrayList{błąd(EACCES, "dst/x")};
    QTest::newRow("overwrite on, a target with another hard link: written in place, both names new")
        << true << qint64(0) << dst << QByteArray("600") << true << -1 << true << QByteArrayList{};
    QTest::newRow("overwrite on, another user's target: owner and group kept (superuser)")
        << true << qint64(0) << dst << QByteArray("600") << false << 65534 << true << QByteArrayList{};
    QTest::newRow("overwrite off: the existing target is not touched")
        << false << qint64(0) << dst << QByteArray("600") << false << -1 << false << QByteArrayList{};
    QTest::newRow("overwrite on: replaced")
        << true << qint64(0) << dst << QByteArray("600") << false << -1 << true << QByteArrayList{};
    QTest::newRow("overwrite on, onto itself (both panels on one directory): not cut short")
        << true << qint64(0) << QByteArray("src") << QByteArray("600") << false << -1 << true << QByteArrayList{};
    QTest::newRow("overwrite on, onto a hard link of itself")
        << true << qint64(0) << QByteArray("twardy") << QByteArray("600") << false << -1 << true << QByteArrayList{};
}

void TstKopiarka::existingTargets()
{
    QFETCH(bool, overwrite);
    QFETCH(qint64, writeLimit);
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, targetMode);
    QFETCH(bool, twin);
    QFETCH(int, owner);
    QFETCH(bool, replaced);
    QFETCH(QByteArrayList, failures);
    if (owner >= 0 && geteuid() != 0)
        QSKIP("giving a file to another user takes the superuser");

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QVERIFY(drzewo::zbuduj(root, {"d|src", "d|dst", "d|twardy", "d|drugi", "f|src/x|1048576|640|1000000000.5",
                                  "f|dst/x|3000|" + targetMode + "|1500000000.25"}));
    QCOMPARE(link((root + "/src/x").constData(), (root + "/twardy/x").constData()), 0);
    if (twin)
        QCOMPARE(link((root + "/dst/x").constData(), (root + "/drugi/x").constData()), 0);
    if (owner >= 0)
        QCOMPARE(chown((root + "/dst/x").constData(), uid_t(owner), gid_t(owner)), 0);
    const QByteArrayList nowy = drzewo::opisz(root + "/src");
    const QByteArrayList stary = drzewo::opisz(root + '/' + target);

    Przebieg przebieg;
    {
        LimitZapisu limit(writeLimit);
        przebieg = kopiuj(root, {"F|src/x"}, target, overwrite);
    }
    // Nothing else is left beside it: no temporary file, no partial copy.
    QCOMPARE(drzewo::opisz(root + '/' + target), replaced ? nowy : stary);
    QCOMPARE(drzewo::opisz(root + "/src"), nowy);
    QCOMPARE(przebieg.błędy, failures);
    if (twin)
        QCOMPARE(drzewo::opisz(root + "/drugi"), nowy);
    struct stat info;
    QCOMPARE(lstat((root + '/' + target + "/x").constData(), &info), 0);
    if (owner >= 0)
        QCOMPARE(QList<uint>({info.st_uid, info.st_gid}), QList<uint>({uint(owner), uint(owner)}));
}

void TstKopiarka::killedCopyLeavesNothing_data()
{
    QTest::addColumn<QByteArrayList>("before"); // the destination; "$dead" and "$alive" stand for process ids
    QTest::addColumn<bool>("again");            // then copied again, whole
    QTest::addColumn<QByteArrayList>("after");  // names in the destination at the end

    QTest::newRow("killed inside a new file: nothing of it left") << QByteArrayList{} << false << QByteArrayList{};
    QTest::newRow("killed while replacing: the old target whole, no temporary")
        << QByteArrayList{"f|duzy|3000|600|1500000000.25"} << false << QByteArrayList{"f|duzy"};
    QTest::newRow("copied again: temporaries of ended copies removed, a running one's kept")
        << QByteArrayList{"f|duzy|3000", "f|.occopy-$dead-x1|10", "f|.occopy-$alive-x2|10", "f|.occopy-inny|10"}
        << true << QByteArrayList{"f|.occopy-$alive-x2", "f|.occopy-inny", "f|duzy"};
}

// The copy runs in a child process that is killed in the middle of a file.
void TstKopiarka::killedCopyLeavesNothing()
{
    QFETCH(QByteArrayList, before);
    QFETCH(bool, again);
    QFETCH(QByteArrayList, after);

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    const QByteArray martwy = zakończonyProces();
    const QByteArray żywy = QByteArray::number(qint64(getpid()));
    for (QByteArrayList *lista : {&before, &after})
        for (QByteArray &linia : *lista)
            linia.replace("$dead", martwy).replace("$alive", żywy);
    QVERIFY(drzewo::zbuduj(root, {"d|src", "d|dst", "f|src/duzy|4194304"}));
    QVERIFY(drzewo::zbuduj(root + "/dst", before));
    const QByteArrayList stary = drzewo::opisz(root + "/dst");

    int rura[2];
    QCOMPARE(pipe(rura), 0);
    const pid_t dziecko = fork();
    if (dziecko == 0) {
        close(rura[0]);
        Kopiarka kopiarka;
        kopiarka.lstFiles << decodeName(root + "/src/duzy");
        kopiarka.KatalogDocelowy = decodeName(root + "/dst/");
        kopiarka.Krok = 64 << 10;
        kopiarka.NaPostęp = [&](const Postęp &) {
            // Inside the file: tell the parent and wait for the end.
            if (write(rura[1], "k", 1) == 1)
                pause();
        };
        kopiarka.Wykonaj();
        _exit(0);
    }
    close(rura[1]);
    char znak = 0;
    const bool wPołowie = read(rura[0], &znak, 1) == 1;
    close(rura[0]);
    kill(dziecko, SIGKILL);
    waitpid(dziecko, nullptr, 0);
    if (!wPołowie)
        QSKIP("the file system copied the file in one step: nothing to kill in the middle");
    QCOMPARE(drzewo::opisz(root + "/dst"), stary);

    if (again)
        QCOMPARE(kopiuj(root, {"F|src/duzy"}, "dst", true).błędy, QByteArrayList{});
    std::sort(after.begin(), after.end());
    QCOMPARE(drzewo::nazwy(root + "/dst"), after);
}

void TstKopiarka::destinationMadeOnce_data()
{
    QTest::addColumn<QByteArrayList>("chosen");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArrayList>("added"); // below root
    QTest::addColumn<QByteArrayList>("failures");

    QTest::newRow("a file in the way: reported once, nothing copied")
        << QByteArrayList{"D|A", "F|b", "F|c"} << QByteArray("plik/nowy") << QByteArrayList{}
        << QByteArrayList{błąd(ENOTDIR, "plik/nowy")};
    QTest::newRow("missing with missing parents: made, the copy lands")
        << QByteArrayList{"D|A", "F|b"} << QByteArray("nowy/a") << QByteArrayList{"d|nowy", "d|nowy/a", "d|nowy/a/A",
                                                                              "f|nowy/a/A/f", "f|nowy/a/b"}
        << QByteArrayList{};
    QTest::newRow("an empty batch: nothing made") << QByteArrayList{} << QByteArray("nowy") << QByteArrayList{}
                                                  << QByteArrayList{};
}

void TstKopiarka::destinationMadeOnce()
{
    QFETCH(QByteArrayList, chosen);
    QFETCH(QByteArray, target);
    QFETCH(QByteArrayList, added);
    QFETCH(QByteArrayList, failures);

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QVERIFY(drzewo::zbuduj(root, {"d|A", "f|A/f|10", "f|b|10", "f|c|10", "f|plik|10"}));
    QByteArrayList after = drzewo::nazwy(root) + added;
    std::sort(after.begin(), after.end());
    QCOMPARE(kopiuj(root, chosen, target, true).błędy, failures);
    QCOMPARE(drzewo::nazwy(root), after);
}

void TstKopiarka::partialTargetsRemoved_data()
{
    QTest::addColumn<QByteArrayList>("source");
    QTest::addColumn<QByteArrayList>("chosen");
    QTest::addColumn<qint64>("writeLimit");
    QTest::addColumn<bool>("stopInside");
    QTest::addColumn<QByteArrayList>("after");
    QTest::addColumn<QByteArrayList>("failures");

    QTest::newRow("write fails part-way: no partial target, the rest copied")
        << QByteArrayList{"d|A", "f|A/duzy|1048576", "f|A/maly|100"} << QByteArrayList{"D|src/A"}
        << qint64(256 << 10) << false << QByteArrayList{"d|A", "f|A/maly"}
        << QByteArrayList{błąd(EFBIG, "dst/A/duzy")};
    QTest::newRow("stop inside a large file: it is removed, what came before stays")
        << QByteArrayList{"f|a|100", "f|b|1048576", "f|c|100"} << QByteArrayList{"F|src/a", "F|src/b", "F|src/c"}
        << qint64(0) << true << QByteArrayList{"f|a"} << QByteArrayList{};
    QTest::newRow("source read fails: reported, no empty target left")
        << QByteArrayList{"f|a|100"} << QByteArrayList{"F|/proc/self/mem", "F|src/a"} << qint64(0) << false
        << QByteArrayList{"f|a"} << QByteArrayList{QByteArray::number(EIO) + "|/proc/self/mem"};
    QTest::newRow("source gone: reported, the rest copied")
        << QByteArrayList{"f|a|100"} << QByteArrayList{"F|src/brak", "F|src/a"} << qint64(0) << false
        << QByteArrayList{"f|a"} << QByteArrayList{błąd(ENOENT, "src/brak")};
    QTest::newRow("source without read permission")
        << QByteArrayList{"f|zamkniety|100|000", "f|a|100"} << QByteArrayList{"F|src/zamkniety", "F|src/a"}
        << qint64(0) << false << QByteArrayList{"f|a"} << QByteArrayList{błąd(EACCES, "src/zamkniety")};
    QTest::newRow("subdirectory without read permission: made empty, reported once")
        << QByteArrayList{"d|A", "d|A/zamkniety|000", "f|A/a|100"} << QByteArrayList{"D|src/A"} << qint64(0) << false
        << QByteArrayList{"d|A", "d|A/zamkniety", "f|A/a"} << QByteArrayList{błąd(EACCES, "src/A/zamkniety")};
}

void TstKopiarka::partialTargetsRemoved()
{
    QFETCH(QByteArrayList, source);
    QFETCH(QByteArrayList, chosen);
    QFETCH(qint64, writeLimit);
    QFETCH(bool, stopInside);
    QFETCH(QByteArrayList, after);
    QFETCH(QByteArrayList, failures);
    if (geteuid() == 0 && QByteArray(QTest::currentDataTag()).contains("permission"))
        QSKIP("the superuser reads every file");

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QVERIFY(drzewo::zbuduj(root, {"d|src", "d|dst"}));
    QVERIFY(drzewo::zbuduj(root + "/src", source));
    Przebieg przebieg;
    {
        LimitZapisu limit(writeLimit);
        przebieg = kopiuj(root, chosen, "dst", true, 64 << 10, stopInside);
    }
    QCOMPARE(drzewo::nazwy(root + "/dst"), after);
    QCOMPARE(przebieg.przerwano, stopInside);
    QCOMPARE(przebieg.błędy, failures);
}

void TstKopiarka::copyMirrorsTheSource_data()
{
    QTest::addColumn<QByteArrayList>("source"); // every top-level entry is chosen

    const QByteArray długa(255, 'n');
    const QByteArray długiKatalog(255, 'k');
    QTest::newRow("names: not UTF-8, newline, leading dash, quotes, spaces, 255 bytes")
        << QByteArrayList{"d|K\xff\xfe", "f|K\xff\xfe/a\xc3|10", "f|nowa\nlinia|5", "f|-rf|7", "f|'\"cudzy\"'|3",
                          "f| spacje  w nazwie |4", "f|" + długa + "|6", "d|" + długiKatalog,
                          "f|" + długiKatalog + '/' + długa + "|1"};
    QTest::newRow("a name differing only in case is a file of its own")
        << QByteArrayList{"f|README.TXT|10", "d|D", "f|D/readme.txt|20", "f|D/README.TXT|30"};
    QTest::newRow("permission bits and times kept, to the nanosecond")
        << QByteArrayList{"f|a|100|640|946684800.123456789", "f|b|5|755|1", "f|c|0|444|2000000000.5",
                          "f|d|70000|600|1234567890.999999999"};
    QTest::newRow("empty directories, nested; private directory modes kept")
        << QByteArrayList{"d|pusty", "d|A|700", "d|A/B", "d|A/B/C|750", "d|A/B/C/D"};
    QTest::newRow("a pipe is made anew, never opened; links inside kept")
        << QByteArrayList{"d|A", "p|A/rura", "l|A/l|rura", "f|A/z|3"};
    QTest::newRow("holes stay holes")
        << QByteArrayList{"h|obraz|67108864", "d|A", "h|A/baza|268435456"};
    const QByteArray dostęp = "x|A/a|system.posix_acl_access|" + listaDostępu(4321).toPercentEncoding();
    QTest::newRow("extended attributes of files and directories: the user's, DOS attributes, access lists")
        << QByteArrayList{"d|A", "x|A|user.DOSATTRIB|0x2", "f|A/a|100|640", "x|A/a|user.DOSATTRIB|0x21",
                          "x|A/a|user.opis|%00%FFbinarny", dostęp, "f|pusty|0", "x|pusty|user.x|"};
    QTest::newRow("trusted and security attributes kept where permitted (superuser)")
        << QByteArrayList{"f|a|10", "x|a|trusted.oc|1", "x|a|security.oc|2"};

    // Trees the workers share out: many directories, one crowded directory, a
    // chain no worker can split, one file under two names in two directories.
    QByteArrayList katalogi, tłum{"d|T"}, łańcuch, twarde{"d|A", "d|B", "f|A/wspolny|70000|640|5.5"};
    for (int k = 0; k < 12; ++k) {
        katalogi << "d|K" + QByteArray::number(k);
        for (int i = 0; i < 30; ++i)
            katalogi << "f|K" + QByteArray::number(k) + "/p" + QByteArray::number(i) + '|' + QByteArray::number(i * 997);
    }
    for (int i = 0; i < 1000; ++i)
        tłum << "f|T/p" + QByteArray::number(i) + '|' + QByteArray::number(i % 5);
    QByteArray głębiej = "c";
    for (int i = 0; i < 300; ++i, głębiej += "/c")
        łańcuch << "d|" + głębiej;
    łańcuch << "f|" + głębiej.chopped(2) + "/dno|10";
    twarde << "t|B/ten_sam|A/wspolny" << "t|A/drugi|A/wspolny";
    QTest::newRow("twelve directories of thirty files") << katalogi;
    QTest::newRow("1000 files in one directory") << tłum;
    QTest::newRow("a chain of 300 single directories") << łańcuch;
    QTest::newRow("one file hard-linked from two directories: each name a whole copy") << twarde;
}

void TstKopiarka::copyMirrorsTheSource()
{
    QFETCH(QByteArrayList, source);
    if (geteuid() != 0 && QByteArray(QTest::currentDataTag()).contains("superuser"))
        QSKIP("trusted attributes take the superuser");

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QVERIFY(drzewo::zbuduj(root, {"d|src", "d|dst"}));
    QVERIFY(drzewo::zbuduj(root + "/src", source));
    QByteArrayList chosen;
    for (const QByteArray &linia : source)
        if (!linia.startsWith("x|") && !linia.split('|').at(1).contains('/'))
            chosen << (linia.startsWith("d|") ? "D|src/" : "F|src/") + linia.split('|').at(1);

    const Przebieg przebieg = kopiuj(root, chosen, "dst", false);
    QCOMPARE(przebieg.błędy, QByteArrayList{});
    QCOMPARE(drzewo::opisz(root + "/dst"), drzewo::opisz(root + "/src"));
    // Not a block more than the source takes, give or take the file system's own rounding.
    QVERIFY2(drzewo::zajęte(root + "/dst") <= drzewo::zajęte(root + "/src") + 256,
             QByteArray::number(drzewo::zajęte(root + "/dst")).constData());
}

void TstKopiarka::neverIntoItself_data()
{
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArrayList>("added"); // below root, besides what was there
    QTest::addColumn<QByteArrayList>("failures");

    QTest::newRow("into its own subdirectory: refused")
        << QByteArray("A") << QByteArray("A/B") << QByteArrayList{} << QByteArrayList{błąd(EINVAL, "A")};
    QTest::newRow("into itself: refused")
        << QByteArray("A") << QByteArray("A") << QByteArrayList{} << QByteArrayList{błąd(EINVAL, "A")};
    QTest::newRow("into its subdirectory reached through a link: refused")
        << QByteArray("A") << QByteArray("skrot") << QByteArrayList{} << QByteArrayList{błąd(EINVAL, "A")};
    QTest::newRow("into its own subdirectory not made yet: refused, nothing made")
        << QByteArray("A") << QByteArray("A/B/nowy/glebiej") << QByteArrayList{} << QByteArrayList{błąd(EINVAL, "A")};
    QTest::newRow("into its parent: lands on itself, nothing changes")
        << QByteArray("A") << QByteArray("") << QByteArrayList{} << QByteArrayList{};
    QTest::newRow("a chosen path ending in \"..\" goes under the real name")
        << QByteArray("A/B/..") << QByteArray("dst") << QByteArrayList{"d|dst/A", "d|dst/A/B", "f|dst/A/B/f"}
        << QByteArrayList{};
}

void TstKopiarka::neverIntoItself()
{
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, target);
    QFETCH(QByteArrayList, added);
    QFETCH(QByteArrayList, failures);

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QVERIFY(drzewo::zbuduj(root, drzewo::zRootem({"d|A", "d|A/B", "f|A/B/f|10", "l|skrot|@A/B", "d|dst"}, root)));
    QByteArrayList after = drzewo::nazwy(root) + added;
    std::sort(after.begin(), after.end());
    // The window asks before the engine starts, and must judge alike.
    const QString wSobie = occopy::KatalogPonadCelem({decodeName(root + '/' + chosen)}, decodeName(root + '/' + target));
    const Przebieg przebieg = kopiuj(root, {"D|" + chosen}, target, true);
    QCOMPARE(drzewo::nazwy(root), after);
    QCOMPARE(przebieg.błędy, failures);
    QCOMPARE(wSobie, failures.isEmpty() ? QString() : decodeName(root + '/' + chosen));
}

void TstKopiarka::progress_data()
{
    QTest::addColumn<QByteArrayList>("source");
    QTest::addColumn<QList<qint64>>("files"); // Pliki of each report
    QTest::addColumn<QList<qint64>>("bytes"); // Bajty of each report

    QByteArrayList dwadzieściaPięć{"d|A"};
    for (int i = 0; i < 25; ++i)
        dwadzieściaPięć << "f|A/p" + QByteArray::number(i) + "|100";
    QTest::newRow("no files: one report at the end") << QByteArrayList{"d|A"} << QList<qint64>{0} << QList<qint64>{0};
    QTest::newRow("ten files: only the end") << dwadzieściaPięć.mid(0, 11) << QList<qint64>{10} << QList<qint64>{1000};
    QTest::newRow("twenty-five files: after the 11th, the 21st and at the end")
        << dwadzieściaPięć << QList<qint64>{11, 21, 25} << QList<qint64>{1100, 2100, 2500};
    QTest::newRow("a large file moves inside, a step at a time")
        << QByteArrayList{"d|A", "f|A/duzy|262144"} << QList<qint64>{0, 0, 0, 1}
        << QList<qint64>{65536, 131072, 196608, 262144};
}

void TstKopiarka::progress()
{
    QFETCH(QByteArrayList, source);
    QFETCH(QList<qint64>, files);
    QFETCH(QList<qint64>, bytes);

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QVERIFY(drzewo::zbuduj(root, {"d|src", "d|dst"}));
    QVERIFY(drzewo::zbuduj(root + "/src", source));
    const Przebieg przebieg = kopiuj(root, {"D|src/A"}, "dst", true, 64 << 10);
    QList<qint64> pliki, bajty;
    for (const Postęp &postęp : przebieg.postępy) {
        pliki << postęp.Pliki;
        bajty << postęp.Bajty;
        QCOMPARE(postęp.WszystkiePliki, qint64(source.size() - 1));
        QCOMPARE(postęp.WszystkieBajty, bytes.last());
    }
    QCOMPARE(pliki, files);
    QCOMPARE(bajty, bytes);
}

void TstKopiarka::workersShareTheTree_data()
{
    QTest::addColumn<int>("workers");
    QTest::addColumn<bool>("stop"); // stopped at the first report from inside a large file

    QTest::newRow("Esc while every worker is inside a large file: what is there is whole") << 4 << true;
    QTest::newRow("Esc with one worker") << 1 << true;
    QTest::newRow("a directory that cannot be made fails alone, sorted by path") << 4 << false;
}

// Eight directories, each with a large file and small ones; the copy of
// directory D is blocked by a file of its name.
void TstKopiarka::workersShareTheTree()
{
    QFETCH(int, workers);
    QFETCH(bool, stop);

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QByteArrayList źródło{"d|src", "d|dst", "d|dst/src", "f|dst/src/D|1"};
    for (const char k : QByteArray("ABCDEFGH")) {
        const QByteArray katalog = "src/" + QByteArray(1, k);
        źródło << "d|" + katalog << "f|" + katalog + "/duzy|2097152";
        for (int i = 0; i < 20; ++i)
            źródło << "f|" + katalog + "/p" + QByteArray::number(i) + "|3000";
    }
    QVERIFY(drzewo::zbuduj(root, źródło));
    const Przebieg przebieg = kopiuj(root, {"D|src"}, "dst", false, 64 << 10, stop, workers);
    QCOMPARE(przebieg.przerwano, stop);

    // Every file there is whole: its description is one of the source's.
    const QByteArrayList wzór = drzewo::opisz(root + "/src");
    QByteArrayList kopia = drzewo::opisz(root + "/dst/src");
    // The blocking file is no copy.
    kopia.removeIf([](const QByteArray &linia) { return linia.startsWith("f|D|"); });
    for (const QByteArray &linia : kopia)
        QVERIFY2(wzór.contains(linia) || linia.startsWith("d|"), linia.constData());
    if (stop) {
        QVERIFY(std::count_if(kopia.begin(), kopia.end(), [](const QByteArray &l) { return l.contains("/duzy|"); }) < 8);
        return;
    }
    QCOMPARE(kopia.size(), wzór.size() - 22);
    QByteArrayList oczekiwane{błąd(EEXIST, "dst/src/D")};
    for (const QByteArray &nazwa : QByteArrayList{"duzy", "p0", "p1", "p10", "p11", "p12", "p13", "p14", "p15", "p16",
                                                   "p17", "p18", "p19", "p2", "p3", "p4", "p5", "p6", "p7", "p8", "p9"})
        oczekiwane << błąd(ENOTDIR, "dst/src/D/" + nazwa);
    QCOMPARE(przebieg.błędy, oczekiwane);
}

void TstKopiarka::swappedAfterTheScan_data()
{
    QTest::addColumn<QByteArrayList>("planted"); // built below root just before src/A/x is copied
    QTest::addColumn<QByteArrayList>("after");   // what is in dst/A, as opisz gives it
    QTest::addColumn<QByteArrayList>("failures");

    QTest::newRow("a file planted in the directory the copy made: kept, never replaced")
        << QByteArrayList{"f|dst/A/x|7|600|1500000000.25"}
        << QByteArrayList{"f|x|7|600|1500000000.25|"}
        << QByteArrayList{błąd(EEXIST, "dst/A/x")};
    QTest::newRow("the source swapped for a link to a secret: the link is copied, not the secret")
        << QByteArrayList{"l|src/A/x|@out/tajny"} << QByteArrayList{"l|x|@out/tajny"}
        << QByteArrayList{};
    QTest::newRow("the source swapped for a pipe: made as a pipe, nothing hangs")
        << QByteArrayList{"p|src/A/x"} << QByteArrayList{"p|x"} << QByteArrayList{};
}

// The scan saw src/A/x as a regular file; what is there when its turn comes
// decides, and nothing outside the tree is read or written.
void TstKopiarka::swappedAfterTheScan()
{
    QFETCH(QByteArrayList, planted);
    QFETCH(QByteArrayList, after);
    QFETCH(QByteArrayList, failures);

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QVERIFY(drzewo::zbuduj(root, {"d|src", "d|src/A|700", "f|src/A/x|4096", "d|out", "f|out/tajny|100"}));
    Kopiarka kopiarka;
    kopiarka.Pracownicy = 1;
    kopiarka.lstDirs << decodeName(root + "/src/A");
    kopiarka.KatalogDocelowy = decodeName(root + "/dst/");
    bool zbudowane = false;
    kopiarka.PrzedPlikiem = [&](qsizetype) {
        zbudowane = true;
        for (const QByteArray &linia : planted) // a swapped source goes first
            if (linia.split('|').value(1).startsWith("src/"))
                zbudowane = unlink((root + '/' + linia.split('|').value(1)).constData()) == 0;
        zbudowane = zbudowane && drzewo::zbuduj(root, drzewo::zRootem(planted, root));
    };
    kopiarka.Wykonaj();
    QVERIFY(zbudowane);
    QByteArrayList oczekiwane = drzewo::zRootem(after, root);
    QByteArrayList jest = drzewo::opisz(root + "/dst/A");
    for (QByteArray &linia : jest) // the planted file's checksum is not the point
        if (linia.startsWith("f|"))
            linia.truncate(linia.lastIndexOf('|') + 1);
    QCOMPARE(jest, oczekiwane);
    QByteArrayList błędy;
    for (const oc::platform::FileError &e : kopiarka.Błędy())
        błędy << błąd(e.code, oc::platform::encodeName(e.path).mid(root.size() + 1));
    QCOMPARE(błędy, failures);
}

void TstKopiarka::stagesInTheirOrder_data()
{
    QTest::addColumn<QByteArrayList>("chosen");
    QTest::addColumn<bool>("stop");          // stopped as the first stage is told
    QTest::addColumn<QByteArrayList>("seen"); // at each stage: "stage:" and the destination's names, "-" when missing
    QTest::addColumn<QByteArrayList>("after");

    QTest::newRow("stopped at once: every stage told, nothing copied")
        << QByteArrayList{"D|src/A", "F|src/b"} << true << QByteArrayList{"0:-", "1:-", "2:"} << QByteArrayList{};
    QTest::newRow("a tree and a file: the directories made before any file is copied")
        << QByteArrayList{"D|src/A", "F|src/b"} << false << QByteArrayList{"0:-", "1:-", "2:d|A,d|A/B"}
        << QByteArrayList{"d|A", "d|A/B", "f|A/B/c", "f|A/a", "f|b"};
}

// The destination "dst" does not exist before the run.
void TstKopiarka::stagesInTheirOrder()
{
    QFETCH(QByteArrayList, chosen);
    QFETCH(bool, stop);
    QFETCH(QByteArrayList, seen);
    QFETCH(QByteArrayList, after);

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QVERIFY(drzewo::zbuduj(root, {"d|src", "d|src/A", "f|src/A/a|10", "d|src/A/B", "f|src/A/B/c|10", "f|src/b|10"}));
    Kopiarka kopiarka;
    for (const QByteArray &wybór : chosen)
        (wybór.startsWith("D|") ? kopiarka.lstDirs : kopiarka.lstFiles).append(decodeName(root + '/' + wybór.mid(2)));
    kopiarka.KatalogDocelowy = decodeName(root + "/dst/");
    QByteArrayList widziane;
    kopiarka.NaEtap = [&](Etap etap) {
        if (stop)
            kopiarka.Przerwij();
        const QByteArray cel = root + "/dst";
        widziane << QByteArray::number(int(etap)) + ':'
                        + (access(cel.constData(), F_OK) == 0 ? drzewo::nazwy(cel).join(',') : QByteArray("-"));
    };
    kopiarka.Wykonaj();
    QCOMPARE(widziane, seen);
    QCOMPARE(drzewo::nazwy(root + "/dst"), after);
    QCOMPARE(kopiarka.Przerwano(), stop);
}

QTEST_GUILESS_MAIN(TstKopiarka)
#include "tst_kopiarka.moc"
