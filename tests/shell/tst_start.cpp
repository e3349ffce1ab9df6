#include <component/Component.h>
#include <component/ComponentError.h>
#include <actions/PokazKomunikat.h>
#include <panels/Kolory.h>
#include <actions/Sloty.h>
#include <actions/Wywolanie.h>
#include <platform/Paths.h>
#include <shell/PierwszeUruchomienie.h>
#include <shell/frmSplash.h>
#include <window/frmMain.h>
#include <ui/Twips.h>

#include <RecordingStarter.h>
#include <TempRegistry.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace platform = oc::platform;
using oc::test::RecordingStarter;
using oc::test::TempRegistry;

namespace {

const QString firstRunText = QStringLiteral(
    "To jest pierwsze uruchomienie programu Orvane Commander. Po kliknięciu w przycisk OK, uruchomi "
    "się mały programik do rejestrowania w systemie wymaganych bibliotek DLL. Dopiero po tym zabiegu "
    "będzie można uruchomić program Orvane Commander.");

// A message box component that records its call and answers 2.
class NagrywaneKomunikaty : public oc::Component
{
public:
    QVariant invoke(QStringView operation, QVariantList &args) override
    {
        operations << operation.toString();
        arguments = args;
        return QVariant::fromValue(qint32(2));
    }

    QStringList operations;
    QVariantList arguments;
};

// The main window the splash left behind, if any.
frmMain *GłówneOkno()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *główne = qobject_cast<frmMain *>(window))
            return główne;
    return nullptr;
}

} // namespace

