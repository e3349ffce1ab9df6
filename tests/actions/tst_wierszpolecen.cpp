#include "OknoTestowe.h"

#include <RecordingStarter.h>
#include <actions/WierszPolecen.h>
#include <platform/Shell.h>
#include <actions/Sloty.h>
#include <ui/Twips.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using oc::test::RecordingStarter;

// The command line of the main window, driven as the user types it.
class TestWierszPolecen : public QObject
{
    Q_OBJECT

private slots:

    void caretBlinks();
    void editing();
    void insertName_data();
    void insertName();
    void enterOnEmptyLineOpensTheEntry();

    void exitWords_data();
    void exitWords();
    void cd_data();
    void cd();
    void cdOnTheRightPanel();
    void cdGluedToDotsGoesToTheInterpreter();
    void executableFilePair();
    void documentNameHandedToTheStarter();
    void interpreterRelistsKeepingPosition();
    void nothingFailsUnseen_data();
    void nothingFailsUnseen();
    void historyKeepsTheFirstLetterCase();
    void historyRecall_data();
    void historyRecall();
    void historyWindowEmpty();
    void historyWindowSixteenNewest();
};

namespace {

void Wpisz(frmMain &okno, const QString &tekst) { QTest::keyClicks(&okno, tekst); }

void Klawisz(frmMain &okno, Qt::Key klawisz, Qt::KeyboardModifiers modyfikatory = Qt::NoModifier)
{
    QTest::keyClick(&okno, klawisz, modyfikatory);
}

void Uruchom(frmMain &okno, const QString &linia)
{
    Wpisz(okno, linia);
    Klawisz(okno, Qt::Key_Return);
}

// A loaded window with the caret held in its visible phase.
frmMain &Otwórz(OknoTestowe &test, const QString &left, const QString &right)
{
    frmMain &okno = test.Otwórz(left, right);
    okno.tmrKursor->stop();
    return okno;
}

void UtwórzProgram(const QString &path)
{
    QFile plik(path);
    QVERIFY(plik.open(QIODevice::WriteOnly));
    plik.write("#!/bin/sh\n");
    plik.close();
    QVERIFY(plik.setPermissions(plik.permissions() | QFileDevice::ExeOwner));
}

} // namespace

void TestWierszPolecen::caretBlinks()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("_"));
    QCOMPARE(okno.tmrKursor->interval(), 200);
    QTRY_COMPARE(okno.DOSLab->text(), QString());
    QTRY_COMPARE(okno.DOSLab->text(), QStringLiteral("_"));
    okno.tmrKursor->stop();
    Wpisz(okno, QStringLiteral("ls_"));
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("ls__"));
    tmrKursor_Timer(okno);
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("ls_"));
    // Edits in the hidden phase do not bring the caret back.
    Wpisz(okno, QStringLiteral("x"));
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("ls_x"));
    tmrKursor_Timer(okno);
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("ls_x_"));
}

void TestWierszPolecen::editing()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a.txt"), QStringLiteral("b.txt")});
    OknoTestowe test;
    frmMain &okno = Otwórz(test, tmp.path(), tmp.path());
    Klawisz(okno, Qt::Key_Backspace);
    QCOMPARE(okno.Linia().Tekst(), QString());
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("_"));
    Wpisz(okno, QStringLiteral("aB ~"));
    QKeyEvent polska(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ą"));
    QApplication::sendEvent(&okno, &polska);
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("aB ~_"));
    Klawisz(okno, Qt::Key_Backspace);
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("aB _"));
    // The main keyboard's "*" is typed; it does not mark the panel.
    Wpisz(okno, QStringLiteral("*"));
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("aB *_"));
    QCOMPARE(okno.Widok(1).Stan.IleZaznaczonych, 0);
}

