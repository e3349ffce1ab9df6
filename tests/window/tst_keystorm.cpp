#include "Migawka.h"
#include "OknoTestowe.h"
#include "RecordingStarter.h"

#include <actions/Sloty.h>
#include <actions/Wywolanie.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// Random keys on the main window with every answer "no": nothing may crash,
// hang, or change a file anywhere.
class TestKeyStorm : public QObject
{
    Q_OBJECT

private slots:
    void storm_data();
    void storm();
};

namespace {

// A component that gives the same answer to every call, and counts them.
class Odmowa : public oc::Component
{
public:
    Odmowa(QVariant odpowiedź, int &licznik) : m_odpowiedź(std::move(odpowiedź)), m_licznik(licznik) {}

    QVariant invoke(QStringView, QVariantList &) override
    {
        ++m_licznik;
        return m_odpowiedź;
    }

private:
    QVariant m_odpowiedź;
    int &m_licznik;
};

struct Klawisz
{
    Qt::Key key;
    Qt::KeyboardModifiers mod = Qt::NoModifier;
    QString text = QString(); // none for a key that types nothing
};

enum Rodzina { Ruch, Znaczenie, Maski, Szukanie, Linia, Panele, FKlawisze, Liczba };

Klawisz losuj(Rodzina rodzina, QRandomGenerator &los)
{
    const auto jeden = [&](std::initializer_list<Klawisz> klawisze) { return klawisze.begin()[los.bounded(int(klawisze.size()))]; };
    const auto litera = [&](Qt::KeyboardModifiers mod) {
        const int i = los.bounded(26);
        const bool duża = los.bounded(2);
        return Klawisz{Qt::Key(Qt::Key_A + i), mod, QString(QChar((duża ? 'A' : 'a') + i))};
    };
    switch (rodzina) {
    case Ruch:
        return jeden({{Qt::Key_Up}, {Qt::Key_Down}, {Qt::Key_Left}, {Qt::Key_Right}, {Qt::Key_Home}, {Qt::Key_End}});
    case Znaczenie:
        return jeden({{Qt::Key_Insert}, {Qt::Key_Asterisk, Qt::KeypadModifier, QStringLiteral("*")}});
    case Maski:
        return jeden({{Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+")},
                      {Qt::Key_Minus, Qt::KeypadModifier, QStringLiteral("-")}});
    case Szukanie:
        return los.bounded(3) == 0 ? litera(Qt::AltModifier)
                                   : jeden({litera(Qt::NoModifier), {Qt::Key_Backspace}, {Qt::Key_Escape},
                                            {Qt::Key_Down}, {Qt::Key_Up}});
    case Linia:
        return jeden({litera(Qt::NoModifier), {Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")}, {Qt::Key_Backspace},
                      {Qt::Key_Escape}});
    case Panele:
        return jeden({{Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")},
                      {Qt::Key_U, Qt::ControlModifier, QString(QChar(21))},
                      {Qt::Key_R, Qt::ControlModifier, QString(QChar(18))},
                      {Qt::Key_L, Qt::ControlModifier, QString(QChar(12))},
                      {Qt::Key_Q, Qt::ControlModifier, QString(QChar(17))}});
    default: {
        const auto mod = std::array{Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::AltModifier}[los.bounded(4)];
        return {Qt::Key(Qt::Key_F1 + los.bounded(10)), mod};
    }
    }
}

quint32 ziarno()
{
    bool ok = false;
    const quint32 zadane = qEnvironmentVariable("OC_SEED").toUInt(&ok);
    return ok ? zadane : QRandomGenerator::global()->generate();
}

// The tree the panels show, with what may tempt a stray key: marked files,
// a read-only file, hidden names, a "*" in a name, and links out of the tree.
void zbudujDrzewo(const QString &root)
{
    QStringList nazwy;
    for (int i = 0; i < 70; ++i)
        nazwy << QStringLiteral("plik%1.%2").arg(i).arg(i % 3 ? QStringLiteral("txt") : QStringLiteral("dat"));
    for (int i = 0; i < 8; ++i)
        nazwy << QStringLiteral("Katalog%1/").arg(i) << QStringLiteral("Katalog%1/wewnątrz%1.txt").arg(i);
    nazwy << QStringLiteral(".ukryty") << QStringLiteral("*gwiazdka") << QStringLiteral("Żółw.TXT")
          << QStringLiteral("prawy/") << QStringLiteral("prawy/a.txt") << QStringLiteral("prawy/głębiej/b.txt");
    UtwórzDrzewo(root + QStringLiteral("/drzewo"), nazwy, 100);
    UtwórzDrzewo(root + QStringLiteral("/poza"), {QStringLiteral("cenny.txt"), QStringLiteral("katalog/w.txt")}, 10);
    QFile::setPermissions(root + QStringLiteral("/drzewo/plik1.txt"), QFileDevice::ReadOwner);
    QFile::link(root + QStringLiteral("/poza"), root + QStringLiteral("/drzewo/dowiązanie-na-zewnątrz"));
    QFile::link(root + QStringLiteral("/poza/cenny.txt"), root + QStringLiteral("/drzewo/cenny-link.txt"));
}

} // namespace

void TestKeyStorm::storm_data()
{
    QTest::addColumn<int>("klawisze");
    QTest::addColumn<QList<int>>("wagi"); // per Rodzina
    QTest::newRow("every kind of key") << 30000 << QList<int>{30, 10, 4, 12, 8, 8, 10};
    QTest::newRow("F-keys over marked files") << 10000 << QList<int>{10, 20, 10, 0, 0, 5, 20};
    QTest::newRow("quick search and the command line") << 10000 << QList<int>{5, 2, 0, 40, 20, 3, 2};
}

void TestKeyStorm::storm()
{
    QFETCH(int, klawisze);
    QFETCH(QList<int>, wagi);
    const quint32 seed = ziarno();
    qInfo("seed %u (OC_SEED=%u replays it)", seed, seed);
    QRandomGenerator los(seed);

    QTemporaryDir miejsce;
    QVERIFY(miejsce.isValid());
    zbudujDrzewo(miejsce.path());
    // Whatever the program would keep for the user lands inside the snapshot.
    QVERIFY(QDir(miejsce.path()).mkdir(QStringLiteral("konfiguracja")));
    qputenv("XDG_CONFIG_HOME", miejsce.filePath(QStringLiteral("konfiguracja")).toLocal8Bit());
    int wywołania = 0, utworzone = 0;
    oc::test::RecordingStarter starter;
    OknoTestowe test;
    const Migawka przed = Sfotografuj(miejsce.path());
    const Migawka programPrzed = Sfotografuj(test.ProgramDir());

    frmMain &okno = test.Otwórz(miejsce.path() + QStringLiteral("/drzewo"), miejsce.path() + QStringLiteral("/drzewo/prawy"));
    // "No" for the exit question and every yes/no, Esc in the menu, nothing typed in a dialog.
    okno.Komponenty().Komunikaty = std::make_shared<Odmowa>(1, wywołania);
    okno.Komponenty().Dialogi = std::make_shared<Odmowa>(QString(), wywołania);
    okno.Komponenty().Menu = std::make_shared<Odmowa>(65535, wywołania);
    okno.Komponenty().Historia = std::make_shared<Odmowa>(QString(), wywołania);
    ustawTwórcęKomponentów([&](const QString &) -> oc::ComponentPtr {
        ++utworzone;
        return oc::ComponentPtr(new Odmowa(0, wywołania));
    });
    okno.activateWindow();

    // A window that opens modally stops the storm: note it and close it. The
    // viewer on F3 is the program's own and is meant to open.
    QStringList modalne;
    int podglądy = 0;
    QTimer straż;
    connect(&straż, &QTimer::timeout, &straż, [&] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            if (w->windowTitle().endsWith(QStringLiteral(" - Podgląd")))
                ++podglądy;
            else
                modalne << w->windowTitle();
            w->close();
        }
    });
    straż.start(100);

    int wyszukiwania = 0;
    QElapsedTimer zegar;
    zegar.start();
    int suma = 0;
    for (int w : wagi)
        suma += w;
    for (int i = 0; i < klawisze; ++i) {
        int r = los.bounded(suma);
        int rodzina = 0;
        while (r >= wagi[rodzina])
            r -= wagi[rodzina++];
        const Klawisz k = losuj(Rodzina(rodzina), los);
        QWidget *cel = okno.picWyszukaj->isVisible() ? static_cast<QWidget *>(okno.picWyszukaj) : &okno;
        QTest::sendKeyEvent(QTest::Press, cel, k.key, k.text, k.mod);
        QTest::sendKeyEvent(QTest::Release, cel, k.key, k.text, k.mod);
        wyszukiwania += cel == &okno && okno.picWyszukaj->isVisible();
        if (i % 25 == 0)
            QCoreApplication::processEvents();
    }
    QTest::qWait(50);
    ustawTwórcęKomponentów({});
    okno.Komponenty().Historia.reset();
    qInfo("%d keys in %lld ms: %d component calls, %d per-command components, %d quick searches, %d views, "
          "%lld things started",
          klawisze, zegar.elapsed(), wywołania, utworzone, wyszukiwania, podglądy, qlonglong(starter.calls.size()));

    QVERIFY2(modalne.isEmpty(), qPrintable(modalne.join(u',')));
    QVERIFY2(okno.isVisible(), "the window closed although every exit question was answered no");
    // The keys reached the handlers: the storm is not blowing past the window.
    QVERIFY(wywołania > 0);
    QCOMPARE(wyszukiwania > 0, wagi[Szukanie] > 0);
    QCOMPARE(utworzone > 0, wagi[FKlawisze] > 0);
    for (const auto &call : starter.calls)
        QVERIFY2(call.kind == oc::test::RecordingStarter::Kind::Open, qPrintable(call.program));
    const QStringList zmiany = Różnice(przed, Sfotografuj(miejsce.path())) + Różnice(programPrzed, Sfotografuj(test.ProgramDir()));
    QVERIFY2(zmiany.isEmpty(), qPrintable(zmiany.join(u'\n')));
}

QTEST_MAIN(TestKeyStorm)
#include "tst_keystorm.moc"
