#include "OknoTestowe.h"

#include <actions/Atrybuty.h>
#include <actions/Cofnij.h>
#include <actions/frmCofnij.h>
#include <actions/Kopiowanie.h>
#include <actions/NoweNazwy.h>
#include <actions/Sloty.h>
#include <actions/Usuwanie.h>
#include <actions/Wywolanie.h>
#include <ui/Colors.h>
#include <ui/Twips.h>
#include <platform/Trash.h>
#include <undo/Dziennik.h>

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

// Copy, delete, new directory and attributes as the main program hands them
// to their components: which paths, in which order, and where the panel's
// cursor lands afterwards.
class TestPoleceniaPlikow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void copyHandsOver_data();
    void copyHandsOver();
    void copyClearsMarksAndListsTheTarget();
    void dropTellsDirectoriesByTheFileSystem();
    void copyIntoItselfIsRefused_data();
    void copyIntoItselfIsRefused();
    void deleteHandsOver_data();
    void deleteHandsOver();
    void deleteLandsTheCursor_data();
    void deleteLandsTheCursor();
    void newDirectory_data();
    void newDirectory();
    void attributesHandOver_data();
    void attributesHandOver();
    void undoPutsTheCursorBack_data();
    void undoPutsTheCursorBack();

private:
    // Stand-in for the copy and delete components created per command.
    std::shared_ptr<ScriptedComponent::Record> m_utworzony;
    int m_utworzone = 0;
};

namespace {

qint32 Pozycja(const StanPanelu &s, const QString &nazwa)
{
    for (qint32 i = 1; i <= s.LiczbaPozycji; ++i)
        if (s.Rzeczywiste[size_t(i)] == nazwa)
            return i;
    return 0;
}

void Zaznacz(frmMain &okno, int p, const QStringList &nazwy)
{
    for (const QString &nazwa : nazwy)
        okno.Widok(p).UstawZnak(Pozycja(okno.Widok(p).Stan, nazwa), 1);
}

// The operations and first arguments a stand-in saw, as "op:path" lines.
QStringList Wywołania(const ScriptedComponent::Record &zapis, const QString &katalog)
{
    QStringList wynik;
    for (const ScriptedComponent::Call &call : zapis.calls) {
        QString linia = call.operation;
        for (const QVariant &arg : call.args)
            if (arg.typeId() == QMetaType::QString)
                linia += u':' + arg.toString().replace(katalog, QStringLiteral("%"));
        wynik << linia;
    }
    return wynik;
}

} // namespace

void TestPoleceniaPlikow::init()
{
    m_utworzony = std::make_shared<ScriptedComponent::Record>();
    m_utworzone = 0;
    ustawTwórcęKomponentów([this](const QString &) {
        ++m_utworzone;
        return std::make_unique<ScriptedComponent>(m_utworzony);
    });
}

void TestPoleceniaPlikow::cleanup() { ustawTwórcęKomponentów({}); }

void TestPoleceniaPlikow::copyHandsOver_data()
{
    QTest::addColumn<bool>("korzeń"); // the source panel on "/"
    QTest::addColumn<QString>("kursor");
    QTest::addColumn<QStringList>("zaznaczone");
    QTest::addColumn<QStringList>("oczekiwane"); // "%" is the source directory, "#" the target
    QTest::newRow("file under the cursor, real name kept")
        << false << "ReadMe.TXT" << QStringList()
        << QStringList{"clearlists", "addfiletocopy:%/ReadMe.TXT", "runcopy:#"};
    QTest::newRow("directory under the cursor")
        << false << "Kat" << QStringList() << QStringList{"clearlists", "adddirtocopy:%/Kat", "runcopy:#"};
    QTest::newRow("marked: directories first, the cursor entry ignored")
        << false << "b.txt" << QStringList{"a.txt", "Kat"}
        << QStringList{"clearlists", "adddirtocopy:%/Kat", "addfiletocopy:%/a.txt", "runcopy:#"};
    QTest::newRow("\"..\" alone hands nothing over") << false << ".." << QStringList() << QStringList();
    QTest::newRow("source panel at the root: no doubled \"/\"")
        << true << "etc" << QStringList() << QStringList{"clearlists", "adddirtocopy:/etc", "runcopy:#"};
}

