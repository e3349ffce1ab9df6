#include "OknoTestowe.h"

#include <panels/Uklad.h>
#include <ui/Twips.h>

#include <QTemporaryDir>
#include <QtTest>

// The placement of the main window's controls as its width changes.
class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void minimumWidthFigures();
    void widthTwelveThousand();
    void windowFollowsTheFigures();
    void snapsToTheMinimum();
    void rolledUpMovesNothing();
    void searchBoxAndCentreFollowTheFinalHeight();
    void summaryLabelWidth();
};

void TestLayout::minimumWidthFigures()
{
    const UkładOkna u = ObliczUkład(10785, 615, 15);
    QCOMPARE(u.Kolumna, 1698); // 10185 / 6 = 1697.5, to the even 1698
    QCOMPARE(u.LewyPanel1, (std::array<int, 3>{120, 1863, 3606}));
    QCOMPARE(u.LewyPanel2, (std::array<int, 3>{5379, 7132, 8865}));
    QCOMPARE(u.Gora1Width, 5184);
    QCOMPARE(u.Gora2Width, 5184 - 615);
    QCOMPARE(u.ZegarLeft + 615, u.LewyPanel2[2] + u.Kolumna);
    QCOMPARE(u.DolWidth, (std::array<int, 3>{2548, 884, 1782}));
    QCOMPARE(u.Dol2Left, (std::array<int, 3>{5379, 7912, 8781}));
    QCOMPARE(u.cmdBLeft, (std::array<int, 4>{9825, 10385, 9485, 10065}));
    QCOMPARE(u.imgDol2Left, 8781 + 1782 - 255);
    QCOMPARE(u.PanelWidth, 5184);
}

void TestLayout::widthTwelveThousand()
{
    const UkładOkna u = ObliczUkład(12000, 615, 15);
    QCOMPARE(u.ShortWidth, 960);
    QCOMPARE(u.ShortLeft[0], 240 - 60);
    QCOMPARE(u.ShortLeft[9], 11040 - 60);
    QCOMPARE(u.Kolumna, 1900);
}

void TestLayout::windowFollowsTheFigures()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.resize(oc::ui::toPixels(12000), okno.height());
    QTRY_COMPARE(okno.Układ().ShortWidth, 960);
    QCOMPARE(okno.Short[9]->x(), oc::ui::toPixels(okno.Układ().ShortLeft[9]));
    QCOMPARE(okno.Panel2[36]->x(), oc::ui::toPixels(okno.Układ().LewyPanel2[2]));
    QCOMPARE(okno.Panel1[17]->y(), oc::ui::toPixels(660 + 240 * 17));
    QCOMPARE(okno.Panel1[18]->y(), oc::ui::toPixels(660));
    QCOMPARE(okno.ShortCyfra[9]->x() + okno.ShortCyfra[9]->width() + 1, okno.Short[9]->x());
    QCOMPARE(okno.Zegar->x(), okno.Gora2->x() + okno.Gora2->width());
}

void TestLayout::snapsToTheMinimum()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    // The load leaves the window 500 twips wider than the design.
    QCOMPARE(okno.width(), oc::ui::toPixels(10785 + 500));
    QCOMPARE(oc::ui::heightTwips(&okno), 6405);
    okno.resize(300, 200);
    QTRY_COMPARE(okno.width(), oc::ui::toPixels(10785));
    QTRY_COMPARE(okno.height(), oc::ui::toPixels(6405));
    QCOMPARE(okno.Układ().Kolumna, 1698);
}

// The quick-search box sits on the snapped height, and the window is
// centred at the height it keeps.
void TestLayout::searchBoxAndCentreFollowTheFinalHeight()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    QCOMPARE(oc::ui::topTwips(okno.picWyszukaj), 6405 - 675);
    const QRect ekran = okno.screen()->availableGeometry();
    QCOMPARE(okno.y(), ekran.center().y() - (okno.height() - 1) / 2);
    QCOMPARE(okno.x(), ekran.center().x() - (okno.width() - 1) / 2);
}

void TestLayout::summaryLabelWidth()
{
    QTemporaryDir tmp;
    UtwórzDrzewo(tmp.path(), {QStringLiteral("a"), QStringLiteral("b")});
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.resize(oc::ui::toPixels(12000), okno.height());
    QTRY_COMPARE(okno.Układ().ShortWidth, 960);
    okno.Panel_MouseDown(1, 1, Qt::RightButton);
    okno.Panel_Click(1, 1);
    QVERIFY(okno.Dol1[1]->isHidden());
    QCOMPARE(okno.Dol1[0]->width(), oc::ui::toPixels(5175));
}

void TestLayout::rolledUpMovesNothing()
{
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Zwijanka();
    QTRY_COMPARE(okno.height(), oc::ui::toPixels(360));
    const QRect wiersz = okno.Panel2[40]->geometry();
    const QRect klawisz = okno.Short[9]->geometry();
    okno.resize(oc::ui::toPixels(14000), oc::ui::toPixels(360));
    QTRY_COMPARE(okno.width(), oc::ui::toPixels(14000));
    QCOMPARE(okno.height(), oc::ui::toPixels(360));
    QCOMPARE(okno.Panel2[40]->geometry(), wiersz);
    QCOMPARE(okno.Short[9]->geometry(), klawisz);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
