#include <platform/Names.h>
#include <platform/ProgramStarter.h>
#include <platform/Shell.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <RecordingStarter.h>

using namespace oc::platform;

namespace {

// Sets environment variables for a scope and puts them back.
class Environment
{
public:
    ~Environment()
    {
        for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it) {
            if (it.value().isNull())
                qunsetenv(it.key().constData());
            else
                qputenv(it.key().constData(), it.value());
        }
    }

    void set(const char *name, const QString &value)
    {
        if (!m_saved.contains(name))
            m_saved.insert(name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    }

private:
    QHash<QByteArray, QByteArray> m_saved;
};

void makeExecutable(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

    QString m_base = QCoreApplication::applicationDirPath() + QStringLiteral("/shell-XXXXXX");

private slots:
    void splitsLikeAShell_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");

        QTest::newRow("plain words") << "ls -l  /tmp" << QStringList{"ls", "-l", "/tmp"};
        QTest::newRow("blanks around") << "  \tprog\t " << QStringList{"prog"};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("single quotes keep blanks") << "vi 'my file.txt'" << QStringList{"vi", "my file.txt"};
        QTest::newRow("single quotes keep backslashes") << "echo 'a\\b'" << QStringList{"echo", "a\\b"};
        QTest::newRow("double quotes keep blanks") << "cat \"a b\"" << QStringList{"cat", "a b"};
        QTest::newRow("escaped quote in double quotes") << "echo \"say \\\"hi\\\"\"" << QStringList{"echo", "say \"hi\""};
        QTest::newRow("other backslash in double quotes stays") << "echo \"a\\nb\"" << QStringList{"echo", "a\\nb"};
        QTest::newRow("backslash escapes a blank") << "open my\\ file" << QStringList{"open", "my file"};
        QTest::newRow("quotes join a word") << "a'b c'\"d e\"f" << QStringList{"ab cd ef"};
        QTest::newRow("empty quotes are a word") << "prog '' \"\"" << QStringList{"prog", "", ""};
        QTest::newRow("apostrophe inside double quotes") << "echo \"it's\"" << QStringList{"echo", "it's"};
        QTest::newRow("no expansion") << "echo $HOME *.txt ~" << QStringList{"echo", "$HOME", "*.txt", "~"};
        QTest::newRow("unclosed quote runs to the end") << "echo 'a b" << QStringList{"echo", "a b"};
        QTest::newRow("Polish letters") << "edytuj żółw.txt" << QStringList{"edytuj", "żółw.txt"};
    }

