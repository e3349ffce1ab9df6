#include <platform/Attributes.h>
#include <platform/Trash.h>
#include <undo/Cofanie.h>
#include <undo/Dziennik.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <utime.h>

using namespace oc;
using namespace oc::undo;

namespace {

bool zapisz(const QString &ścieżka, const QByteArray &treść)
{
    QFile f(ścieżka);
    return f.open(QIODevice::WriteOnly) && f.write(treść) == treść.size();
}

QByteArray treść(const QString &ścieżka)
{
    QFile f(ścieżka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(brak)");
}

// What each kind of operation does, recorded as its engine records it.
void wykonaj(const QString &rodzaj, const QString &d, Zapis &zapis)
{
    if (rodzaj == QStringLiteral("nowy katalog")) {
        QVERIFY(QDir(d).mkdir(QStringLiteral("nowy")));
        zapis.utworzony(d + QStringLiteral("/nowy"));
    } else if (rodzaj == QStringLiteral("kosz")) {
        for (const QString &nazwa : {QStringLiteral("a"), QStringLiteral("kat")}) {
            const std::optional<platform::TrashedEntry> wpis = platform::moveToTrash(d + u'/' + nazwa);
            QVERIFY(wpis);
            zapis.wKoszu(*wpis);
        }
    } else if (rodzaj == QStringLiteral("kopia")) {
        // "a" replaced (the old one to the trash first), "kat2" and its file made.
        const std::optional<platform::TrashedEntry> stary = platform::moveToTrash(d + QStringLiteral("/a"));
        QVERIFY(stary);
        zapis.wKoszu(*stary);
        QVERIFY(zapisz(d + QStringLiteral("/a"), "nowe"));
        zapis.utworzony(d + QStringLiteral("/a"));
        QVERIFY(QDir(d).mkdir(QStringLiteral("kat2")));
        zapis.utworzony(d + QStringLiteral("/kat2"));
        QVERIFY(zapisz(d + QStringLiteral("/kat2/b"), "b"));
        zapis.utworzony(d + QStringLiteral("/kat2/b"));
    } else if (rodzaj == QStringLiteral("przeniesienie")) {
        QVERIFY(QFile::rename(d + QStringLiteral("/a"), d + QStringLiteral("/kat/a")));
        zapis.przeniesiony(d + QStringLiteral("/a"), d + QStringLiteral("/kat/a"));
    } else if (rodzaj == QStringLiteral("atrybuty")) {
        const quint32 przed = *platform::readAttributes(d + QStringLiteral("/a"));
        QVERIFY(platform::writeAttributes(d + QStringLiteral("/a"), przed | platform::attr::ReadOnly));
        zapis.atrybuty(d + QStringLiteral("/a"), przed);
    }
}

// The tree, as "name=contents" and "dir/" lines, the trash left out.
QStringList drzewo(const QString &d)
{
    QStringList wynik;
    QDirIterator it(d, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString ścieżka = it.next();
        const QString nazwa = ścieżka.mid(d.size() + 1);
        if (nazwa.startsWith(QStringLiteral("dom")))
            continue;
        wynik << (it.fileInfo().isDir() ? nazwa + u'/'
                                        : nazwa + u'=' + treść(ścieżka)
                                              + (it.fileInfo().permissions() & QFile::WriteOwner ? QString() : QStringLiteral(" ro")));
    }
    wynik.sort();
    return wynik;
}

} // namespace

// Each kind of operation taken back, and nothing taken back that changed
// since the operation left it.
class TestCofanie : public QObject
{
    Q_OBJECT

private slots:
    void undoEachKind_data()
    {
        QTest::addColumn<QString>("rodzaj");
        QTest::addColumn<QString>("potem");      // what the user did afterwards
        QTest::addColumn<QStringList>("pominięte"); // names of the entries undo left alone
        QTest::addColumn<QStringList>("po");
        const QStringList początek{"a=stare", "kat/", "kat/c=c"};
        QTest::newRow("copy: a copy changed since stays, the replaced target asks for a name")
            << "kopia" << "zmień a" << QStringList{"a"}
            << QStringList{"a (2)=stare", "a=zmienione", "kat/", "kat/c=c"};
        QTest::newRow("copy: copies removed, the replaced target back") << "kopia" << "" << QStringList()
                                                                       << początek;
        QTest::newRow("new directory with a file put in since: kept")
            << "nowy katalog" << "dodaj nowy/x" << QStringList{"nowy"}
            << (początek + QStringList{"nowy/", "nowy/x=x"});
        QTest::newRow("new directory removed") << "nowy katalog" << "" << QStringList() << początek;
        QTest::newRow("trash: the place taken again, a new name asked")
            << "kosz" << "dodaj a" << QStringList() << QStringList{"a (2)=stare", "a=x", "kat/", "kat/c=c"};
        QTest::newRow("trash: each entry back at its Path") << "kosz" << "" << QStringList() << początek;
        QTest::newRow("move: the file replaced since stays")
            << "przeniesienie" << "zastąp kat/a" << QStringList{"kat/a"} << QStringList{"kat/", "kat/a=inny", "kat/c=c"};
        QTest::newRow("move back") << "przeniesienie" << "" << QStringList() << początek;
        QTest::newRow("attributes: the file touched since keeps them")
            << "atrybuty" << "dotknij a" << QStringList{"a"} << QStringList{"a=stare ro", "kat/", "kat/c=c"};
        QTest::newRow("attributes back") << "atrybuty" << "" << QStringList() << początek;
    }

