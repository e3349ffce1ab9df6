#include <platform/OpenDirectory.h>
#include <platform/TreeCursor.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <functional>

using namespace oc::platform;

// What happens to the tree r/a/b/c, r/d between the cursor's steps.
using Zmiana = std::function<bool(QDir &r)>;
Q_DECLARE_METATYPE(Zmiana)

namespace {

int otwarteDeskryptory()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size());
}

} // namespace

class TestTreeCursor : public QObject
{
    Q_OBJECT

    QString m_base = QCoreApplication::applicationDirPath() + QStringLiteral("/treecursor-XXXXXX");

private slots:
    // Whichever way a step ends, the cursor holds the root and at most one
    // directory below it, and nothing once it is gone.
    void stepsCloseWhatTheyLeave_data()
    {
        QTest::addColumn<QList<int>>("przed");
        QTest::addColumn<Zmiana>("zmiana");
        QTest::addColumn<int>("cel");
        QTest::addColumn<int>("kod");

        QTest::newRow("moved from under the cursor: back from the root")
            << QList<int>{3} << Zmiana([](QDir &r) { return r.rename(QStringLiteral("a/b"), QStringLiteral("d/b")); })
            << 4 << 0;
        QTest::newRow("another directory under a name met before")
            << QList<int>{4, 0}
            << Zmiana([](QDir &r) {
                   // Made before the old one goes, so that it cannot get its inode.
                   return r.mkdir(QStringLiteral("e")) && r.rmdir(QStringLiteral("d"))
                          && r.rename(QStringLiteral("e"), QStringLiteral("d"));
               })
            << 4 << ENOENT;
        QTest::newRow("a file in a directory's place")
            << QList<int>{1} << Zmiana([](QDir &r) {
                   QFile plik(r.filePath(QStringLiteral("a/b/c")));
                   return r.rmdir(QStringLiteral("a/b/c")) && plik.open(QIODevice::WriteOnly);
               })
            << 3 << ENOTDIR;
        QTest::newRow("gone") << QList<int>{} << Zmiana([](QDir &r) { return r.rmdir(QStringLiteral("a/b/c")); }) << 3
                              << ENOENT;
        QTest::newRow("down, across and up") << QList<int>{3, 4, 2} << Zmiana([](QDir &) { return true; }) << 0 << 0;
    }
    void stepsCloseWhatTheyLeave()
    {
        QFETCH(QList<int>, przed);
        QFETCH(Zmiana, zmiana);
        QFETCH(int, cel);
        QFETCH(int, kod);
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        QDir r(dir.filePath(QStringLiteral("r")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("r/a/b/c")) && QDir(dir.path()).mkpath(QStringLiteral("r/d")));
        std::vector<TreeDirectory> drzewo{
            {-1, "r", 0, 0, 0, false}, {0, "a", 1, 0, 0, false}, {1, "b", 2, 0, 0, false},
            {2, "c", 3, 0, 0, false},  {0, "d", 1, 0, 0, false},
        };
        const OpenDirectory rodzic = OpenDirectory::open(dir.path());
        QVERIFY(rodzic.isOpen());
        const int przedKursorem = otwarteDeskryptory();
        {
            TreeCursor kursor(drzewo);
            FileError e;
            QVERIFY(kursor.openRoot(rodzic, "r", &e));
            for (const int węzeł : przed) {
                QVERIFY2(kursor.goTo(węzeł, &e), qPrintable(e.text()));
                QVERIFY(otwarteDeskryptory() <= przedKursorem + 2);
            }
            QVERIFY(zmiana(r));
            QCOMPARE(kursor.goTo(cel, &e), kod == 0);
            QCOMPARE(e.code, kod);
            std::vector<TreeEntry> wpisy;
            QVERIFY(kursor.read(wpisy, &e));
            QVERIFY(otwarteDeskryptory() <= przedKursorem + 2);
        }
        QCOMPARE(otwarteDeskryptory(), przedKursorem);
    }
};

QTEST_GUILESS_MAIN(TestTreeCursor)
#include "tst_treecursor.moc"
