#include "Drzewo.h"

#include <Nagranie.h>
#include <Przenosnik.h>
#include <ZmianaAtrybutow.h>

#include <platform/Attributes.h>
#include <undo/Cofanie.h>
#include <undo/Dziennik.h>

#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using occopy::Kopiarka;
using occopy::Nagranie;
using occopy::Przenośnik;

namespace {

void przenieś(const QStringList &katalogi, const QStringList &pliki, const QString &dokąd, bool nagrywaj)
{
    Kopiarka kopiarka;
    Przenośnik przenośnik(kopiarka);
    przenośnik.lstDirs = katalogi;
    przenośnik.lstFiles = pliki;
    przenośnik.KatalogDocelowy = dokąd;
    kopiarka.KatalogDocelowy = dokąd;
    std::optional<Nagranie> nagranie;
    if (nagrywaj)
        nagranie.emplace(kopiarka, &przenośnik);
    przenośnik.Przenieś();
}

} // namespace

// What each recording run did comes back whole with the undo: the copy's
// entries go, the targets it replaced return from the trash, moved entries
// return, attributes are as before; and nothing the run did not make goes.
class TestNagranie : public QObject
{
    Q_OBJECT

private slots:
    void undoLeavesTheTreesAsBefore_data()
    {
        QTest::addColumn<QString>("praca");
        QTest::addColumn<QByteArrayList>("źródło");
        QTest::addColumn<QByteArrayList>("cel");
        QTest::addColumn<bool>("daleko"); // the target on another file system
        QTest::addColumn<bool>("twardy"); // the target "a" has a second name, "a2"
        QTest::addColumn<QByteArray>("niżej"); // the copy's destination below the target, made by the copy
        QTest::newRow("copy onto a file with a second name: written in place, both names stay")
            << "kopia" << QByteArrayList{"f|a|10|644"} << QByteArrayList{"f|a|3|644"} << false << true << QByteArray();
        QTest::newRow("copy into a path typed two levels below the target: the levels made go too")
            << "kopia" << QByteArrayList{"d|kat|755", "f|kat/b|5|644"} << QByteArrayList{} << false << false
            << QByteArray("nowy/glebszy");
        QTest::newRow("copy into a directory the user had: only the copies go")
            << "kopia" << QByteArrayList{"d|kat|755", "f|kat/b|5|644"}
            << QByteArrayList{"d|kat|755", "f|kat/x|7|644"} << false << false << QByteArray();
        QTest::newRow("copy replacing a file and a link: both back, the copies gone")
            << "kopia" << QByteArrayList{"f|a|10|644", "l|l|x", "d|kat|755", "f|kat/b|5|644"}
            << QByteArrayList{"f|a|3|600", "l|l|y"} << false << false << QByteArray();
        QTest::newRow("move replacing a target: both back")
            << "przeniesienie" << QByteArrayList{"f|a|10|644", "d|kat|755", "f|kat/b|5|644"}
            << QByteArrayList{"f|a|3|600"} << false << false << QByteArray();
        QTest::newRow("move merging into a directory the user had: each file back")
            << "przeniesienie" << QByteArrayList{"d|kat|755", "f|kat/b|5|644"}
            << QByteArrayList{"d|kat|755", "f|kat/x|7|644"} << false << false << QByteArray();
        QTest::newRow("move across file systems: back with the move engine")
            << "przeniesienie" << QByteArrayList{"f|a|10|644", "d|kat|755", "f|kat/b|5|644"} << QByteArrayList{}
            << true << false << QByteArray();
        QTest::newRow("attributes of a tree: each file's back")
            << "atrybuty" << QByteArrayList{"f|a|10|644", "d|kat|755", "f|kat/b|5|640"} << QByteArrayList{} << false
            << false << QByteArray();
    }

