#include <TempRegistry.h>
#include <component/Registry.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using oc::test::binDir;

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

// Runs bin/data/ocreg with the registry file in OC_REGISTRY.
Run ocreg(const QString &registry, const QStringList &arguments, const QString &directory = binDir())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("OC_REGISTRY"), registry);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(directory);
    process.start(binDir() + QStringLiteral("/data/ocreg"), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("ocreg did not finish");
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString inBin(const QString &name) { return binDir() + u'/' + name; }

} // namespace

class TestOcreg : public QObject
{
    Q_OBJECT

private slots:
    void registersEveryClassUnderItsAbsolutePath();
    void relativePathIsStoredAbsolute();
    void failures_data();
    void failures();
    void failureDoesNotStopTheOthers();
    void unregisterRemovesOnlyThatLibrary();
    void withoutScreenReportsOnTheTerminal();

private:
    QTemporaryDir m_dir;
};

void TestOcreg::registersEveryClassUnderItsAbsolutePath()
{
    const QString registry = m_dir.filePath(QStringLiteral("all.ini"));
    QStringList libraries;
    for (const QString &name : oc::test::componentLibraries())
        libraries << inBin(name);
    const Run run = ocreg(registry, QStringList{QStringLiteral("/s")} + libraries);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));

    const oc::Registry entries(registry);
    QCOMPARE(entries.classes().size(), 8);
    QCOMPARE(entries.libraryOf(QStringLiteral("notebox.notebox2")), inBin(QStringLiteral("notebox.so")));
    QCOMPARE(entries.libraryOf(QStringLiteral("OCCOPY.CLSOCCOPY")), inBin(QStringLiteral("occopy.so")));
    QCOMPARE(entries.libraryOf(QStringLiteral("occopy.clsOCMove")), inBin(QStringLiteral("occopy.so")));
    QCOMPARE(entries.libraryOf(QStringLiteral("oc.ocmd")), inBin(QStringLiteral("oc.so")));
    QCOMPARE(entries.libraryOf(QStringLiteral("oc2.ocmd")), inBin(QStringLiteral("oc2.so")));
}

void TestOcreg::relativePathIsStoredAbsolute()
{
    const QString registry = m_dir.filePath(QStringLiteral("relative.ini"));
    const Run run = ocreg(registry, {QStringLiteral("/S"), QStringLiteral("menuoc.so")});
    QCOMPARE(run.status, 0);
    QCOMPARE(oc::Registry(registry).libraryOf(QStringLiteral("menuoc.class1")), inBin(QStringLiteral("menuoc.so")));
}

void TestOcreg::failures_data()
{
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("registry"); // relative to the test's folder
    QTest::addColumn<QString>("named");    // a text the message must hold

    QTest::newRow("missing file") << m_dir.filePath(QStringLiteral("brak.so")) << "missing.ini" << "brak.so";
    QTest::newRow("a text file") << m_dir.filePath(QStringLiteral("tekst.so")) << "text.ini" << "tekst.so";
    QTest::newRow("library without the exports") << QStringLiteral(NOT_COMPONENT_LIBRARY) << "plain.ini"
                                                 << "notcomponent.so";
    QTest::newRow("class list without oc_create") << QStringLiteral(NO_CREATE_LIBRARY) << "nocreate.ini"
                                                  << "nocreate.so";
    QTest::newRow("registry under a regular file") << inBin(QStringLiteral("notebox.so")) << "plik/registry.ini"
                                                   << "plik/registry.ini";
}

void TestOcreg::failures()
{
    QFETCH(QString, library);
    QFETCH(QString, registry);
    QFETCH(QString, named);

    QFile text(m_dir.filePath(QStringLiteral("tekst.so")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("nie biblioteka\n");
    text.close();
    // As root permission bits stop nothing; a parent that is a file stops everyone.
    QFile blocker(m_dir.filePath(QStringLiteral("plik")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const QString registryFile = m_dir.filePath(registry);
    const Run run = ocreg(registryFile, {QStringLiteral("/s"), library});
    QVERIFY(run.status > 0);
    QVERIFY2(run.err.contains(named), qPrintable(run.err));
    QVERIFY(oc::Registry(registryFile).classes().isEmpty());
}

void TestOcreg::failureDoesNotStopTheOthers()
{
    const QString registry = m_dir.filePath(QStringLiteral("mixed.ini"));
    const Run run = ocreg(registry, {QStringLiteral("/s"), m_dir.filePath(QStringLiteral("mp3.so")),
                                     inBin(QStringLiteral("ocfalrow.so"))});
    QVERIFY(run.status > 0);
    QVERIFY2(run.err.contains(QStringLiteral("mp3.so")), qPrintable(run.err));
    QCOMPARE(oc::Registry(registry).libraryOf(QStringLiteral("ocfalrow.clsfalrow")), inBin(QStringLiteral("ocfalrow.so")));
}

void TestOcreg::unregisterRemovesOnlyThatLibrary()
{
    const QString registry = m_dir.filePath(QStringLiteral("unregister.ini"));
    QCOMPARE(ocreg(registry, {QStringLiteral("/s"), inBin(QStringLiteral("notebox.so")),
                              inBin(QStringLiteral("occopy.so"))}).status,
             0);
    const Run run = ocreg(registry, {QStringLiteral("/s"), QStringLiteral("/u"), inBin(QStringLiteral("notebox.so"))});
    QCOMPARE(run.status, 0);
    const oc::Registry entries(registry);
    QVERIFY(entries.libraryOf(QStringLiteral("notebox.notebox2")).isEmpty());
    QCOMPARE(entries.libraryOf(QStringLiteral("occopy.clsOCCopy")), inBin(QStringLiteral("occopy.so")));
}

void TestOcreg::withoutScreenReportsOnTheTerminal()
{
    // The repair tool's script calls ocreg without /s; with no screen to show
    // a box on it must still finish and say what it did.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString registry = m_dir.filePath(QStringLiteral("loud.ini"));
    const Run good = ocreg(registry, {inBin(QStringLiteral("notebox.so"))});
    QCOMPARE(good.status, 0);
    QVERIFY2(good.out.contains(QStringLiteral("notebox.so")), qPrintable(good.out));
    QCOMPARE(oc::Registry(registry).libraryOf(QStringLiteral("notebox.notebox2")), inBin(QStringLiteral("notebox.so")));

    const Run bad = ocreg(registry, {m_dir.filePath(QStringLiteral("mp3.so"))});
    QVERIFY(bad.status > 0);
    QVERIFY2(bad.err.contains(QStringLiteral("mp3.so")), qPrintable(bad.err));

    const Run usage = ocreg(registry, {});
    QVERIFY(usage.status > 0);
    QVERIFY2(usage.err.contains(QStringLiteral("ocreg")), qPrintable(usage.err));
}

QTEST_GUILESS_MAIN(TestOcreg)
#include "tst_ocreg.moc"