void TestPoleceniaPlikow::copyHandsOver()
{
    QFETCH(bool, korzeń);
    QFETCH(QString, kursor);
    QFETCH(QStringList, zaznaczone);
    QFETCH(QStringList, oczekiwane);
    QTemporaryDir źródło, cel;
    UtwórzDrzewo(źródło.path(), {QStringLiteral("Kat/"), QStringLiteral("ReadMe.TXT"), QStringLiteral("a.txt"),
                                 QStringLiteral("b.txt")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(korzeń ? QStringLiteral("/") : źródło.path(), cel.path());
    okno.Widok(1).PokażPozycję(Pozycja(okno.Widok(1).Stan, kursor));
    Zaznacz(okno, 1, zaznaczone);

    QTest::keyClick(&okno, Qt::Key_F5);

    QStringList wywołania = Wywołania(*m_utworzony, źródło.path());
    wywołania.replaceInStrings(cel.path(), QStringLiteral("#"));
    QCOMPARE(wywołania, oczekiwane);
    QCOMPARE(m_utworzone, oczekiwane.isEmpty() ? 0 : 1);
    if (!oczekiwane.isEmpty()) {
        const QVariantList args = m_utworzony->callsOf(QStringLiteral("runcopy")).first().args;
        QCOMPARE(args.value(0).toFloat(), float(oc::ui::leftTwips(&okno) + 3100));
        QCOMPARE(args.value(1).toFloat(), float(oc::ui::topTwips(&okno) + 2000));
    }
}

// Cancelled or not, the source's marks go and the target is read anew.
void TestPoleceniaPlikow::copyClearsMarksAndListsTheTarget()
{
    QTemporaryDir źródło, cel;
    UtwórzDrzewo(źródło.path(), {QStringLiteral("a.txt"), QStringLiteral("b.txt")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(źródło.path(), cel.path());
    Zaznacz(okno, 1, {QStringLiteral("a.txt"), QStringLiteral("b.txt")});
    m_utworzony->answers[QStringLiteral("runcopy")] = {QVariant(0)};
    m_utworzony->during = [&](const ScriptedComponent::Call &call) {
        if (call.operation == QStringLiteral("runcopy"))
            UtwórzDrzewo(cel.path(), {QStringLiteral("a.txt")});
    };
    okno.Short_Click(4);
    QCOMPARE(okno.Widok(1).Stan.IleZaznaczonych, 0);
    QCOMPARE(okno.Widok(1).Stan.SumaZaznaczonych, 0);
    QVERIFY(!okno.Panel1[1]->Zaznaczony && !okno.Panel1[2]->Zaznaczony);
    QVERIFY(Pozycja(okno.Widok(2).Stan, QStringLiteral("a.txt")) > 0);
    QCOMPARE(okno.AktywnyPanel(), 1);
}

void TestPoleceniaPlikow::dropTellsDirectoriesByTheFileSystem()
{
    QTemporaryDir tmp, cel;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("kat/"), QStringLiteral("plik")});
    QVERIFY(QFile::link(tmp.filePath(QStringLiteral("kat")), tmp.filePath(QStringLiteral("dowiazanie"))));
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), cel.path());
    m_utworzony->answers[QStringLiteral("runcopy")] = {QVariant(1)};

    UpuśćPliki(okno, 2, {tmp.filePath(QStringLiteral("kat")), tmp.filePath(QStringLiteral("plik")),
                         tmp.filePath(QStringLiteral("dowiazanie"))});
    QCOMPARE(Wywołania(*m_utworzony, tmp.path()).replaceInStrings(cel.path(), QStringLiteral("#")),
             QStringList({"clearlists", "adddirtocopy:%/kat", "addfiletocopy:%/plik", "addfiletocopy:%/dowiazanie",
                          "runcopy:#"}));

    // Nothing dropped: the component is made and let go, its window never shown.
    m_utworzony->calls.clear();
    UpuśćPliki(okno, 2, {});
    QCOMPARE(Wywołania(*m_utworzony, tmp.path()), QStringList{"clearlists"});
}

