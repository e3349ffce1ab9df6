#include <EtykietaDysku.h>
#include <InfoSystemu.h>
#include <Ocmd.h>
#include <OknoWierszy.h>
#include <WersjaProgramu.h>

#include <platform/Volumes.h>
#include <ui/Twips.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <functional>

using oc::OknoWierszy;
using oc::Wiersz;

namespace {

QString wartość(const QList<Wiersz> &wiersze, const QString &opis)
{
    for (const Wiersz &wiersz : wiersze)
        if (wiersz.Opis == opis)
            return QString(wiersz.Wartość).replace(QChar(0xA0), u' ');
    return QStringLiteral("<nie ma wiersza %1>").arg(opis);
}

// What an information window showed when it opened, by description.
struct Widziane
{
    QString nazwa; // the window's object name
    QString tytuł;
    QHash<QString, QString> wiersze;
    QString uwaga;
    QPoint położenie;
    bool samTekst = true; // every value label shows its text as it is
};

// Runs the operation, reads its window, then closes it with the key (or
// with a click on OK when key is 0); the window must close.
Widziane pokaż(const std::function<void(oc::Ocmd &)> &operacja, int klawisz = Qt::Key_Return)
{
    Widziane widziane;
    QTimer::singleShot(0, [&] {
        auto *okno = qobject_cast<OknoWierszy *>(QApplication::activeModalWidget());
        QVERIFY(okno);
        widziane.nazwa = okno->objectName();
        widziane.tytuł = okno->Label1->text().trimmed();
        QCOMPARE(okno->windowTitle(), widziane.tytuł);
        for (size_t i = 0; i < okno->lblOpis.size(); ++i) {
            QLabel *etykieta = okno->lblWartość[i];
            const QString pełna = etykieta->toolTip().isEmpty() ? etykieta->text() : etykieta->toolTip();
            widziane.wiersze.insert(okno->lblOpis[i]->text(), pełna);
            widziane.samTekst = widziane.samTekst && etykieta->textFormat() == Qt::PlainText;
        }
        widziane.uwaga = okno->lblUwaga ? okno->lblUwaga->text() : QString();
        widziane.położenie = okno->pos();
        if (klawisz)
            QTest::keyClick(okno, Qt::Key(klawisz));
        else
            QTest::mouseClick(okno->cmdOK, Qt::LeftButton);
        if (okno->isVisible()) {
            okno->reject();
            QFAIL("the window stayed open");
        }
    });
    oc::Ocmd ocmd;
    operacja(ocmd);
    return widziane;
}

const QByteArray Cpuinfo4 = "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R) Core(TM)   i5-8250U CPU "
                            "@ 1.60GHz\ncpu MHz\t\t: 1800.000\n\nprocessor\t: 1\nmodel name\t: Intel(R) Core(TM)   "
                            "i5-8250U CPU @ 1.60GHz\n\nprocessor\t: 2\n\nprocessor\t: 3\n";
const QByteArray CpuinfoArm = "processor\t: 0\nBogoMIPS\t: 48.00\nFeatures\t: fp asimd\nCPU implementer\t: 0x41\n\n"
                              "processor\t: 1\nBogoMIPS\t: 48.00\n\nHardware\t: BCM2835\n";
const QByteArray Meminfo = "MemTotal:       16314460 kB\nMemFree:         1203456 kB\nMemAvailable:    8157230 kB\n"
                           "Buffers:          123456 kB\n";

} // namespace

class TstOknaInformacji : public QObject
{
    Q_OBJECT

private slots:
    void systemFigures_data();
    void systemFigures();
    void systemWindowShowsThisMachine();
    void labelRows_data();
    void labelRows();
    void labelWindow_data();
    void labelWindow();
    void version_data();
    void version();
    void aboutBox_data();
    void aboutBox();
};

