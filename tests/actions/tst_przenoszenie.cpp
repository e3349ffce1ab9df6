#include "OknoTestowe.h"

#include <actions/ObslugaMenu.h>
#include <actions/Wywolanie.h>
#include <actions/ZmianaNazwy.h>
#include <platform/Names.h>
#include <ui/Twips.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

using oc::platform::decodeName;
using oc::platform::encodeName;

// Move (F6) and rename (Shift+F6) as the main program carries them out: what
// goes to the move component, what is refused before it, where the cursor
// lands, and the names a rename takes or refuses.
class TestPrzenoszenie : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void moveHandsOver_data();
    void moveHandsOver();
    void moveOntoItselfIsRefused_data();
    void moveOntoItselfIsRefused();
    void moveLandsTheCursor_data();
    void moveLandsTheCursor();
    void rename_data();
    void rename();

private:
    std::shared_ptr<ScriptedComponent::Record> m_utworzony;
    QStringList m_klasy;
};

namespace {

qint32 Pozycja(const StanPanelu &s, const QString &nazwa)
{
    for (qint32 i = 1; i <= s.LiczbaPozycji; ++i)
        if (s.Rzeczywiste[size_t(i)] == nazwa)
            return i;
    return 0;
}

QStringList Nazwy(const QString &katalog)
{
    QStringList nazwy;
    for (const oc::platform::EntryInfo &e : oc::platform::readDirectory(katalog).files)
        nazwy << e.name;
    for (const oc::platform::EntryInfo &e : oc::platform::readDirectory(katalog).directories)
        nazwy << e.name + u'/';
    nazwy.sort();
    return nazwy;
}

// Files of any bytes, which QFile cannot name.
void UtwórzPlik(const QString &ścieżka)
{
    const int fd = open(encodeName(ścieżka).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(fd >= 0);
    close(fd);
}

} // namespace

void TestPrzenoszenie::init()
{
    m_utworzony = std::make_shared<ScriptedComponent::Record>();
    m_klasy.clear();
    ustawTwórcęKomponentów([this](const QString &klasa) {
        m_klasy << klasa;
        return std::make_unique<ScriptedComponent>(m_utworzony);
    });
}

void TestPrzenoszenie::cleanup() { ustawTwórcęKomponentów({}); }

void TestPrzenoszenie::moveHandsOver_data()
{
    QTest::addColumn<QString>("kursor");
    QTest::addColumn<QStringList>("zaznaczone");
    QTest::addColumn<int>("how"); // 0 F6, 1 the key bar, 2 the menu
    QTest::addColumn<QStringList>("oczekiwane"); // "%" the source directory, "#" the target
    QTest::newRow("file under the cursor, real name kept")
        << "ReadMe.TXT" << QStringList() << 0 << QStringList{"clearlists", "addfiletomove:%/ReadMe.TXT", "runmove:#"};
    QTest::newRow("marked, from the key bar: directories first")
        << "b.txt" << QStringList{"a.txt", "Kat"} << 1
        << QStringList{"clearlists", "adddirtomove:%/Kat", "addfiletomove:%/a.txt", "runmove:#"};
    QTest::newRow("directory under the cursor, from the menu")
        << "Kat" << QStringList() << 2 << QStringList{"clearlists", "adddirtomove:%/Kat", "runmove:#"};
    QTest::newRow("\"..\" alone hands nothing over") << ".." << QStringList() << 0 << QStringList();
}

void TestPrzenoszenie::moveHandsOver()
{
    QFETCH(QString, kursor);
    QFETCH(QStringList, zaznaczone);
    QFETCH(int, how);
    QFETCH(QStringList, oczekiwane);
    QTemporaryDir źródło, cel;
    UtwórzDrzewo(źródło.path(), {QStringLiteral("Kat/"), QStringLiteral("ReadMe.TXT"), QStringLiteral("a.txt"),
                                 QStringLiteral("b.txt")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(źródło.path(), cel.path());
    okno.Widok(1).PokażPozycję(Pozycja(okno.Widok(1).Stan, kursor));
    for (const QString &nazwa : zaznaczone)
        okno.Widok(1).UstawZnak(Pozycja(okno.Widok(1).Stan, nazwa), 1);

    qint32 menu = 2, pozycja = 3;
    if (how == 0)
        QTest::keyClick(&okno, Qt::Key_F6);
    else if (how == 1)
        okno.Short_Click(5);
    else
        ObsługaMenu(okno, menu, pozycja);

    QStringList wywołania;
    for (const ScriptedComponent::Call &call : m_utworzony->calls) {
        QString linia = call.operation;
        for (const QVariant &arg : call.args)
            if (arg.typeId() == QMetaType::QString)
                linia += u':' + arg.toString().replace(źródło.path(), QStringLiteral("%")).replace(cel.path(), QStringLiteral("#"));
        wywołania << linia;
    }
    QCOMPARE(wywołania, oczekiwane);
    QCOMPARE(m_klasy, oczekiwane.isEmpty() ? QStringList() : QStringList{QStringLiteral("occopy.clsOCMove")});
    if (!oczekiwane.isEmpty()) {
        const QVariantList args = m_utworzony->callsOf(QStringLiteral("runmove")).first().args;
        QCOMPARE(args.value(0).toFloat(), float(oc::ui::leftTwips(&okno) + 3100));
        QCOMPARE(args.value(1).toFloat(), float(oc::ui::topTwips(&okno) + 2000));
    }
}

void TestPrzenoszenie::moveOntoItselfIsRefused_data()
{
    QTest::addColumn<QString>("right"); // the target panel, below the source directory
    QTest::addColumn<QString>("kursor");
    QTest::newRow("a file onto itself, both panels on one directory") << "" << "a.txt";
    QTest::newRow("a directory onto itself, both panels on one directory") << "" << "Kat";
    QTest::newRow("a directory into itself") << "Kat" << "Kat";
    QTest::newRow("a directory below itself") << "Kat/dol" << "Kat";
}

// Nothing is handed over, nothing is touched, one message says why.
void TestPrzenoszenie::moveOntoItselfIsRefused()
{
    QFETCH(QString, right);
    QFETCH(QString, kursor);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("Kat/dol/"), QStringLiteral("a.txt")});
    const QStringList było = Nazwy(tmp.path());
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), right.isEmpty() ? tmp.path() : tmp.filePath(right));
    okno.Widok(1).PokażPozycję(Pozycja(okno.Widok(1).Stan, kursor));
    QTest::keyClick(&okno, Qt::Key_F6);
    QCOMPARE(m_klasy, QStringList());
    const QList<ScriptedComponent::Call> komunikaty = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    QCOMPARE(komunikaty.size(), 1);
    QVERIFY(komunikaty.first().args.value(6).toString().startsWith(QStringLiteral("Nie można przenieść")));
    QCOMPARE(Nazwy(tmp.path()), było);
}

