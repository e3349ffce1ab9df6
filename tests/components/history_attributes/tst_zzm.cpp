#include <CrtlQ.h>
#include <Ocmd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Builds a tree from lines "d path" (directory), "f path size" (file),
// "l path target" (symbolic link; a target starting with "@" is inside root).
bool zbuduj(const QString &root, const QStringList &opis)
{
    for (const QString &linia : opis) {
        const QStringList część = linia.split(u' ');
        const QString ścieżka = root + u'/' + część.at(1);
        if (część.at(0) == u"d") {
            if (!QDir().mkpath(ścieżka))
                return false;
        } else if (część.at(0) == u"f") {
            QFile plik(ścieżka);
            if (!plik.open(QIODevice::WriteOnly) || !plik.resize(część.at(2).toLongLong()))
                return false;
        } else {
            QString cel = część.at(2);
            if (cel.startsWith(u'@'))
                cel = root + u'/' + cel.mid(1);
            if (!QFile::link(cel, ścieżka))
                return false;
        }
    }
    return true;
}

} // namespace

class TstZzm : public QObject
{
    Q_OBJECT

private slots:
    void counts_data();
    void counts();
    void linkToBigDirectoryNotFollowed();
    void linkToFileCountsAsItself();
    void countersResetBetweenCalls();
    void stopHoldsUntilLifted();
};

void TstZzm::counts_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QString>("result");

    QTest::newRow("empty directory") << QStringList{} << QStringLiteral("0#4096#1#0");
    QTest::newRow("one 1-byte file and one empty file")
        << QStringList{QStringLiteral("f a 1"), QStringLiteral("f b 0")} << QStringLiteral("1#12288#1#2");
    QTest::newRow("one empty subdirectory") << QStringList{QStringLiteral("d sub")} << QStringLiteral("0#8192#2#0");
    QTest::newRow("exactly one unit, one byte more")
        << QStringList{QStringLiteral("f a 4096"), QStringLiteral("f b 4097")}
        << QStringLiteral("8193#%1#1#2").arg(4096 + 4096 + 8192);
    QTest::newRow("nested directories and hidden files")
        << QStringList{QStringLiteral("d a/b/c"), QStringLiteral("f a/.ukryty 10"), QStringLiteral("f a/b/c/x 5000"),
                       QStringLiteral("d .kropka")}
        << QStringLiteral("5010#%1#5#2").arg(4096 * 5 + 4096 + 8192);
    // 5 GiB + 1: past every 32-bit counter; sparse, so it costs no disk.
    QTest::newRow("sparse file over 4 GiB")
        << QStringList{QStringLiteral("f duzy 5368709121")}
        << QStringLiteral("5368709121#%1#1#1").arg(qint64(1310721) * 4096 + 4096);
    QTest::newRow("dangling link counts as a file")
        << QStringList{QStringLiteral("l wisi /nie/ma/takiego/pliku")}
        << QStringLiteral("21#8192#1#1");

    // Trees the workers share: a chain none can split, many directories at
    // once (sizes up to 4000 take a unit, the nine above it two).
    QStringList łańcuch, wiele;
    QString głębiej = QStringLiteral("c");
    for (int i = 0; i < 200; ++i, głębiej += QStringLiteral("/c"))
        łańcuch << QStringLiteral("d ") + głębiej << QStringLiteral("f %1/x 1").arg(głębiej);
    for (int k = 0; k < 40; ++k)
        for (int i = 0; i < 50; ++i)
            wiele << QStringLiteral("d k%1").arg(k) << QStringLiteral("f k%1/p%2 %3").arg(k).arg(i).arg(i * 100);
    QTest::newRow("a chain of 200 single directories, a byte in each")
        << łańcuch << QStringLiteral("200#%1#201#200").arg(4096 * 200 + 4096 * 201);
    QTest::newRow("forty directories of fifty files")
        << wiele << QStringLiteral("%1#%2#41#2000").arg(40 * 122500).arg(4096 * (40 * (41 + 9 * 2) + 41));
}

void TstZzm::counts()
{
    QFETCH(QStringList, tree);
    QFETCH(QString, result);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(zbuduj(dir.path(), tree));
    oc2::CrtlQ statystyka;
    QCOMPARE(statystyka.ZZM(dir.path()), result);
    QCOMPARE(statystyka.ZZM(dir.path() + u'/'), result);
}

void TstZzm::linkToBigDirectoryNotFollowed()
{
    QTemporaryDir outside, dir;
    QVERIFY(outside.isValid() && dir.isValid());
    QStringList duży;
    for (int i = 0; i < 50; ++i)
        duży << QStringLiteral("f plik%1 9000").arg(i);
    QVERIFY(zbuduj(outside.path(), duży));
    QVERIFY(QFile::link(outside.path(), dir.filePath(QStringLiteral("skrot"))));
    // A link back to its own directory would loop for ever if followed.
    QVERIFY(QFile::link(dir.path(), dir.filePath(QStringLiteral("petla"))));

    const qint64 bajty = outside.path().toUtf8().size() + dir.path().toUtf8().size();
    oc2::CrtlQ statystyka;
    QCOMPARE(statystyka.ZZM(dir.path()), QStringLiteral("%1#%2#1#2").arg(bajty).arg(3 * 4096));
    QCOMPARE(statystyka.Katalogi, qint64(0));
}

void TstZzm::linkToFileCountsAsItself()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(zbuduj(dir.path(), {QStringLiteral("f cel 100000"), QStringLiteral("l dowiazanie @cel")}));
    // A link's own length is the length of the target path it holds.
    const qint64 długośćDowiązania = dir.filePath(QStringLiteral("cel")).toUtf8().size();
    oc2::CrtlQ statystyka;
    QCOMPARE(statystyka.ZZM(dir.path()),
             QStringLiteral("%1#%2#1#2").arg(100000 + długośćDowiązania).arg(4096 * 25 + 4096 + 4096));
}

void TstZzm::countersResetBetweenCalls()
{
    QTemporaryDir pełny, pusty;
    QVERIFY(pełny.isValid() && pusty.isValid());
    QVERIFY(zbuduj(pełny.path(), {QStringLiteral("d a"), QStringLiteral("f a/b 7")}));
    oc2::CrtlQ statystyka;
    QCOMPARE(statystyka.ZZM(pełny.path()), QStringLiteral("7#12288#2#1"));
    QCOMPARE(statystyka.ZZM(pusty.path()), QStringLiteral("0#4096#1#0"));
}

// Through the component: a stop given while no count runs still ends the
// next one before its first entry, and every one after it until lifted.
void TstZzm::stopHoldsUntilLifted()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid() && zbuduj(dir.path(), {QStringLiteral("d a"), QStringLiteral("f a/b 7")}));
    oc2::Ocmd ocmd;
    QStringList wyniki;
    for (const QVariant przerwij : {1, 1, 0}) {
        QVariantList stop{przerwij}, ścieżka{dir.path()};
        ocmd.invoke(u"PrzerwijZZM", stop);
        wyniki << ocmd.invoke(u"ZZM", ścieżka).toString();
    }
    QCOMPARE(wyniki, QStringList({"0#4096#1#0", "0#4096#1#0", "7#12288#2#1"}));
}

QTEST_GUILESS_MAIN(TstZzm)
#include "tst_zzm.moc"
