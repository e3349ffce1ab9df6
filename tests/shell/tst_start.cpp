#include <component/Component.h>
#include <component/ComponentError.h>
#include <panels/StanPanelu.h>
#include <panels/frmMain.h>
#include <platform/Paths.h>
#include <shell/PierwszeUruchomienie.h>
#include <shell/PokazKomunikat.h>
#include <shell/Sloty.h>
#include <shell/frmSplash.h>
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
        Sloty() = SlotyKomponentów{};
        AktywnyPanel = 2;
        for (StanPanelu &state : Panele) {
            state.WierszKursora = 7;
            state.OstatniWiersz = 0;
            state.Katalog.clear();
        }
    }

    void cleanup()
    {
        ustawOknoInformacji({});
        ustawKoniecProgramu({});
        Sloty() = SlotyKomponentów{};
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
        QVERIFY(Sloty().Komunikaty);
        QVERIFY(!Sloty().Menu);
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
        QVERIFY(Sloty().Dialogi);
        QVERIFY(Sloty().Historia);
        QVERIFY(Sloty().Komunikaty);
        QVERIFY(Sloty().Menu);
        QCOMPARE(AktywnyPanel, 1);
        for (const StanPanelu &state : Panele) {
            QCOMPARE(state.OstatniWiersz, 53);
            QCOMPARE(state.WierszKursora, 0);
            QCOMPARE(state.Katalog, platform::withSeparator(platform::fallbackDirectory()));
        }
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(m_ends, 0);
        QVERIFY(starter.calls.isEmpty());
    }

    void failingWindowLoadTakesTheFirstRunPath()
    {
        TempRegistry registry;
        QCOMPARE(registry.registerAll(), 0);
        RecordingStarter starter;

        // No colour scheme in the program's directory.
        frmSplash splash;
        splash.show();
        QTRY_COMPARE(m_ends, 1);

        QCOMPARE(m_messages, QStringList({QStringLiteral("Orvane Commander"), firstRunText}));
        QCOMPARE(starter.calls.size(), 1);
        QCOMPARE(starter.calls.first().program, m_dir->filePath(QStringLiteral("regmend")));
        QCOMPARE(splash.Timer1->property("Tag").toString(), QStringLiteral("7"));
        QVERIFY(!splash.Timer1->isActive());
        QCOMPARE(GłówneOkno(), nullptr);
        for (const QWidget *window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->metaObject()->className()));
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

        // Questions are placed over the main window.
        auto *recorder = new NagrywaneKomunikaty;
        Sloty().Komunikaty.reset(recorder);
        GłówneOkno()->move(40, 30);
        QCOMPARE(PokażKomunikat(QStringLiteral("t"), QStringLiteral("x"), 0, 0, 0), 2);
        QCOMPARE(recorder->arguments.value(0).toInt(), oc::ui::toTwips(40) + 2200);
        QCOMPARE(recorder->arguments.value(1).toInt(), oc::ui::toTwips(30) + 1700);
        delete GłówneOkno();
    }

    void messageBoxWrapperCallsNotebox2()
    {
        auto *recorder = new NagrywaneKomunikaty;
        Sloty().Komunikaty.reset(recorder);
        QCOMPARE(GłówneOkno(), nullptr);

        QCOMPARE(PokażKomunikat(QStringLiteral("Błąd"), QStringLiteral("Tekst"), 48, 4, 1), 2);

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

    void messageBoxWrapperWithoutTheComponentFails()
    {
        QVERIFY_THROWS_EXCEPTION(oc::ComponentError,
                                 PokażKomunikat(QStringLiteral("t"), QStringLiteral("x"), 0, 0, 0));
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"