void TstOknaInformacji::systemFigures_data()
{
    QTest::addColumn<QByteArray>("cpuinfo");
    QTest::addColumn<QByteArray>("meminfo");
    QTest::addColumn<QString>("processor");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("memory");
    QTest::addColumn<QString>("free");

    // Figures past 32 bits must not wrap.
    QTest::newRow("4 TiB of memory") << Cpuinfo4 << QByteArray("MemTotal: 4294967296 kB\nMemAvailable: 3221225472 kB\n")
                                     << "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz" << "4" << "4,0 TB" << "3,0 TB";
    QTest::newRow("no /proc to read") << QByteArray() << QByteArray() << "x86_64" << "nieznana liczba" << "nieznana"
                                      << "nieznana";
    QTest::newRow("a figure that is no number") << Cpuinfo4 << QByteArray("MemTotal: lots kB\nMemFree: 99999999999999999999 kB\n")
                                                << "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz" << "4" << "nieznana"
                                                << "nieznana";
    QTest::newRow("a longer name that starts the same is not the figure")
        << Cpuinfo4 << QByteArray("MemTotalX: 1 kB\nMemTotal: 2048 kB\nMemFreeish: 5 kB\n")
        << "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz" << "4" << "2,0 MB" << "nieznana";
    QTest::newRow("a desktop") << Cpuinfo4 << Meminfo << "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz" << "4"
                               << "15,6 GB" << "7,8 GB";
    QTest::newRow("old kernel: free memory stands in") << Cpuinfo4 << QByteArray("MemTotal: 1048576 kB\nMemFree: 524288 kB\n")
                                                       << "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz" << "4" << "1,0 GB"
                                                       << "512,0 MB";
    QTest::newRow("ARM board names its hardware") << CpuinfoArm << Meminfo << "BCM2835" << "2" << "15,6 GB" << "7,8 GB";
}

void TstOknaInformacji::systemFigures()
{
    QFETCH(QByteArray, cpuinfo);
    QFETCH(QByteArray, meminfo);
    QFETCH(QString, processor);
    QFETCH(QString, count);
    QFETCH(QString, memory);
    QFETCH(QString, free);

    oc::DaneSystemu dane;
    dane.Architektura = QStringLiteral("x86_64");
    dane.Jądro = QStringLiteral("Linux 6.1.0");
    dane.Cpuinfo = cpuinfo;
    dane.Meminfo = meminfo;
    const QList<Wiersz> wiersze = oc::WierszeSystemu(dane);
    QCOMPARE(wartość(wiersze, QStringLiteral("Procesor:")), processor);
    QCOMPARE(wartość(wiersze, QStringLiteral("Procesory logiczne:")), count);
    QCOMPARE(wartość(wiersze, QStringLiteral("Pamięć:")), memory);
    QCOMPARE(wartość(wiersze, QStringLiteral("Wolna pamięć:")), free);
    QCOMPARE(wartość(wiersze, QStringLiteral("Jądro systemu:")), QStringLiteral("Linux 6.1.0 (x86_64)"));
    QCOMPARE(wartość(wiersze, QStringLiteral("System operacyjny:")), QStringLiteral("nieznany"));
}

void TstOknaInformacji::systemWindowShowsThisMachine()
{
    const Widziane widziane = pokaż([](oc::Ocmd &ocmd) { ocmd.call(u"ocsysteminfo"); }, Qt::Key_Escape);
    QCOMPARE(widziane.nazwa, QStringLiteral("frmSystemInfo"));
    QCOMPARE(widziane.tytuł, QStringLiteral("Informacje o systemie"));
    QCOMPARE(widziane.wiersze.value(QStringLiteral("Biblioteka Qt:")), QString::fromLatin1(qVersion()));
    QCOMPARE(widziane.wiersze.value(QStringLiteral("Komputer:")), QSysInfo::machineHostName());
    QVERIFY(widziane.wiersze.value(QStringLiteral("Jądro systemu:")).contains(QSysInfo::kernelVersion()));
    // This machine has a /proc: its figures, not the unknown ones.
    QVERIFY(widziane.wiersze.value(QStringLiteral("Pamięć:")).endsWith(QStringLiteral("B")));
    QVERIFY(widziane.wiersze.value(QStringLiteral("Wolna pamięć:")).endsWith(QStringLiteral("B")));
    QVERIFY(widziane.wiersze.value(QStringLiteral("Procesory logiczne:")).toInt() > 0);
    QVERIFY(widziane.samTekst);
}

void TstOknaInformacji::labelRows_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("id");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("shownLabel");
    QTest::addColumn<QString>("shownId");
    QTest::addColumn<QString>("shownTotal");

    QTest::newRow("5 TiB counted to the byte") << "Dane" << "1A2B-3C4D" << (qint64(5) << 40) << "Dane" << "1A2B-3C4D"
                                               << "5,0 TB (5 497 558 138 880 B)";
    QTest::newRow("no label, no serial") << "" << "" << qint64(4096) << "<brak>"
                                         << "Dysk nie posiada numeru seryjnego" << "4,0 kB (4 096 B)";
    QTest::newRow("an empty volume") << "Zdjęcia" << "0f3c" << qint64(0) << "Zdjęcia" << "0f3c" << "0 B";
}

