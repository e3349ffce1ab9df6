#include "OknoTestowe.h"

#include <actions/ObslugaMenu.h>
#include <panels/Skracanie.h>
#include <panels/TekstDaty.h>
#include <panels/UstawieniaPaneli.h>
#include <panels/WidokPelny.h>
#include <platform/Paths.h>
#include <ui/Fonts.h>
#include <ui/Twips.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using oc::platform::EntryInfo;

Q_DECLARE_METATYPE(SzerokościKolumn)
Q_DECLARE_METATYPE(UstawieniaPaneli)

// The panels' order and full view, the cutting of long names and paths, and
// the settings kept across runs.
class TestOrder : public QObject
{
    Q_OBJECT

private slots:
    void sortKeys_data();
    void sortKeys();
    void sortingInThePanel_data();
    void sortingInThePanel();
    void elision_data();
    void elision();
    void fullViewColumns_data();
    void fullViewColumns();
    void fullViewRows();
    void settingsText_data();
    void settingsText();
    void settingsKeptAtExit();
};

void TestOrder::sortKeys_data()
{
    QTest::addColumn<int>("klucz");
    QTest::addColumn<bool>("odwrotnie");
    QTest::addColumn<bool>("katalogi");
    QTest::addColumn<QStringList>("nazwy");
    QTest::addColumn<QList<qint64>>("liczby"); // sizes, and seconds for the dates
    QTest::addColumn<QStringList>("wynik");
    const QList<qint64> zera(10, 0);
    QTest::newRow("Polish letters after their base letters, any case")
        << 0 << false << false
        << QStringList{"żaba", "Łódź", "lampa", "zebra", "ćma", "ala", "Ąb", "azot", "źdźbło", "b"} << zera
        << QStringList{"ala", "azot", "Ąb", "b", "ćma", "lampa", "Łódź", "zebra", "źdźbło", "żaba"};
    QTest::newRow("names equal but for case keep a fixed order")
        << 0 << false << false << QStringList{"a", "b", "A"} << zera << QStringList{"A", "a", "b"};
    QTest::newRow("names reversed") << 0 << true << false << QStringList{"a", "ł", "l", "m"} << zera
                                    << QStringList{"m", "ł", "l", "a"};
    QTest::newRow("extension, then name; a dot file has none")
        << 1 << false << false << QStringList{"b.txt", "a.zip", "c", "a.txt", ".profile"} << zera
        << QStringList{".profile", "c", "a.txt", "b.txt", "a.zip"};
    QTest::newRow("date, newest first") << 2 << false << false << QStringList{"a", "b", "c"}
                                        << QList<qint64>{100, 300, 200} << QStringList{"b", "c", "a"};
    QTest::newRow("size, largest first, ties by name") << 3 << false << false << QStringList{"c", "b", "a"}
                                                       << QList<qint64>{5, 9, 5} << QStringList{"b", "a", "c"};
    QTest::newRow("size reversed") << 3 << true << false << QStringList{"c", "b", "a"}
                                   << QList<qint64>{5, 9, 7} << QStringList{"c", "a", "b"};
    QTest::newRow("directories by name under size") << 3 << false << true << QStringList{"b", "a"}
                                                    << QList<qint64>{1, 9} << QStringList{"a", "b"};
    QTest::newRow("none keeps the directory's order") << 4 << false << false << QStringList{"c", "a", "b"} << zera
                                                      << QStringList{"c", "a", "b"};
    QTest::newRow("none reversed") << 4 << true << false << QStringList{"c", "a", "b"} << zera
                                   << QStringList{"b", "a", "c"};
}

void TestOrder::sortKeys()
{
    QFETCH(int, klucz);
    QFETCH(bool, odwrotnie);
    QFETCH(bool, katalogi);
    QFETCH(QStringList, nazwy);
    QFETCH(QList<qint64>, liczby);
    QFETCH(QStringList, wynik);
    std::vector<EntryInfo> wpisy;
    for (qsizetype i = 0; i < nazwy.size(); ++i) {
        EntryInfo wpis;
        wpis.name = nazwy.at(i);
        wpis.size = liczby.at(i);
        wpis.modified = QDateTime::fromSecsSinceEpoch(liczby.at(i));
        wpisy.push_back(wpis);
    }
    QStringList ułożone;
    for (const qint32 k : KolejnośćWpisów(wpisy, {Sortowanie(klucz), odwrotnie}, katalogi))
        ułożone << wpisy[size_t(k)].name;
    QCOMPARE(ułożone, wynik);
}

