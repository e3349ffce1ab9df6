#include "Drzewo.h"
#include "LimitZapisu.h"

#include <Przenosnik.h>

#include <platform/Names.h>

#include <QDir>
#include <QSet>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using occopy::Kopiarka;
using occopy::Odpowiedź;
using occopy::Postęp;
using occopy::Przenośnik;
using occopy::Pytania;
using occopy::Zastany;
using oc::platform::decodeName;
using oc::platform::encodeName;

namespace {

// The source folder "z", on another file system for the moves across, and
// the destination "do", each in a temporary folder of its own.
struct Miejsca
{
    explicit Miejsca(bool across)
        : źródła(across ? drzewo::innySystem() : QByteArray()), z(źródła.ścieżka() + "/z"),
          doKatalogu(cele.ścieżka() + "/do")
    {}
    // Makes both, empty.
    bool puste() const { return drzewo::zbuduj(źródła.ścieżka(), {"d|z"}) && drzewo::zbuduj(cele.ścieżka(), {"d|do"}); }

    const drzewo::Tymczasowy źródła;
    const drzewo::Tymczasowy cele;
    const QByteArray z;
    const QByteArray doKatalogu;
};

struct Przebieg
{
    QByteArrayList błędy; // "error number|path", the roots written "z" and "do"
    QByteArrayList pary;  // "from>to" likewise
    int pytania = 0;
};

struct Ustawienia
{
    bool nadpisuj = true;
    QList<Odpowiedź> odpowiedzi; // scripted answers; none: no questions
    int stopNaRaporcie = 0;     // stop the run at that progress report; 0 never
    bool kopiuj = false;        // the copy engine alone, as F5
};

QByteArray względna(QByteArray ścieżka, const QByteArray &z, const QByteArray &doKatalogu)
{
    if (ścieżka.startsWith(z + '/'))
        return "z" + ścieżka.mid(z.size());
    if (ścieżka.startsWith(doKatalogu + '/'))
        return "do" + ścieżka.mid(doKatalogu.size());
    return ścieżka;
}

// Moves (or copies) the top-level entries `wybrane` of z into doKatalogu as
// the window does, on this thread.
Przebieg przenieś(const QByteArray &z, const QByteArrayList &wybrane, const QByteArray &doKatalogu,
                  const Ustawienia &u)
{
    Kopiarka kopiarka;
    Przenośnik przenośnik(kopiarka);
    Pytania pytania;
    Przebieg wynik;
    for (const QByteArray &nazwa : wybrane) {
        const QByteArray ścieżka = nazwa.startsWith('/') ? nazwa : z + '/' + nazwa;
        struct stat info;
        const bool katalog = lstat(ścieżka.constData(), &info) == 0 && S_ISDIR(info.st_mode);
        (katalog ? (u.kopiuj ? kopiarka.lstDirs : przenośnik.lstDirs) : (u.kopiuj ? kopiarka.lstFiles : przenośnik.lstFiles))
            .append(decodeName(ścieżka));
    }
    kopiarka.KatalogDocelowy = przenośnik.KatalogDocelowy = decodeName(doKatalogu + '/');
    kopiarka.Nadpisuj = u.nadpisuj;
    kopiarka.Krok = 64 << 10;
    int raporty = 0;
    kopiarka.NaPostęp = przenośnik.NaPostęp = [&](const Postęp &) {
        if (++raporty == u.stopNaRaporcie)
            kopiarka.Przerwij();
    };
    if (!u.odpowiedzi.isEmpty()) {
        pytania.Przerwij = [&] { kopiarka.Przerwij(); };
        pytania.PytajONadpisanie = [&](const Zastany &) { return u.odpowiedzi.value(wynik.pytania++, Odpowiedź::Anuluj); };
        pytania.PytajOBłąd = [&](const oc::platform::FileError &) {
            return u.odpowiedzi.value(wynik.pytania++, Odpowiedź::Anuluj);
        };
        kopiarka.CzyNadpisać = [&](const Zastany &zastany) { return pytania.Nadpisać(zastany); };
        kopiarka.PoBłędzieŹródła = [&](const oc::platform::FileError &błąd) { pytania.BłądŹródła(błąd); };
    }
    if (u.kopiuj) {
        kopiarka.Wykonaj();
    } else {
        przenośnik.Przenieś();
    }
    for (const oc::platform::FileError &e : u.kopiuj ? kopiarka.Błędy() : przenośnik.Błędy())
        wynik.błędy << QByteArray::number(e.code) + '|' + względna(encodeName(e.path), z, doKatalogu);
    for (const Przenośnik::Para &para : przenośnik.Przeniesione())
        wynik.pary << względna(encodeName(para.skąd), z, doKatalogu) + '>' + względna(encodeName(para.dokąd), z, doKatalogu);
    return wynik;
}

// The lines of a description whose names are listed, in its own order.
QByteArrayList wybierz(const QByteArrayList &opis, const QByteArrayList &nazwy)
{
    QByteArrayList wynik;
    for (const QByteArray &linia : opis)
        if (nazwy.contains(linia.split('|').at(1)))
            wynik << linia;
    return wynik;
}

quint64 inode(const QByteArray &ścieżka)
{
    struct stat info;
    return lstat(ścieżka.constData(), &info) == 0 ? quint64(info.st_ino) : 0;
}

} // namespace

