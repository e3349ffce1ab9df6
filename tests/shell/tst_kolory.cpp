#include <shell/WczytajKolory.h>
#include <shell/Val.h>

#include <TempRegistry.h>

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Wartości = QMap<QString, quint32>;

// The colours that are not black, by key.
Wartości niezerowe(const Kolory &k)
{
    const std::pair<const char *, quint32> all[] = {
        {"background", k.background},         {"titlebar", k.titlebar},
        {"titlebardeactiv", k.titlebardeactiv}, {"filetext", k.filetext},
        {"filebackground", k.filebackground}, {"fileselbackground", k.fileselbackground},
        {"fileinsert", k.fileinsert},         {"seldirbar", k.seldirbar},
        {"shorts", k.shorts},                 {"panelstable", k.panelstable},
        {"fileseltext", k.fileseltext}};
    Wartości result;
    for (const auto &[key, value] : all)
        if (value != 0)
            result.insert(QString::fromLatin1(key), value);
    return result;
}

} // namespace

class TestKolory : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString plik(const QByteArray &content)
    {
        static int counter = 0;
        const QString path = m_dir.filePath(QStringLiteral("xk%1.kol").arg(++counter));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Wartości>("expected");

        QTest::newRow("only background blue") << QByteArray("background=16711680\r\n")
                                              << Wartości{{"background", 0xFF0000}};
        QTest::newRow("key in any case, hexadecimal") << QByteArray("TitleBar=&HFF\r\n")
                                                      << Wartości{{"titlebar", 0xFF}};
        QTest::newRow("blank before = is another key") << QByteArray("filetext = 255\n") << Wartości{};
        QTest::newRow("blank at line start is another key") << QByteArray(" filetext=255\n") << Wartości{};
        QTest::newRow("reading stops at the semicolon") << QByteArray("filetext=255 ; red\n")
                                                        << Wartości{{"filetext", 255}};
        QTest::newRow("comment changes nothing") << QByteArray("background=7\n;background=0\n")
                                                 << Wartości{{"background", 7}};
        QTest::newRow("last line wins") << QByteArray("shorts=1\nshorts=2\n") << Wartości{{"shorts", 2}};
        QTest::newRow("line without = sets 0") << QByteArray("seldirbar=9\nseldirbar\n") << Wartości{};
        QTest::newRow("unknown keys ignored, last line unterminated")
            << QByteArray("foreground=5\nfileinsert=3") << Wartości{{"fileinsert", 3}};
        QTest::newRow("empty lines skipped") << QByteArray("\n\npanelstable=4\r\n\r\n")
                                             << Wartości{{"panelstable", 4}};
        QTest::newRow("further = belong to the value") << QByteArray("fileseltext=5=6\nfiletext==6\n")
                                                       << Wartości{{"fileseltext", 5}};
        QTest::newRow("blanks and tabs inside the number") << QByteArray("filebackground= 1 2\t3x4\n")
                                                           << Wartości{{"filebackground", 123}};
        QTest::newRow("half rounds down to even") << QByteArray("background=2.5\n")
                                                  << Wartości{{"background", 2}};
        QTest::newRow("half rounds up to even") << QByteArray("background=3.5\n")
                                                << Wartości{{"background", 4}};
        QTest::newRow("above half rounds up") << QByteArray("background=2.51\n")
                                              << Wartości{{"background", 3}};
        QTest::newRow("exponent") << QByteArray("background=1.5E3\ntitlebar=2D2\n")
                                  << Wartości{{"background", 1500}, {"titlebar", 200}};
        QTest::newRow("negative keeps its bit pattern") << QByteArray("background=-1\n")
                                                        << Wartości{{"background", 0xFFFFFFFFu}};
        QTest::newRow("eight hex digits are the bit pattern")
            << QByteArray("background=&HFFFFFFFF\ntitlebar=&H00FF8000\n")
            << Wartości{{"background", 0xFFFFFFFFu}, {"titlebar", 0xFF8000}};
        QTest::newRow("four hex digits not sign-extended") << QByteArray("background=&HFF00\n")
                                                           << Wartości{{"background", 0xFF00}};
        QTest::newRow("octal") << QByteArray("background=&O17\n") << Wartości{{"background", 15}};
        QTest::newRow("no digits give 0") << QByteArray("background=1\nbackground=red\n") << Wartości{};
        QTest::newRow("too large on an unknown key is ignored") << QByteArray("other=99999999999\n")
                                                                << Wartości{};
        QTest::newRow("largest unsigned fits") << QByteArray("background=4294967295\n")
                                               << Wartości{{"background", 0xFFFFFFFFu}};
    }

    void reading()
    {
        QFETCH(QByteArray, content);
        QFETCH(Wartości, expected);
        QCOMPARE(niezerowe(WczytajKolory(plik(content))), expected);
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("decimal past 32 bits") << QByteArray("background=4294967296\n");
        QTest::newRow("negative past 32 bits") << QByteArray("titlebar=-2147483649\n");
        QTest::newRow("nine hex digits") << QByteArray("filetext=&H100000000\n");
        QTest::newRow("exponent overflow") << QByteArray("shorts=1E400\n");
        QTest::newRow("line without = does not hide a later error")
            << QByteArray("shorts\nshorts=1e10\n");
    }

    void failures()
    {
        QFETCH(QByteArray, content);
        QVERIFY_THROWS_EXCEPTION(BłądSchematuKolorów, WczytajKolory(plik(content)));
    }

    void missingFile()
    {
        QVERIFY_THROWS_EXCEPTION(BłądSchematuKolorów,
                                 WczytajKolory(m_dir.filePath(QStringLiteral("brak.kol"))));
    }

    void shippedSchemeReads()
    {
        const Kolory k = WczytajKolory(oc::test::binDir() + QStringLiteral("/data/kolory/xk.kol"));
        QVERIFY(k.filebackground != 0);
        QVERIFY(k.fileinsert != k.filetext);
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("blanks anywhere") << QStringLiteral(" 1615 198th Street") << 1615198.0;
        QTest::newRow("sign and fraction") << QStringLiteral("-.5") << -0.5;
        QTest::newRow("plus sign") << QStringLiteral("+7") << 7.0;
        QTest::newRow("exponent without digits") << QStringLiteral("12e") << 12.0;
        QTest::newRow("second point stops") << QStringLiteral("1.2.3") << 1.2;
        QTest::newRow("hex stops at a non-digit") << QStringLiteral("&h1fz") << 31.0;
        QTest::newRow("hex without digits") << QStringLiteral("&H") << 0.0;
        QTest::newRow("hex high bit is negative") << QStringLiteral("&H80000000") << -2147483648.0;
        QTest::newRow("ampersand alone") << QStringLiteral("&Z1") << 0.0;
        QTest::newRow("empty") << QString() << 0.0;
    }

    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(Val(text), expected);
    }
};

QTEST_GUILESS_MAIN(TestKolory)
#include "tst_kolory.moc"