void TestOrder::sortingInThePanel_data()
{
    QTest::addColumn<QList<int>>("klawisze"); // Ctrl+F3 to Ctrl+F6 as 3 to 6; a menu item as 100 + item
    QTest::addColumn<QStringList>("wynik");
    QTest::addColumn<QString>("znak");
    QTest::newRow("Ctrl+F6: size") << QList<int>{6} << QStringList{"..", "a", "B", "zeta.a", "alfa.c", "ćma.b"}
                                   << "W▲";
    QTest::newRow("Ctrl+F6 again: reversed, \"..\" still first")
        << QList<int>{6, 6} << QStringList{"..", "B", "a", "ćma.b", "alfa.c", "zeta.a"} << "W▼";
    QTest::newRow("Ctrl+F4: extension") << QList<int>{4} << QStringList{"..", "a", "B", "zeta.a", "ćma.b", "alfa.c"}
                                        << "R▲";
    QTest::newRow("Ctrl+F5: date") << QList<int>{5} << QStringList{"..", "a", "B", "alfa.c", "zeta.a", "ćma.b"}
                                   << "D▲";
    QTest::newRow("back to the name after size")
        << QList<int>{6, 3} << QStringList{"..", "a", "B", "alfa.c", "ćma.b", "zeta.a"} << "N▲";
    QTest::newRow("the left panel's menu: by size") << QList<int>{106}
                                                     << QStringList{"..", "a", "B", "zeta.a", "alfa.c", "ćma.b"} << "W▲";
}

// Marks and the cursor stay with their entries.
void TestOrder::sortingInThePanel()
{
    QFETCH(QList<int>, klawisze);
    QFETCH(QStringList, wynik);
    QFETCH(QString, znak);
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("B/"), QStringLiteral("a/")});
    const struct { const char *nazwa; qint64 rozmiar; int wiek; } pliki[] = {
        {"zeta.a", 3000, 2}, {"alfa.c", 10, 1}, {"ćma.b", 5, 3}};
    for (const auto &p : pliki) {
        QFile plik(tmp.filePath(QString::fromUtf8(p.nazwa)));
        QVERIFY(plik.open(QIODevice::WriteOnly));
        plik.resize(p.rozmiar);
        plik.setFileTime(QDateTime::currentDateTime().addDays(-p.wiek), QFileDevice::FileModificationTime);
    }
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    WidokPanelu &w = okno.Widok(1);
    const auto indeks = [&](const QString &nazwa) {
        return qint32(std::find(w.Stan.Rzeczywiste.begin(), w.Stan.Rzeczywiste.end(), nazwa) - w.Stan.Rzeczywiste.begin());
    };
    w.Panel_MouseDown(indeks(QStringLiteral("zeta.a")) - 1, Qt::RightButton);
    w.PokażPozycję(indeks(QStringLiteral("ćma.b")));
    for (const int k : klawisze) {
        if (k > 100) {
            qint32 menu = 1, item = k - 100;
            ObsługaMenu(okno, menu, item);
        } else {
            QTest::keyClick(&okno, Qt::Key(Qt::Key_F1 + k - 1), Qt::ControlModifier);
        }
    }
    QCOMPARE(QStringList(w.Stan.Rzeczywiste.begin() + 1, w.Stan.Rzeczywiste.end()), wynik);
    QCOMPARE(w.Stan.Rzeczywiste[size_t(w.PozycjaKursora())], QStringLiteral("ćma.b"));
    QCOMPARE(w.Stan.IleZaznaczonych, 1);
    QCOMPARE(w.Stan.Zaznaczenia[size_t(indeks(QStringLiteral("zeta.a")))], 1);
    QCOMPARE(w.ZnakPorządku->text(), znak);
    QCOMPARE(okno.Widok(2).Kolejność(), Porządek());
}