    void undoEachKind()
    {
        QFETCH(QString, rodzaj);
        QFETCH(QString, potem);
        QFETCH(QStringList, pominięte);
        QFETCH(QStringList, po);
        QTemporaryDir tmp;
        const QString d = tmp.path();
        qputenv("XDG_DATA_HOME", (d + QStringLiteral("/dom")).toUtf8());
        QVERIFY(zapisz(d + QStringLiteral("/a"), "stare"));
        QVERIFY(QDir(d).mkdir(QStringLiteral("kat")));
        QVERIFY(zapisz(d + QStringLiteral("/kat/c"), "c"));
        Dziennik dziennik(d + QStringLiteral("/dom/dziennik"));
        {
            std::unique_ptr<Zapis> zapis = dziennik.zacznij(Rodzaj::Kopia, rodzaj);
            wykonaj(rodzaj, d, *zapis);
        }
        const QStringList co = potem.split(u' ');
        const QString cel = d + u'/' + co.value(1);
        if (co[0] == QStringLiteral("zmień") || co[0] == QStringLiteral("dodaj")) {
            QVERIFY(zapisz(cel, co[0] == QStringLiteral("zmień") ? "zmienione" : "x"));
        } else if (co[0] == QStringLiteral("zastąp")) {
            QVERIFY(QFile::remove(cel) && zapisz(cel, "inny"));
        } else if (co[0] == QStringLiteral("dotknij")) {
            const struct utimbuf dawno{1000000, 1000000};
            QCOMPARE(utime(QFile::encodeName(cel).constData(), &dawno), 0);
        }

        Cofanie cofanie;
        QStringList pytania;
        cofanie.nowaNazwa = [&](const QString &zajęte) {
            pytania << zajęte.mid(d.size() + 1);
            return zajęte + QStringLiteral(" (2)");
        };
        const WynikCofania wynik = cofanie.cofnij(dziennik.wczytaj().at(0));
        QStringList zostały;
        for (const Pominięty &p : wynik.pominięte)
            zostały << p.ścieżka.mid(d.size() + 1);
        QCOMPARE(zostały, pominięte);
        QCOMPARE(drzewo(d), po);
        QCOMPARE(pytania.isEmpty(), !po.join(u' ').contains(QStringLiteral("(2)")));
        if (rodzaj == QStringLiteral("kosz") && potem.isEmpty())
            QCOMPARE(QDir(d + QStringLiteral("/dom/Trash/info")).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCofanie)
#include "tst_cofanie.moc"