void TestPoleceniaPlikow::copyIntoItselfIsRefused_data()
{
    QTest::addColumn<QString>("right");  // the target panel, below the source directory
    QTest::addColumn<QString>("kursor");
    QTest::addColumn<bool>("drop");
    QTest::addColumn<bool>("refused");
    QTest::newRow("a file onto itself, both panels on one directory") << "" << "a.txt" << false << true;
    QTest::newRow("a directory into itself") << "Kat" << "Kat" << false << true;
    QTest::newRow("a directory below itself") << "Kat/dol" << "Kat" << false << true;
    QTest::newRow("a dropped file onto itself") << "" << "a.txt" << true << true;
    QTest::newRow("a link to the target directory: copied as the link") << "Kat" << "doKat" << false << false;
    QTest::newRow("a link to a file in the target: copied as the link") << "Kat" << "doPliku" << false << false;
}

// Nothing is handed over, nothing is touched, one message says why. A link
// is judged as itself, not by what it points to.
void TestPoleceniaPlikow::copyIntoItselfIsRefused()
{
    QFETCH(QString, right);
    QFETCH(QString, kursor);
    QFETCH(bool, drop);
    QFETCH(bool, refused);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("Kat/dol/"), QStringLiteral("a.txt"), QStringLiteral("Kat/b.txt")}, 10);
    QVERIFY(QFile::link(tmp.filePath(QStringLiteral("Kat")), tmp.filePath(QStringLiteral("doKat"))));
    QVERIFY(QFile::link(tmp.filePath(QStringLiteral("Kat/b.txt")), tmp.filePath(QStringLiteral("doPliku"))));
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), right.isEmpty() ? tmp.path() : tmp.filePath(right));
    if (drop) {
        UpuśćPliki(okno, 2, {tmp.filePath(kursor)});
    } else {
        okno.Widok(1).PokażPozycję(Pozycja(okno.Widok(1).Stan, kursor));
        QTest::keyClick(&okno, Qt::Key_F5);
    }
    QCOMPARE(m_utworzone, refused ? 0 : 1);
    QCOMPARE(test.komunikaty->callsOf(QStringLiteral("notebox2")).size(), refused ? 1 : 0);
    QCOMPARE(QFileInfo(tmp.filePath(QStringLiteral("a.txt"))).size(), 10);
    QVERIFY(!QFileInfo::exists(tmp.filePath(QStringLiteral("Kat/Kat"))));
}

void TestPoleceniaPlikow::deleteHandsOver_data()
{
    QTest::addColumn<QString>("kursor");
    QTest::addColumn<QStringList>("zaznaczone");
    QTest::addColumn<int>("klawisz");    // F8 with these modifiers
    QTest::addColumn<int>("odpowiedź"); // to the question where no trash can be used; -1: a trash is there
    QTest::addColumn<QStringList>("oczekiwane"); // "trybusuwania:N" with the mode it was given
    QTest::newRow("no trash, deleting for good refused: nothing handed over")
        << "b.txt" << QStringList() << int(Qt::NoModifier) << 1 << QStringList();
    QTest::newRow("no trash, deleting for good accepted")
        << "b.txt" << QStringList() << int(Qt::NoModifier) << 0
        << QStringList{"trybusuwania:2", "deletefileo:%/b.txt"};
    QTest::newRow("Shift+F8: for good") << "b.txt" << QStringList() << int(Qt::ShiftModifier) << -1
                                        << QStringList{"trybusuwania:2", "deletefileo:%/b.txt"};
    QTest::newRow("file under the cursor, to the trash") << "b.txt" << QStringList() << int(Qt::NoModifier) << -1
                                                         << QStringList{"trybusuwania:1", "deletefileo:%/b.txt"};
    QTest::newRow("directory under the cursor")
        << "Kat" << QStringList() << int(Qt::NoModifier) << -1
        << QStringList{"trybusuwania:1", "clearlists", "adddirtodelete:%/Kat", "rundeleteall"};
    QTest::newRow("marked: directories, then files")
        << "b.txt" << QStringList{"c.txt", "Kat"} << int(Qt::NoModifier) << -1
        << QStringList{"trybusuwania:1", "clearlists", "adddirtodelete:%/Kat", "addfiletodelete:%/c.txt",
                       "rundeleteall"};
    QTest::newRow("\"..\" with marks does nothing") << ".." << QStringList{"c.txt"} << int(Qt::NoModifier) << -1
                                                    << QStringList();
}