void TestOrder::elision_data()
{
    QTest::addColumn<bool>("ścieżka");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("miejsce"); // a text as wide as the room
    QTest::addColumn<QString>("początek");
    QTest::addColumn<QString>("koniec");
    QTest::newRow("name: the extension stays") << false << "bardzo_długi_plik.txt" << "bardzo_dług…ik.txt"
                                              << "bardzo_d" << "…ik.txt";
    QTest::newRow("name without an extension") << false << "bardzo_długa_nazwa_bez_kropki" << "bardzo_dług"
                                               << "bardzo" << "…";
    QTest::newRow("a dot file has no extension") << false << ".bardzo_długi_ukryty" << ".bardzo_dług" << ".bardzo"
                                                 << "…";
    QTest::newRow("extension wider than the room") << false << "a.bardzodługierozszerzenie" << "a.bardzo" << "a.b"
                                                   << "…";
    QTest::newRow("a name that fits") << false << "krótki.txt" << "krótki.txt" << "krótki.txt" << "krótki.txt";
    QTest::newRow("path: first folder and the last ones")
        << true << "/HOME/UŻYTKOWNIK/PROJEKTY/GŁĘBOKI/KATALOG/OSTATNI" << "/HOME/…/KATALOG/OSTATNI"
        << "/HOME/…/" << "/KATALOG/OSTATNI";
    QTest::newRow("path: the root and the last folder")
        << true << "/BARDZODŁUGIKATALOGPIERWSZY/DRUGI/OSTATNI" << "/…/DRUGI/OSTATNI" << "/…/" << "/OSTATNI";
}

void TestOrder::elision()
{
    QFETCH(bool, ścieżka);
    QFETCH(QString, tekst);
    QFETCH(QString, miejsce);
    QFETCH(QString, początek);
    QFETCH(QString, koniec);
    const QFontMetrics fm(oc::ui::sansFont(9.75));
    const int szerokość = fm.horizontalAdvance(miejsce);
    const QString wynik = ścieżka ? SkróćŚcieżkę(tekst, fm, szerokość) : SkróćNazwę(tekst, fm, szerokość);
    QVERIFY2(fm.horizontalAdvance(wynik) <= szerokość, qPrintable(wynik));
    QVERIFY2(wynik.startsWith(początek) && wynik.endsWith(koniec), qPrintable(wynik));
}

void TestOrder::fullViewColumns_data()
{
    QTest::addColumn<int>("szerokość");
    QTest::addColumn<SzerokościKolumn>("wynik");
    QTest::newRow("wide: every column") << 600 << SzerokościKolumn{60, 100, 70};
    QTest::newRow("the permissions go first") << 300 << SzerokościKolumn{60, 100, 0};
    QTest::newRow("then the date") << 150 << SzerokościKolumn{60, 0, 0};
    QTest::newRow("too narrow for any") << 60 << SzerokościKolumn{0, 0, 0};
}

void TestOrder::fullViewColumns()
{
    QFETCH(int, szerokość);
    QFETCH(SzerokościKolumn, wynik);
    QCOMPARE(RozłóżKolumny(szerokość, {60, 100, 70}), wynik);
    QCOMPARE(TekstUprawnień(0755), QStringLiteral("rwxr-xr-x"));
    QCOMPARE(TekstUprawnień(04755), QStringLiteral("rwsr-xr-x"));
    QCOMPARE(TekstUprawnień(03664), QStringLiteral("rw-rwSr-T"));
}