void TestWierszPolecen::insertName_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("wstawione");
    QTest::newRow("..") << ".." << ".. ";
    QTest::newRow("real letter case") << "ReadMe.TXT" << "ReadMe.TXT ";
    QTest::newRow("directory") << "Docs/" << "Docs ";
    QTest::newRow("blank quoted") << "my notes.txt" << "'my notes.txt' ";
    QTest::newRow("quote quoted") << "it's" << "'it'\\''s' ";
    // Never taken for an option of the command it follows.
    QTest::newRow("leading dash") << "-rf" << "./-rf ";
    QTest::newRow("leading dash and a blank") << "-my file" << "'./-my file' ";
}

void TestWierszPolecen::insertName()
{
    QFETCH(QString, nazwa);
    QFETCH(QString, wstawione);
    QTemporaryDir tmp;
    const QString wnętrze = tmp.path() + QStringLiteral("/w");
    if (nazwa != QStringLiteral(".."))
        UtwórzDrzewo(wnętrze, {nazwa});
    QDir().mkpath(wnętrze);
    OknoTestowe test;
    frmMain &okno = Otwórz(test, wnętrze, tmp.path());
    okno.Panel_Click(1, nazwa == QStringLiteral("..") ? 0 : 1);
    Wpisz(okno, QStringLiteral("cat "));
    Klawisz(okno, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(okno.Linia().Tekst(), QStringLiteral("cat ") + wstawione);
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("cat ") + wstawione + u'_');
}

void TestWierszPolecen::enterOnEmptyLineOpensTheEntry()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("Sub/")});
    OknoTestowe test;
    frmMain &okno = Otwórz(test, tmp.path(), tmp.path());
    okno.Panel_Click(1, 1);
    RecordingStarter starter;
    Klawisz(okno, Qt::Key_Return);
    QCOMPARE(okno.Dir1.Ścieżka(), tmp.path() + QStringLiteral("/Sub"));
    QVERIFY(starter.calls.isEmpty());
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("_"));
}

void TestWierszPolecen::exitWords_data()
{
    QTest::addColumn<QString>("linia");
    QTest::newRow("exit") << "exit";
    QTest::newRow("Exit") << "Exit";
    QTest::newRow("XK_EXIT") << "XK_EXIT";
    QTest::newRow("oc_exit with words after it") << "oc_exit now";
}

void TestWierszPolecen::exitWords()
{
    QFETCH(QString, linia);
    QTemporaryDir lewy, prawy;
    OknoTestowe test;
    frmMain &okno = Otwórz(test, lewy.path(), prawy.path());
    RecordingStarter starter;
    Uruchom(okno, linia);
    QVERIFY(!okno.isVisible());
    QVERIFY(test.komunikaty->calls.isEmpty());
    QVERIFY(starter.calls.isEmpty());
    QFile plik(test.ProgramDir() + QStringLiteral("/data/oc.pth"));
    QVERIFY(plik.open(QIODevice::ReadOnly));
    QCOMPARE(plik.readAll(), (lewy.path() + u'\n' + prawy.path() + u'\n').toUtf8());
}

void TestWierszPolecen::cd_data()
{
    QTest::addColumn<QString>("linia");
    QTest::addColumn<QString>("cel");       // relative to the root; empty when it stays
    QTest::addColumn<QString>("komunikat"); // empty when none
    QTest::newRow("cd .. moves up") << "cd .." << "" << "";
    // As in the shell: nothing or "~" is the home folder.
    QTest::newRow("cd alone goes home") << "cd" << "dom" << "";
    QTest::newRow("cd ~ goes home") << "cd ~" << "dom" << "";
    QTest::newRow("~/x is x at home") << "cd ~/Sub" << "dom/Sub" << "";
    QTest::newRow("~/x missing at home") << "cd ~/nowhere" << "w" << "Katalog: '~/NOWHERE' nie istnieje";
    QTest::newRow("missing directory") << "cd nowhere" << "w" << "Katalog: 'NOWHERE' nie istnieje";
    QTest::newRow("as typed") << "CD Docs" << "w/Docs" << "";
    QTest::newRow("other letter case") << "cd docs" << "w/Docs" << "";
    QTest::newRow("two levels") << "cd Docs/Deep" << "w/Docs/Deep" << "";
    QTest::newRow("a file is no directory") << "cd plik" << "w" << "Katalog: 'PLIK' nie istnieje";
    // Ctrl+Enter leaves a blank after the name and quotes a name the shell would split.
    QTest::newRow("inserted name with its blank") << "cd Docs " << "w/Docs" << "";
    QTest::newRow("inserted quoted name") << "cd 'My Dir' " << "w/My Dir" << "";
    QTest::newRow("blank in the name unquoted") << "cd My Dir" << "w/My Dir" << "";
}