    void splitsLikeAShell()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        QCOMPARE(splitCommandLine(line), words);
    }

    // What the shell itself makes of a quoted text is the text.
    void quotingSurvivesTheShell_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("apostrophes") << "it's a 'test'";
        QTest::newRow("shell characters") << "$(rm -rf x); `x` \"y\" \\ & | > *";
        QTest::newRow("blanks and Polish") << "  zażółć  gęślą ";
        QTest::newRow("empty") << "";
    }

    void quotingSurvivesTheShell()
    {
        QFETCH(QString, text);
        QProcess sh;
        sh.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("printf %s ") + shellQuote(text)});
        QVERIFY(sh.waitForFinished());
        QCOMPARE(QString::fromUtf8(sh.readAllStandardOutput()), text);
        QCOMPARE(splitCommandLine(QStringLiteral("x ") + shellQuote(text)), (QStringList{"x", text}));
    }

    void interpreterWithoutTerminal()
    {
        QTemporaryDir empty(m_base);
        QVERIFY(empty.isValid());
        Environment env;
        env.set("PATH", empty.path());
        env.set("TERMINAL", QString());
        env.set("SHELL", QStringLiteral("/bin/bash"));
        const Command command = interpreterCommand(QStringLiteral("ls -l"));
        QCOMPARE(command.program, QStringLiteral("/bin/bash"));
        QCOMPARE(command.arguments, (QStringList{"-c", "ls -l"}));

        env.set("SHELL", QString());
        QCOMPARE(interpreterCommand(QStringLiteral("ls")).program, QStringLiteral("/bin/sh"));

        const Command script = scriptCommand(QStringLiteral("/tmp/~tmp.sh"));
        QCOMPARE(script.program, QStringLiteral("sh"));
        QCOMPARE(script.arguments, (QStringList{"/tmp/~tmp.sh"}));
    }

    void interpreterInATerminal_data()
    {
        QTest::addColumn<QStringList>("onPath");
        QTest::addColumn<QString>("terminalVariable");
        QTest::addColumn<QString>("chosen");

        QTest::newRow("xterm") << QStringList{"xterm"} << QString() << "xterm";
        QTest::newRow("the default terminal before xterm")
            << QStringList{"xterm", "x-terminal-emulator"} << QString() << "x-terminal-emulator";
        QTest::newRow("$TERMINAL first") << QStringList{"xterm", "x-terminal-emulator", "myterm"} << "myterm" << "myterm";
        QTest::newRow("$TERMINAL missing is passed over") << QStringList{"xterm"} << "nosuchterm" << "xterm";
    }

    void interpreterInATerminal()
    {
        QFETCH(QStringList, onPath);
        QFETCH(QString, terminalVariable);
        QFETCH(QString, chosen);
        QTemporaryDir bin(m_base);
        QVERIFY(bin.isValid());
        for (const QString &name : onPath)
            makeExecutable(bin.filePath(name));
        Environment env;
        env.set("PATH", bin.path());
        env.set("TERMINAL", terminalVariable.isEmpty() ? QString() : terminalVariable);
        env.set("SHELL", QStringLiteral("/bin/zsh"));

        const Command command = interpreterCommand(QStringLiteral("make all"));
        QCOMPARE(command.program, bin.filePath(chosen));
        QCOMPARE(command.arguments, (QStringList{"-e", "/bin/zsh", "-c", "make all\nexec '/bin/zsh'"}));

        const Command script = scriptCommand(QStringLiteral("/tmp/~tmp.sh"));
        QCOMPARE(script.program, bin.filePath(chosen));
        QCOMPARE(script.arguments, (QStringList{"-e", "sh", "/tmp/~tmp.sh"}));
    }

    // What the shell makes of the built command: the line runs, and in a
    // terminal the shell stays for more (it reads "echo zostaje" from its input).
    void interpreterRunsAnyLine_data()
    {
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("output");

        QTest::newRow("plain line") << true << "echo ran" << "ran\nzostaje\n";
        QTest::newRow("background job at the end") << true << "echo ran; true &" << "ran\nzostaje\n";
        QTest::newRow("comment at the end") << true << "echo ran # koniec" << "ran\nzostaje\n";
        QTest::newRow("leading dash in a terminal") << true << "-polecenie" << "ran\nzostaje\n";
        QTest::newRow("leading dash without a terminal") << false << "-polecenie" << "ran\n";
    }

    void interpreterRunsAnyLine()
    {
        QFETCH(bool, terminal);
        QFETCH(QString, line);
        QFETCH(QString, output);
        QTemporaryDir bin(m_base);
        QVERIFY(bin.isValid());
        const QString dashed = bin.filePath(QStringLiteral("-polecenie"));
        {
            QFile script(dashed);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\necho ran\n");
        }
        QVERIFY(QFile::setPermissions(dashed, QFile::permissions(dashed) | QFileDevice::ExeOwner));
        if (terminal) {
            // Runs what follows its "-e" in place of a window.
            QFile xterm(bin.filePath(QStringLiteral("xterm")));
            QVERIFY(xterm.open(QIODevice::WriteOnly));
            xterm.write("#!/bin/sh\nshift\nexec \"$@\"\n");
            xterm.close();
            QVERIFY(xterm.setPermissions(xterm.permissions() | QFileDevice::ExeOwner));
        }
        Environment env;
        env.set("PATH", bin.path());
        env.set("TERMINAL", QString());
        env.set("SHELL", QStringLiteral("/bin/sh"));

        const Command command = interpreterCommand(line);
        QProcess process;
        process.start(command.program, command.arguments);
        QVERIFY(process.waitForStarted());
        process.write("echo zostaje\n");
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished());
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), output);
    }

    void programFiles()
    {
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        const QString plain = dir.filePath(QStringLiteral("notes"));
        QFile file(plain);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(!isProgramFile(plain));
        QVERIFY(QFile::setPermissions(plain, QFile::permissions(plain) | QFileDevice::ExeGroup));
        QVERIFY(isProgramFile(plain));

        QVERIFY(isProgramFile(dir.filePath(QStringLiteral("SETUP.EXE"))));
        QVERIFY(isProgramFile(dir.filePath(QStringLiteral("run.Bat"))));
        QVERIFY(isProgramFile(dir.filePath(QStringLiteral("command.com"))));
        QVERIFY(!isProgramFile(dir.filePath(QStringLiteral("readme.txt"))));
        // A directory has execute bits but is no program.
        QVERIFY(!isProgramFile(dir.path()));
    }

    void realStarterRunsAndReports()
    {
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        ProgramStarter &starter = programStarter();
        QCOMPARE(starter.run(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("pwd > here; exit 3")}, dir.path()), 3);
        QFile here(dir.filePath(QStringLiteral("here")));
        QVERIFY(here.open(QIODevice::ReadOnly));
        QCOMPARE(here.readAll().trimmed(), QFileInfo(dir.path()).canonicalFilePath().toUtf8());
        QCOMPARE(starter.run(dir.filePath(QStringLiteral("nie-ma")), {}, dir.path()), -1);
        QVERIFY(!starter.start(dir.filePath(QStringLiteral("nie-ma")), {}, dir.path()));
    }

    void documentUrlKeepsTheNameBytes()
    {
        const QString name = decodeName(QByteArray("/tmp/caf\xe9 #1.txt"));
        const QUrl url = documentUrl(name);
        QCOMPARE(url.scheme(), QStringLiteral("file"));
        QCOMPARE(url.toEncoded(), QByteArray("file:///tmp/caf%E9%20%231.txt"));
        QCOMPARE(documentUrl(QStringLiteral("/tmp/zdjęcie.png")).toLocalFile(), QStringLiteral("/tmp/zdjęcie.png"));
    }

    void starterCanBeReplaced()
    {
        ProgramStarter *real = &programStarter();
        {
            oc::test::RecordingStarter recorder;
            QCOMPARE(&programStarter(), static_cast<ProgramStarter *>(&recorder));
            QVERIFY(programStarter().start(QStringLiteral("prog"), {QStringLiteral("a")}, QStringLiteral("/")));
            QCOMPARE(recorder.calls.size(), 1);
        }
        setProgramStarter(nullptr);
        QCOMPARE(&programStarter(), real);
    }
};

QTEST_GUILESS_MAIN(TestShell)
#include "tst_shell.moc"
