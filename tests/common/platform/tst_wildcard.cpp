#include <platform/Wildcard.h>

#include <QTest>

using oc::platform::matchesWildcard;

class TestWildcard : public QObject
{
    Q_OBJECT

private slots:
    void matches_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("patterns");
        QTest::addColumn<bool>("expected");

        // Names here may hold "*" and "?" themselves; "*.*" must still list them.
        QTest::newRow("*.* matches a name starting with a star") << "*eadme" << "*.*" << true;
        QTest::newRow("* matches a name of stars") << "**" << "*" << true;
        QTest::newRow("x* matches a star after the x") << "x*y" << "x*" << true;
        QTest::newRow("*.TXT matches a.txt") << "a.txt" << "*.TXT" << true;
        QTest::newRow("*.txt leaves out a.txt.bak") << "a.txt.bak" << "*.txt" << false;
        QTest::newRow("*.* matches README") << "README" << "*.*" << true;
        QTest::newRow("*.* matches a dotted name") << "archive.tar.gz" << "*.*" << true;
        QTest::newRow("*.* matches a dot name") << ".profile" << "*.*" << true;
        QTest::newRow("* matches everything") << "x" << "*" << true;
        QTest::newRow("?.c takes one character") << "a.c" << "?.c" << true;
        QTest::newRow("?.c refuses two") << "ab.c" << "?.c" << false;
        QTest::newRow("?.c refuses none") << ".c" << "?.c" << false;
        QTest::newRow("? takes a Polish letter") << "ż.c" << "?.c" << true;
        QTest::newRow("case folds Polish letters") << "ŻÓŁW.TXT" << "żółw.txt" << true;
        QTest::newRow("name.* takes the bare name") << "README" << "readme.*" << true;
        QTest::newRow("name.* takes an extension") << "readme.md" << "README.*" << true;
        QTest::newRow("name.* refuses a longer name") << "readme2" << "readme.*" << false;
        QTest::newRow("a*b*c backtracks") << "aXbYbZc" << "a*b*c" << true;
        QTest::newRow("a*b*c needs the c at the end") << "aXbYcZ" << "a*b*c" << false;
        QTest::newRow("a*b*c with repeats") << "abcbc" << "a*b*c" << true;
        QTest::newRow("star in the middle with dots") << "my.file.name.txt" << "my*.txt" << true;
        QTest::newRow("literal dot must match") << "abc" << "a.c" << false;
        QTest::newRow("list: first pattern") << "x.cpp" << "*.cpp;*.h" << true;
        QTest::newRow("list: second pattern") << "x.h" << "*.cpp;*.h" << true;
        QTest::newRow("list: none") << "x.txt" << "*.cpp;*.h" << false;
        QTest::newRow("list: blanks trimmed") << "x.h" << " *.cpp ;  *.H " << true;
        QTest::newRow("list: empty parts ignored") << "x.h" << ";;*.h;" << true;
        QTest::newRow("empty pattern matches nothing") << "x" << "" << false;
        QTest::newRow("trailing stars") << "abc" << "abc**" << true;
        QTest::newRow("exact name") << "Makefile" << "makefile" << true;
    }

    void matches()
    {
        QFETCH(QString, name);
        QFETCH(QString, patterns);
        QFETCH(bool, expected);
        QCOMPARE(matchesWildcard(name, patterns), expected);
    }
};

QTEST_GUILESS_MAIN(TestWildcard)
#include "tst_wildcard.moc"