void TestPoleceniaPlikow::deleteHandsOver()
{
    QFETCH(QString, kursor);
    QFETCH(QStringList, zaznaczone);
    QFETCH(int, klawisz);
    QFETCH(int, odpowiedź);
    QFETCH(QStringList, oczekiwane);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("Kat/"), QStringLiteral("b.txt"), QStringLiteral("c.txt"),
                              QStringLiteral("plik")});
    // A data folder below a file: no home trash can be made.
    const QByteArray dom = qgetenv("XDG_DATA_HOME");
    if (odpowiedź >= 0)
        qputenv("XDG_DATA_HOME", tmp.filePath(QStringLiteral("plik/dane")).toUtf8());
    OknoTestowe test;
    test.komunikaty->answers[QStringLiteral("notebox2")] = {QVariant(std::max(odpowiedź, 0))};
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Widok(1).PokażPozycję(Pozycja(okno.Widok(1).Stan, kursor));
    Zaznacz(okno, 1, zaznaczone);

    QTest::keyClick(&okno, Qt::Key_F8, Qt::KeyboardModifiers(klawisz));
    qputenv("XDG_DATA_HOME", dom);

    QStringList wywołania = Wywołania(*m_utworzony, tmp.path());
    for (const ScriptedComponent::Call &call : m_utworzony->callsOf(QStringLiteral("trybusuwania")))
        wywołania.replaceInStrings(QStringLiteral("trybusuwania"),
                                   QStringLiteral("trybusuwania:") + call.args.value(0).toString());
    QCOMPARE(wywołania, oczekiwane);
    QCOMPARE(test.komunikaty->callsOf(QStringLiteral("notebox2")).size(), odpowiedź >= 0 ? 1 : 0);
    // Nothing was deleted (the stand-in answered 0): the marks stay.
    QCOMPARE(okno.Widok(1).Stan.IleZaznaczonych, qint32(zaznaczone.size()));
}

void TestPoleceniaPlikow::deleteLandsTheCursor_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("zaznaczone"); // 0: the cursor entry; 2: it and the next one
    QTest::addColumn<bool>("ostatni"); // the cursor on the last entry
    QTest::newRow("left panel keeps its view") << 1 << 0 << false;
    QTest::newRow("right panel goes to the top") << 2 << 0 << false;
    QTest::newRow("marked: the nearest unmarked entry") << 1 << 2 << false;
    QTest::newRow("the last entry: the one before it") << 1 << 0 << true;
}

// The stand-in deletes for real what it is given, as the component would.
void TestPoleceniaPlikow::deleteLandsTheCursor()
{
    QFETCH(int, panel);
    QFETCH(int, zaznaczone);
    QFETCH(bool, ostatni);
    QTemporaryDir tmp;
    QStringList nazwy;
    for (int i = 0; i < 100; ++i)
        nazwy << QStringLiteral("f%1").arg(i, 3, 10, QLatin1Char('0'));
    UtwórzDrzewo(tmp.path(), nazwy);
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.UstawAktywnyPanel(panel);
    WidokPanelu &w = okno.Widok(panel);
    const StanPanelu &s = w.Stan;
    const qint32 n = s.LiczbaPozycji;
    if (ostatni) {
        QTest::keyClick(&okno, Qt::Key_End);
    } else {
        w.PokażPanel(31);
        w.Panel_Click(40);
    }
    const qint32 k = w.PozycjaKursora();
    for (int i = 0; i < zaznaczone; ++i)
        w.UstawZnak(k + i, 1);
    const qint32 pierwszaPrzed = s.PierwszaPozycja;
    const QString następny = s.Rzeczywiste[size_t(ostatni ? k - 1 : k + std::max(zaznaczone, 1))];
    m_utworzony->answers[QStringLiteral("deletefileo")] = {QVariant(1)};
    m_utworzony->answers[QStringLiteral("rundeleteall")] = {QVariant(1)};
    m_utworzony->during = [&](const ScriptedComponent::Call &call) {
        if (call.operation == QStringLiteral("deletefileo") || call.operation == QStringLiteral("addfiletodelete"))
            QVERIFY(QFile::remove(call.args.last().toString()));
    };

    QTest::keyClick(&okno, Qt::Key_F8);

    QCOMPARE(s.LiczbaPozycji, n - std::max(zaznaczone, 1));
    if (panel == 2) {
        QCOMPARE(s.PierwszaPozycja, 1);
        QCOMPARE(s.WierszKursora, 0);
    } else if (zaznaczone) {
        // The entry is looked up anew and drawn as a search result would be.
        const qint32 j = Pozycja(s, następny);
        QCOMPARE(s.PierwszaPozycja, j <= 54 ? 1 : j - 53);
        QCOMPARE(s.Rzeczywiste[size_t(w.PozycjaKursora())], następny);
    } else {
        QCOMPARE(s.PierwszaPozycja, ostatni ? s.LiczbaPozycji - 53 : pierwszaPrzed);
        QCOMPARE(s.Rzeczywiste[size_t(w.PozycjaKursora())], następny);
    }
    QCOMPARE(oc::ui::background(w.Wiersze[size_t(s.WierszKursora)]), OknoTestowe::fileselbackground);
}

