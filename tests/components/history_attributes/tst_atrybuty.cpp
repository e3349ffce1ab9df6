#include <Ocmd.h>
#include <ZmianaAtrybutow.h>
#include <frmAtrib.h>
#include <frmAtrib2.h>

#include <platform/Attributes.h>
#include <platform/Directory.h>
#include <platform/Names.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace oc::platform;

namespace {

constexpr quint32 RO = attr::ReadOnly, Ukr = attr::Hidden, Sys = attr::System, Arch = attr::Archive;
// Beyond Qt's keys: a click on check(i), and a click on the close key.
constexpr int Klik = 0x10000000;
constexpr int KlikZamknij = 0x20000000;
const int Dół = Qt::Key_Down, Góra = Qt::Key_Up, Enter = Qt::Key_Return, Spacja = Qt::Key_Space, Esc = Qt::Key_Escape;

// A file made through its bytes, so that names that are not UTF-8 work too.
void plik(const QString &ścieżka, quint32 atrybuty = 0)
{
    std::FILE *f = std::fopen(encodeName(ścieżka).constData(), "wb");
    QVERIFY2(f, qPrintable(ścieżka));
    std::fclose(f);
    if (atrybuty)
        QVERIFY(writeAttributes(ścieżka, atrybuty));
}

quint32 atrybuty(const QString &ścieżka) { return readAttributes(ścieżka).value_or(0xDEAD); }

struct Przebieg
{
    QString naStarcie;  // the boxes once the window has started, "x" checked, "." not
    int pole = 0;       // the focus before the last key
    QString pola;       // the boxes before the last key
    QString opis;       // Label3 before the last key
    QString tytuł;      // the window's caption and its title strip
    QStringList komunikaty;
};

QString pudełka(const oc2::OknoAtrybutow *okno)
{
    QString pola;
    for (size_t j = 0; j < okno->check.size(); ++j)
        pola += okno->Zaznaczone(int(j)) ? u'x' : u'.';
    return pola;
}

void naciśnij(oc2::OknoAtrybutow *okno, int klawisz)
{
    if (klawisz == KlikZamknij)
        QTest::mouseClick(okno->CloseKey, Qt::LeftButton);
    else if (klawisz >= Klik)
        QTest::mouseClick(okno->check[klawisz - Klik], Qt::LeftButton);
    else
        QTest::keyClick(okno, Qt::Key(klawisz));
}

// Runs pokaż, which opens an attribute window modally, and sends it the keys
// once its start-up hook has run. Every message box it raises is read and
// closed; a window the keys leave open fails the test.
Przebieg przeprowadź(const std::function<void()> &pokaż, const QList<int> &klawisze)
{
    Przebieg przebieg;
    QTimer straż;
    QObject::connect(&straż, &QTimer::timeout, [&] {
        if (auto *pudełko = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            przebieg.komunikaty << pudełko->text();
            pudełko->accept();
        }
    });
    straż.start(10);
    QTimer::singleShot(0, [&] {
        auto *okno = dynamic_cast<oc2::OknoAtrybutow *>(QApplication::activeModalWidget());
        QVERIFY(okno);
        QVERIFY(QTest::qWaitFor([okno] { return !okno->Timer1->isActive(); }));
        przebieg.naStarcie = pudełka(okno);
        przebieg.tytuł = okno->windowTitle() + u'|' + okno->Label1->text();
        for (qsizetype i = 0; i < klawisze.size(); ++i) {
            if (i == klawisze.size() - 1) {
                przebieg.pole = okno->Pole;
                przebieg.pola = pudełka(okno);
                if (auto *a = qobject_cast<oc2::frmAtrib *>(okno))
                    przebieg.opis = a->Label3->text();
                if (auto *a = qobject_cast<oc2::frmAtrib2 *>(okno))
                    przebieg.opis = a->Label3->text();
            }
            naciśnij(okno, klawisze[i]);
        }
        if (!QTest::qWaitFor([okno] { return !okno->isVisible(); })) {
            okno->done(0);
            QFAIL("the window stayed open");
        }
    });
    pokaż();
    return przebieg;
}

// Down to each field in turn and Space on it, then Ustaw (field 10).
QList<int> zaznacz(const QList<int> &pola)
{
    QList<int> klawisze;
    int pole = 1;
    for (int cel : pola) {
        for (; pole < cel; ++pole)
            klawisze << Dół;
        klawisze << Spacja;
    }
    for (; pole < 10; ++pole)
        klawisze << Dół;
    return klawisze << Enter;
}

} // namespace

