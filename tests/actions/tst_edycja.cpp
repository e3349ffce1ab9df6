#include "OknoTestowe.h"

#include <RecordingStarter.h>
#include <platform/Shell.h>

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A script that writes its arguments, each ended by a NUL, to `zapis`
// beside itself; the terminal's then runs what follows its "-e".
void UtwórzSkrypt(const QString &ścieżka, const QString &zapis, bool terminal)
{
    QFile plik(ścieżka);
    QVERIFY(plik.open(QIODevice::WriteOnly));
    plik.write("#!/bin/sh\n"
               "d=$(dirname \"$0\")\n"
               "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$d/" + zapis.toUtf8() + ".tmp\"\n"
               "mv \"$d/" + zapis.toUtf8() + ".tmp\" \"$d/" + zapis.toUtf8() + "\"\n");
    if (terminal)
        plik.write("shift\nexec \"$@\"\n");
    plik.close();
    QVERIFY(plik.setPermissions(plik.permissions() | QFileDevice::ExeOwner));
}

QStringList Odczytaj(const QString &ścieżka)
{
    QFile plik(ścieżka);
    if (!plik.open(QIODevice::ReadOnly))
        return {};
    QStringList argumenty = QString::fromUtf8(plik.readAll()).split(QChar(0));
    argumenty.removeLast();
    return argumenty;
}

void Ustaw(const char *zmienna, const QString &wartość)
{
    if (wartość.isNull())
        qunsetenv(zmienna);
    else
        qputenv(zmienna, wartość.toUtf8());
}

} // namespace

// F4 opens the file under the cursor in $VISUAL or $EDITOR inside $TERMINAL,
// the path as one argument whatever its characters; Shift+F4 first creates
// the file under a typed name and refuses names that are no new file's.
class TestEdycja : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void f4_data();
    void f4();
    void shiftF4_data();
    void shiftF4();

private:
    QTemporaryDir m_skrypty{QDir::tempPath() + QStringLiteral("/skrypty z odstępem-XXXXXX")};
    QByteArray m_zmienne[3];
};

void TestEdycja::init()
{
    int i = 0;
    for (const char *zmienna : {"VISUAL", "EDITOR", "TERMINAL"})
        m_zmienne[i++] = qEnvironmentVariableIsSet(zmienna) ? qgetenv(zmienna) : QByteArray();
    UtwórzSkrypt(m_skrypty.filePath(QStringLiteral("term rec")), QStringLiteral("terminal.rec"), true);
    UtwórzSkrypt(m_skrypty.filePath(QStringLiteral("mój edytor")), QStringLiteral("edytor.rec"), false);
    Ustaw("TERMINAL", m_skrypty.filePath(QStringLiteral("term rec")));
    QFile::remove(m_skrypty.filePath(QStringLiteral("terminal.rec")));
    QFile::remove(m_skrypty.filePath(QStringLiteral("edytor.rec")));
}

void TestEdycja::cleanup()
{
    int i = 0;
    for (const char *zmienna : {"VISUAL", "EDITOR", "TERMINAL"}) {
        const QByteArray &było = m_zmienne[i++];
        Ustaw(zmienna, było.isNull() ? QString() : QString::fromUtf8(było));
    }
}

void TestEdycja::f4_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("visual"); // "E" stands for the editor's path; null: unset
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QStringList>("przed"); // the editor's arguments before the path
    QTest::newRow("a leading dash") << "-n.txt" << "'E'" << QString() << QStringList();
    QTest::newRow("quotes and a blank, $VISUAL with an option")
        << "it's \"q\" 1.txt" << "'E' --wait" << "nieużywany" << QStringList{"--wait"};
    QTest::newRow("$EDITOR when $VISUAL is empty") << "zażółć.txt" << "" << "'E'" << QStringList();
    QTest::newRow("neither: the desktop's application") << "a b.txt" << QString() << QString() << QStringList();
    QTest::newRow("a directory: nothing") << "katalog/" << "'E'" << QString() << QStringList();
}

