#include <Rejestruj.h>
#include <RegistrationScript.h>

#include <RecordingStarter.h>
#include <TempRegistry.h>
#include <component/Registry.h>
#include <platform/Paths.h>
#include <platform/Shell.h>
#include <ui/Colors.h>
#include <ui/LabelButton.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using oc::test::RecordingStarter;

namespace {

constexpr quint32 selectedColour = 0xFF80FF;
constexpr quint32 otherColour = 0x80FFFF;

// The tool's window with its standard message boxes answered and recorded.
class AnsweredRejestruj : public regmend::Rejestruj
{
public:
    struct Box
    {
        QString kind;
        QString title;
        QString text;
    };

    bool answerYes = false;
    QList<Box> boxes;

protected:
    bool askYesNo(const QString &title, const QString &text) override
    {
        boxes.append({QStringLiteral("question"), title, text});
        return answerYes;
    }

    void showWarning(const QString &title, const QString &text) override
    {
        boxes.append({QStringLiteral("warning"), title, text});
    }
};

// Records the script run with the script's text as it was then; with
// reallyRun set it runs the script in a plain shell.
class ScriptStarter : public RecordingStarter
{
public:
    QString scriptText;
    int exitCode = -2;

    int run(const QString &program, const QStringList &arguments, const QString &directory) override
    {
        const QString script = arguments.value(arguments.size() - 1);
        QFile file(script);
        if (file.open(QIODevice::ReadOnly))
            scriptText = QString::fromUtf8(file.readAll());
        if (!reallyRun)
            return RecordingStarter::run(program, arguments, directory);
        exitCode = RecordingStarter::run(QStringLiteral("sh"), {script}, directory);
        return exitCode;
    }
};

// Points the temporary directory (TMPDIR) at a folder of the test's own.
class OwnTemporaryDirectory
{
public:
    explicit OwnTemporaryDirectory(const QString &path = {}) : m_previous(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", (path.isEmpty() ? m_dir.path() : path).toLocal8Bit());
    }
    ~OwnTemporaryDirectory() { qputenv("TMPDIR", m_previous); }

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

// The one selected button in pink, the others in yellow.
QList<int> pinkButtons(const regmend::Rejestruj &window)
{
    QList<int> pink;
    for (int i = 0; i < 3; ++i) {
        const quint32 colour = oc::ui::background(window.cmd[i]);
        if (colour == selectedColour)
            pink << i + 1;
        else if (colour != otherColour)
            pink << -1;
    }
    return pink;
}

} // namespace

class TestRegmend : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void selection_data();
    void selection();
    void escapeQuitsFromAnySelection_data();
    void escapeQuitsFromAnySelection();
    void keyboardClicksTheSelected_data();
    void keyboardClicksTheSelected();
    void mouseClickKeepsTheSelection();
    void scriptTextAndNoAnswer();
    void yesStartsTheProgram();
    void missingProgram();
    void scriptCannotBeWritten();
    void scriptNeverWrittenThroughALink();
    void realRegistration();

private:
    QString m_programDirectory = QStringLiteral("/opt/Orvane Commander's");
};

void TestRegmend::init() { oc::platform::setProgramDirectory(m_programDirectory); }

void TestRegmend::cleanup() { oc::platform::setProgramDirectory(QString()); }

void TestRegmend::selection_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("selected");

    using K = QList<int>;
    QTest::newRow("Rejestruj at first") << K{} << 1;
    QTest::newRow("Right from Rejestruj") << K{Qt::Key_Right} << 2;
    QTest::newRow("Right from Koniec to Rejestruj") << K{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << 1;
    QTest::newRow("Left from Rejestruj to Koniec") << K{Qt::Key_Left} << 3;
    QTest::newRow("Left then Right back") << K{Qt::Key_Left, Qt::Key_Right} << 1;
    QTest::newRow("other keys leave it visible") << K{Qt::Key_Right, Qt::Key_A, Qt::Key_Down, Qt::Key_Tab} << 2;
}

void TestRegmend::selection()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, selected);
    RecordingStarter starter;
    AnsweredRejestruj window;
    window.show();
    for (int key : keys)
        QTest::keyClick(&window, Qt::Key(key));
    QCOMPARE(int(window.selected()), selected);
    QCOMPARE(pinkButtons(window), QList<int>{selected});
    QVERIFY(window.isVisible());
    QVERIFY(starter.calls.isEmpty());
}

void TestRegmend::escapeQuitsFromAnySelection_data()
{
    QTest::addColumn<int>("rights");
    QTest::newRow("from Rejestruj") << 0;
    QTest::newRow("from Uruchom program") << 1;
    QTest::newRow("from Koniec") << 2;
}