class TstPrzenosnik : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { umask(022); }
    void moves_data();
    void moves();
    void withinOneFileSystemEntriesKeepTheirInodes();
    void nothingLost_data();
    void nothingLost();
    void questions_data();
    void questions();
};

void TstPrzenosnik::moves_data()
{
    QTest::addColumn<bool>("across");        // the source on another file system
    QTest::addColumn<QByteArrayList>("source");
    QTest::addColumn<QByteArrayList>("before"); // the destination before
    QTest::addColumn<QByteArrayList>("chosen");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QByteArrayList>("fromSource"); // names in the destination as they were in the source
    QTest::addColumn<QByteArrayList>("fromTarget"); // names in the destination as they were there
    QTest::addColumn<QByteArrayList>("left");       // names still in the source
    QTest::addColumn<QByteArrayList>("failures");

    const QByteArray długa(255, 'n');
    const QByteArrayList drzewo{"d|A", "f|A/a|3000|640|1000000000.5", "d|A/B|750", "f|A/B/b|70000", "d|A/pusty",
                                "l|A/l|a", "p|A/rura", "f|plik|10|600|946684800.123456789", "l|link|/nie/ma"};
    const QByteArrayList wszystko{"A", "A/a", "A/B", "A/B/b", "A/pusty", "A/l", "A/rura", "plik", "link"};
    const QByteArrayList dziwne{"d|K\xff\xfe", "f|K\xff\xfe/a\xc3|10", "f|nowa\nlinia|5", "f|-rf|7", "f|" + długa + "|6"};
    const QByteArrayList dziwneNazwy{"K\xff\xfe", "K\xff\xfe/a\xc3", "nowa\nlinia", "-rf", długa};
    for (const bool across : {false, true}) {
        const char *gdzie = across ? ", across file systems" : "";
        QTest::newRow((QByteArray("files, a tree, links, a pipe: bytes, modes and times kept") + gdzie).constData())
            << across << drzewo << QByteArrayList{} << QByteArrayList{"A", "plik", "link"} << true << wszystko
            << QByteArrayList{} << QByteArrayList{} << QByteArrayList{};
        QTest::newRow((QByteArray("names: not UTF-8, newline, leading dash, 255 bytes") + gdzie).constData())
            << across << dziwne << QByteArrayList{} << QByteArrayList{"K\xff\xfe", "nowa\nlinia", "-rf", długa} << true
            << dziwneNazwy << QByteArrayList{} << QByteArrayList{} << QByteArrayList{};
        QTest::newRow((QByteArray("onto a directory of its name: merged, the existing file replaced") + gdzie).constData())
            << across << QByteArrayList{"d|A", "f|A/x|100", "f|A/nowy|5"} << QByteArrayList{"d|A", "f|A/x|50", "f|A/stary|7"}
            << QByteArrayList{"A"} << true << QByteArrayList{"A/x", "A/nowy"} << QByteArrayList{"A", "A/stary"}
            << QByteArrayList{} << QByteArrayList{};
        QTest::newRow((QByteArray("merged with overwrite off: the existing file and its source both stay") + gdzie).constData())
            << across << QByteArrayList{"d|A", "f|A/x|100", "f|A/nowy|5"} << QByteArrayList{"d|A", "f|A/x|50"}
            << QByteArrayList{"A"} << false << QByteArrayList{"A/nowy"} << QByteArrayList{"A", "A/x"}
            << QByteArrayList{"A", "A/x"} << QByteArrayList{};
    }
    QTest::newRow("a read-only target is not replaced unasked")
        << false << QByteArrayList{"f|x|100"} << QByteArrayList{"f|x|50|444"} << QByteArrayList{"x"} << true
        << QByteArrayList{} << QByteArrayList{"x"} << QByteArrayList{"x"} << QByteArrayList{"13|do/x"};
    QTest::newRow("a directory onto a file and a file onto a directory: refused, both stay")
        << false << QByteArrayList{"d|A", "f|A/a|1", "f|B|1"} << QByteArrayList{"f|A|2", "d|B"}
        << QByteArrayList{"A", "B"} << true << QByteArrayList{} << QByteArrayList{"A", "B"}
        << QByteArrayList{"A", "A/a", "B"} << QByteArrayList{"20|do/A", "21|do/B"};
}