void TestPoleceniaPlikow::newDirectory_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("komunikat"); // "" for none
    QTest::addColumn<bool>("naKursorze"); // the cursor stands on the named directory
    QTest::newRow("new") << "Nowy" << "" << true;
    QTest::newRow("exists") << "jest" << TekstBłęduNowegoKatalogu(EEXIST, {}) << true;
    QTest::newRow("missing parent") << "brak/nowy" << TekstBłęduNowegoKatalogu(ENOENT, {}) << false;
    QTest::newRow("a file of that name") << "plik" << TekstBłęduNowegoKatalogu(EEXIST, {}) << false;
    QTest::newRow("cancelled") << "" << "" << false;
}

void TestPoleceniaPlikow::newDirectory()
{
    QFETCH(QString, nazwa);
    QFETCH(QString, komunikat);
    QFETCH(bool, naKursorze);
    QTemporaryDir tmp, inny;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("jest/"), QStringLiteral("plik")});
    OknoTestowe test;
    test.dialogi->answers[QStringLiteral("newdircreate")] = {nazwa};
    frmMain &okno = test.Otwórz(inny.path(), tmp.path());
    okno.UstawAktywnyPanel(2);
    const QString przed = QDir::currentPath();

    QTest::keyClick(&okno, Qt::Key_F7);

    const QList<ScriptedComponent::Call> pytania = test.dialogi->callsOf(QStringLiteral("newdircreate"));
    QCOMPARE(pytania.size(), 1);
    QCOMPARE(pytania.first().args.value(0).toFloat(), float(oc::ui::leftTwips(&okno) + 2400));
    const QList<ScriptedComponent::Call> komunikaty = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    QCOMPARE(komunikaty.size(), komunikat.isEmpty() ? 0 : 1);
    if (!komunikat.isEmpty())
        QCOMPARE(komunikaty.first().args.value(6).toString(), komunikat);
    if (!nazwa.isEmpty() && komunikat.isEmpty())
        QVERIFY(QFileInfo(tmp.filePath(nazwa)).isDir());
    QVERIFY(QDir(inny.path()).isEmpty());
    QCOMPARE(QDir::currentPath(), przed);
    const StanPanelu &s = okno.Widok(2).Stan;
    QCOMPARE(s.Rzeczywiste[size_t(s.PierwszaPozycja + s.WierszKursora)] == nazwa, naKursorze);
}

void TestPoleceniaPlikow::attributesHandOver_data()
{
    QTest::addColumn<QString>("kursor");
    QTest::addColumn<QStringList>("zaznaczone");
    QTest::addColumn<QStringList>("oczekiwane");
    QTest::newRow("file: the single-file window") << "a.txt" << QStringList()
                                                  << QStringList{"showattribwindow:%/a.txt"};
    QTest::newRow("directory: the batch window")
        << "Kat" << QStringList() << QStringList{"clearatriblists", "addatribdir:%/Kat", "showatrib2"};
    QTest::newRow("marked, in panel order")
        << "a.txt" << QStringList{"b.txt", "Kat"}
        << QStringList{"clearatriblists", "addatribdir:%/Kat", "addatribfile:%/b.txt", "showatrib2"};
}

