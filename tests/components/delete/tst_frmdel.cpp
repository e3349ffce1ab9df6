#include "Drzewa.h"

#include <OCDel.h>
#include <frmDelAll.h>
#include <frmDelF.h>

#include <platform/Names.h>
#include <undo/Dziennik.h>
#include <ui/Colors.h>
#include <ui/Twips.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using ocdelete::frmDelAll;
using ocdelete::frmDelF;
using ocdelete::OCDel;

namespace {

constexpr quint32 Fokus = 0x00FF80FF;
constexpr quint32 BezFokusu = 0x0080FFFF;

int przyciskZFokusem(const std::array<oc::ui::LabelButton *, 2> &przyciski)
{
    const quint32 tak = oc::ui::background(przyciski[0]);
    const quint32 nie = oc::ui::background(przyciski[1]);
    return tak == Fokus && nie == BezFokusu ? 0 : tak == BezFokusu && nie == Fokus ? 1 : -1;
}

// Closes every standard box that comes up and keeps its text.
class Pudełka : public QObject
{
public:
    Pudełka()
    {
        connect(&m_zegar, &QTimer::timeout, this, [this] {
            if (auto *pudełko = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                teksty << pudełko->text();
                ikony << pudełko->icon();
                pudełko->accept();
            }
        });
        m_zegar.start(10);
    }

    QStringList teksty;
    QList<QMessageBox::Icon> ikony;

private:
    QTimer m_zegar;
};

// Runs act on the window once its modal loop runs; a window still open
// afterwards is closed and counts as a failure.
template <class Okno>
void gdyOtwarte(const std::function<void(Okno *)> &act, bool &zostałoOtwarte)
{
    QTimer::singleShot(0, [act, &zostałoOtwarte] {
        auto *okno = qobject_cast<Okno *>(QApplication::activeModalWidget());
        if (!okno)
            return;
        act(okno);
        if (!QTest::qWaitFor([okno] { return !okno->isVisible(); }, 5000)) {
            zostałoOtwarte = true;
            okno->done(0);
        }
    });
}

} // namespace

class TstFrmDel : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void failureReportedOnce_data();
    void failureReportedOnce();
    void escapeStopsTheRunAndNoKeyStartsAnother();
    void emptyBatchAsksNothing();
    void modes_data();
    void modes();
};

void TstFrmDel::answers_data()
{
    QTest::addColumn<bool>("wiele");
    QTest::addColumn<QList<int>>("klawisze"); // the last one closes the window
    QTest::addColumn<int>("fokusPrzedOstatnim");
    QTest::addColumn<int>("wynik");

    using K = QList<int>;
    QTest::newRow("file: Enter at once is yes") << false << K{Qt::Key_Return} << 0 << 1;
    QTest::newRow("file: Space at once is yes") << false << K{Qt::Key_Space} << 0 << 1;
    QTest::newRow("file: N is no") << false << K{Qt::Key_N} << 0 << 0;
    QTest::newRow("file: Esc is no") << false << K{Qt::Key_Escape} << 0 << 0;
    QTest::newRow("file: Down moves the focus to no") << false << K{Qt::Key_Down, Qt::Key_Return} << 1 << 0;
    QTest::newRow("file: T is yes wherever the focus is") << false << K{Qt::Key_Right, Qt::Key_T} << 1 << 1;
    QTest::newRow("file: Home twice comes back, other keys do nothing")
        << false << K{Qt::Key_Home, Qt::Key_A, Qt::Key_F1, Qt::Key_Home, Qt::Key_Space} << 0 << 1;
    QTest::newRow("batch: Enter at once is yes") << true << K{Qt::Key_Return} << 0 << 1;
    QTest::newRow("batch: Esc is no") << true << K{Qt::Key_Escape} << 0 << 0;
    QTest::newRow("batch: N is no wherever the focus is") << true << K{Qt::Key_Up, Qt::Key_N} << 1 << 0;
    QTest::newRow("batch: Left then Space is no") << true << K{Qt::Key_Left, Qt::Key_Space} << 1 << 0;
    QTest::newRow("batch: Right, Up, then Enter is yes") << true << K{Qt::Key_Right, Qt::Key_Up, Qt::Key_Return} << 0 << 1;
}

