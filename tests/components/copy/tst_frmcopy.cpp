#include "Drzewo.h"

#include <ClsOCCopy.h>
#include <frmCopy.h>

#include <TempRegistry.h>
#include <component/createObject.h>
#include <platform/Names.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

using occopy::frmCopy;
using oc::platform::decodeName;

namespace {

// Runs the batch through RunCopy and hands the window to drive once its
// start-up has run; any other box that opens is recorded in boxes and closed, and a
// window still open after a while is closed as a failure.
qint32 uruchom(oc::Component &copy, const QString &destination, const std::function<void(QWidget *)> &drive,
               QStringList *boxes = nullptr, QStringView run = u"RunCopy")
{
    QTimer::singleShot(0, [&] {
        QWidget *okno = QApplication::activeModalWidget();
        // Keys count once the one-shot start-up has run.
        if (auto *start = okno ? okno->findChild<QTimer *>(QStringLiteral("Timer1")) : nullptr)
            QVERIFY(QTest::qWaitFor([start] { return !start->isActive(); }));
        drive(okno);
    });
    QTimer straż;
    QObject::connect(&straż, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            if (boxes)
                *boxes << box->text();
            box->accept();
        }
    });
    straż.start(20);
    QTimer koniec;
    koniec.setSingleShot(true);
    QObject::connect(&koniec, &QTimer::timeout, [] {
        if (QWidget *open = QApplication::activeModalWidget()) {
            open->close();
            QFAIL("a window stayed open");
        }
    });
    koniec.start(20000);
    return copy.call(run, 3100.0f, 2000.0f, destination).toInt();
}

void klawisze(QWidget *okno, const QList<int> &keys)
{
    for (int key : keys)
        QTest::keyClick(okno, Qt::Key(key));
}

// "src/x" of 100 bytes and "dst/x" of 50 below a fresh root; nowy and
// stary as the two folders were, empty when they could not be made.
struct DwaPliki
{
    DwaPliki()
    {
        if (drzewo::zbuduj(dir.ścieżka(), {"d|src", "d|dst", "f|src/x|100", "f|dst/x|50"})) {
            nowy = drzewo::opisz(dir.ścieżka() + "/src");
            stary = drzewo::opisz(dir.ścieżka() + "/dst");
        }
    }

    const drzewo::Tymczasowy dir;
    QByteArrayList nowy;
    QByteArrayList stary;
};

} // namespace

class TstFrmCopy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keys_data();
    void keys();
    void escWhileCopying_data();
    void escWhileCopying();
    void failuresReportedOnce();
    void moveWindow_data();
    void moveWindow();
    void askForEachTarget_data();
    void askForEachTarget();
    void eachBatchStartsEmpty_data();
    void eachBatchStartsEmpty();

private:
    oc::test::TempRegistry m_registry;
};

void TstFrmCopy::initTestCase()
{
    QCOMPARE(m_registry.registerLibraries({QStringLiteral("occopy.so"), QStringLiteral("notebox.so")}), 0);
}