void TstOknaInformacji::labelRows()
{
    QFETCH(QString, label);
    QFETCH(QString, id);
    QFETCH(qint64, total);
    QFETCH(QString, shownLabel);
    QFETCH(QString, shownId);
    QFETCH(QString, shownTotal);

    oc::platform::Volume wolumin;
    wolumin.mountPoint = QStringLiteral("/mnt/dane");
    wolumin.device = QStringLiteral("/dev/sdb1");
    wolumin.fileSystem = QStringLiteral("ext4");
    wolumin.label = label;
    wolumin.id = id;
    wolumin.totalBytes = total;
    wolumin.freeBytes = total / 2;
    const QList<Wiersz> wiersze = oc::WierszeEtykiety(wolumin);
    QCOMPARE(wartość(wiersze, QStringLiteral("Dysk:")), QStringLiteral("/mnt/dane"));
    QCOMPARE(wartość(wiersze, QStringLiteral("Etykieta dysku:")), shownLabel);
    QCOMPARE(wartość(wiersze, QStringLiteral("Numer seryjny:")), shownId);
    QCOMPARE(wartość(wiersze, QStringLiteral("Pojemność:")), shownTotal);
    QCOMPARE(wartość(wiersze, QStringLiteral("System plików:")), QStringLiteral("ext4"));
}

void TstOknaInformacji::labelWindow_data()
{
    QTest::addColumn<QString>("drive");
    QTest::addColumn<int>("key");

    QTest::newRow("a directory finds its volume") << QDir::homePath() << int(Qt::Key_Escape);
    QTest::newRow("the root") << "/" << int(Qt::Key_Return);
    QTest::newRow("nothing given: the root") << "" << int(Qt::Key_Space);
    QTest::newRow("OK clicked") << "/" << 0;
}

void TstOknaInformacji::labelWindow()
{
    QFETCH(QString, drive);
    QFETCH(int, key);

    const QString wolumin = oc::platform::volumeOf(drive.isEmpty() ? QStringLiteral("/") : drive);
    QVariantList argumenty{4000.0f, 2000.0f, drive};
    const Widziane widziane = pokaż([&](oc::Ocmd &ocmd) { ocmd.invoke(u"EtykietaDyskuShow", argumenty); }, key);
    QCOMPARE(widziane.nazwa, QStringLiteral("frmEtykieta"));
    QCOMPARE(widziane.wiersze.value(QStringLiteral("Dysk:")), wolumin);
    QVERIFY(!widziane.wiersze.value(QStringLiteral("Etykieta dysku:")).isEmpty());
    // The window must say that it sets no label, not leave the user guessing.
    QVERIFY(widziane.uwaga.contains(QStringLiteral("nie zmienia etykiety")));
    QVERIFY(widziane.samTekst);
    QCOMPARE(widziane.położenie, QPoint(oc::ui::toPixels(4000), oc::ui::toPixels(2000)));
    QCOMPARE(argumenty.at(2).toString(), drive);
}

void TstOknaInformacji::version_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("text");

    QTest::newRow("revision 0 left out") << 1 << 0 << 0 << "1.0";
    QTest::newRow("revision shown") << 2 << 5 << 3 << "2.5.3";
    QTest::newRow("minor 0 kept") << 3 << 0 << 12 << "3.0.12";
}

void TstOknaInformacji::version()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, text);

    QCOMPARE(oc::WersjaProgramu(major, minor, revision), text);
}

void TstOknaInformacji::aboutBox_data()
{
    QTest::addColumn<int>("key");

    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("F10") << int(Qt::Key_F10);
    QTest::newRow("OK clicked") << 0;
}

void TstOknaInformacji::aboutBox()
{
    QFETCH(int, key);

    const Widziane widziane = pokaż([](oc::Ocmd &ocmd) { ocmd.call(u"SHOWABOUT", 2500.0f, 980.0f); }, key);
    QCOMPARE(widziane.nazwa, QStringLiteral("frmOProgramie"));
    QCOMPARE(widziane.wiersze.value(QStringLiteral("Program:")), QStringLiteral("Orvane Commander"));
    QCOMPARE(widziane.wiersze.value(QStringLiteral("Wersja:")),
             oc::WersjaProgramu(OC_TEST_VERSION_MAJOR, OC_TEST_VERSION_MINOR, OC_TEST_VERSION_PATCH));
    QCOMPARE(widziane.położenie, QPoint(oc::ui::toPixels(2500), oc::ui::toPixels(980)));
}

QTEST_MAIN(TstOknaInformacji)
#include "tst_oknainformacji.moc"
