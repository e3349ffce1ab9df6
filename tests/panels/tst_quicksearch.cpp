#include "OknoTestowe.h"

#include <ui/Twips.h>

#include <QFrame>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// Quick search: Alt+letter, typing into the box, closing it.
class TestQuickSearch : public QObject
{
    Q_OBJECT

private slots:
    void altLetterFindsFirstInListOrder();
    void refusedLetterIsDropped();
    void atMostFifteenCharacters();
    void downClosesAndMoves();
    void enterEntersTheDirectory();
    void escCloses();
    void letterCaseFromTheKey();
    void foundBelowTheFirstScreen();
    void rowClicksIgnoredWhileOpen();
};

namespace {

// Alt+letter as the keyboard delivers it: the text carries the letter's case.
void AltLitera(frmMain &okno, Qt::Key klawisz, const QString &tekst, Qt::KeyboardModifiers mod = Qt::AltModifier)
{
    QTest::sendKeyEvent(QTest::Press, &okno, klawisz, tekst, mod);
    QTest::sendKeyEvent(QTest::Release, &okno, klawisz, tekst, mod);
}

struct Szukanie
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain *okno = nullptr;

    explicit Szukanie(const QStringList &nazwy)
    {
        UtwórzDrzewo(tmp.path(), nazwy);
        okno = &test.Otwórz(tmp.path(), tmp.path());
    }
    QString tekst() const { return okno->lblNazwa->text(); }
    qint32 wpis() const { return okno->Widok(1).Stan.PierwszaPozycja + okno->Widok(1).Stan.WierszKursora; }
};

} // namespace

void TestQuickSearch::altLetterFindsFirstInListOrder()
{
    Szukanie s({QStringLiteral("docs/"), QStringLiteral("data.txt")});
    AltLitera(*s.okno, Qt::Key_D, QStringLiteral("d"));
    QVERIFY(s.okno->picWyszukaj->isVisible());
    QVERIFY(!s.okno->Gotowy);
    QVERIFY(!s.okno->tmrKursor->isActive());
    QCOMPARE(s.tekst(), QStringLiteral("d"));
    QCOMPARE(s.okno->Widok(1).Stan.Nazwy[size_t(s.wpis())], QStringLiteral("DOCS"));
    QTest::keyClick(s.okno->picWyszukaj, Qt::Key_A);
    QCOMPARE(s.okno->Widok(1).Stan.Nazwy[size_t(s.wpis())], QStringLiteral("data.txt"));
}

void TestQuickSearch::refusedLetterIsDropped()
{
    Szukanie s({QStringLiteral("docs/"), QStringLiteral("data.txt")});
    AltLitera(*s.okno, Qt::Key_D, QStringLiteral("d"));
    QTest::keyClick(s.okno->picWyszukaj, Qt::Key_X);
    QCOMPARE(s.tekst(), QStringLiteral("d"));
    QCOMPARE(s.okno->Widok(1).Stan.Nazwy[size_t(s.wpis())], QStringLiteral("DOCS"));
    QTest::keyClick(s.okno->picWyszukaj, Qt::Key_Backspace);
    QCOMPARE(s.tekst(), QString());
    QVERIFY(s.okno->picWyszukaj->isVisible());
}

void TestQuickSearch::atMostFifteenCharacters()
{
    Szukanie s({QStringLiteral("aaaaaaaaaaaaaaaaaaaaaaaa")});
    AltLitera(*s.okno, Qt::Key_A, QStringLiteral("a"));
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(s.okno->picWyszukaj, Qt::Key_A);
    QCOMPARE(s.tekst(), QString(15, u'a'));
}

void TestQuickSearch::downClosesAndMoves()
{
    Szukanie s({QStringLiteral("alfa"), QStringLiteral("beta"), QStringLiteral("gamma")});
    AltLitera(*s.okno, Qt::Key_B, QStringLiteral("b"));
    QCOMPARE(s.wpis(), 3);
    QTest::keyClick(s.okno->picWyszukaj, Qt::Key_Down);
    QVERIFY(!s.okno->picWyszukaj->isVisible());
    QVERIFY(s.okno->Gotowy);
    QVERIFY(s.okno->tmrKursor->isActive());
    QCoreApplication::processEvents();
    QCOMPARE(s.wpis(), 4);
}