void TestWierszPolecen::cd()
{
    QFETCH(QString, linia);
    QFETCH(QString, cel);
    QFETCH(QString, komunikat);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("w/Docs/Deep/"), QStringLiteral("w/My Dir/"), QStringLiteral("w/plik"),
                              QStringLiteral("dom/Sub/")});
    const QByteArray dom = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(tmp.path() + QStringLiteral("/dom")));
    const auto przywróć = qScopeGuard([&] { qputenv("HOME", dom); });
    OknoTestowe test;
    frmMain &okno = Otwórz(test, tmp.path() + QStringLiteral("/w"), tmp.path());
    RecordingStarter starter;
    Uruchom(okno, linia);

    const QString oczekiwany = cel.isEmpty() ? tmp.path() : tmp.path() + u'/' + cel;
    QCOMPARE(okno.Dir1.Ścieżka(), oczekiwany);
    QCOMPARE(okno.Gora1->Napis(), oczekiwany.toUpper());
    QCOMPARE(okno.Widok(1).Stan.Katalog, oczekiwany + u'/');
    QCOMPARE(okno.Dir2.Ścieżka(), tmp.path());
    QCOMPARE(okno.Historia().lstHistoria, QStringList{linia});
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("_"));
    QVERIFY(starter.calls.isEmpty());

    const auto pytania = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    QCOMPARE(pytania.size(), komunikat.isEmpty() ? 0 : 1);
    if (!komunikat.isEmpty()) {
        const QVariantList &a = pytania[0].args;
        QCOMPARE(a[2].toString(), QStringLiteral("Błąd"));
        QCOMPARE(a[3].toInt(), 1);
        QCOMPARE(a[4].toInt(), 0);
        QCOMPARE(a[5].toInt(), 0);
        QCOMPARE(a[6].toString(), komunikat);
    }
}

void TestWierszPolecen::cdOnTheRightPanel()
{
    QTemporaryDir lewy, prawy;
    UtwórzDrzewo(prawy.path(), {QStringLiteral("Sub/")});
    OknoTestowe test;
    const QString przed = QDir::currentPath();
    frmMain &okno = Otwórz(test, lewy.path(), prawy.path());
    okno.Panel_Click(2, 0);
    QCOMPARE(okno.AktywnyPanel(), 2);
    Uruchom(okno, QStringLiteral("cd sub"));
    QCOMPARE(okno.Dir2.Ścieżka(), prawy.path() + QStringLiteral("/Sub"));
    QCOMPARE(okno.Gora2->Napis(), (prawy.path() + QStringLiteral("/Sub")).toUpper());
    QCOMPARE(okno.Widok(2).Stan.Nazwy[1], QStringLiteral(".."));
    QCOMPARE(okno.Dir1.Ścieżka(), lewy.path());
    QVERIFY(test.komunikaty->calls.isEmpty());
    QCOMPARE(QDir::currentPath(), przed);
}

