#include "Drzewo.h"

#include <ClsOCCopy.h>

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
               QStringList *boxes = nullptr)
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
    return copy.call(u"RunCopy", 3100.0f, 2000.0f, destination).toInt();
}

void klawisze(QWidget *okno, const QList<int> &keys)
{
    for (int key : keys)
        QTest::keyClick(okno, Qt::Key(key));
}

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

private:
    oc::test::TempRegistry m_registry;
};

void TstFrmCopy::initTestCase()
{
    QCOMPARE(m_registry.registerLibraries({QStringLiteral("occopy.so"), QStringLiteral("notebox.so")}), 0);
}

void TstFrmCopy::keys_data()
{
    QTest::addColumn<QByteArray>("destination");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("replaced");

    const int left = Qt::Key_Left, right = Qt::Key_Right, down = Qt::Key_Down, enter = Qt::Key_Return,
              space = Qt::Key_Space, back = Qt::Key_Backspace;
    QTest::newRow("overwrite off leaves the existing target")
        << QByteArray("dst") << QList<int>{right, space, down, enter} << 1 << false;
    QTest::newRow("Esc before the start: 0") << QByteArray("dst") << QList<int>{Qt::Key_Escape} << 0 << false;
    QTest::newRow("F10: 0") << QByteArray("dst") << QList<int>{Qt::Key_F10} << 0 << false;
    QTest::newRow("Left from field 1 reaches Anuluj") << QByteArray("dst") << QList<int>{left, enter} << 0 << false;
    QTest::newRow("Kopiuj with overwrite on replaces") << QByteArray("dst") << QList<int>{right, right, space} << 1
                                                       << true;
    QTest::newRow("the switch turned off and on again")
        << QByteArray("dst") << QList<int>{right, enter, space, right, enter} << 1 << true;
    QTest::newRow("destination edited: Backspace and a typed letter")
        << QByteArray("dsq") << QList<int>{back, Qt::Key_T, right, right, enter} << 1 << true;
    QTest::newRow("Right from field 4 wraps to the destination")
        << QByteArray("dstq") << QList<int>{right, right, right, right, back, right, right, enter} << 1 << true;
    QTest::newRow("Enter and Tab on the destination are not typed into it")
        << QByteArray("dst") << QList<int>{enter, Qt::Key_Tab, right, right, enter} << 1 << true;
}

// Through the registered library, as the main program calls it.
void TstFrmCopy::keys()
{
    QFETCH(QByteArray, destination);
    QFETCH(QList<int>, keys);
    QFETCH(int, result);
    QFETCH(bool, replaced);

    const drzewo::Tymczasowy dir;
    const QByteArray &root = dir.ścieżka();
    QVERIFY(drzewo::zbuduj(root, {"d|src", "d|dst", "f|src/x|100", "f|dst/x|50"}));
    const QByteArrayList nowy = drzewo::opisz(root + "/src");
    const QByteArrayList stary = drzewo::opisz(root + "/dst");

    oc::ComponentPtr copy = oc::createObject(QStringLiteral("OCCOPY.clsOCCopy"));
    QCOMPARE(copy->call(u"clearlists").toInt(), 0);
    QCOMPARE(copy->call(u"AddFileToCopy", decodeName(root + "/src/x")).toInt(), 0);
    QStringList boxes;
    const qint32 wynik = uruchom(*copy, decodeName(root + '/' + destination), [&](QWidget *okno) {
        QVERIFY(okno);
        klawisze(okno, keys);
    }, &boxes);
    QCOMPARE(wynik, result);
    QCOMPARE(drzewo::opisz(root + "/dst"), replaced ? nowy : stary);
    QCOMPARE(boxes, QStringList{});
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
    QCOMPARE(linia, QStringLiteral("Skopiowano: 8 plików z: 8"));
    QCOMPARE(drzewo::nazwy(root + "/dst"), QByteArrayList{"f|jest"});
    QCOMPARE(boxes.size(), 1);
    QStringList oczekiwane{QStringLiteral("Nie skopiowano pozycji: 7"), QString()};
    for (int i = 0; i < 5; ++i)
        oczekiwane << brakujące[i] + QStringLiteral(": Nie ma takiego pliku ani katalogu");
    oczekiwane << QStringLiteral("(i 2 innych)");
    QCOMPARE(boxes.first().split(u'\n'), oczekiwane);
}

QTEST_MAIN(TstFrmCopy)
#include "tst_frmcopy.moc"
