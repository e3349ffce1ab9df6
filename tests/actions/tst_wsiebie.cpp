#include <actions/WSiebie.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A copy or a move that would land on its own source, judged on the disk:
// names through links and "..", and the near misses that must go ahead.
class TestWSiebie : public QObject
{
    Q_OBJECT
private slots:
    void wSiebie_data();
    void wSiebie();
};

void TestWSiebie::wSiebie_data()
{
    QTest::addColumn<bool>("przeniesienie");
    QTest::addColumn<QString>("źródło"); // below the tree: A/sub/, A2/, plik, lA -> A, A/up -> the tree
    QTest::addColumn<bool>("katalog");   // as the panel lists it
    QTest::addColumn<QString>("cel");
    QTest::addColumn<QString>("komunikat"); // %1 the source's full path; "" goes ahead

    const QString doSiebie = QStringLiteral("Nie można skopiować katalogu %1 do niego samego");
    const QString przeniesienieDoSiebie = QStringLiteral("Nie można przenieść katalogu %1 do niego samego");
    QTest::newRow("copy: a directory into itself, the target through a link")
        << false << "A" << true << "lA" << doSiebie;
    QTest::newRow("copy: a directory below itself, the target through \"..\"")
        << false << "A" << true << "A/sub/../sub" << doSiebie;
    QTest::newRow("copy: a directory named through \"..\" into itself")
        << false << "A/sub/../../A" << true << "A/sub" << doSiebie;
    QTest::newRow("copy: a file into its directory, reached through a link above it")
        << false << "plik" << false << "A/up" << "Nie można skopiować pliku %1 na niego samego";
    QTest::newRow("copy: a sibling whose name starts with the source's") << false << "A" << true << "A2" << "";
    QTest::newRow("copy: a link to a directory into it, copied as the link") << false << "lA" << true << "A" << "";
    QTest::newRow("copy: a target that is gone") << false << "A" << true << "brak" << "";
    QTest::newRow("move: a directory into itself, the target through a link")
        << true << "A" << true << "lA" << przeniesienieDoSiebie;
    QTest::newRow("move: a directory named through \"..\" below itself")
        << true << "A/sub/../../A" << true << "A/sub" << przeniesienieDoSiebie;
    QTest::newRow("move: a directory into the one it is in, through \"..\"")
        << true << "A" << true << "A/.." << "Nie można przenieść katalogu %1 na niego samego";
    QTest::newRow("move: a sibling whose name starts with the source's") << true << "A" << true << "A2" << "";
    QTest::newRow("move: a link to a directory into it, moved as the link") << true << "lA" << true << "A" << "";
}

void TestWSiebie::wSiebie()
{
    QFETCH(bool, przeniesienie);
    QFETCH(QString, źródło);
    QFETCH(bool, katalog);
    QFETCH(QString, cel);
    QFETCH(QString, komunikat);
    const QTemporaryDir tmp;
    const QDir drzewo(tmp.path());
    QVERIFY(drzewo.mkpath(QStringLiteral("A/sub")) && drzewo.mkpath(QStringLiteral("A2")));
    QFile plik(drzewo.filePath(QStringLiteral("plik")));
    QVERIFY(plik.open(QIODevice::WriteOnly));
    QVERIFY(QFile::link(drzewo.filePath(QStringLiteral("A")), drzewo.filePath(QStringLiteral("lA"))));
    QVERIFY(QFile::link(tmp.path(), drzewo.filePath(QStringLiteral("A/up"))));

    const QString ścieżka = drzewo.filePath(źródło);
    const std::vector<WybranaPozycja> przenoszone{WybranaPozycja{ścieżka, katalog, ścieżka.section(u'/', -1)}};
    const std::vector<DoSkopiowania> kopiowane{DoSkopiowania{ścieżka, katalog}};
    const QString wynik = przeniesienie ? PrzeniesienieWSiebie(przenoszone, drzewo.filePath(cel))
                                        : KopiaWSiebie(kopiowane, drzewo.filePath(cel));
    QCOMPARE(wynik, komunikat.isEmpty() ? QString() : komunikat.arg(ścieżka));
}

QTEST_GUILESS_MAIN(TestWSiebie)
#include "tst_wsiebie.moc"