void TestEdycja::f4()
{
    QFETCH(QString, nazwa);
    QFETCH(QString, visual);
    QFETCH(QString, editor);
    QFETCH(QStringList, przed);
    const QString edytor = m_skrypty.filePath(QStringLiteral("mój edytor"));
    Ustaw("VISUAL", visual.isNull() ? visual : visual.replace(u'E', edytor));
    Ustaw("EDITOR", editor.isNull() ? editor : editor.replace(u'E', edytor));
    const bool żaden = visual.isEmpty() && editor.isEmpty();
    std::optional<oc::test::RecordingStarter> nagrywanie;
    if (żaden || nazwa.endsWith(u'/'))
        nagrywanie.emplace();

    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {nazwa});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Panel_Click(1, 1);
    QTest::keyClick(&okno, Qt::Key_F4);
    const QString plik = tmp.filePath(nazwa);
    if (nagrywanie) {
        QCOMPARE(nagrywanie->calls.size(), żaden ? 1 : 0);
        if (żaden)
            QCOMPARE(nagrywanie->calls.first().program, plik);
        return;
    }
    const QString zapis = m_skrypty.filePath(QStringLiteral("edytor.rec"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(zapis), 10000);
    QCOMPARE(Odczytaj(zapis), przed + QStringList{plik});
    QCOMPARE(Odczytaj(m_skrypty.filePath(QStringLiteral("terminal.rec"))),
             (QStringList{"-e", edytor} + przed + QStringList{plik}));
    QVERIFY(test.komunikaty->calls.isEmpty());
}

void TestEdycja::shiftF4_data()
{
    QTest::addColumn<QString>("wpisana");
    QTest::addColumn<QString>("komunikat"); // part of the message; "" when none
    QTest::newRow("an existing name: refused, left as it was") << "stary" << "już istnieje";
    QTest::newRow("a slash") << "a/b" << "„/”";
    QTest::newRow("..") << ".." << "nie może być nazwą";
    QTest::newRow(".") << "." << "nie może być nazwą";
    QTest::newRow("a leading dash") << "-rf" << "";
    QTest::newRow("blanks and Polish letters") << "nowy plik ąę.txt" << "";
}

void TestEdycja::shiftF4()
{
    QFETCH(QString, wpisana);
    QFETCH(QString, komunikat);
    const QString edytor = m_skrypty.filePath(QStringLiteral("mój edytor"));
    Ustaw("VISUAL", oc::platform::shellQuote(edytor));
    std::optional<oc::test::RecordingStarter> nagrywanie;
    if (!komunikat.isEmpty())
        nagrywanie.emplace();

    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a/"), QStringLiteral("stary"), QStringLiteral("zzz")});
    QFile stary(tmp.filePath(QStringLiteral("stary")));
    QVERIFY(stary.open(QIODevice::WriteOnly));
    stary.write("dane");
    stary.close();
    OknoTestowe test;
    test.dialogi->answers[QStringLiteral("newfilecreate")] = {wpisana};
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QTest::keyClick(&okno, Qt::Key_F4, Qt::ShiftModifier);
    QCOMPARE(test.dialogi->callsOf(QStringLiteral("newfilecreate")).size(), 1);

    if (!komunikat.isEmpty()) {
        QCOMPARE(test.komunikaty->calls.size(), 1);
        QVERIFY(test.komunikaty->calls.first().args.value(6).toString().contains(komunikat));
        QVERIFY(nagrywanie->calls.isEmpty());
        QCOMPARE(QDir(tmp.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 (QStringList{"a", "stary", "zzz"}));
        QVERIFY(stary.open(QIODevice::ReadOnly));
        QCOMPARE(stary.readAll(), QByteArray("dane"));
        return;
    }
    const QString plik = tmp.filePath(wpisana);
    QCOMPARE(QFileInfo(plik).size(), 0);
    const WidokPanelu &panel = okno.Widok(1);
    QCOMPARE(panel.Stan.Rzeczywiste[size_t(panel.PozycjaKursora())], wpisana);
    const QString zapis = m_skrypty.filePath(QStringLiteral("edytor.rec"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(zapis), 10000);
    QCOMPARE(Odczytaj(zapis), QStringList{plik});
}

QTEST_MAIN(TestEdycja)
#include "tst_edycja.moc"