void TstFrmCopy::keys_data()
{
    QTest::addColumn<QByteArray>("destination"); // "@" stands for the folder holding src and dst
    QTest::addColumn<bool>("batch");             // src/x handed over, or nothing
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QStringList>("boxes");

    const int left = Qt::Key_Left, right = Qt::Key_Right, down = Qt::Key_Down, enter = Qt::Key_Return,
              space = Qt::Key_Space, back = Qt::Key_Backspace, esc = Qt::Key_Escape;
    const QStringList brakCelu{QStringLiteral("Nie podano katalogu docelowego.")};
    QTest::newRow("empty destination: refused before anything is copied")
        << QByteArray("") << true << QList<int>{enter, esc} << 0 << false << brakCelu;
    QTest::newRow("blank destination: refused by Kopiuj too")
        << QByteArray("   ") << true << QList<int>{right, right, space, esc} << 0 << false << brakCelu;
    QTest::newRow("relative destination: taken from the source's directory")
        << QByteArray("../dst") << true << QList<int>{right, right, enter} << 1 << true << QStringList{};
    QTest::newRow("overwrite off leaves the existing target")
        << QByteArray("@dst") << true << QList<int>{right, space, down, enter} << 1 << false << QStringList{};
    QTest::newRow("Esc before the start: 0") << QByteArray("@dst") << true << QList<int>{esc} << 0 << false
                                             << QStringList{};
    QTest::newRow("F10: 0") << QByteArray("@dst") << true << QList<int>{Qt::Key_F10} << 0 << false << QStringList{};
    QTest::newRow("Left from field 1 reaches Anuluj")
        << QByteArray("@dst") << true << QList<int>{left, enter} << 0 << false << QStringList{};
    QTest::newRow("Kopiuj with overwrite on replaces")
        << QByteArray("@dst") << true << QList<int>{right, right, space} << 1 << true << QStringList{};
    QTest::newRow("the switch turned through its three states, back on")
        << QByteArray("@dst") << true << QList<int>{right, enter, space, enter, right, enter} << 1 << true
        << QStringList{};
    QTest::newRow("destination edited: Backspace and a typed letter")
        << QByteArray("@dsq") << true << QList<int>{back, Qt::Key_T, right, right, enter} << 1 << true
        << QStringList{};
    QTest::newRow("Right from field 4 wraps to the destination")
        << QByteArray("@dstq") << true << QList<int>{right, right, right, right, back, right, right, enter} << 1
        << true << QStringList{};
    QTest::newRow("Enter on the destination starts the copy; Tab is not typed into it")
        << QByteArray("@dsq") << true << QList<int>{back, Qt::Key_Tab, Qt::Key_T, enter} << 1 << true
        << QStringList{};
    QTest::newRow("an empty batch: runs, makes nothing, 1")
        << QByteArray("@nowy") << false << QList<int>{enter} << 1 << false << QStringList{};
}

// Through the registered library, as the main program calls it.
void TstFrmCopy::keys()
{
    QFETCH(QByteArray, destination);
    QFETCH(bool, batch);
    QFETCH(QList<int>, keys);
    QFETCH(int, result);
    QFETCH(bool, replaced);
    QFETCH(QStringList, boxes);

    const DwaPliki pliki;
    const QByteArray &root = pliki.dir.ścieżka();
    QVERIFY(!pliki.nowy.isEmpty());
    const QByteArrayList &nowy = pliki.nowy, &stary = pliki.stary;
    const QByteArrayList nazwy = drzewo::nazwy(root);

    oc::ComponentPtr copy = oc::createObject(QStringLiteral("OCCOPY.clsOCCopy"));
    QCOMPARE(copy->call(u"clearlists").toInt(), 0);
    if (batch)
        QCOMPARE(copy->call(u"AddFileToCopy", decodeName(root + "/src/x")).toInt(), 0);
    QStringList shown;
    const qint32 wynik = uruchom(*copy, decodeName(destination.replace('@', root + '/')), [&](QWidget *okno) {
        QVERIFY(okno);
        klawisze(okno, keys);
    }, &shown);
    QCOMPARE(wynik, result);
    QCOMPARE(drzewo::opisz(root + "/dst"), replaced ? nowy : stary);
    // Nothing made anywhere else below.
    QCOMPARE(drzewo::nazwy(root), nazwy);
    QCOMPARE(shown, boxes);
}

void TstFrmCopy::escWhileCopying_data()
{
    QTest::addColumn<int>("answer"); // the key pressed in the question box
    QTest::addColumn<bool>("copied");

    QTest::newRow("Tak: the copy stops, nothing more is copied") << int(Qt::Key_T) << false;
    QTest::newRow("Nie: the copy goes on to the end") << int(Qt::Key_N) << true;
}

