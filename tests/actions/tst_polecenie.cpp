#include <actions/HistoriaPolecen.h>
#include <actions/LiniaPolecen.h>
#include <actions/Polecenie.h>
#include <panels/StanPanelu.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A panel listing: "..", directories, then files, as the listing builds it.
StanPanelu Lista(const QString &katalog, const QStringList &katalogi, const QStringList &pliki)
{
    StanPanelu stan;
    stan.Katalog = katalog;
    stan.Nazwy = {QString(), QStringLiteral("..")};
    stan.Rzeczywiste = {QString(), QStringLiteral("..")};
    for (const QString &k : katalogi) {
        stan.Nazwy.push_back(k.toUpper());
        stan.Rzeczywiste.push_back(k);
    }
    stan.LiczbaKatalogów = qint32(stan.Nazwy.size() - 1);
    for (const QString &p : pliki) {
        stan.Nazwy.push_back(p.toLower());
        stan.Rzeczywiste.push_back(p);
    }
    stan.LiczbaPozycji = qint32(stan.Nazwy.size() - 1);
    stan.Zaznaczenia.assign(stan.Nazwy.size(), 0);
    return stan;
}

} // namespace

class TestPolecenie : public QObject
{
    Q_OBJECT

private slots:
    void pierwszyWyraz_data()
    {
        QTest::addColumn<QString>("linia");
        QTest::addColumn<QString>("wyraz");
        QTest::newRow("one word") << "dir" << "dir";
        QTest::newRow("words") << "notepad readme.txt" << "notepad";
        QTest::newRow("leading blank") << " dir" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("cd.. is one word") << "CD.." << "CD..";
    }
    void pierwszyWyraz()
    {
        QFETCH(QString, linia);
        QFETCH(QString, wyraz);
        QCOMPARE(PierwszyWyraz(linia), wyraz);
    }

    void nazwaBezRozszerzenia()
    {
        QCOMPARE(NazwaBezRozszerzenia(QStringLiteral("notepad.exe")), QStringLiteral("notepad"));
        QCOMPARE(NazwaBezRozszerzenia(QStringLiteral("a.tar.gz")), QStringLiteral("a"));
        QCOMPARE(NazwaBezRozszerzenia(QStringLiteral("makefile")), QStringLiteral("makefile"));
        QCOMPARE(NazwaBezRozszerzenia(QStringLiteral(".bashrc")), QString());
    }

    void rozpoznaj_data()
    {
        QTest::addColumn<QString>("linia");
        QTest::addColumn<int>("rodzaj");
        QTest::addColumn<int>("pozycja");
        QTest::addColumn<QString>("argument");
        using R = Polecenie::Rodzaj;
        // Entries: 1 "..", 2 DOCS, 3 notepad.exe, 4 readme.txt
        QTest::newRow("exit in any case") << "ExIt" << int(R::Koniec) << 0 << "";
        QTest::newRow("xk_exit") << "xk_exit now" << int(R::Koniec) << 0 << "";
        QTest::newRow("oc_exit") << "OC_EXIT" << int(R::Koniec) << 0 << "";
        QTest::newRow("cd up") << "cd .." << int(R::Cd) << 0 << "..";
        QTest::newRow("cd alone") << "cd" << int(R::Cd) << 0 << "";
        QTest::newRow("CD.. goes to the interpreter") << "CD.." << int(R::Interpreter) << 0 << "";
        QTest::newRow("program without extension") << "notepad readme.txt" << int(R::Program) << 3 << "";
        QTest::newRow("entry itself") << "notepad.exe readme.txt" << int(R::Pozycja) << 3 << "";
        QTest::newRow("document name") << "README.TXT" << int(R::Pozycja) << 4 << "";
        QTest::newRow("directory name") << "docs" << int(R::Pozycja) << 2 << "";
        QTest::newRow("dir") << "dir" << int(R::Interpreter) << 0 << "";
        QTest::newRow("readme without extension is no program") << "readme" << int(R::Interpreter) << 0 << "";
    }
    void rozpoznaj()
    {
        QFETCH(QString, linia);
        QFETCH(int, rodzaj);
        QFETCH(int, pozycja);
        QFETCH(QString, argument);
        const StanPanelu stan = Lista(QStringLiteral("/nonexistent/"), {QStringLiteral("docs")},
                                      {QStringLiteral("NOTEPAD.EXE"), QStringLiteral("readme.txt")});
        const Polecenie p = RozpoznajPolecenie(linia, stan);
        QCOMPARE(int(p.rodzaj), rodzaj);
        QCOMPARE(p.pozycja, pozycja);
        QCOMPARE(p.argument, argument);
    }

