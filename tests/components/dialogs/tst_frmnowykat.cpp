#include <Ocmd.h>
#include <frmNowyKat.h>
#include <frmNowyPlik.h>

#include <ui/Twips.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>

using oc::frmNowyKat;

class TstFrmNowyKat : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key"); // or -1, -2: a click on OK, on Anuluj
        QTest::addColumn<QString>("result");

        QTest::newRow("Esc gives nothing, also with a name typed") << "nowy" << int(Qt::Key_Escape) << "";
        QTest::newRow("Enter on an empty field gives nothing") << "" << int(Qt::Key_Return) << "";
        QTest::newRow("blanks alone give nothing") << "   " << int(Qt::Key_Return) << "";
        QTest::newRow("blanks around the name are dropped") << "  nowy katalog  " << int(Qt::Key_Return) << "nowy katalog";
        QTest::newRow("Enter takes the typed name") << "nowy" << int(Qt::Key_Return) << "nowy";
        QTest::newRow("keypad Enter") << "nowy" << int(Qt::Key_Enter) << "nowy";
        QTest::newRow("leading dash, Polish letters and a relative path kept as given")
            << "-rf/zażółć .." << int(Qt::Key_Return) << "-rf/zażółć ..";
        QTest::newRow("a click on OK") << "nowy" << -1 << "nowy";
        QTest::newRow("a click on Anuluj") << "nowy" << -2 << "";
    }

    void answers()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, result);

        QPoint położenie;
        QTimer::singleShot(0, [&] {
            auto *okno = qobject_cast<frmNowyKat *>(QApplication::activeModalWidget());
            QVERIFY(okno);
            położenie = okno->pos();
            QCOMPARE(okno->focusWidget(), okno->txtNazwa);
            QVERIFY(okno->txtNazwa->text().isEmpty());
            // Key clicks carry ASCII only; other text arrives as pasted.
            if (std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.unicode() < 128; }))
                QTest::keyClicks(okno->txtNazwa, typed);
            else
                okno->txtNazwa->insert(typed);
            if (key < 0)
                QTest::mouseClick(okno->lblBut[-key - 1], Qt::LeftButton);
            else
                QTest::keyClick(okno->txtNazwa, Qt::Key(key));
            if (okno->isVisible()) {
                okno->reject();
                QFAIL("the window stayed open");
            }
        });
        oc::Ocmd ocmd;
        QCOMPARE(ocmd.call(u"newdircreate", 2400.0, 2100.0).toString(), result);
        QCOMPARE(położenie, QPoint(oc::ui::toPixels(2400), oc::ui::toPixels(2100)));
    }

    // Shift+F4's window: the same field, its own title, the name trimmed.
    void newFileCreate()
    {
        QString tytuł;
        QTimer::singleShot(0, [&] {
            auto *okno = qobject_cast<oc::frmNowyPlik *>(QApplication::activeModalWidget());
            QVERIFY(okno);
            tytuł = okno->windowTitle();
            QTest::keyClicks(okno->txtNazwa, " -plik.txt ");
            QTest::keyClick(okno->txtNazwa, Qt::Key_Return);
        });
        oc::Ocmd ocmd;
        QCOMPARE(ocmd.call(u"newfilecreate", 2400.0, 2100.0).toString(), QStringLiteral("-plik.txt"));
        QCOMPARE(tytuł, QStringLiteral("Nowy plik"));
    }
};

QTEST_MAIN(TstFrmNowyKat)
#include "tst_frmnowykat.moc"
