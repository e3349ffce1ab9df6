#include <EtykietaDysku.h>
#include <InfoSystemu.h>
#include <Ocmd.h>
#include <OknoWierszy.h>
#include <component/Wersja.h>

#include <platform/Volumes.h>
#include <ui/Twips.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <functional>

using oc::Wiersz;

namespace {

// The values of the rows named, joined by " | ".
QString wartości(const QList<Wiersz> &wiersze, const QStringList &opisy)
{
    QStringList znalezione;
    for (const QString &opis : opisy) {
        QString wartość = QStringLiteral("<brak wiersza>");
        for (const Wiersz &wiersz : wiersze)
            if (wiersz.Opis == opis)
                wartość = wiersz.Wartość;
        znalezione << wartość;
    }
    return znalezione.join(QStringLiteral(" | "));
}

// What an information window showed: its rows as they stood in the labels.
struct Widziane
{
    QString nazwa;
    QList<Wiersz> wiersze;
    QString uwaga;
    QPoint położenie;
    bool samTekst = true; // no label reads its text as markup
};

// Runs the operation, reads its window, then closes it with the key (a click
// on OK when key is 0); the window must close.
Widziane pokaż(const std::function<void(oc::Ocmd &)> &operacja, int klawisz)
{
    Widziane widziane;
    QTimer::singleShot(0, [&] {
        auto *okno = qobject_cast<oc::OknoWierszy *>(QApplication::activeModalWidget());
        QVERIFY(okno);
        widziane.nazwa = okno->objectName();
        QCOMPARE(okno->windowTitle(), okno->Label1->text().trimmed());
        for (size_t i = 0; i < okno->lblOpis.size(); ++i) {
            QLabel *wartość = okno->lblWartość[i];
            // A value cut to fit keeps its whole text in the tip.
            widziane.wiersze << Wiersz{okno->lblOpis[i]->text(),
                                       wartość->toolTip().isEmpty() ? wartość->text() : wartość->toolTip()};
            widziane.samTekst = widziane.samTekst && wartość->textFormat() == Qt::PlainText;
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

const QByteArray Cpuinfo4 = "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R) Core(TM)   i5-8250U\n"
                            "cpu MHz\t\t: 1800.000\n\nprocessor\t: 1\nmodel name\t: Intel(R) Core(TM)   i5-8250U\n\n"
                            "processor\t: 2\n\nprocessor\t: 3\n";
const QByteArray CpuinfoArm = "processor\t: 0\nBogoMIPS\t: 48.00\nCPU implementer\t: 0x41\n\nprocessor\t: 1\n\n"
                              "Hardware\t: BCM2835\n";
const QStringList FiguryProcesora{QStringLiteral("Procesor:"), QStringLiteral("Procesory logiczne:"),
                                  QStringLiteral("Pamięć:"), QStringLiteral("Wolna pamięć:")};

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
    void aboutBox();
};

void TstOknaInformacji::systemFigures_data()
{
    QTest::addColumn<QByteArray>("cpuinfo");
    QTest::addColumn<QByteArray>("meminfo");
    QTest::addColumn<QString>("shown"); // processor | count | memory | free memory

    // Figures past 32 bits must not wrap.
    QTest::newRow("4 TiB of memory") << Cpuinfo4 << QByteArray("MemTotal: 4294967296 kB\nMemAvailable: 3221225472 kB\n")
                                     << "Intel(R) Core(TM) i5-8250U | 4 | 4,0 TB | 3,0 TB";
    QTest::newRow("no /proc to read") << QByteArray() << QByteArray() << "x86_64 | nieznana liczba | nieznana | nieznana";
    QTest::newRow("figures that are no numbers")
        << Cpuinfo4 << QByteArray("MemTotal: lots kB\nMemFree: 99999999999999999999 kB\nMemTotalX: 1 kB\n")
        << "Intel(R) Core(TM) i5-8250U | 4 | nieznana | nieznana";
    QTest::newRow("ARM board on an old kernel: hardware name, free memory")
        << CpuinfoArm << QByteArray("MemTotal: 1048576 kB\nMemFree: 524288 kB\n") << "BCM2835 | 2 | 1,0 GB | 512,0 MB";
}

void TstOknaInformacji::systemFigures()
{
    QFETCH(QByteArray, cpuinfo);
    QFETCH(QByteArray, meminfo);
    QFETCH(QString, shown);

    oc::DaneSystemu dane;
    dane.Architektura = QStringLiteral("x86_64");
    dane.Jądro = QStringLiteral("Linux 6.1.0");
    dane.Cpuinfo = cpuinfo;
    dane.Meminfo = meminfo;
    const QList<Wiersz> wiersze = oc::WierszeSystemu(dane);
    QCOMPARE(wartości(wiersze, FiguryProcesora), shown);
    QCOMPARE(wartości(wiersze, {QStringLiteral("Jądro systemu:"), QStringLiteral("System operacyjny:")}),
             QStringLiteral("Linux 6.1.0 (x86_64) | nieznany"));
}

void TstOknaInformacji::systemWindowShowsThisMachine()
{
    const Widziane widziane = pokaż([](oc::Ocmd &ocmd) { ocmd.call(u"ocsysteminfo"); }, Qt::Key_Escape);
    QCOMPARE(widziane.nazwa, QStringLiteral("frmSystemInfo"));
    QCOMPARE(wartości(widziane.wiersze, {QStringLiteral("Komputer:"), QStringLiteral("Biblioteka Qt:")}),
             QSysInfo::machineHostName() + QStringLiteral(" | ") + QString::fromLatin1(qVersion()));
    // This machine has a /proc: its own figures, none unknown.
    QVERIFY2(!wartości(widziane.wiersze, FiguryProcesora).contains(QStringLiteral("nieznan")),
             qPrintable(wartości(widziane.wiersze, FiguryProcesora)));
    QVERIFY(widziane.samTekst);
}

void TstOknaInformacji::labelRows_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("id");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("shown"); // label | serial | size

    QTest::newRow("5 TiB counted to the byte") << "Dane" << "1A2B-3C4D" << (qint64(5) << 40)
                                               << "Dane | 1A2B-3C4D | 5,0 TB (5 497 558 138 880 B)";
    QTest::newRow("no label, no serial, under 1 KB")
        << "" << "" << qint64(1000) << "<brak> | Dysk nie posiada numeru seryjnego | 1 000 B";
}

void TstOknaInformacji::labelRows()
{
    QFETCH(QString, label);
    QFETCH(QString, id);
    QFETCH(qint64, total);
    QFETCH(QString, shown);

    oc::platform::Volume wolumin;
    wolumin.mountPoint = QStringLiteral("/mnt/dane");
    wolumin.label = label;
    wolumin.id = id;
    wolumin.totalBytes = total;
    const QList<Wiersz> wiersze = oc::WierszeEtykiety(wolumin);
    QCOMPARE(wartości(wiersze, {QStringLiteral("Etykieta dysku:"), QStringLiteral("Numer seryjny:"),
                                QStringLiteral("Pojemność:")}),
             shown);
}

void TstOknaInformacji::labelWindow_data()
{
    QTest::addColumn<QString>("drive");
    QTest::addColumn<int>("key");

    QTest::newRow("a directory finds its volume") << QDir::homePath() << int(Qt::Key_Escape);
    QTest::newRow("nothing given: the root, OK clicked") << "" << 0;
}

void TstOknaInformacji::labelWindow()
{
    QFETCH(QString, drive);
    QFETCH(int, key);

    QVariantList argumenty{4000.0f, 2000.0f, drive};
    const Widziane widziane = pokaż([&](oc::Ocmd &ocmd) { ocmd.invoke(u"EtykietaDyskuShow", argumenty); }, key);
    QCOMPARE(widziane.nazwa, QStringLiteral("frmEtykieta"));
    QCOMPARE(wartości(widziane.wiersze, {QStringLiteral("Dysk:")}),
             oc::platform::volumeOf(drive.isEmpty() ? QStringLiteral("/") : drive));
    // The window must say that it sets no label, not leave the user guessing.
    QVERIFY(widziane.uwaga.contains(QStringLiteral("nie zmienia etykiety")));
    QVERIFY(widziane.samTekst);
    QCOMPARE(widziane.położenie, QPoint(oc::ui::toPixels(4000), oc::ui::toPixels(2000)));
}

void TstOknaInformacji::aboutBox()
{
    QCOMPARE(oc::WersjaProgramu(1, 0, 0), QStringLiteral("1.0"));
    QCOMPARE(oc::WersjaProgramu(2, 5, 3), QStringLiteral("2.5.3"));
    const Widziane widziane = pokaż([](oc::Ocmd &ocmd) { ocmd.call(u"SHOWABOUT", 2500.0f, 980.0f); }, Qt::Key_F10);
    QCOMPARE(widziane.nazwa, QStringLiteral("frmOProgramie"));
    QCOMPARE(wartości(widziane.wiersze, {QStringLiteral("Program:"), QStringLiteral("Wersja:")}),
             QStringLiteral("Orvane Commander | ")
                 + oc::WersjaProgramu(OC_TEST_VERSION_MAJOR, OC_TEST_VERSION_MINOR, OC_TEST_VERSION_PATCH));
    QCOMPARE(widziane.położenie, QPoint(oc::ui::toPixels(2500), oc::ui::toPixels(980)));
}

QTEST_MAIN(TstOknaInformacji)
#include "tst_oknainformacji.moc"