// The engine is held before it starts, so the keys surely come while it works.
void TstFrmCopy::escWhileCopying()
{
    QFETCH(int, answer);
    QFETCH(bool, copied);

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QVERIFY(drzewo::zbuduj(root, {"d|src", "d|dst", "d|src/A", "f|src/A/a|1000", "f|src/A/b|70000"}));
    occopy::ClsOCCopy copy;
    copy.ClearLists();
    copy.AddDirToCopy(decodeName(root + "/src/A"));
    const QString cel = decodeName(root + "/dst/");
    QStringList pytania;
    const qint32 wynik = uruchom(copy, cel, [&](QWidget *widget) {
        auto *okno = qobject_cast<frmCopy *>(widget);
        QVERIFY(okno);
        okno->kopiarka.Wstrzymaj();
        klawisze(okno, {Qt::Key_Right, Qt::Key_Right, Qt::Key_Return});
        QCOMPARE(okno->Status->text(), QStringLiteral("Trwa skanowanie dysku"));
        QVERIFY(okno->KopiujDo->isHidden() && !okno->Pasek->isHidden());
        // Keys that would start, edit or move do nothing while it works.
        klawisze(okno, {Qt::Key_Return, Qt::Key_Space, Qt::Key_Left, Qt::Key_X, Qt::Key_Backspace});
        QCOMPARE(okno->findChildren<QThread *>().size(), 1);
        QCOMPARE(okno->KopiujDo->text(), cel);
        QCOMPARE(okno->Pole, 3);
        QTimer::singleShot(0, [&] {
            QWidget *pytanie = QApplication::activeModalWidget();
            QVERIFY(pytanie && pytanie != okno);
            pytania << pytanie->windowTitle();
            QTest::keyClick(pytanie, Qt::Key(answer));
        });
        QTest::keyClick(okno, Qt::Key_Escape);
    });
    QCOMPARE(wynik, 1);
    QCOMPARE(pytania.size(), 1);
    if (copied)
        QCOMPARE(drzewo::opisz(root + "/dst/A"), drzewo::opisz(root + "/src/A"));
    else
        QCOMPARE(drzewo::nazwy(root + "/dst"), QByteArrayList{});
}

void TstFrmCopy::failuresReportedOnce()
{
    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QVERIFY(drzewo::zbuduj(root, {"d|src", "d|dst", "f|src/jest|10"}));
    occopy::ClsOCCopy copy;
    copy.ClearLists();
    QStringList brakujące;
    for (int i = 1; i <= 7; ++i) {
        brakujące << decodeName(root + "/src/brak" + QByteArray::number(i));
        copy.AddFileToCopy(brakujące.last());
    }
    copy.AddFileToCopy(decodeName(root + "/src/jest"));
    QStringList boxes;
    QString linia;
    const qint32 wynik = uruchom(copy, decodeName(root + "/dst"), [&](QWidget *widget) {
        auto *okno = qobject_cast<frmCopy *>(widget);
        QVERIFY(okno);
        klawisze(okno, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        QVERIFY(QTest::qWaitFor([&] { return okno->Label2->text().endsWith(u"z: 8"); }));
        linia = okno->Label2->text();
    }, &boxes);
    QCOMPARE(wynik, 1);
    // Only what was written counts as copied.
    QCOMPARE(linia, QStringLiteral("Skopiowano: 1 plików z: 8"));
    QCOMPARE(drzewo::nazwy(root + "/dst"), QByteArrayList{"f|jest"});
    QCOMPARE(boxes.size(), 1);
    QStringList oczekiwane{QStringLiteral("Nie skopiowano pozycji: 7"), QString()};
    for (int i = 0; i < 5; ++i)
        oczekiwane << brakujące[i] + QStringLiteral(": Nie ma takiego pliku ani katalogu");
    oczekiwane << QStringLiteral("(i 2 innych)");
    QCOMPARE(boxes.first().split(u'\n'), oczekiwane);
}

void TstFrmCopy::moveWindow_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("sourceLeft");

    const int right = Qt::Key_Right, down = Qt::Key_Down, enter = Qt::Key_Return, space = Qt::Key_Space;
    QTest::addColumn<QByteArray>("destination"); // "@" for the absolute path of root

    QTest::newRow("Przenieś, overwrite on: moved over the target")
        << QList<int>{right, right, space} << 1 << true << false << QByteArray("@dst");
    QTest::newRow("a relative destination is taken from the source's directory")
        << QList<int>{right, right, space} << 1 << true << false << QByteArray("../dst");
    QTest::newRow("overwrite off: the source stays beside the target")
        << QList<int>{right, space, down, enter} << 1 << false << true << QByteArray("@dst");
    QTest::newRow("Esc: nothing moves") << QList<int>{Qt::Key_Escape} << 0 << false << true << QByteArray("@dst");
}