void TestPoleceniaPlikow::attributesHandOver()
{
    QFETCH(QString, kursor);
    QFETCH(QStringList, zaznaczone);
    QFETCH(QStringList, oczekiwane);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("Kat/"), QStringLiteral("a.txt"), QStringLiteral("b.txt")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    auto historia = std::make_shared<ScriptedComponent::Record>();
    okno.Komponenty().Historia = std::make_unique<ScriptedComponent>(historia);
    okno.Widok(1).PokażPozycję(Pozycja(okno.Widok(1).Stan, kursor));
    Zaznacz(okno, 1, zaznaczone);

    AttribFile(okno);

    QCOMPARE(Wywołania(*historia, tmp.path()), oczekiwane);
    okno.Komponenty().Historia.reset();
}

void TestPoleceniaPlikow::undoPutsTheCursorBack_data()
{
    QTest::addColumn<bool>("lista");       // through the "Cofnij" window, else Ctrl+Z
    QTest::addColumn<QStringList>("przed"); // the panel's entries after the two operations
    QTest::addColumn<QStringList>("po");
    QTest::addColumn<QString>("kursor");
    // The trash first, then F7; each undo takes back the latest not undone.
    QTest::newRow("Ctrl+Z: the new directory goes")
        << false << QStringList{"..", "nowy", "a.txt"} << QStringList{"..", "a.txt"} << "";
    QTest::newRow("the list, the older one chosen: both back, the cursor on the restored file")
        << true << QStringList{"..", "nowy", "a.txt"} << QStringList{"..", "a.txt", "z.txt"} << "z.txt";
}

void TestPoleceniaPlikow::undoPutsTheCursorBack()
{
    QFETCH(bool, lista);
    QFETCH(QStringList, przed);
    QFETCH(QStringList, po);
    QFETCH(QString, kursor);
    QTemporaryDir tmp, dom;
    const QByteArray stary = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dom.path().toUtf8());
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a.txt"), QStringLiteral("z.txt")});
    {
        std::unique_ptr<oc::undo::Zapis> zapis = oc::undo::Dziennik().zacznij(oc::undo::Rodzaj::Kosz, {});
        zapis->wKoszu(*oc::platform::moveToTrash(tmp.filePath(QStringLiteral("z.txt"))));
    }
    OknoTestowe test;
    test.dialogi->answers[QStringLiteral("newdircreate")] = {QStringLiteral("nowy")};
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QTest::keyClick(&okno, Qt::Key_F7);
    const StanPanelu &s = okno.Widok(1).Stan;
    const auto nazwy = [&s] {
        QStringList wynik;
        for (qint32 i = 1; i <= s.LiczbaPozycji; ++i)
            wynik << s.Rzeczywiste[size_t(i)];
        return wynik;
    };
    QCOMPARE(nazwy(), przed);

    if (lista) {
        QTimer::singleShot(0, [] {
            auto *okno = qobject_cast<frmCofnij *>(QApplication::activeModalWidget());
            QVERIFY(okno);
            QCOMPARE(okno->lstOperacje->count(), 2);
            QTest::keyClick(okno->lstOperacje, Qt::Key_Down);
            QTest::keyClick(okno, Qt::Key_Return);
        });
        ListaCofnij(okno);
    } else {
        QTest::keyClick(&okno, Qt::Key_Z, Qt::ControlModifier);
    }
    qputenv("XDG_DATA_HOME", stary);
    QCOMPARE(nazwy(), po);
    if (!kursor.isEmpty())
        QCOMPARE(s.Rzeczywiste[size_t(okno.Widok(1).PozycjaKursora())], kursor);
    const std::vector<oc::undo::Operacja> zostały = oc::undo::Dziennik(dom.filePath(
        QStringLiteral("orvane-commander/cofnij"))).wczytaj();
    QCOMPARE(zostały.size(), size_t(2));
    QCOMPARE(zostały[0].cofnięta, lista);
    QVERIFY(zostały[1].cofnięta);
}

QTEST_MAIN(TestPoleceniaPlikow)
#include "tst_polecenia_plikow.moc"