class TstAtrybuty : public QObject
{
    Q_OBJECT

    // Beside the test program: on the build's disk, which keeps extended
    // attributes, unlike some temporary file systems.
    std::optional<QTemporaryDir> m_katalog;
    QString ścieżka(const QString &względna) const { return m_katalog->filePath(względna); }
    QString korzeń() const { return m_katalog->path(); }

private slots:
    void init()
    {
        m_katalog.emplace(QCoreApplication::applicationDirPath() + QStringLiteral("/atrybuty-XXXXXX"));
        QVERIFY(m_katalog->isValid());
        const QString próba = ścieżka(QStringLiteral("próba"));
        plik(próba);
        if (!writeAttributes(próba, Sys))
            QSKIP("the file system of the build directory keeps no user extended attributes");
    }

    // Qt cannot remove names that are not UTF-8, nor always read-only trees.
    void cleanup()
    {
        QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), QStringLiteral("--"), korzeń()});
        m_katalog.reset();
    }

    void linksBelowAreNeverFollowed_data()
    {
        QTest::addColumn<QString>("dowiązanie");
        QTest::addColumn<QString>("cel");
        QTest::addColumn<QString>("wybrany");
        QTest::addColumn<int>("błędów");
        QTest::newRow("chosen path naming a parent: refused, the parent's tree untouched")
            << "kat/dow" << "poza" << "kat/a/.." << 1;
        QTest::newRow("chosen path naming the directory itself: refused") << "kat/dow" << "poza" << "kat/." << 1;
        QTest::newRow("link to a file outside, below the chosen directory") << "kat/dow" << "poza/cel" << "kat" << 0;
        QTest::newRow("link to a directory outside, below the chosen directory") << "kat/dow" << "poza" << "kat" << 0;
        QTest::newRow("link two levels down") << "kat/a/b/dow" << "poza" << "kat" << 0;
        QTest::newRow("chosen directory is itself a link") << "dow" << "poza" << "dow" << 0;
        QTest::newRow("chosen link written with a trailing slash") << "dow" << "poza" << "dow/" << 0;
    }

    void linksBelowAreNeverFollowed()
    {
        QFETCH(QString, dowiązanie);
        QFETCH(QString, cel);
        QFETCH(QString, wybrany);
        QFETCH(int, błędów);
        QVERIFY(QDir(korzeń()).mkpath(QStringLiteral("poza/pod")) && QDir(korzeń()).mkpath(QStringLiteral("kat/a/b")));
        for (const char *p : {"poza/cel", "poza/pod/cel2", "kat/plik"})
            plik(ścieżka(QString::fromUtf8(p)));
        QVERIFY(QFile::link(ścieżka(cel), ścieżka(dowiązanie)));

        oc2::ZmianaAtrybutów zmiana({ścieżka(wybrany)}, {}, true, RO | Sys | Arch);
        zmiana.Wykonaj();

        QCOMPARE(zmiana.Błędy().size(), size_t(błędów));
        QCOMPARE(atrybuty(ścieżka(QStringLiteral("poza/cel"))), 0u);
        QCOMPARE(atrybuty(ścieżka(QStringLiteral("poza/pod/cel2"))), 0u);
        QVERIFY(entryInfo(ścieżka(dowiązanie))->isLink);
        QCOMPARE(atrybuty(ścieżka(QStringLiteral("kat/plik"))), wybrany == QStringLiteral("kat") ? RO | Sys | Arch : 0);
    }

    // Every file below is reached from the directory above it: neither a
    // directory swapped for a link once the run has begun nor a path longer
    // than the system takes leads anywhere else.
    void reachedFromItsDirectory_data()
    {
        QTest::addColumn<int>("poziomy"); // 0: the swap
        QTest::newRow("a directory swapped for a link to the outside mid-run") << 0;
        QTest::newRow("a tree deeper than the longest path") << 120;
    }

    void reachedFromItsDirectory()
    {
        QFETCH(int, poziomy);
        QVERIFY(QDir(korzeń()).mkpath(QStringLiteral("kat/pod")) && QDir(korzeń()).mkpath(QStringLiteral("poza/pod")));
        for (const char *p : {"kat/pierwszy", "kat/pod/x", "poza/pod/x"})
            plik(ścieżka(QString::fromUtf8(p)));
        // Each level holds "plik" and the next level, g (40 times).
        const QByteArray g(40, 'g');
        const auto poziom = [&](int fd) {
            const int głębiej = openat(fd, g.constData(), O_RDONLY | O_DIRECTORY);
            close(fd);
            return głębiej;
        };
        const QByteArray kat = encodeName(ścieżka(QStringLiteral("kat")));
        int fd = open(kat.constData(), O_RDONLY);
        for (int i = 0; i < poziomy; ++i, fd = poziom(fd))
            QVERIFY(mkdirat(fd, g.constData(), 0755) == 0 && close(openat(fd, "plik", O_CREAT | O_WRONLY, 0644)) == 0);
        close(fd);

        oc2::ZmianaAtrybutów zmiana({ścieżka(QStringLiteral("kat"))}, {ścieżka(QStringLiteral("kat/pierwszy"))}, true, RO);
        zmiana.poZapisie = [&, zamienione = poziomy > 0]() mutable {
            if (std::exchange(zamienione, true))
                return;
            QVERIFY(QDir(korzeń()).rename(QStringLiteral("kat/pod"), QStringLiteral("kosz")));
            QVERIFY(QFile::link(ścieżka(QStringLiteral("poza/pod")), ścieżka(QStringLiteral("kat/pod"))));
        };
        zmiana.Wykonaj();

        QVERIFY(zmiana.Błędy().empty());
        QCOMPARE(atrybuty(ścieżka(QStringLiteral("poza/pod/x"))), 0u);
        int zapisane = 0;
        struct stat st;
        for (fd = open(kat.constData(), O_RDONLY); fd >= 0; fd = poziom(fd))
            zapisane += fstatat(fd, "plik", &st, 0) == 0 && (st.st_mode & 0222) == 0;
        QCOMPARE(zapisane, poziomy);
    }

    // Through the window and its worker, on names that are not UTF-8, hold a
    // newline or start with a dash.
    void batchClearWinsAndRecursion_data()
    {
        QTest::addColumn<bool>("zPlikiem");
        QTest::addColumn<QList<int>>("pola");
        QTest::addColumn<quint32>("sam");
        QTest::addColumn<quint32>("poniżej");
        // Fields 1-4 set, 5-8 clear (read-only, archive, hidden, system), 9 subdirectories.
        const quint32 było = Sys | Arch;
        QTest::newRow("hidden under both headings writes 0") << true << QList<int>{3, 7} << 0u << było;
        QTest::newRow("read-only with subdirectories reaches every file below") << true << QList<int>{1, 9} << RO << RO;
        QTest::newRow("archive set and cleared, read-only and hidden set")
            << true << QList<int>{1, 2, 3, 6, 9} << (RO | Ukr) << (RO | Ukr);
        QTest::newRow("no box at all clears everything, below too") << true << QList<int>{9} << 0u << 0u;
        QTest::newRow("only a directory, no subdirectories: nothing changes") << false << QList<int>{1, 4} << było << było;
    }

    void batchClearWinsAndRecursion()
    {
        QFETCH(bool, zPlikiem);
        QFETCH(QList<int>, pola);
        QFETCH(quint32, sam);
        QFETCH(quint32, poniżej);
        const QString kat = ścieżka(decodeName("kat\xE9")), pod = kat + decodeName("/-pod\n");
        QVERIFY(makeDirectory(korzeń(), decodeName("kat\xE9")) && makeDirectory(kat, decodeName("-pod\n")));
        const QStringList pliki{ścieżka(decodeName("-rf\xFF")), kat + decodeName("/dwie\nlinie"), pod + QStringLiteral("/<i>żółw")};
        for (const QString &p : pliki)
            plik(p, Sys | Arch);
        const quint32 katalogByl = atrybuty(kat);

        oc2::Ocmd ocmd;
        const Przebieg przebieg = przeprowadź(
            [&] {
                ocmd.ClearAtribLists();
                ocmd.AddAtribDir(kat);
                if (zPlikiem)
                    ocmd.AddAtribFile(pliki[0]);
                QCOMPARE(ocmd.ShowAtrib2(3000, 1000), 1);
            },
            zaznacz(pola));

        QVERIFY(przebieg.komunikaty.isEmpty());
        QCOMPARE(atrybuty(pliki[0]), zPlikiem ? sam : Sys | Arch);
        QCOMPARE(atrybuty(pliki[1]), poniżej);
        QCOMPARE(atrybuty(pliki[2]), poniżej);
        QCOMPARE(atrybuty(kat), katalogByl);
        QCOMPARE(atrybuty(pod), katalogByl);
    }

    void failuresReportedOnce_data()
    {
        QTest::addColumn<bool>("pojedynczy");
        QTest::addColumn<QStringList>("pliki");
        QTest::addColumn<QString>("katalog");
        QTest::addColumn<int>("błędów");
        QTest::newRow("a missing file and a missing directory: one box names both")
            << false << QStringList{"brak1"} << "brakkat" << 2;
        QTest::newRow("a dot name cannot lose hidden: reported, read-only still set")
            << false << QStringList{".kropka"} << "" << 1;
        QTest::newRow("seven failures: one box, the first five named")
            << false << QStringList{"brak1", "brak2", "brak3", "brak4", "brak5", "brak6", "brak7"} << "" << 7;
        QTest::newRow("nothing fails: no box") << false << QStringList{} << "" << 0;
        QTest::newRow("single file gone before Ustaw: one box") << true << QStringList{"brak1"} << "" << 1;
    }

    void failuresReportedOnce()
    {
        QFETCH(bool, pojedynczy);
        QFETCH(QStringList, pliki);
        QFETCH(QString, katalog);
        QFETCH(int, błędów);
        const QString jest = ścieżka(QStringLiteral("jest"));
        plik(jest);
        plik(ścieżka(QStringLiteral(".kropka")));
        oc2::Ocmd ocmd;
        const Przebieg przebieg = przeprowadź(
            [&] {
                if (pojedynczy) {
                    ocmd.ShowAttribWindow(2000, 1000, ścieżka(pliki.first()));
                    return;
                }
                ocmd.ClearAtribLists();
                ocmd.AddAtribFile(jest);
                for (const QString &p : pliki)
                    ocmd.AddAtribFile(ścieżka(p));
                if (!katalog.isEmpty())
                    ocmd.AddAtribDir(ścieżka(katalog));
                QCOMPARE(ocmd.ShowAtrib2(3000, 1000), 1);
            },
            pojedynczy ? QList<int>{Spacja, Góra, Góra, Enter} : zaznacz({1, 9}));

        QCOMPARE(przebieg.komunikaty.size(), błędów > 0 ? 1 : 0);
        QCOMPARE(atrybuty(jest), pojedynczy ? 0u : RO); // the rest of the batch is written
        if (błędów == 0)
            return;
        const QString tekst = przebieg.komunikaty.first();
        QVERIFY2(tekst.contains(QStringLiteral("Liczba błędów: %1").arg(błędów)), qPrintable(tekst));
        const QStringList nazwane = pliki.mid(0, 5) << katalog;
        for (const QString &p : nazwane)
            QVERIFY2(p.isEmpty() || tekst.contains(ścieżka(p) + u':'), qPrintable(tekst));
        QVERIFY(!tekst.contains(ścieżka(QStringLiteral("brak6"))));
        QCOMPARE(tekst.endsWith(QStringLiteral("...")), błędów > 5);
        if (pliki.contains(QStringLiteral(".kropka")))
            QCOMPARE(atrybuty(ścieżka(QStringLiteral(".kropka"))), RO | Ukr);
    }

    void singleFileRoundTrip_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<quint32>("było");
        QTest::addColumn<QString>("pola");
        QTest::addColumn<QList<int>>("klawisze");
        QTest::addColumn<quint32>("jest");
        // Fields: 1 read-only, 2 archive, 3 hidden, 4 system, 5 Ustaw, 6 Anuluj.
        QTest::newRow("read-only and hidden open checked; Ustaw unchanged writes 3")
            << "Plik.TXT" << (RO | Ukr) << "x.x." << QList<int>{Góra, Góra, Enter} << (RO | Ukr);
        QTest::newRow("system and archive open checked; Space adds read-only")
            << "plik" << (Sys | Arch) << ".x.x" << QList<int>{Spacja, Góra, Góra, Enter} << (RO | Sys | Arch);
        QTest::newRow("clicks clear all four, Down then Enter on Ustaw")
            << "plik" << (RO | Ukr | Sys | Arch) << "xxxx" << QList<int>{Klik + 0, Klik + 1, Klik + 2, Klik + 3, Dół, Enter}
            << 0u;
        QTest::newRow("a dot name opens hidden") << ".ukryty" << 0u << "..x." << QList<int>{Góra, Góra, Enter} << Ukr;
        QTest::newRow("Esc writes nothing") << "plik" << Arch << ".x.." << QList<int>{Dół, Dół, Spacja, Esc} << Arch;
    }

    void singleFileRoundTrip()
    {
        QFETCH(QString, nazwa);
        QFETCH(quint32, było);
        QFETCH(QString, pola);
        QFETCH(QList<int>, klawisze);
        QFETCH(quint32, jest);
        const QString p = ścieżka(nazwa);
        plik(p, było);
        oc2::Ocmd ocmd;
        const Przebieg przebieg = przeprowadź([&] { QCOMPARE(ocmd.ShowAttribWindow(2000, 1000, p), 0); }, klawisze);
        QCOMPARE(przebieg.naStarcie, pola);
        QCOMPARE(przebieg.opis, nazwa.toLower());
        QCOMPARE(przebieg.tytuł, QStringLiteral("Atrybuty plików|Atrybuty pliku"));
        QVERIFY(przebieg.komunikaty.isEmpty());
        QCOMPARE(atrybuty(p), jest);
    }

    void batchKeys_data()
    {
        QTest::addColumn<bool>("poprzednia");
        QTest::addColumn<QList<int>>("klawisze");
        QTest::addColumn<int>("pole");
        QTest::addColumn<QString>("pola");
        QTest::addColumn<int>("wynik");
        const QString puste(9, u'.');
        const int prawo = Qt::Key_Right, lewo = Qt::Key_Left;
        QTest::newRow("Up on field 1 goes to the last button; Enter there cancels")
            << false << QList<int>{Góra, Enter} << 11 << puste << 0;
        QTest::newRow("Down after the last field comes back to field 1")
            << false << (QList<int>(11, Dół) << Esc) << 1 << puste << 0;
        QTest::newRow("Right and Left move like Down and Up") << false << QList<int>{prawo, prawo, lewo, Esc} << 2 << puste << 0;
        QTest::newRow("Space, Enter and a click toggle; the click takes the focus")
            << false << QList<int>{Spacja, Dół, Enter, Klik + 8, Esc} << 9 << "xx......x" << 0;
        QTest::newRow("toggled twice is clear again") << false << QList<int>{Spacja, Enter, Esc} << 1 << puste << 0;
        QTest::newRow("F10 cancels") << false << QList<int>{Spacja, int(Qt::Key_F10)} << 1 << "x........" << 0;
        QTest::newRow("the close key cancels") << false << QList<int>{KlikZamknij} << 1 << puste << 0;
        QTest::newRow("Enter on Ustaw applies") << false << QList<int>{Góra, Góra, Enter} << 10 << puste << 1;
        QTest::newRow("Esc gives 0 after a batch that gave 1") << true << QList<int>{Esc} << 1 << puste << 0;
    }

    void batchKeys()
    {
        QFETCH(bool, poprzednia);
        QFETCH(QList<int>, klawisze);
        QFETCH(int, pole);
        QFETCH(QString, pola);
        QFETCH(int, wynik);
        const QString p = ścieżka(QStringLiteral("plik"));
        plik(p, Arch);
        oc2::Ocmd ocmd;
        qint32 w = -1;
        auto partia = [&](const QList<int> &k) {
            return przeprowadź(
                [&] {
                    ocmd.ClearAtribLists();
                    ocmd.AddAtribDir(korzeń());
                    ocmd.AddAtribFile(p);
                    w = ocmd.ShowAtrib2(3000, 1000);
                },
                k);
        };
        if (poprzednia) {
            partia({Góra, Góra, Enter});
            QCOMPARE(w, 1);
            plik(p, Arch);
        }
        const Przebieg przebieg = partia(klawisze);
        QCOMPARE(przebieg.pole, pole);
        QCOMPARE(przebieg.pola, pola);
        QCOMPARE(przebieg.opis, QStringLiteral("Zmień atrybuty dla: 1 katalogów i dla: 1 plików"));
        QCOMPARE(w, wynik);
        QCOMPARE(ocmd.WynikAtrybutów, wynik);
        QCOMPARE(atrybuty(p), wynik == 1 ? 0u : Arch); // only an applied batch touches the file
    }
};

QTEST_MAIN(TstAtrybuty)
#include "tst_atrybuty.moc"