void TestRegmend::escapeQuitsFromAnySelection()
{
    QFETCH(int, rights);
    RecordingStarter starter;
    AnsweredRejestruj window;
    window.show();
    for (int i = 0; i < rights; ++i)
        QTest::keyClick(&window, Qt::Key_Right);
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QVERIFY(starter.calls.isEmpty());
    QVERIFY(window.boxes.isEmpty());
}

void TestRegmend::keyboardClicksTheSelected_data()
{
    QTest::addColumn<int>("rights");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("starts");

    QTest::newRow("Space on Uruchom program") << 1 << int(Qt::Key_Space) << true << 1;
    QTest::newRow("Enter on Uruchom program") << 1 << int(Qt::Key_Return) << true << 1;
    QTest::newRow("Enter on Koniec") << 2 << int(Qt::Key_Return) << false << 0;
}

void TestRegmend::keyboardClicksTheSelected()
{
    QFETCH(int, rights);
    QFETCH(int, key);
    QFETCH(bool, open);
    QFETCH(int, starts);
    RecordingStarter starter;
    AnsweredRejestruj window;
    window.show();
    for (int i = 0; i < rights; ++i)
        QTest::keyClick(&window, Qt::Key_Right);
    QTest::keyClick(&window, Qt::Key(key));
    QCOMPARE(window.isVisible(), open);
    QCOMPARE(starter.calls.size(), starts);
    if (starts) {
        QCOMPARE(starter.calls[0].kind, RecordingStarter::Kind::Start);
        QCOMPARE(starter.calls[0].program, m_programDirectory + QStringLiteral("/oc"));
        QCOMPARE(starter.calls[0].directory, m_programDirectory);
    }
}

void TestRegmend::mouseClickKeepsTheSelection()
{
    RecordingStarter starter;
    AnsweredRejestruj window;
    window.show();
    QTest::mouseClick(window.cmd[1], Qt::LeftButton);
    QCOMPARE(starter.calls.size(), 1);
    QCOMPARE(starter.calls[0].kind, RecordingStarter::Kind::Start);
    QCOMPARE(int(window.selected()), 1);
    QCOMPARE(pinkButtons(window), QList<int>{1});

    QTest::mouseClick(window.cmd[2], Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(int(window.selected()), 1);
}

void TestRegmend::scriptTextAndNoAnswer()
{
    OwnTemporaryDirectory temporary;
    ScriptStarter starter;
    AnsweredRejestruj window;
    window.show();
    QTest::keyClick(&window, Qt::Key_Return);

    const QString script = temporary.path() + QStringLiteral("/~tmp.sh");
    QCOMPARE(starter.calls.size(), 1);
    const oc::platform::Command command = oc::platform::scriptCommand(script);
    QCOMPARE(starter.calls[0].kind, RecordingStarter::Kind::Run);
    QCOMPARE(starter.calls[0].program, command.program);
    QCOMPARE(starter.calls[0].arguments, command.arguments);
    QCOMPARE(starter.calls[0].directory, m_programDirectory);

    const QString dir = QStringLiteral("'/opt/Orvane Commander'\\''s");
    QStringList expected{QStringLiteral("#!/bin/sh"), QStringLiteral("clear"),
                         QStringLiteral("echo \"Trwa rejestrowanie plików DLL\"")};
    for (const char *library : {"oc", "oc2", "occopy", "ocdelete", "menuoc", "notebox", "mp3", "ocfalrow"})
        expected << dir + QStringLiteral("/data/ocreg' ") + dir + u'/' + QLatin1String(library) + QStringLiteral(".so'");
    expected << QStringLiteral("clear")
             << QStringLiteral("echo \"Rejestracja plików DLL zostala zakonczona, mozesz zamknac to okno\"")
             << QStringLiteral("exit");
    QCOMPARE(starter.scriptText, expected.join(u'\n') + u'\n');

    QCOMPARE(window.boxes.size(), 1);
    QCOMPARE(window.boxes[0].kind, QStringLiteral("question"));
    QCOMPARE(window.boxes[0].title, QStringLiteral("Rejestruj"));
    QCOMPARE(window.boxes[0].text,
             QStringLiteral("Rejestracja plików DLL została zakończona. Czy chcesz teraz uruchomić program Orvane "
                            "Commander ?"));
    QVERIFY(!QFile::exists(script));
    QVERIFY(window.isVisible());
    QCOMPARE(int(window.selected()), 1);
}

void TestRegmend::yesStartsTheProgram()
{
    OwnTemporaryDirectory temporary;
    ScriptStarter starter;
    AnsweredRejestruj window;
    window.answerYes = true;
    window.show();
    window.cmd_Click(0);

    QCOMPARE(starter.calls.size(), 2);
    QCOMPARE(starter.calls[0].kind, RecordingStarter::Kind::Run);
    QCOMPARE(starter.calls[1].kind, RecordingStarter::Kind::Start);
    QCOMPARE(starter.calls[1].program, m_programDirectory + QStringLiteral("/oc"));
    QVERIFY(starter.calls[1].arguments.isEmpty());
    QCOMPARE(starter.calls[1].directory, m_programDirectory);
    QVERIFY(!QFile::exists(temporary.path() + QStringLiteral("/~tmp.sh")));
    QVERIFY(window.isVisible());
}

void TestRegmend::missingProgram()
{
    OwnTemporaryDirectory temporary;
    RecordingStarter starter;
    starter.startSucceeds = false;
    AnsweredRejestruj window;
    window.answerYes = true;
    window.show();

    window.cmd_Click(1);
    window.cmd_Click(0); // Yes after registering tries the same start
    QCOMPARE(window.boxes.size(), 3);
    for (const int i : {0, 2}) {
        QCOMPARE(window.boxes[i].kind, QStringLiteral("warning"));
        QCOMPARE(window.boxes[i].title, QStringLiteral("Błąd"));
        QCOMPARE(window.boxes[i].text, QStringLiteral("Nie mogę znaleźć pliku :/opt/Orvane Commander's/oc"));
    }
    QVERIFY(window.isVisible());
}

void TestRegmend::scriptCannotBeWritten()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("plik")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    OwnTemporaryDirectory temporary(blocker.fileName());
    RecordingStarter starter;
    AnsweredRejestruj window;
    window.show();
    window.cmd_Click(0);

    QVERIFY(starter.calls.isEmpty());
    QCOMPARE(window.boxes.size(), 1);
    QCOMPARE(window.boxes[0].kind, QStringLiteral("warning"));
    QCOMPARE(window.boxes[0].title, QStringLiteral("Błąd"));
    QVERIFY2(window.boxes[0].text.contains(blocker.fileName() + QStringLiteral("/~tmp.sh")),
             qPrintable(window.boxes[0].text));
}

