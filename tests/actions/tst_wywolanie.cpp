#include "OknoTestowe.h"

#include <actions/Sloty.h>
#include <actions/Wywolanie.h>
#include <component/ComponentError.h>

#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <stdexcept>

namespace {

// A component whose every call fails as the test says.
class Zawodny : public oc::Component
{
public:
    explicit Zawodny(std::function<void()> fail) : m_fail(std::move(fail)) {}
    QVariant invoke(QStringView, QVariantList &) override
    {
        m_fail();
        return {};
    }

private:
    std::function<void()> m_fail;
};

} // namespace

// Every call from the program to a component goes through one guarded path:
// a failure becomes one standard message and the program goes on.
class TestWywolanie : public QObject
{
    Q_OBJECT
private slots:
    void failureBecomesOneMessage_data();
    void failureBecomesOneMessage();
    void keysSurviveAFailingComponent_data();
    void keysSurviveAFailingComponent();
    void commandComponentNamesItsClass_data();
    void commandComponentNamesItsClass();
};

void TestWywolanie::failureBecomesOneMessage_data()
{
    QTest::addColumn<int>("rodzaj"); // 0 none, 1 component error, 2 other exception, 3 answers
    QTest::addColumn<QString>("powód");
    QTest::newRow("not created") << 0 << "komponent nie został utworzony";
    QTest::newRow("operation refused") << 1 << "Nieznana operacja \"Zrób\"";
    QTest::newRow("other failure") << 2 << "brak pamięci";
    QTest::newRow("answers") << 3 << "";
}

void TestWywolanie::failureBecomesOneMessage()
{
    QFETCH(int, rodzaj);
    QFETCH(QString, powód);
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    auto odpowiedzi = std::make_shared<ScriptedComponent::Record>();
    odpowiedzi->answers[QStringLiteral("zrób")] = {QVariant(7)};
    oc::ComponentPtr komponent;
    if (rodzaj == 1)
        komponent = std::make_unique<Zawodny>([powód] { throw oc::ComponentError(powód); });
    else if (rodzaj == 2)
        komponent = std::make_unique<Zawodny>([powód] { throw std::runtime_error(powód.toStdString()); });
    else if (rodzaj == 3)
        komponent = std::make_unique<ScriptedComponent>(odpowiedzi);

    const std::optional<QVariant> wynik
        = Wywołaj(okno, EgzemplarzPolecenia{QStringLiteral("oc.test"), std::move(komponent)}, QStringLiteral("Zrób"), 1,
                  QStringLiteral("x"));

    const QList<ScriptedComponent::Call> komunikaty = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    if (rodzaj == 3) {
        QVERIFY(wynik);
        QCOMPARE(wynik->toInt(), 7);
        QVERIFY(komunikaty.isEmpty());
        return;
    }
    QVERIFY(!wynik);
    QCOMPARE(komunikaty.size(), 1);
    const QString tekst = komunikaty.first().args.value(6).toString();
    QCOMPARE(tekst, TekstBłęduKomponentu(QStringLiteral("oc.test"), QStringLiteral("Zrób"), powód));
    QVERIFY(tekst.contains(QStringLiteral("oc.test")) && tekst.contains(QStringLiteral("Zrób")));
}

void TestWywolanie::keysSurviveAFailingComponent_data()
{
    QTest::addColumn<int>("klawisz");
    QTest::addColumn<int>("modyfikator");
    QTest::addColumn<QString>("operacja");
    QTest::newRow("Alt+F1, the drive dialog") << int(Qt::Key_F1) << int(Qt::AltModifier) << "WybierzDysk";
    QTest::newRow("grey +, the mask dialog") << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << "Showmaska";
    QTest::newRow("grey -, the mask dialog") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << "Showmaska";
}

void TestWywolanie::keysSurviveAFailingComponent()
{
    QFETCH(int, klawisz);
    QFETCH(int, modyfikator);
    QFETCH(QString, operacja);
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    okno.Komponenty().Dialogi = std::make_unique<Zawodny>([] { throw oc::ComponentError(QStringLiteral("zepsuty")); });

    QTest::keyClick(&okno, Qt::Key(klawisz), Qt::KeyboardModifiers(modyfikator));

    const QList<ScriptedComponent::Call> komunikaty = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    QCOMPARE(komunikaty.size(), 1);
    QCOMPARE(komunikaty.first().args.value(6).toString(),
             TekstBłęduKomponentu(QStringLiteral("oc.ocmd"), operacja, QStringLiteral("zepsuty")));
    QVERIFY(okno.isVisible());
    QCOMPARE(okno.Dir1.Ścieżka(), tmp.path());
    // The panel still answers the keys.
    QTest::keyClick(&okno, Qt::Key_Home);
    QCOMPARE(okno.Widok(1).Stan.WierszKursora, 0);
}

void TestWywolanie::commandComponentNamesItsClass_data()
{
    QTest::addColumn<bool>("zarejestrowany");
    QTest::newRow("not registered") << false;
    QTest::newRow("registered") << true;
}

// A component made for one command carries its class id: a failure to
// create it, and every failed call on it, name that class.
void TestWywolanie::commandComponentNamesItsClass()
{
    QFETCH(bool, zarejestrowany);
    QTemporaryDir tmp;
    OknoTestowe test;
    frmMain &okno = test.Otwórz(tmp.path(), tmp.path());
    ustawTwórcęKomponentów([zarejestrowany](const QString &klasa) -> oc::ComponentPtr {
        if (!zarejestrowany)
            throw oc::ComponentError(QStringLiteral("brak klasy ") + klasa);
        return std::make_unique<Zawodny>([] { throw oc::ComponentError(QStringLiteral("odmowa")); });
    });
    const auto przywróć = qScopeGuard([] { ustawTwórcęKomponentów({}); });

    const EgzemplarzPolecenia usuwanie = UtwórzKomponent(okno, komponent::Usuwanie);
    QCOMPARE(bool(usuwanie), zarejestrowany);
    QCOMPARE(usuwanie.klasa, QStringLiteral("ocdelete.ocdel"));
    QCOMPARE(bool(Wywołaj(okno, usuwanie, QStringLiteral("clearlists"))), false);

    const QList<ScriptedComponent::Call> komunikaty = test.komunikaty->callsOf(QStringLiteral("notebox2"));
    QCOMPARE(komunikaty.size(), zarejestrowany ? 1 : 2);
    const QString pierwszy = komunikaty.first().args.value(6).toString();
    QCOMPARE(pierwszy, zarejestrowany ? TekstBłęduKomponentu(QStringLiteral("ocdelete.ocdel"),
                                                             QStringLiteral("clearlists"), QStringLiteral("odmowa"))
                                      : QStringLiteral("Nie można utworzyć komponentu \"ocdelete.ocdel\": brak klasy "
                                                       "ocdelete.ocdel"));
}

QTEST_MAIN(TestWywolanie)
#include "tst_wywolanie.moc"
