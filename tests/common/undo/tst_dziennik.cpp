#include <platform/Names.h>
#include <undo/Dziennik.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace oc::undo;

namespace {

// Names that could break a line of text or its escaping.
QString nazwa(int i)
{
    const QStringList nazwy{QStringLiteral("z\ttabem"), QStringLiteral("z\nnową linią"), QStringLiteral("100%"),
                            oc::platform::decodeName("caf\xE9\xFF")};
    return QStringLiteral("/d/") + nazwy[i % nazwy.size()];
}

} // namespace

// The journal: what a crash leaves reads back as far as it got, and only
// the latest operations are kept.
class TestDziennik : public QObject
{
    Q_OBJECT

private slots:
    void killAtEachStep_data()
    {
        QTest::addColumn<int>("kroki");  // steps recorded before the kill
        QTest::addColumn<bool>("koniec"); // its end recorded too
        QTest::newRow("killed after its start") << 0 << false;
        QTest::newRow("killed after the first step") << 1 << false;
        QTest::newRow("killed after the third step") << 3 << false;
        QTest::newRow("killed after its end") << 4 << true;
    }

    // A process records and is killed; the record reads back whole up to there.
    void killAtEachStep()
    {
        QFETCH(int, kroki);
        QFETCH(bool, koniec);
        QTemporaryDir tmp;
        const pid_t dziecko = fork();
        if (dziecko == 0) {
            std::unique_ptr<Zapis> zapis = Dziennik(tmp.path()).zacznij(Rodzaj::Kopia, nazwa(1));
            for (int i = 0; i < kroki; ++i)
                zapis->przeniesiony(nazwa(i), nazwa(i + 1));
            if (koniec)
                zapis->zakończ();
            raise(SIGKILL);
        }
        int stan = 0;
        QCOMPARE(waitpid(dziecko, &stan, 0), dziecko);
        QVERIFY(WIFSIGNALED(stan));
        const std::vector<Operacja> op = Dziennik(tmp.path()).wczytaj();
        QCOMPARE(op.size(), size_t(kroki ? 1 : 0));
        if (!kroki)
            return;
        QCOMPARE(op[0].rodzaj, Rodzaj::Kopia);
        QCOMPARE(op[0].opis, nazwa(1));
        QCOMPARE(op[0].zakończona, koniec);
        QCOMPARE(op[0].kroki.size(), size_t(kroki));
        for (int i = 0; i < kroki; ++i) {
            QCOMPARE(op[0].kroki[size_t(i)].skąd, nazwa(i));
            QCOMPARE(op[0].kroki[size_t(i)].gdzie, nazwa(i + 1));
        }
    }

    // Entries made wait in memory and go to the disk together; a kill keeps
    // every step up to the last that moved something, in their order.
    void killAmongMadeEntries()
    {
        QTemporaryDir tmp;
        constexpr int Zrobione = 1000, Przed = 600;
        const pid_t dziecko = fork();
        if (dziecko == 0) {
            std::unique_ptr<Zapis> zapis = Dziennik(tmp.path()).zacznij(Rodzaj::Kopia, nazwa(1));
            for (int i = 0; i < Zrobione; ++i) {
                zapis->utworzony(nazwa(i), oc::platform::Identity{1, quint64(i), i, 0, false});
                if (i == Przed)
                    zapis->przeniesiony(nazwa(i), nazwa(i + 1));
            }
            raise(SIGKILL);
        }
        int stan = 0;
        QCOMPARE(waitpid(dziecko, &stan, 0), dziecko);
        const std::vector<Operacja> op = Dziennik(tmp.path()).wczytaj();
        QCOMPARE(op.size(), size_t(1));
        const std::vector<Krok> &kroki = op[0].kroki;
        QVERIFY2(kroki.size() > size_t(Przed + 1) && kroki.size() <= size_t(Zrobione + 1),
                 QByteArray::number(qulonglong(kroki.size())));
        for (std::size_t k = 0; k < kroki.size(); ++k) {
            const bool przeniesiony = k == std::size_t(Przed + 1);
            const int i = int(k > std::size_t(Przed) ? k - 1 : k);
            QCOMPARE(kroki[k].typ, przeniesiony ? Krok::Przeniesiony : Krok::Utworzony);
            QCOMPARE(kroki[k].gdzie, nazwa(przeniesiony ? i + 1 : i));
            if (!przeniesiony)
                QCOMPARE(kroki[k].tożsamość.inode, quint64(i));
        }
    }

    void tornLine_data()
    {
        QTest::addColumn<int>("ucięte"); // bytes taken off the end of a record of two steps and its end
        QTest::addColumn<QByteArray>("śmieci"); // what a crash left after that
        QTest::addColumn<int>("kroki");
        QTest::addColumn<bool>("koniec");
        QTest::newRow("zeros after a whole record") << 0 << QByteArray(40, '\0') << 2 << true;
        QTest::newRow("end line half written") << 3 << QByteArray() << 2 << false;
        QTest::newRow("second step cut, then marked undone") << 12 << QByteArray("x") << 1 << false;
        QTest::newRow("a changed byte in the second step") << -1 << QByteArray() << 1 << false;
    }

    void tornLine()
    {
        QFETCH(int, ucięte);
        QFETCH(QByteArray, śmieci);
        QFETCH(int, kroki);
        QFETCH(bool, koniec);
        QTemporaryDir tmp;
        Dziennik dziennik(tmp.path());
        {
            std::unique_ptr<Zapis> zapis = dziennik.zacznij(Rodzaj::Kosz, QStringLiteral("opis"));
            zapis->utworzony(nazwa(2));
            zapis->utworzony(nazwa(3));
        }
        const QString plik = dziennik.wczytaj().at(0).plik;
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QByteArray treść = f.readAll();
        const qsizetype koniecDrugiego = treść.lastIndexOf('\n', treść.size() - 2);
        if (ucięte < 0)
            treść[koniecDrugiego - 4] = treść[koniecDrugiego - 4] == '0' ? '1' : '0';
        else if (ucięte == 12)
            treść.truncate(koniecDrugiego - 12);
        else
            treść.chop(ucięte);
        QVERIFY(f.resize(0) && f.write(treść + śmieci) == treść.size() + śmieci.size());
        f.close();
        if (!śmieci.isEmpty() && śmieci[0] != '\0')
            QVERIFY(dziennik.oznaczCofniętą(dziennik.wczytaj().at(0)));

        const std::vector<Operacja> op = dziennik.wczytaj();
        QCOMPARE(op.size(), size_t(1));
        QCOMPARE(op[0].kroki.size(), size_t(kroki));
        QCOMPARE(op[0].kroki[0].gdzie, nazwa(2));
        QCOMPARE(op[0].zakończona, koniec);
        QCOMPARE(op[0].cofnięta, !śmieci.isEmpty() && śmieci[0] != '\0');
    }

    void oldestDropped()
    {
        QTemporaryDir tmp;
        Dziennik dziennik(tmp.path());
        for (int i = 1; i <= Dziennik::Najwięcej + 1; ++i)
            dziennik.zacznij(Rodzaj::NowyKatalog, QString::number(i))->utworzony(QStringLiteral("/"));
        const std::vector<Operacja> op = dziennik.wczytaj();
        QCOMPARE(op.size(), size_t(Dziennik::Najwięcej));
        QCOMPARE(op.front().opis, QStringLiteral("2"));
        QCOMPARE(op.back().opis, QString::number(Dziennik::Najwięcej + 1));
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files).size(), Dziennik::Najwięcej);
    }
};

QTEST_GUILESS_MAIN(TestDziennik)
#include "tst_dziennik.moc"