void TstPrzenosnik::moves()
{
    QFETCH(bool, across);
    QFETCH(QByteArrayList, source);
    QFETCH(QByteArrayList, before);
    QFETCH(QByteArrayList, chosen);
    QFETCH(bool, overwrite);
    QFETCH(QByteArrayList, fromSource);
    QFETCH(QByteArrayList, fromTarget);
    QFETCH(QByteArrayList, left);
    QFETCH(QByteArrayList, failures);
    if (across && drzewo::innySystem().isEmpty())
        QSKIP("no second file system to move across");

    const Miejsca m(across);
    const QByteArray &z = m.z, &doKatalogu = m.doKatalogu;
    QVERIFY(m.puste());
    QVERIFY(drzewo::zbuduj(z, source) && drzewo::zbuduj(doKatalogu, before));
    const QByteArrayList było = drzewo::opisz(z);
    const QByteArrayList byłoTam = drzewo::opisz(doKatalogu);

    Ustawienia ustawienia;
    ustawienia.nadpisuj = overwrite;
    const Przebieg przebieg = przenieś(z, chosen, doKatalogu, ustawienia);
    QByteArrayList oczekiwane = wybierz(było, fromSource) + wybierz(byłoTam, fromTarget);
    std::sort(oczekiwane.begin(), oczekiwane.end());
    QCOMPARE(drzewo::opisz(doKatalogu), oczekiwane);
    std::sort(left.begin(), left.end());
    QByteArrayList zostało;
    for (const QByteArray &linia : drzewo::nazwy(z))
        zostało << linia.split('|').at(1);
    QCOMPARE(zostało, left);
    QCOMPARE(przebieg.błędy, failures);
}

// A directory goes in one step, whatever it holds; the pair names it alone.
void TstPrzenosnik::withinOneFileSystemEntriesKeepTheirInodes()
{
    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QByteArrayList tysiąc{"d|z", "d|do", "d|z/A", "f|z/plik|10|640|1234567890.5"};
    for (int i = 0; i < 1000; ++i)
        tysiąc << "f|z/A/p" + QByteArray::number(i) + "|1";
    QVERIFY(drzewo::zbuduj(root, tysiąc));
    const quint64 katalog = inode(root + "/z/A");
    const quint64 plik = inode(root + "/z/plik");
    const QByteArrayList było = drzewo::opisz(root + "/z");

    const Przebieg przebieg = przenieś(root + "/z", {"A", "plik"}, root + "/do", Ustawienia{});
    QCOMPARE(przebieg.błędy, QByteArrayList{});
    QCOMPARE(przebieg.pary, QByteArrayList({"z/A>do/A", "z/plik>do/plik"}));
    QCOMPARE(inode(root + "/do/A"), katalog);
    QCOMPARE(inode(root + "/do/plik"), plik);
    QCOMPARE(drzewo::opisz(root + "/do"), było);
    QCOMPARE(drzewo::nazwy(root + "/z"), QByteArrayList{});
}