void TestWierszPolecen::cdGluedToDotsGoesToTheInterpreter()
{
    QTemporaryDir tmp;
    const QString wnętrze = tmp.path() + QStringLiteral("/w");
    QDir().mkpath(wnętrze);
    OknoTestowe test;
    frmMain &okno = Otwórz(test, wnętrze, tmp.path());
    RecordingStarter starter;
    Uruchom(okno, QStringLiteral("CD.."));
    QCOMPARE(starter.calls.size(), 1);
    const RecordingStarter::Call &c = starter.calls[0];
    const oc::platform::Command oczekiwane = oc::platform::interpreterCommand(QStringLiteral("CD.."));
    QCOMPARE(c.program, oczekiwane.program);
    QCOMPARE(c.arguments, oczekiwane.arguments);
    QVERIFY(c.arguments.filter(QStringLiteral("CD..")).size() == 1);
    QCOMPARE(c.directory, wnętrze);
    QCOMPARE(okno.Dir1.Ścieżka(), wnętrze);
    QCOMPARE(okno.Historia().lstHistoria, QStringList{QStringLiteral("CD..")});
    QCOMPARE(okno.Historia().PozycjaHistorii, 1);
}

void TestWierszPolecen::executableFilePair()
{
    QTemporaryDir tmp;
    UtwórzProgram(tmp.path() + QStringLiteral("/Tool.sh"));
    UtwórzDrzewo(tmp.path(), {QStringLiteral("readme.txt")});
    OknoTestowe test;
    frmMain &okno = Otwórz(test, tmp.path(), tmp.path());
    RecordingStarter starter;

    // The bare name finds the program, which starts without the other words.
    Uruchom(okno, QStringLiteral("tool readme.txt"));
    QCOMPARE(starter.calls.size(), 1);
    QCOMPARE(starter.calls[0].kind, RecordingStarter::Kind::Start);
    QCOMPARE(starter.calls[0].program, tmp.path() + QStringLiteral("/Tool.sh"));
    QCOMPARE(starter.calls[0].arguments, QStringList());
    QCOMPARE(starter.calls[0].directory, tmp.path());
    QCOMPARE(okno.Historia().lstHistoria, QStringList{QStringLiteral("tool readme.txt")});
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("_"));

    // The entry's own name runs the whole line, unrecorded.
    Uruchom(okno, QStringLiteral("tool.sh readme.txt 'two words'"));
    QCOMPARE(starter.calls.size(), 2);
    QCOMPARE(starter.calls[1].program, tmp.path() + QStringLiteral("/Tool.sh"));
    QCOMPARE(starter.calls[1].arguments, (QStringList{QStringLiteral("readme.txt"), QStringLiteral("two words")}));
    QCOMPARE(starter.calls[1].directory, tmp.path());
    QCOMPARE(okno.Historia().lstHistoria.size(), 1);
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("_"));
}

void TestWierszPolecen::documentNameHandedToTheStarter()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("Notes.TXT")});
    OknoTestowe test;
    frmMain &okno = Otwórz(test, tmp.path(), tmp.path());
    RecordingStarter starter;
    starter.startSucceeds = false;
    Uruchom(okno, QStringLiteral("notes.txt"));
    QCOMPARE(starter.calls.size(), 1);
    QCOMPARE(starter.calls[0].program, tmp.path() + QStringLiteral("/Notes.TXT"));
    QVERIFY(okno.Historia().lstHistoria.isEmpty());
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("_"));
    QVERIFY(test.komunikaty->calls.isEmpty());
}