class TestStart : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_messages; // title and text of each message shown
    int m_ends = 0;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        platform::setProgramDirectory(m_dir->path());
        qputenv("XDG_CONFIG_HOME", m_dir->filePath(QStringLiteral("config")).toLocal8Bit());
        m_messages.clear();
        m_ends = 0;
        ustawOknoInformacji(
            [this](const QString &title, const QString &text) { m_messages << title << text; });
        ustawKoniecProgramu([this] { ++m_ends; });
    }

    void cleanup()
    {
        ustawOknoInformacji({});
        ustawKoniecProgramu({});
        platform::setProgramDirectory({});
    }

    void unregisteredClassTakesTheFirstRunPath()
    {
        TempRegistry registry;
        QStringList libraries = oc::test::componentLibraries();
        libraries.removeAll(QStringLiteral("menuoc.so"));
        QCOMPARE(registry.registerLibraries(libraries), 0);
        RecordingStarter starter;

        frmSplash splash;
        splash.show();
        QTRY_COMPARE(m_ends, 1);

        QCOMPARE(m_messages, QStringList({QStringLiteral("Orvane Commander"), firstRunText}));
        QCOMPARE(starter.calls.size(), 1);
        const RecordingStarter::Call &call = starter.calls.first();
        QCOMPARE(call.kind, RecordingStarter::Kind::Start);
        QCOMPARE(call.program, m_dir->filePath(QStringLiteral("regmend")));
        QVERIFY(call.arguments.isEmpty());
        QCOMPARE(call.directory, m_dir->path());

        // Step 6 failed: nothing runs after it and no main window appears.
        QCOMPARE(splash.Timer1->property("Tag").toString(), QStringLiteral("6"));
        QVERIFY(!splash.Timer1->isActive());
        QTest::qWait(20);
        QCOMPARE(m_ends, 1);
        QCOMPARE(GłówneOkno(), nullptr);
        QVERIFY(!splash.isVisible());
        QVERIFY(splash.Komponenty().Komunikaty);
        QVERIFY(!splash.Komponenty().Menu);
    }

    void stepsOneToSixFillTheSlots()
    {
        TempRegistry registry;
        QCOMPARE(registry.registerAll(), 0);
        RecordingStarter starter;

        frmSplash splash;
        splash.Timer1->stop();
        QCOMPARE(splash.lblWersja->text().left(8), QStringLiteral("wersja: "));
        for (int step = 1; step <= 6; ++step)
            splash.Timer1_Timer();

        QCOMPARE(splash.Timer1->property("Tag").toString(), QStringLiteral("6"));
        QVERIFY(splash.Komponenty().Dialogi);
        QVERIFY(splash.Komponenty().Historia);
        QVERIFY(splash.Komponenty().Komunikaty);
        QVERIFY(splash.Komponenty().Menu);
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(m_ends, 0);
        QVERIFY(starter.calls.isEmpty());
    }

    void damagedColourSchemeStartsInTheDefaultColours_data()
    {
        QTest::addColumn<QByteArray>("scheme"); // "-" for no file at all
        QTest::addColumn<QString>("said");
        QTest::newRow("missing") << QByteArray("-") << "Nie można otworzyć pliku schematu kolorów";
        QTest::newRow("empty") << QByteArray() << "jest pusty (wiersz 1)";
        QTest::newRow("value past 32 bits") << QByteArray("; a\nfiletext=99999999999\n") << "w wierszu 2";
    }

    // A scheme that cannot be read is said once in the message box; the
    // program starts anyway, without the registration tool.
    void damagedColourSchemeStartsInTheDefaultColours()
    {
        QFETCH(QByteArray, scheme);
        QFETCH(QString, said);
        TempRegistry registry;
        QCOMPARE(registry.registerAll(), 0);
        RecordingStarter starter;
        const QString plik = m_dir->filePath(QStringLiteral("data/kolory/xk.kol"));
        if (scheme != "-") {
            QVERIFY(QDir().mkpath(QFileInfo(plik).absolutePath()));
            QFile file(plik);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(scheme);
        }

        frmSplash splash;
        splash.Timer1->stop();
        for (int step = 1; step <= 6; ++step)
            splash.Timer1_Timer();
        auto *recorder = new NagrywaneKomunikaty;
        splash.Komponenty().Komunikaty.reset(recorder);
        splash.Timer1_Timer();

        QVERIFY(GłówneOkno() && GłówneOkno()->isVisible());
        QCOMPARE(m_ends, 0);
        QVERIFY(m_messages.isEmpty());
        QVERIFY(starter.calls.isEmpty());
        QCOMPARE(recorder->operations, QStringList{QStringLiteral("notebox2")});
        const QString tekst = recorder->arguments.value(6).toString();
        QVERIFY2(tekst.contains(plik) && tekst.contains(said), qPrintable(tekst));
        QCOMPARE(kolory().filebackground, quint32(0x00800000));
        QCOMPARE(kolory().fileinsert, quint32(0x0000FFFF));
        delete GłówneOkno();
    }

    void stepSevenShowsTheMainWindow()
    {
        TempRegistry registry;
        QCOMPARE(registry.registerAll(), 0);
        RecordingStarter starter;
        QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("data/kolory"))));
        QVERIFY(QFile::copy(oc::test::binDir() + QStringLiteral("/data/kolory/xk.kol"),
                            m_dir->filePath(QStringLiteral("data/kolory/xk.kol"))));

        frmSplash splash;
        splash.show();
        QTRY_VERIFY(GłówneOkno() && GłówneOkno()->isVisible());
        QTRY_VERIFY(!splash.isVisible());

        QVERIFY(!splash.Timer1->isActive());
        QCOMPARE(splash.Timer1->property("Tag").toString(), QStringLiteral("7"));
        QCOMPARE(m_ends, 0);
        QVERIFY(m_messages.isEmpty());
        QVERIFY(starter.calls.isEmpty());

        // The left panel has the keys; both start at the top of the saved
        // directories (none saved: the fall-back one).
        QCOMPARE(GłówneOkno()->AktywnyPanel(), 1);
        for (int p = 1; p <= 2; ++p) {
            const StanPanelu &state = GłówneOkno()->Widok(p).Stan;
            QCOMPARE(state.OstatniWiersz, 53);
            QCOMPARE(state.WierszKursora, 0);
            QCOMPARE(state.Katalog, platform::withSeparator(platform::fallbackDirectory()));
        }

        // Questions are placed over the main window.
        auto *recorder = new NagrywaneKomunikaty;
        GłówneOkno()->Komponenty().Komunikaty.reset(recorder);
        GłówneOkno()->move(40, 30);
        QCOMPARE(PokażKomunikat(*GłówneOkno(), QStringLiteral("t"), QStringLiteral("x"), 0, 0, 0), 2);
        QCOMPARE(recorder->arguments.value(0).toInt(), oc::ui::toTwips(40) + 2200);
        QCOMPARE(recorder->arguments.value(1).toInt(), oc::ui::toTwips(30) + 1700);
        delete GłówneOkno();
    }

    void messageBoxWrapperCallsNotebox2()
    {
        auto *recorder = new NagrywaneKomunikaty;
        SlotyKomponentów sloty;
        sloty.Komunikaty.reset(recorder);
        QCOMPARE(GłówneOkno(), nullptr);

        QCOMPARE(PokażKomunikat({sloty, nullptr}, QStringLiteral("Błąd"), QStringLiteral("Tekst"), 48, 4, 1), 2);

        QCOMPARE(recorder->operations, QStringList{QStringLiteral("notebox2")});
        const QVariantList &args = recorder->arguments;
        QCOMPARE(args.size(), 7);
        QCOMPARE(args[0].metaType(), QMetaType::fromType<qint32>());
        QCOMPARE(args[0].toInt(), 2200);
        QCOMPARE(args[1].toInt(), 1700);
        QCOMPARE(args[2].toString(), QStringLiteral("Błąd"));
        QCOMPARE(args[3].metaType(), QMetaType::fromType<quint8>());
        QCOMPARE(args[3].toInt(), 48);
        QCOMPARE(args[4].toInt(), 4);
        QCOMPARE(args[5].toInt(), 1);
        QCOMPARE(args[6].toString(), QStringLiteral("Tekst"));
    }

    void messageBoxWrapperWithoutTheComponentAnswersNoChoice()
    {
        SlotyKomponentów sloty;
        QCOMPARE(PokażKomunikat({sloty, nullptr}, QStringLiteral("t"), QStringLiteral("x"), 0, 0, 0), -1);
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"