void TstPrzenosnik::nothingLost_data()
{
    QTest::addColumn<bool>("across");
    QTest::addColumn<QByteArrayList>("source"); // every top-level entry is chosen
    QTest::addColumn<int>("stopAt");
    QTest::addColumn<qint64>("writeLimit");
    QTest::addColumn<bool>("readOnlyTarget"); // a read-only file system
    QTest::addColumn<QByteArrayList>("gone"); // top-level names no longer in the source
    QTest::addColumn<int>("failures");

    QByteArrayList dwadzieściaPięć;
    QByteArrayList dziesięć;
    for (int i = 0; i < 25; ++i) {
        dwadzieściaPięć << "f|p" + QByteArray::number(i + 10) + "|100";
        if (i < 10)
            dziesięć << "p" + QByteArray::number(i + 10);
    }
    QTest::newRow("stopped half way within a file system: the first ten moved")
        << false << dwadzieściaPięć << 1 << qint64(0) << false << dziesięć << 0;
    QTest::newRow("stopped inside a large file across file systems: it stays whole in the source")
        << true << QByteArrayList{"f|a|100", "f|b|4194304", "f|c|100"} << 2 << qint64(0) << false
        << QByteArrayList{"a"} << 0;
    QTest::newRow("the target fills up across file systems: what fits moves, the rest stays")
        << true << QByteArrayList{"d|A", "f|A/duzy|1048576", "f|A/maly|100", "f|b|100"} << 0 << qint64(256 << 10)
        << false << QByteArrayList{"b"} << 1;
    QTest::newRow("a read-only file system as the target: everything stays")
        << true << QByteArrayList{"d|A", "f|A/a|100", "f|b|100"} << 0 << qint64(0) << true << QByteArrayList{} << 3;
}

// Every file is whole in the source or in the destination, and nothing else
// is in the destination.
void TstPrzenosnik::nothingLost()
{
    QFETCH(bool, across);
    QFETCH(QByteArrayList, source);
    QFETCH(int, stopAt);
    QFETCH(qint64, writeLimit);
    QFETCH(bool, readOnlyTarget);
    QFETCH(QByteArrayList, gone);
    QFETCH(int, failures);
    if (across && drzewo::innySystem().isEmpty())
        QSKIP("no second file system to move across");

    const Miejsca m(across);
    const QByteArray &z = m.z, &doKatalogu = m.doKatalogu;
    QVERIFY(m.puste());
    QVERIFY(drzewo::zbuduj(z, source));
    if (readOnlyTarget && mount("tmpfs", doKatalogu.constData(), "tmpfs", MS_RDONLY, "size=1m") != 0)
        QSKIP("no right to mount a read-only file system");
    const QByteArrayList było = drzewo::opisz(z);
    QByteArrayList wybrane;
    for (const QByteArray &linia : source)
        if (!linia.split('|').at(1).contains('/'))
            wybrane << linia.split('|').at(1);

    Przebieg przebieg;
    {
        LimitZapisu limit(writeLimit);
        przebieg = przenieś(z, wybrane, doKatalogu, Ustawienia{true, {}, stopAt});
    }
    const QByteArrayList zostało = drzewo::opisz(z);
    const QByteArrayList tam = drzewo::opisz(doKatalogu);
    if (readOnlyTarget)
        umount(doKatalogu.constData());
    for (const QByteArray &linia : było)
        if (!linia.startsWith("d|"))
            QVERIFY2(zostało.contains(linia) || tam.contains(linia), linia.constData());
    for (const QByteArray &linia : tam)
        if (!linia.startsWith("d|"))
            QVERIFY2(było.contains(linia), linia.constData());
    QByteArrayList poszły = wybrane;
    for (const QByteArray &linia : drzewo::nazwy(z))
        poszły.removeAll(linia.split('|').at(1));
    QCOMPARE(poszły, gone);
    QCOMPARE(przebieg.błędy.size(), failures);
}