void TestWierszPolecen::interpreterRelistsKeepingPosition()
{
    QTemporaryDir tmp;
    QStringList pliki;
    for (int i = 0; i < 100; ++i)
        pliki << QStringLiteral("f%1").arg(i, 3, 10, QLatin1Char('0'));
    UtwórzDrzewo(tmp.path(), pliki);
    OknoTestowe test;
    frmMain &okno = Otwórz(test, tmp.path(), tmp.path());
    okno.Widok(1).PokażPanel(30);
    okno.Panel_Click(1, 7);
    RecordingStarter starter;
    Uruchom(okno, QStringLiteral("dir"));
    QCOMPARE(starter.calls.size(), 1);
    QCOMPARE(starter.calls[0].arguments, oc::platform::interpreterCommand(QStringLiteral("dir")).arguments);
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("_"));

    // What the command made shows after the pause; the cursor stays on its
    // entry, in the same row, though a new name came before it.
    const QString podKursorem = okno.Widok(1).Stan.Nazwy[37];
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a-new")});
    QCOMPARE(okno.Widok(1).Stan.LiczbaPozycji, 101);
    QTRY_COMPARE(okno.Widok(1).Stan.LiczbaPozycji, 102);
    const StanPanelu &stan = okno.Widok(1).Stan;
    QCOMPARE(stan.Nazwy[2], QStringLiteral("a-new"));
    QCOMPARE(stan.WierszKursora, 7);
    QCOMPARE(stan.Nazwy[stan.PierwszaPozycja + stan.WierszKursora], podKursorem);
    QCOMPARE(okno.Panel1[0]->Napis(), stan.Nazwy[stan.PierwszaPozycja]);
    QCOMPARE(okno.AktywnyPanel(), 1);
}

void TestWierszPolecen::nothingFailsUnseen_data()
{
    QTest::addColumn<int>("co");          // 0 a command line, 1 Enter on a document, 2 F1
    QTest::addColumn<bool>("terminal");   // one is installed
    QTest::addColumn<QString>("brakuje"); // named in the one message; empty for none
    QTest::newRow("a command with no terminal installed") << 0 << false << "x-terminal-emulator";
    QTest::newRow("a document with no opener") << 1 << true << "xdg-open";
    QTest::newRow("help with no opener") << 2 << true << "xdg-open";
    QTest::newRow("a command in a terminal") << 0 << true << "";
}

void TestWierszPolecen::nothingFailsUnseen()
{
    QFETCH(int, co);
    QFETCH(bool, terminal);
    QFETCH(QString, brakuje);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("notes.txt")});
    if (terminal)
        UtwórzProgram(tmp.path() + QStringLiteral("/x-terminal-emulator"));
    const QByteArray path = qgetenv("PATH"), wybrany = qgetenv("TERMINAL");
    qputenv("PATH", QFile::encodeName(tmp.path()));
    qunsetenv("TERMINAL");
    const auto przywróć = qScopeGuard([&] {
        qputenv("PATH", path);
        if (!wybrany.isNull())
            qputenv("TERMINAL", wybrany);
    });
    OknoTestowe test;
    frmMain &okno = Otwórz(test, tmp.path(), tmp.path());
    RecordingStarter starter;
    starter.startSucceeds = co == 0;
    if (co == 0) {
        Uruchom(okno, QStringLiteral("ls"));
    } else if (co == 1) {
        okno.Panel_Click(1, 1);
        Klawisz(okno, Qt::Key_Return);
    } else {
        Klawisz(okno, Qt::Key_F1);
    }
    QCOMPARE(starter.calls.size(), 1);
    const auto komunikaty = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    QCOMPARE(komunikaty.size(), brakuje.isEmpty() ? 0 : 1);
    if (!brakuje.isEmpty())
        QVERIFY2(komunikaty[0].args[6].toString().contains(brakuje), qPrintable(komunikaty[0].args[6].toString()));
}

void TestWierszPolecen::historyKeepsTheFirstLetterCase()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = Otwórz(test, tmp.path(), tmp.path());
    RecordingStarter starter;
    Uruchom(okno, QStringLiteral("Make all"));
    Uruchom(okno, QStringLiteral("MAKE ALL"));
    Uruchom(okno, QStringLiteral("cd ."));
    Uruchom(okno, QStringLiteral("CD ."));
    QCOMPARE(okno.Historia().lstHistoria, (QStringList{QStringLiteral("Make all"), QStringLiteral("cd .")}));
    QCOMPARE(starter.calls.size(), 2);
}