// Through the registered library, as the main program calls it.
void TstFrmCopy::moveWindow()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, result);
    QFETCH(bool, replaced);
    QFETCH(bool, sourceLeft);
    QFETCH(QByteArray, destination);

    const DwaPliki pliki;
    const QByteArray &root = pliki.dir.ścieżka();
    QVERIFY(!pliki.nowy.isEmpty());
    const QByteArrayList &nowy = pliki.nowy, &stary = pliki.stary;

    oc::ComponentPtr move = oc::createObject(QStringLiteral("occopy.clsOCMove"));
    QCOMPARE(move->call(u"clearlists").toInt(), 0);
    QCOMPARE(move->call(u"AddFileToMove", decodeName(root + "/src/x")).toInt(), 0);
    QStringList texts;
    const QByteArray cel = destination.startsWith('@') ? root + '/' + destination.mid(1) : destination;
    const qint32 wynik = uruchom(*move, decodeName(cel), [&](QWidget *okno) {
        QVERIFY(okno);
        texts << okno->windowTitle() << okno->findChild<QLabel *>(QStringLiteral("Label3"))->text()
              << okno->findChild<QLabel *>(QStringLiteral("lblBut0"))->text();
        klawisze(okno, keys);
    }, nullptr, u"RunMove");
    QCOMPARE(wynik, result);
    QCOMPARE(texts, QStringList({"Przenoszenie plików", "Przenieś pliki/katalogi do", "Przenieś"}));
    QCOMPARE(drzewo::opisz(root + "/dst"), replaced ? nowy : stary);
    QCOMPARE(drzewo::opisz(root + "/src"), sourceLeft ? nowy : QByteArrayList{});
}

void TstFrmCopy::askForEachTarget_data()
{
    QTest::addColumn<QByteArray>("component");
    QTest::addColumn<QByteArray>("source"); // below root, or absolute
    QTest::addColumn<int>("answer");        // the key pressed in the question
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("replaced");

    QTest::newRow("copy, N: Nadpisz") << QByteArray("occopy.clsOCCopy") << QByteArray("src/x") << int(Qt::Key_N)
                                      << "Plik istnieje" << true;
    QTest::newRow("copy, P: Pomiń") << QByteArray("occopy.clsOCCopy") << QByteArray("src/x") << int(Qt::Key_P)
                                    << "Plik istnieje" << false;
    QTest::newRow("move, W: Nadpisz wszystkie") << QByteArray("occopy.clsOCMove") << QByteArray("src/x")
                                                << int(Qt::Key_W) << "Plik istnieje" << true;
    QTest::newRow("move, Esc: Anuluj") << QByteArray("occopy.clsOCMove") << QByteArray("src/x")
                                       << int(Qt::Key_Escape) << "Plik istnieje" << false;
    QTest::newRow("copy, an unreadable source, A: Anuluj") << QByteArray("occopy.clsOCCopy")
                                                           << QByteArray("/proc/self/mem") << int(Qt::Key_A)
                                                           << "Błąd odczytu" << false;
}