void TstPrzenosnik::questions_data()
{
    QTest::addColumn<QByteArray>("how"); // "move", "move across", "copy"
    QTest::addColumn<QByteArrayList>("chosen");
    QTest::addColumn<QList<Odpowiedź>>("answers");
    QTest::addColumn<QByteArrayList>("replaced"); // of x (target older), y (target newer), z (older)
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("failures");

    const QByteArrayList xyz{"x", "y", "z"};
    using O = Odpowiedź;
    QTest::newRow("Nadpisz, Pomiń, Nadpisz: each target as answered")
        << QByteArray("move") << xyz << QList<O>{O::Nadpisz, O::Pomiń, O::Nadpisz} << QByteArrayList{"x", "z"} << 3 << 0;
    QTest::newRow("Nadpisz wszystkie: asked once, all replaced")
        << QByteArray("move") << xyz << QList<O>{O::NadpiszWszystkie} << xyz << 1 << 0;
    QTest::newRow("Pomiń wszystkie: asked once, none replaced")
        << QByteArray("move across") << xyz << QList<O>{O::PomijajWszystkie} << QByteArrayList{} << 1 << 0;
    QTest::newRow("Nadpisz starsze: asked once, the newer target kept")
        << QByteArray("copy") << xyz << QList<O>{O::NadpiszStarsze} << QByteArrayList{"x", "z"} << 1 << 0;
    QTest::newRow("Pomiń, then Nadpisz starsze, across file systems")
        << QByteArray("move across") << xyz << QList<O>{O::Pomiń, O::NadpiszStarsze} << QByteArrayList{"z"} << 2 << 0;
    QTest::newRow("Anuluj: the run stops, nothing after it is touched")
        << QByteArray("move") << xyz << QList<O>{O::Nadpisz, O::Anuluj} << QByteArrayList{"x"} << 2 << 0;
    QTest::newRow("an unreadable source, Pomiń: asked for each")
        << QByteArray("copy") << QByteArrayList{"/proc/self/mem", "/proc/self/mem", "w"} << QList<O>{O::Pomiń, O::Pomiń}
        << QByteArrayList{"w"} << 2 << 2;
    QTest::newRow("an unreadable source, Pomiń wszystkie: asked once")
        << QByteArray("copy") << QByteArrayList{"/proc/self/mem", "/proc/self/mem", "w"}
        << QList<O>{O::PomijajWszystkie} << QByteArrayList{"w"} << 1 << 2;
    QTest::newRow("an unreadable source, Anuluj: nothing after it")
        << QByteArray("copy") << QByteArrayList{"/proc/self/mem", "w"} << QList<O>{O::Anuluj} << QByteArrayList{} << 1 << 1;
}

// Sources x, y, z and w meet targets x, z older than them and y newer; w has
// none, and goes only when chosen.
void TstPrzenosnik::questions()
{
    QFETCH(QByteArray, how);
    QFETCH(QByteArrayList, chosen);
    QFETCH(QList<Odpowiedź>, answers);
    QFETCH(QByteArrayList, replaced);
    QFETCH(int, asked);
    QFETCH(int, failures);
    const bool across = how == "move across";
    if (across && drzewo::innySystem().isEmpty())
        QSKIP("no second file system to move across");

    const Miejsca m(across);
    const QByteArray &z = m.z, &doKatalogu = m.doKatalogu;
    QVERIFY(drzewo::zbuduj(m.źródła.ścieżka(), {"d|z", "f|z/x|10|644|2000000000", "f|z/y|20|644|1000000000",
                                              "f|z/z|30|644|2000000000", "f|z/w|40"}));
    QVERIFY(drzewo::zbuduj(m.cele.ścieżka(), {"d|do", "f|do/x|1|644|1500000000", "f|do/y|2|644|1500000000",
                                            "f|do/z|3|644|1500000000"}));
    const QByteArrayList nowe = drzewo::opisz(z);
    const QByteArrayList stare = drzewo::opisz(doKatalogu);

    Ustawienia u{true, answers};
    u.kopiuj = how == "copy";
    const Przebieg przebieg = przenieś(z, chosen, doKatalogu, u);
    QCOMPARE(przebieg.pytania, asked);
    QCOMPARE(przebieg.błędy.size(), failures);
    for (const QByteArray nazwa : {"x", "y", "z", "w"}) {
        const QByteArrayList tam = wybierz(drzewo::opisz(doKatalogu), {nazwa});
        QCOMPARE(tam, wybierz(replaced.contains(nazwa) ? nowe : stare, {nazwa}));
        // A moved source goes with its move; one not replaced stays.
        if (how != "copy")
            QCOMPARE(wybierz(drzewo::opisz(z), {nazwa}), replaced.contains(nazwa) ? QByteArrayList{} : wybierz(nowe, {nazwa}));
    }
}

QTEST_GUILESS_MAIN(TstPrzenosnik)
#include "tst_przenosnik.moc"