void TestQuickSearch::enterEntersTheDirectory()
{
    Szukanie s({QStringLiteral("Docs/inner"), QStringLiteral("data.txt")});
    AltLitera(*s.okno, Qt::Key_D, QStringLiteral("d"));
    QTest::keyClick(s.okno->picWyszukaj, Qt::Key_Return);
    QVERIFY(!s.okno->picWyszukaj->isVisible());
    QCOMPARE(s.okno->Dir1.Ścieżka(), s.tmp.path() + QStringLiteral("/Docs"));
    QCOMPARE(s.okno->Widok(1).Stan.Nazwy[2], QStringLiteral("inner"));
}

void TestQuickSearch::escCloses()
{
    Szukanie s({QStringLiteral("x")});
    AltLitera(*s.okno, Qt::Key_X, QStringLiteral("x"));
    QTest::keyClick(s.okno->picWyszukaj, Qt::Key_Escape);
    QVERIFY(!s.okno->picWyszukaj->isVisible());
    QCOMPARE(s.wpis(), 2);
    QVERIFY(s.okno->Gotowy);
}

void TestQuickSearch::letterCaseFromTheKey()
{
    Szukanie s({QStringLiteral("abc")});
    AltLitera(*s.okno, Qt::Key_A, QStringLiteral("A"), Qt::AltModifier | Qt::ShiftModifier);
    QCOMPARE(s.tekst(), QStringLiteral("A"));
    QTest::keyClick(s.okno->picWyszukaj, Qt::Key_Escape);
    // Without a text the key's shift decides.
    s.okno->Form_KeyUp('A', 4);
    QCOMPARE(s.tekst(), QStringLiteral("a"));
    // The right panel's box lies a header further right.
    QTest::keyClick(s.okno->picWyszukaj, Qt::Key_Escape);
    s.okno->Gora_Click(2);
    s.okno->Form_KeyUp('A', 5);
    QCOMPARE(s.tekst(), QStringLiteral("A"));
    QCOMPARE(s.okno->picWyszukaj->x(), oc::ui::toPixels(1000 + oc::ui::widthTwips(s.okno->Gora1)));
}

void TestQuickSearch::foundBelowTheFirstScreen()
{
    QStringList nazwy;
    for (int i = 0; i < 80; ++i)
        nazwy << QStringLiteral("a%1").arg(i, 2, 10, QLatin1Char('0'));
    nazwy << QStringLiteral("zet");
    Szukanie s(nazwy);
    AltLitera(*s.okno, Qt::Key_Z, QStringLiteral("z"));
    QCOMPARE(s.okno->Widok(1).Stan.PierwszaPozycja, 82 - 53);
    QCOMPARE(s.okno->Widok(1).Stan.WierszKursora, 53);
    // Found again on row 0 of this screen: drawn anew from entry 1.
    QTest::keyClick(s.okno->picWyszukaj, Qt::Key_Escape);
    s.okno->Widok(1).PokażPanel(2);
    s.okno->Panel_Click(1, 5);
    AltLitera(*s.okno, Qt::Key_A, QStringLiteral("a"));
    QCOMPARE(s.okno->Widok(1).Stan.PierwszaPozycja, 1);
    QCOMPARE(s.okno->Widok(1).Stan.WierszKursora, 1);
}

void TestQuickSearch::rowClicksIgnoredWhileOpen()
{
    Szukanie s({QStringLiteral("alfa"), QStringLiteral("beta")});
    AltLitera(*s.okno, Qt::Key_A, QStringLiteral("a"));
    QTest::mouseClick(s.okno->Panel1[2], Qt::LeftButton);
    QCOMPARE(s.wpis(), 2);
}

QTEST_MAIN(TestQuickSearch)
#include "tst_quicksearch.moc"