// Ctrl+F2: one column of rows across the panel with each entry's figures;
// Ctrl+F1 back to three columns.
void TestOrder::fullViewRows()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("KAT/")});
    UtwórzDrzewo(tmp.path(), {QStringLiteral("duży.bin")}, 1234567);
    const QString plik = tmp.filePath(QStringLiteral("duży.bin"));
    QVERIFY(QFile::setPermissions(plik, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.resize(oc::ui::toPixels(16000), okno.height());
    QTRY_COMPARE(okno.Układ().LewyPanel1[0], 120);
    QTest::keyClick(&okno, Qt::Key_F2, Qt::ControlModifier);
    QVERIFY(okno.Widok(1).Pełny());
    QCOMPARE(int(okno.Panel1.size()), 18);
    QCOMPARE(okno.Panel1[17]->geometry(), QRect(oc::ui::toPixels(120), oc::ui::toPixels(660 + 240 * 17),
                                                 oc::ui::toPixels(okno.Układ().PanelWidth), oc::ui::toPixels(255)));
    QCOMPARE(okno.Panel1[0]->Kolumny(), (std::array<QString, 3>{}));
    QCOMPARE(okno.Panel1[1]->Kolumny()[0], QStringLiteral(">KAT<"));
    QCOMPARE(okno.Panel1[2]->Kolumny(), (std::array<QString, 3>{QStringLiteral("1 234 567"),
                                                                TekstDaty(QFileInfo(plik).lastModified()),
                                                                QStringLiteral("rw-r-----")}));
    // The cursor moves as in the brief view.
    QTest::keyClick(&okno, Qt::Key_Down);
    QTest::keyClick(&okno, Qt::Key_Down);
    QCOMPARE(okno.Dol1[0]->Napis(), QStringLiteral("duży.bin"));
    QTest::keyClick(&okno, Qt::Key_F1, Qt::ControlModifier);
    QCOMPARE(int(okno.Panel1.size()), 54);
    QCOMPARE(okno.Panel1[2]->x(), oc::ui::toPixels(120));
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 2);
}

void TestOrder::settingsText_data()
{
    QTest::addColumn<QByteArray>("tekst");
    QTest::addColumn<UstawieniaPaneli>("wynik");
    const UstawieniaPaneli domyślne{};
    UstawieniaPaneli ustawione = domyślne;
    ustawione[0] = {{Sortowanie::Data, true}, true};
    ustawione[1] = {{Sortowanie::Brak, false}, false};
    QTest::newRow("written and read back") << TekstUstawień(ustawione) << ustawione;
    QTest::newRow("binary junk: the defaults") << QByteArray("\x7f\x45\x4c\x46\x00\xff\xfe=.\n", 10) << domyślne;
    UstawieniaPaneli częściowe = domyślne;
    częściowe[1].Pełny = true;
    QTest::newRow("unknown values and keys keep their defaults")
        << QByteArray("lewy.kolejnosc=wedlug\nlewy.odwrotnie=tak\nsrodek.widok=pelny\r\nprawy.widok = pelny\r\n")
        << częściowe;
    QTest::newRow("empty") << QByteArray() << domyślne;
}

void TestOrder::settingsText()
{
    QFETCH(QByteArray, tekst);
    QFETCH(UstawieniaPaneli, wynik);
    QCOMPARE(RozbierzUstawienia(tekst), wynik);
}

// Leaving the program writes the settings beside the saved directories; a
// file damaged afterwards reads as the defaults.
void TestOrder::settingsKeptAtExit()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.UstawAktywnyPanel(2);
    QTest::keyClick(&okno, Qt::Key_F6, Qt::ControlModifier);
    QTest::keyClick(&okno, Qt::Key_F2, Qt::ControlModifier);
    okno.BezPytania = true;
    bool anuluj = false;
    okno.Form_Unload(anuluj);
    const QString plik = oc::platform::panelSettingsFileForReading();
    QCOMPARE(QFileInfo(plik).absolutePath(), QFileInfo(oc::platform::savedPathsFileForReading()).absolutePath());
    UstawieniaPaneli oczekiwane{};
    oczekiwane[1] = {{Sortowanie::Rozmiar, false}, true};
    QCOMPARE(WczytajUstawieniaPaneli(plik), oczekiwane);

    QFile uszkodzony(plik);
    QVERIFY(uszkodzony.open(QIODevice::WriteOnly | QIODevice::Truncate));
    uszkodzony.write("prawy.kolejn");
    uszkodzony.close();
    QCOMPARE(WczytajUstawieniaPaneli(plik), UstawieniaPaneli{});
}

QTEST_MAIN(TestOrder)
#include "tst_order.moc"