void TestWierszPolecen::historyRecall_data()
{
    QTest::addColumn<QStringList>("linie");
    QTest::newRow("interpreter lines") << QStringList{"one", "two", "three"};
    // Recall starts from the newest line whatever kind of line was added.
    QTest::newRow("cd lines") << QStringList{"cd /usr", "cd /var", "cd /tmp"};
}

void TestWierszPolecen::historyRecall()
{
    QFETCH(QStringList, linie);
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = Otwórz(test, tmp.path(), tmp.path());
    RecordingStarter starter;
    Klawisz(okno, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("_"));
    for (const QString &linia : linie)
        Uruchom(okno, linia);
    Wpisz(okno, QStringLiteral("typed"));
    for (int i : {2, 1, 0, 0}) {
        Klawisz(okno, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(okno.DOSLab->text(), linie[i] + u'_');
    }
}

void TestWierszPolecen::historyWindowEmpty()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = Otwórz(test, tmp.path(), tmp.path());
    auto historia = std::make_shared<ScriptedComponent::Record>();
    okno.Komponenty().Historia = std::make_unique<ScriptedComponent>(historia);
    Klawisz(okno, Qt::Key_F8, Qt::AltModifier);
    QVERIFY(historia->calls.isEmpty());
    const auto pytania = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    QCOMPARE(pytania.size(), 1);
    QCOMPARE(pytania[0].args[2].toString(), QStringLiteral("Historia"));
    QCOMPARE(pytania[0].args[3].toInt(), 3);
    QCOMPARE(pytania[0].args[6].toString(),
             QStringLiteral("Nie można pokazać historii, ponieważ nie wystukałeś żadnej komendy DOSowej !!!"));
}

void TestWierszPolecen::historyWindowSixteenNewest()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = Otwórz(test, tmp.path(), tmp.path());
    RecordingStarter starter;
    for (int i = 1; i <= 20; ++i)
        Uruchom(okno, QStringLiteral("echo %1").arg(i));
    auto historia = std::make_shared<ScriptedComponent::Record>();
    historia->answers[QStringLiteral("showhistorywindow")] = {QString()};
    okno.Komponenty().Historia = std::make_unique<ScriptedComponent>(historia);

    Klawisz(okno, Qt::Key_F8, Qt::AltModifier);
    QCOMPARE(historia->calls.size(), 18);
    QCOMPARE(historia->calls.first().operation, QStringLiteral("clearlist"));
    const auto dodane = historia->callsOf(QStringLiteral("addhistorypos"));
    QCOMPARE(dodane.size(), 16);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(dodane[i].args, QVariantList{QStringLiteral("echo %1").arg(i + 5)});
    const auto pokaż = historia->calls.last();
    QCOMPARE(pokaż.operation, QStringLiteral("showhistorywindow"));
    QCOMPARE(pokaż.args[0].toFloat(), float(oc::ui::leftTwips(&okno) + 3600));
    QCOMPARE(pokaż.args[1].toFloat(), float(oc::ui::topTwips(&okno) + 1000));
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("_"));
    QCOMPARE(starter.calls.size(), 20);

    // A chosen line is typed and then run by the Enter it queues.
    historia->answers[QStringLiteral("showhistorywindow")] = {QStringLiteral("echo 7")};
    Klawisz(okno, Qt::Key_F8, Qt::AltModifier);
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("echo 7_"));
    QTRY_COMPARE(starter.calls.size(), 21);
    QCOMPARE(starter.calls.last().arguments, oc::platform::interpreterCommand(QStringLiteral("echo 7")).arguments);
    QCOMPARE(okno.DOSLab->text(), QStringLiteral("_"));
    QCOMPARE(okno.Historia().lstHistoria.size(), 20);
}

QTEST_MAIN(TestWierszPolecen)
#include "tst_wierszpolecen.moc"