// The temporary directory is shared: a link planted under the script's
// name must not make the tool overwrite the file it points at.
void TestRegmend::scriptNeverWrittenThroughALink()
{
    OwnTemporaryDirectory temporary;
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("cudzy"));
    {
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("nie ruszać\n");
    }
    QVERIFY(QFile::link(victim, temporary.path() + QStringLiteral("/~tmp.sh")));
    ScriptStarter starter;
    AnsweredRejestruj window;
    window.show();
    window.cmd_Click(0);

    QFile file(victim);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("nie ruszać\n"));
    QCOMPARE(starter.calls.size(), 1);
    QVERIFY2(starter.scriptText.startsWith(QStringLiteral("#!/bin/sh\n")), qPrintable(starter.scriptText));
}

void TestRegmend::realRegistration()
{
    oc::platform::setProgramDirectory(oc::test::binDir());
    QVERIFY(!QFile::exists(oc::test::binDir() + QStringLiteral("/mp3.so")));
    oc::test::TempRegistry registry;
    OwnTemporaryDirectory temporary;
    ScriptStarter starter;
    starter.reallyRun = true;
    AnsweredRejestruj window;
    window.show();
    window.cmd_Click(0);

    QCOMPARE(starter.exitCode, 0);
    const oc::Registry entries(registry.file());
    const QList<QPair<QString, QString>> classes{
        {"oc.ocmd", "oc.so"},           {"oc2.Ocmd", "oc2.so"},         {"occopy.clsOCCopy", "occopy.so"},
        {"occopy.clsOCMove", "occopy.so"}, {"ocdelete.ocdel", "ocdelete.so"}, {"menuoc.class1", "menuoc.so"},
        {"notebox.notebox2", "notebox.so"}, {"ocfalrow.clsFalrow", "ocfalrow.so"}};
    for (const auto &[classId, library] : classes)
        QCOMPARE(entries.libraryOf(classId), oc::test::binDir() + u'/' + library);
    // mp3.so is absent: its line failed and the script went on to the game.
    QCOMPARE(entries.classes().size(), classes.size());
    QCOMPARE(window.boxes.size(), 1);
    QVERIFY(!QFile::exists(temporary.path() + QStringLiteral("/~tmp.sh")));
}

QTEST_MAIN(TestRegmend)
#include "tst_regmend.moc"