// Yes deletes what was chosen, no touches nothing.
void TstFrmDel::answers()
{
    QFETCH(bool, wiele);
    QFETCH(QList<int>, klawisze);
    QFETCH(int, fokusPrzedOstatnim);
    QFETCH(int, wynik);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray root = dir.path().toUtf8();
    QVERIFY(zbuduj(root, {"f kat/a", "f kat/b/c", "f nazwa.txt"}));
    const QString plik = dir.filePath(QStringLiteral("nazwa.txt"));

    QStringList napisy;
    QPoint położenie;
    int fokus = -2;
    bool zostałoOtwarte = false;
    const auto naciśnij = [&](QDialog *okno, const std::array<oc::ui::LabelButton *, 2> &przyciski) {
        położenie = okno->pos();
        for (qsizetype i = 0; i + 1 < klawisze.size(); ++i)
            QTest::keyClick(okno, Qt::Key(klawisze[i]));
        fokus = przyciskZFokusem(przyciski);
        QTest::keyClick(okno, Qt::Key(klawisze.last()));
    };
    OCDel ocdel;
    qint32 wynikOperacji = -1;
    if (wiele) {
        gdyOtwarte<frmDelAll>([&](frmDelAll *okno) {
            QVERIFY(QTest::qWaitFor([okno] { return !okno->Label3->text().isEmpty(); }));
            napisy << okno->Label1->text() << okno->Label2->text() << okno->Label3->text() << okno->windowTitle();
            naciśnij(okno, okno->lblBut);
        }, zostałoOtwarte);
        ocdel.ClearLists();
        ocdel.AddDirToDelete(dir.filePath(QStringLiteral("kat")));
        ocdel.AddFileToDelete(plik);
        wynikOperacji = ocdel.RunDeleteAll(2000, 1500);
        QCOMPARE(napisy, QStringList({" Usuń ", "Czy zamierzasz usunąć:", "1 katalogów i 1 plików ?", "Usuń"}));
    } else {
        gdyOtwarte<frmDelF>([&](frmDelF *okno) {
            napisy << okno->Label1->text() << okno->Label2->text() << okno->Label3->text() << okno->windowTitle();
            naciśnij(okno, okno->Label4);
        }, zostałoOtwarte);
        QString ścieżka = plik;
        wynikOperacji = ocdel.DeleteFileO(2000, 1500, ścieżka);
        QCOMPARE(ścieżka, plik);
        QCOMPARE(napisy, QStringList({" Usuń plik ", "Czy zamierzasz usunąc plik:", "nazwa.txt", "Usuń plik"}));
    }
    QVERIFY(!zostałoOtwarte);
    QCOMPARE(położenie, QPoint(oc::ui::toPixels(2000), oc::ui::toPixels(1500)));
    QCOMPARE(fokus, fokusPrzedOstatnim);
    QCOMPARE(wynikOperacji, wynik);
    const QByteArrayList wszystko{"kat", "kat/a", "kat/b", "kat/b/c", "nazwa.txt"};
    const QByteArrayList poUsunięciu = wiele ? QByteArrayList{} : QByteArrayList{"kat", "kat/a", "kat/b", "kat/b/c"};
    QCOMPARE(pozostałe(root), wynik == 1 ? poUsunięciu : wszystko);
}

void TstFrmDel::failureReportedOnce_data()
{
    QTest::addColumn<bool>("wiele");
    QTest::addColumn<int>("wynik");
    QTest::addColumn<QByteArrayList>("zostaje");

    QTest::newRow("read-only file: its path in the message, nothing deleted")
        << false << 0 << QByteArrayList{"kat", "kat/ro", "kat/x"};
    QTest::newRow("batch with a read-only file inside: one message, the rest deleted")
        << true << 1 << QByteArrayList{"kat", "kat/ro"};
}

