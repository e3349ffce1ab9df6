#include <Ocmd.h>
#include <frmZmienNazwe.h>

#include <ui/Twips.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

using oc::frmZmienNazwe;

class TstFrmZmienNazwe : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("typed"); // over the selected name; "" types nothing
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("name"); // the argument afterwards

        QTest::newRow("Enter at once gives the name back unchanged")
            << "" << int(Qt::Key_Return) << 1 << "Stara Nazwa.txt";
        QTest::newRow("typing replaces the whole selected name") << "nowa" << int(Qt::Key_Return) << 1 << "nowa";
        QTest::newRow("blanks are kept: the caller judges the name") << " a " << int(Qt::Key_Return) << 1 << " a ";
        QTest::newRow("Esc: 0, the name untouched") << "nowa" << int(Qt::Key_Escape) << 0 << "Stara Nazwa.txt";
    }

    void answers()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, result);
        QFETCH(QString, name);

        QPoint położenie;
        QString tytuł;
        QTimer::singleShot(0, [&] {
            auto *okno = qobject_cast<frmZmienNazwe *>(QApplication::activeModalWidget());
            QVERIFY(okno);
            położenie = okno->pos();
            tytuł = okno->windowTitle();
            QCOMPARE(okno->txtNazwa->selectedText(), QStringLiteral("Stara Nazwa.txt"));
            QTest::keyClicks(okno->txtNazwa, typed);
            QTest::keyClick(okno->txtNazwa, Qt::Key(key));
            if (okno->isVisible()) {
                okno->reject();
                QFAIL("the window stayed open");
            }
        });
        oc::Ocmd ocmd;
        QVariantList args{1680.0f, 2100.0f, QStringLiteral("Stara Nazwa.txt")};
        QCOMPARE(ocmd.invoke(u"zmiennazwe", args).toInt(), result);
        QCOMPARE(args.value(2).toString(), name);
        QCOMPARE(tytuł, QStringLiteral("Zmień nazwę"));
        QCOMPARE(położenie, QPoint(oc::ui::toPixels(1680), oc::ui::toPixels(2100)));
    }
};

QTEST_MAIN(TstFrmZmienNazwe)
#include "tst_frmzmiennazwe.moc"