    void executableFileIsAProgram()
    {
        QTemporaryDir dir;
        QFile tool(dir.filePath(QStringLiteral("Tool.sh")));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\n");
        tool.close();
        QFile plain(dir.filePath(QStringLiteral("notes.sh")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QVERIFY(tool.setPermissions(tool.permissions() | QFileDevice::ExeOwner));
        const StanPanelu stan = Lista(dir.path() + u'/', {}, {QStringLiteral("notes.sh"), QStringLiteral("Tool.sh")});

        const Polecenie program = RozpoznajPolecenie(QStringLiteral("tool --help"), stan);
        QCOMPARE(int(program.rodzaj), int(Polecenie::Rodzaj::Program));
        QCOMPARE(stan.Rzeczywiste[program.pozycja], QStringLiteral("Tool.sh"));
        QCOMPARE(int(RozpoznajPolecenie(QStringLiteral("notes x"), stan).rodzaj),
                 int(Polecenie::Rodzaj::Interpreter));
    }

    void historyKeepsFirstLetterCase()
    {
        HistoriaPoleceń h;
        h.DodajDoHistorii(QStringLiteral("Dir /w"));
        h.DodajDoHistorii(QStringLiteral("DIR /W"));
        QCOMPARE(h.lstHistoria, QStringList{QStringLiteral("Dir /w")});
    }

    void historyRecallWalksBackAndStays()
    {
        HistoriaPoleceń h;
        QCOMPARE(h.Cofnij(), QString());
        for (const char *l : {"a", "b", "c"})
            h.DodajDoHistorii(QString::fromLatin1(l));
        QCOMPARE(h.Cofnij(), QStringLiteral("c"));
        QCOMPARE(h.Cofnij(), QStringLiteral("b"));
        QCOMPARE(h.Cofnij(), QStringLiteral("a"));
        QCOMPARE(h.Cofnij(), QStringLiteral("a"));
    }

    void sixteenNewestOldestFirst()
    {
        HistoriaPoleceń h;
        for (int i = 1; i <= 20; ++i)
            h.DodajDoHistorii(QStringLiteral("cmd%1").arg(i));
        const QStringList shown = h.Najnowsze();
        QCOMPARE(shown.size(), 16);
        QCOMPARE(shown.first(), QStringLiteral("cmd5"));
        QCOMPARE(shown.last(), QStringLiteral("cmd20"));
    }

    void caretRule()
    {
        LiniaPoleceń l;
        QCOMPARE(l.Napis(), QStringLiteral("_"));
        l.Backspace();
        QCOMPARE(l.Napis(), QStringLiteral("_"));
        l.WpiszZnak('d');
        l.WpiszZnak(0x105); // Polish letters never reach the line
        l.WpiszZnak(127);
        l.WpiszZnak(31);
        QCOMPARE(l.Tekst(), QStringLiteral("d"));
        l.Tik();
        QCOMPARE(l.Napis(), QStringLiteral("d"));
        l.WpiszZnak('x');
        QCOMPARE(l.Napis(), QStringLiteral("dx"));
        l.Tik();
        QCOMPARE(l.Napis(), QStringLiteral("dx_"));
    }
};

QTEST_GUILESS_MAIN(TestPolecenie)
#include "tst_polecenie.moc"