void TestPrzenoszenie::moveLandsTheCursor_data()
{
    QTest::addColumn<QStringList>("zaznaczone"); // none: the cursor entry
    QTest::addColumn<QString>("kursor");
    QTest::addColumn<int>("wynik"); // what RunMove answers
    QTest::addColumn<QString>("potem"); // the cursor's entry afterwards
    QTest::newRow("the cursor entry: the next one takes the cursor") << QStringList() << "f2" << 1 << "f3";
    QTest::newRow("the last entry: the one before it") << QStringList() << "f4" << 1 << "f3";
    QTest::newRow("marked: the nearest one left") << QStringList{"f1", "f2"} << "f1" << 1 << "f3";
    QTest::newRow("cancelled: marks and cursor stay") << QStringList{"f1", "f2"} << "f1" << 0 << "f1";
}

// The stand-in moves for real what it is given, as the component would.
void TestPrzenoszenie::moveLandsTheCursor()
{
    QFETCH(QStringList, zaznaczone);
    QFETCH(QString, kursor);
    QFETCH(int, wynik);
    QFETCH(QString, potem);
    QTemporaryDir źródło, cel;
    UtwórzDrzewo(źródło.path(), {QStringLiteral("f1"), QStringLiteral("f2"), QStringLiteral("f3"), QStringLiteral("f4")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(źródło.path(), cel.path());
    WidokPanelu &w = okno.Widok(1);
    w.PokażPozycję(Pozycja(w.Stan, kursor));
    for (const QString &nazwa : zaznaczone)
        w.UstawZnak(Pozycja(w.Stan, nazwa), 1);
    m_utworzony->answers[QStringLiteral("runmove")] = {QVariant(wynik)};
    m_utworzony->during = [&](const ScriptedComponent::Call &call) {
        if (call.operation == QStringLiteral("addfiletomove") && wynik == 1)
            QVERIFY(QDir().rename(call.args.value(0).toString(), cel.filePath(QFileInfo(call.args.value(0).toString()).fileName())));
    };

    QTest::keyClick(&okno, Qt::Key_F6);

    QCOMPARE(w.Stan.Rzeczywiste[size_t(w.PozycjaKursora())], potem);
    QCOMPARE(w.Stan.IleZaznaczonych, wynik == 1 ? 0 : qint32(zaznaczone.size()));
    QCOMPARE(Pozycja(okno.Widok(2).Stan, kursor) > 0, wynik == 1);
    QCOMPARE(okno.AktywnyPanel(), 1);
}

void TestPrzenoszenie::rename_data()
{
    QTest::addColumn<QByteArray>("stara"); // the file under the cursor, in the file system's bytes
    QTest::addColumn<QVariant>("wpisana"); // what the window gives back; an invalid one: cancelled
    QTest::addColumn<QString>("komunikat"); // the start of the message, "" for none
    QTest::addColumn<QByteArray>("potem"); // the name under the cursor afterwards

    const QByteArray długa(255, 'n');
    QTest::newRow("a name with \"/\"") << QByteArray("plik") << QVariant("a/b") << "Nazwa nie może zawierać" << QByteArray("plik");
    QTest::newRow("an empty name") << QByteArray("plik") << QVariant("") << "Nazwa nie może być pusta" << QByteArray("plik");
    QTest::newRow("blanks alone") << QByteArray("plik") << QVariant("   ") << "Nazwa nie może być pusta" << QByteArray("plik");
    QTest::newRow("\".\"") << QByteArray("plik") << QVariant(".") << "Nazwy \".\" i \"..\"" << QByteArray("plik");
    QTest::newRow("\"..\"") << QByteArray("plik") << QVariant("..") << "Nazwy \".\" i \"..\"" << QByteArray("plik");
    QTest::newRow("a name that exists") << QByteArray("plik") << QVariant("inny") << "Pozycja o nazwie inny już istnieje"
                                        << QByteArray("plik");
    QTest::newRow("a name of 256 bytes") << QByteArray("plik") << QVariant(QString(256, u'n')) << "Nie można zmienić nazwy"
                                         << QByteArray("plik");
    QTest::newRow("cancelled") << QByteArray("plik") << QVariant() << "" << QByteArray("plik");
    QTest::newRow("renamed: the cursor on the new name") << QByteArray("plik") << QVariant("zzz") << "" << QByteArray("zzz");
    QTest::newRow("letter case alone") << QByteArray("plik") << QVariant("PLIK") << "" << QByteArray("PLIK");
    QTest::newRow("leading dash, newline, 255 bytes")
        << QByteArray("plik") << QVariant(QString::fromUtf8("-nowa\nlinia" + długa.left(244))) << ""
        << "-nowa\nlinia" + długa.left(244);
    QTest::newRow("from a name not UTF-8, and back to one")
        << QByteArray("stara\xff") << QVariant(decodeName("nowa\xfe")) << "" << QByteArray("nowa\xfe");
}

void TestPrzenoszenie::rename()
{
    QFETCH(QByteArray, stara);
    QFETCH(QVariant, wpisana);
    QFETCH(QString, komunikat);
    QFETCH(QByteArray, potem);
    QTemporaryDir tmp;
    UtwórzPlik(tmp.path() + u'/' + decodeName(stara));
    UtwórzPlik(tmp.filePath(QStringLiteral("inny")));
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    WidokPanelu &w = okno.Widok(1);
    w.PokażPozycję(Pozycja(w.Stan, decodeName(stara)));
    test.dialogi->answers[QStringLiteral("zmiennazwe")] = {QVariant(wpisana.isValid() ? 1 : 0)};
    test.dialogi->writtenBack[QStringLiteral("zmiennazwe")] = {wpisana.isValid() ? wpisana : QVariant(QString())};

    QTest::keyClick(&okno, Qt::Key_F6, Qt::ShiftModifier);

    const QList<ScriptedComponent::Call> okna = test.dialogi->callsOf(QStringLiteral("zmiennazwe"));
    QCOMPARE(okna.size(), 1);
    QCOMPARE(okna.first().args.value(0).toFloat(), float(oc::ui::leftTwips(&okno) + 1680));
    QCOMPARE(okna.first().args.value(2).toString(), decodeName(stara));
    const QList<ScriptedComponent::Call> komunikaty = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    QCOMPARE(komunikaty.size(), komunikat.isEmpty() ? 0 : 1);
    if (!komunikat.isEmpty())
        QVERIFY2(komunikaty.first().args.value(6).toString().startsWith(komunikat),
                 qPrintable(komunikaty.first().args.value(6).toString()));
    QStringList nazwy{decodeName(potem), QStringLiteral("inny")};
    nazwy.sort();
    QCOMPARE(Nazwy(tmp.path()), nazwy);
    QCOMPARE(w.Stan.Rzeczywiste[size_t(w.PozycjaKursora())], decodeName(potem));
}

QTEST_MAIN(TestPrzenoszenie)
#include "tst_przenoszenie.moc"