void TstFrmDel::failureReportedOnce()
{
    QFETCH(bool, wiele);
    QFETCH(int, wynik);
    QFETCH(QByteArrayList, zostaje);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray root = dir.path().toUtf8();
    QVERIFY(zbuduj(root, {"r kat/ro", "f kat/x"}));
    const QString readOnly = dir.filePath(QStringLiteral("kat/ro"));

    Pudełka pudełka;
    bool zostałoOtwarte = false;
    OCDel ocdel;
    qint32 wynikOperacji = -1;
    if (wiele) {
        gdyOtwarte<QDialog>([](QDialog *okno) { QTest::keyClick(okno, Qt::Key_T); }, zostałoOtwarte);
        ocdel.ClearLists();
        ocdel.AddDirToDelete(dir.filePath(QStringLiteral("kat")));
        wynikOperacji = ocdel.RunDeleteAll(0, 0);
    } else {
        gdyOtwarte<QDialog>([](QDialog *okno) { QTest::keyClick(okno, Qt::Key_Return); }, zostałoOtwarte);
        QString ścieżka = readOnly;
        wynikOperacji = ocdel.DeleteFileO(0, 0, ścieżka);
    }
    QVERIFY(!zostałoOtwarte);
    QCOMPARE(wynikOperacji, wynik);
    QCOMPARE(pudełka.teksty, QStringList(wiele ? QStringLiteral("Wystąpiły błędy podczas usuwania plików/katalogów")
                                                : QStringLiteral("Nie można usunąć pliku: ") + readOnly));
    QCOMPARE(pudełka.ikony, QList<QMessageBox::Icon>{QMessageBox::Warning});
    QCOMPARE(pozostałe(root), zostaje);
}

// The run is held after its first entry: keys pressed meanwhile start
// nothing, Esc asks it to stop, and the rest of the tree stays.
void TstFrmDel::escapeStopsTheRunAndNoKeyStartsAnother()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray root = dir.path().toUtf8();
    QByteArrayList opis;
    for (int i = 0; i < 20; ++i)
        opis << "f kat/plik" + QByteArray::number(i);
    QVERIFY(zbuduj(root, opis));

    QSemaphore dotarł, puść;
    int wpisy = 0;
    QStringList napisy;
    bool otwarteWTrakcie = false;
    bool zostałoOtwarte = false;
    bool zatrzymanePrzedEsc = true;
    bool zatrzymanePoEsc = false;
    gdyOtwarte<frmDelAll>([&](frmDelAll *okno) {
        QVERIFY(QTest::qWaitFor([okno] { return !okno->Label3->text().isEmpty(); }));
        okno->Silnik.poWpisie = [&] {
            if (++wpisy == 1) {
                dotarł.release();
                puść.acquire();
            }
        };
        QTest::keyClick(okno, Qt::Key_T);
        QVERIFY(QTest::qWaitFor([&] { return dotarł.available() > 0; }));
        napisy << okno->Label2->text() << okno->Label3->text();
        for (Qt::Key klawisz : {Qt::Key_T, Qt::Key_Return, Qt::Key_Space, Qt::Key_N})
            QTest::keyClick(okno, klawisz);
        zatrzymanePrzedEsc = okno->Silnik.zatrzymane();
        QTest::keyClick(okno, Qt::Key_Escape);
        zatrzymanePoEsc = okno->Silnik.zatrzymane();
        okno->close();
        otwarteWTrakcie = okno->isVisible();
        puść.release();
    }, zostałoOtwarte);
    OCDel ocdel;
    ocdel.ClearLists();
    ocdel.AddDirToDelete(dir.filePath(QStringLiteral("kat")));
    QCOMPARE(ocdel.RunDeleteAll(0, 0), 1);
    QVERIFY(!zostałoOtwarte);
    QVERIFY(otwarteWTrakcie);
    QVERIFY(!zatrzymanePrzedEsc && zatrzymanePoEsc);
    QCOMPARE(napisy, QStringList({"Proszę czekać ...", ""}));
    QCOMPARE(wpisy, 1);
    QCOMPARE(pozostałe(root).size(), 20);
}