// The switch's third state, "[ ? ]", asks over the working window.
void TstFrmCopy::askForEachTarget()
{
    QFETCH(QByteArray, component);
    QFETCH(QByteArray, source);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, replaced);

    const DwaPliki pliki;
    const QByteArray &root = pliki.dir.ścieżka();
    QVERIFY(!pliki.nowy.isEmpty());
    const QByteArrayList &nowy = pliki.nowy, &stary = pliki.stary;
    const bool przenoszenie = component.endsWith("Move");

    oc::ComponentPtr c = oc::createObject(QString::fromLatin1(component));
    c->call(u"clearlists");
    c->call(przenoszenie ? u"AddFileToMove" : u"AddFileToCopy",
            decodeName(source.startsWith('/') ? source : root + '/' + source));
    QStringList pytania;
    QString przełącznik;
    QTimer odpowiadający;
    QObject::connect(&odpowiadający, &QTimer::timeout, [&] {
        // The library's classes are not this test's: known by name.
        if (QWidget *okno = QApplication::activeModalWidget(); okno && okno->inherits("occopy::OknoPytania")) {
            pytania << okno->windowTitle();
            QTest::keyClick(okno, Qt::Key(answer));
        }
    });
    odpowiadający.start(20);
    const qint32 wynik = uruchom(*c, decodeName(root + "/dst"), [&](QWidget *okno) {
        QVERIFY(okno);
        klawisze(okno, {Qt::Key_Right, Qt::Key_Space, Qt::Key_Space});
        przełącznik = okno->findChild<QLabel *>(QStringLiteral("Label5"))->text();
        klawisze(okno, {Qt::Key_Right, Qt::Key_Return});
    }, nullptr, przenoszenie ? u"RunMove" : u"RunCopy");
    QCOMPARE(wynik, 1);
    QCOMPARE(przełącznik, QStringLiteral("[ ? ]"));
    QCOMPARE(pytania, QStringList{question});
    QCOMPARE(drzewo::opisz(root + "/dst"), replaced ? nowy : stary);
    QCOMPARE(drzewo::opisz(root + "/src"), przenoszenie && replaced ? QByteArrayList{} : nowy);
}

void TstFrmCopy::eachBatchStartsEmpty_data()
{
    QTest::addColumn<QByteArray>("component");
    QTest::addColumn<QList<int>>("firstKeys"); // in the window of the first batch, "a" to d1
    QTest::addColumn<QByteArrayList>("first");  // d1 after it

    QTest::newRow("copy after a copy that ran") << QByteArray("occopy.clsOCCopy") << QList<int>{Qt::Key_Return}
                                                << QByteArrayList{"f|a"};
    QTest::newRow("copy after a cancelled one") << QByteArray("occopy.clsOCCopy") << QList<int>{Qt::Key_Escape}
                                                << QByteArrayList{};
    QTest::newRow("move after a move that ran") << QByteArray("occopy.clsOCMove") << QList<int>{Qt::Key_Return}
                                                << QByteArrayList{"f|a"};
}

// A second batch on the same object, handed over without ClearLists, holds
// only its own entries: "b" alone goes to d2.
void TstFrmCopy::eachBatchStartsEmpty()
{
    QFETCH(QByteArray, component);
    QFETCH(QList<int>, firstKeys);
    QFETCH(QByteArrayList, first);

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QVERIFY(drzewo::zbuduj(root, {"d|src", "d|d1", "d|d2", "f|src/a|10", "f|src/b|20"}));
    const bool przenoszenie = component.endsWith("Move");
    const QStringView dodaj = przenoszenie ? u"AddFileToMove" : u"AddFileToCopy";
    const QStringView uruchomienie = przenoszenie ? u"RunMove" : u"RunCopy";
    oc::ComponentPtr c = oc::createObject(QString::fromLatin1(component));
    c->call(u"clearlists");
    c->call(dodaj, decodeName(root + "/src/a"));
    uruchom(*c, decodeName(root + "/d1"), [&](QWidget *okno) { klawisze(okno, firstKeys); }, nullptr, uruchomienie);
    c->call(dodaj, decodeName(root + "/src/b"));
    const qint32 wynik = uruchom(*c, decodeName(root + "/d2"), [&](QWidget *okno) { klawisze(okno, {Qt::Key_Return}); },
                                 nullptr, uruchomienie);
    QCOMPARE(wynik, 1);
    QCOMPARE(drzewo::nazwy(root + "/d1"), first);
    QCOMPARE(drzewo::nazwy(root + "/d2"), QByteArrayList{"f|b"});
}

QTEST_MAIN(TstFrmCopy)
#include "tst_frmcopy.moc"