    void undoLeavesTheTreesAsBefore()
    {
        QFETCH(QString, praca);
        QFETCH(QByteArrayList, źródło);
        QFETCH(QByteArrayList, cel);
        QFETCH(bool, daleko);
        QFETCH(bool, twardy);
        QFETCH(QByteArray, niżej);
        const QByteArray inny = daleko ? drzewo::innySystem() : QByteArray();
        if (daleko && inny.isEmpty())
            QSKIP("no second file system to move to");
        drzewo::Tymczasowy tmp, tmpDaleko(inny);
        const QByteArray z = tmp.ścieżka() + "/z";
        const QByteArray dokąd = (daleko ? tmpDaleko.ścieżka() : tmp.ścieżka()) + "/do";
        QVERIFY(QDir().mkpath(QFile::decodeName(z)) && QDir().mkpath(QFile::decodeName(dokąd)));
        QVERIFY(drzewo::zbuduj(z, źródło));
        QVERIFY(drzewo::zbuduj(dokąd, cel));
        if (twardy)
            QCOMPARE(link((dokąd + "/a").constData(), (dokąd + "/a2").constData()), 0);
        const QByteArray stary = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", tmp.ścieżka() + "/dom");
        const QByteArrayList przedZ = drzewo::opisz(z), przedDo = drzewo::opisz(dokąd);

        QStringList katalogi, pliki;
        for (const QByteArray &wiersz : źródło)
            if (!wiersz.split('|')[1].contains('/'))
                (wiersz.startsWith("d|") ? katalogi : pliki) << QFile::decodeName(z + '/' + wiersz.split('|')[1]);
        const QString doKatalogu = QFile::decodeName(niżej.isEmpty() ? dokąd : dokąd + '/' + niżej) + u'/';
        if (praca == QStringLiteral("kopia")) {
            Kopiarka kopiarka;
            kopiarka.lstDirs = katalogi;
            kopiarka.lstFiles = pliki;
            kopiarka.KatalogDocelowy = doKatalogu;
            const Nagranie nagranie(kopiarka);
            kopiarka.Wykonaj();
            QVERIFY(kopiarka.Błędy().empty());
        } else if (praca == QStringLiteral("przeniesienie")) {
            przenieś(katalogi, pliki, doKatalogu, true);
            QVERIFY(!QFile::exists(QFile::decodeName(z + "/kat/b")));
        } else {
            oc2::ZmianaAtrybutów(katalogi, pliki, true, oc::platform::attr::ReadOnly).Wykonaj();
        }
        QVERIFY(drzewo::opisz(z) != przedZ || drzewo::opisz(dokąd) != przedDo);

        const std::vector<oc::undo::Operacja> operacje = oc::undo::Dziennik().wczytaj();
        if (twardy) {
            // Nothing the copy made: nothing to undo, and both names keep the new bytes.
            qputenv("XDG_DATA_HOME", stary);
            QVERIFY(operacje.empty());
            QCOMPARE(drzewo::nazwy(dokąd), (QByteArrayList{"f|a", "f|a2"}));
            QCOMPARE(QFileInfo(QFile::decodeName(dokąd + "/a2")).size(), 10);
            return;
        }
        QCOMPARE(operacje.size(), size_t(1));
        QVERIFY(operacje[0].zakończona);
        oc::undo::Cofanie cofanie;
        cofanie.przenieśDaleko = [](const QString &gdzie, const QString &cel, oc::platform::FileError *) {
            const bool katalog = QFileInfo(gdzie).isDir();
            przenieś(katalog ? QStringList{gdzie} : QStringList(), katalog ? QStringList() : QStringList{gdzie},
                     cel.left(cel.lastIndexOf(u'/') + 1), false);
            return !QFile::exists(gdzie);
        };
        const oc::undo::WynikCofania wynik = cofanie.cofnij(operacje[0]);
        qputenv("XDG_DATA_HOME", stary);
        QVERIFY(wynik.pominięte.empty());
        QCOMPARE(drzewo::opisz(z), przedZ);
        QCOMPARE(drzewo::opisz(dokąd), przedDo);
    }
};

QTEST_GUILESS_MAIN(TestNagranie)
#include "tst_nagranie.moc"