// "0 katalogów i 0 plików ?" would ask about nothing.
void TstFrmDel::emptyBatchAsksNothing()
{
    bool otwarte = false;
    bool zostałoOtwarte = false;
    gdyOtwarte<QDialog>([&](QDialog *okno) {
        otwarte = true;
        QTest::keyClick(okno, Qt::Key_T);
    }, zostałoOtwarte);
    OCDel ocdel;
    ocdel.ClearLists();
    QCOMPARE(ocdel.RunDeleteAll(0, 0), 0);
    QCoreApplication::processEvents();
    QVERIFY(!otwarte);
}

void TstFrmDel::modes_data()
{
    QTest::addColumn<bool>("wiele");
    QTest::addColumn<qint32>("tryb");
    QTest::addColumn<QStringList>("napisy"); // the caption, the warning line ("" for none)
    QTest::newRow("file for good: says it cannot be undone")
        << false << 2 << QStringList{" Usuń plik na zawsze ", "Tego nie można cofnąć."};
    QTest::newRow("batch for good") << true << 2 << QStringList{" Usuń na zawsze ", "Tego nie można cofnąć."};
    QTest::newRow("file to the trash") << false << 1 << QStringList{" Usuń plik do kosza ", ""};
    QTest::newRow("batch to the trash") << true << 1 << QStringList{" Usuń do kosza ", ""};
}

// The caption says which it is; to the trash, the entries are there and
// recorded for undo, for good they are gone.
void TstFrmDel::modes()
{
    QFETCH(bool, wiele);
    QFETCH(qint32, tryb);
    QFETCH(QStringList, napisy);
    QTemporaryDir dir, dom;
    qputenv("XDG_DATA_HOME", dom.path().toUtf8());
    const QByteArray root = dir.path().toUtf8();
    QVERIFY(zbuduj(root, {"f kat/a", "f nazwa.txt"}));
    QStringList widziane;
    bool zostałoOtwarte = false;
    const auto odczytaj = [&](QDialog *okno, QLabel *tytuł) {
        widziane << tytuł->text();
        QString ostrzeżenie;
        for (QLabel *napis : okno->findChildren<QLabel *>())
            if (napis->text().contains(QStringLiteral("cofnąć")))
                ostrzeżenie = napis->text();
        widziane << ostrzeżenie;
        QTest::keyClick(okno, Qt::Key_Return);
    };
    OCDel ocdel;
    ocdel.TrybUsuwania(tryb);
    QString plik = dir.filePath(QStringLiteral("nazwa.txt"));
    if (wiele) {
        gdyOtwarte<frmDelAll>([&](frmDelAll *okno) {
            QVERIFY(QTest::qWaitFor([okno] { return !okno->Label3->text().isEmpty(); }));
            odczytaj(okno, okno->Label1);
        }, zostałoOtwarte);
        ocdel.ClearLists();
        ocdel.AddDirToDelete(dir.filePath(QStringLiteral("kat")));
        ocdel.AddFileToDelete(plik);
        QCOMPARE(ocdel.RunDeleteAll(2000, 1500), 1);
    } else {
        gdyOtwarte<frmDelF>([&](frmDelF *okno) { odczytaj(okno, okno->Label1); }, zostałoOtwarte);
        QCOMPARE(ocdel.DeleteFileO(2000, 1500, plik), 1);
    }
    QVERIFY(!zostałoOtwarte);
    QCOMPARE(widziane, napisy);
    const QByteArrayList zostało = wiele ? QByteArrayList() : QByteArrayList{"kat", "kat/a"};
    QCOMPARE(pozostałe(root), zostało);
    const QStringList wKoszu = QDir(dom.filePath(QStringLiteral("Trash/files"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QCOMPARE(wKoszu, tryb == 1 ? (wiele ? QStringList{"kat", "nazwa.txt"} : QStringList{"nazwa.txt"}) : QStringList());
    const std::vector<oc::undo::Operacja> zapisane = oc::undo::Dziennik().wczytaj();
    QCOMPARE(zapisane.size(), size_t(tryb == 1 ? 1 : 0));
    if (tryb == 1)
        QCOMPARE(zapisane[0].kroki.size(), size_t(wiele ? 2 : 1));
}

QTEST_MAIN(TstFrmDel)
#include "tst_frmdel.moc"
