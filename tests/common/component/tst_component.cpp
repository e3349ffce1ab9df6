#include <TempRegistry.h>
#include <component/ComponentError.h>
#include <component/Registry.h>
#include <component/createObject.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using oc::test::TempRegistry;

namespace {

QString fixture(const QString &name) { return QStringLiteral(OC_FIXTURE_DIR "/") + name; }

// The message of the ComponentError the call raises; empty when none.
QString failureOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const oc::ComponentError &error) {
        return error.message().isEmpty() ? QStringLiteral("(empty message)") : error.message();
    }
    return {};
}

// The seven arguments of the message box's operation.
QVariantList boxArguments(quint8 buttony, quint8 defaultButton)
{
    return {qint32(1500), qint32(1200), QStringLiteral("Pytanie"), quint8(32), buttony, defaultButton,
            QStringLiteral("Tekst")};
}

// Presses the keys in the modal box once its loop runs.
void pressInBox(const QList<Qt::Key> &keys)
{
    QTimer::singleShot(0, [keys] {
        if (QWidget *box = QApplication::activeModalWidget())
            for (Qt::Key key : keys)
                QTest::keyClick(box, key);
    });
}

} // namespace

class TestComponent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void createByClassInAnyCase_data();
    void createByClassInAnyCase();
    void callByNameInAnyCaseWritesBack();
    void unusableCalls_data();
    void unusableCalls();
    void unregisteredClass();
    void libraryRemovedAfterRegistration();
    void brokenLibraries_data();
    void brokenLibraries();
    void lastRegistrationWins_data();
    void lastRegistrationWins();

private:
    std::unique_ptr<TempRegistry> m_registry;
};

void TestComponent::initTestCase()
{
    m_registry = std::make_unique<TempRegistry>();
    QCOMPARE(m_registry->registerAll(), 0);
}

void TestComponent::cleanupTestCase() { m_registry.reset(); }

void TestComponent::createByClassInAnyCase_data()
{
    QTest::addColumn<QString>("classId");
    QTest::newRow("message box upper-cased") << "NOTEBOX.NOTEBOX2";
    QTest::newRow("copy lower-cased") << "occopy.clsoccopy";
    QTest::newRow("delete mixed") << "OCDelete.OCDel";
    QTest::newRow("history") << "OC2.OCMD";
    QTest::newRow("menu") << "MenuOC.Class1";
    QTest::newRow("game") << "OCFALROW.CLSFALROW";
    QTest::newRow("dialogs") << "Oc.OcMd";
}

void TestComponent::createByClassInAnyCase()
{
    QFETCH(QString, classId);
    oc::ComponentPtr instance;
    const QString failure = failureOf([&] { instance = oc::createObject(classId); });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(instance);
}

void TestComponent::callByNameInAnyCaseWritesBack()
{
    oc::ComponentPtr box = oc::createObject(QStringLiteral("notebox.notebox2"));
    QVariantList args = boxArguments(1, 9);
    pressInBox({Qt::Key_Right, Qt::Key_Return});
    const QVariant result = box->invoke(u"NOTEBOX2", args);
    QCOMPARE(result.toInt(), 1);
    QCOMPARE(args.size(), 7);
    QCOMPARE(args.at(5).toInt(), 0); // DefaultButton 9 names no button
    QCOMPARE(args.at(0).toInt(), 1500);
    QCOMPARE(args.at(2).toString(), QStringLiteral("Pytanie"));

    args = boxArguments(3, 1);
    pressInBox({Qt::Key_Return});
    QCOMPARE(box->invoke(u"nOtEbOx2", args).toInt(), 1);
    QCOMPARE(args.at(5).toInt(), 1);
}

void TestComponent::unusableCalls_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QVariantList>("args");
    QTest::newRow("unknown operation") << "Notebox3" << boxArguments(0, 0);
    QTest::newRow("too few arguments") << "notebox2" << QVariantList{qint32(1), qint32(2)};
    QVariantList wrongType = boxArguments(0, 0);
    wrongType[0] = QStringLiteral("lewo");
    QTest::newRow("a text for a number") << "NoteBox2" << wrongType;
    // 260 would wrap to the byte 4, a set of buttons nobody asked for.
    QVariantList tooBig = boxArguments(0, 0);
    tooBig[4] = qint32(260);
    QTest::newRow("a number too big for a byte") << "notebox2" << tooBig;
    QVariantList negative = boxArguments(0, 0);
    negative[5] = qint32(-1);
    QTest::newRow("a negative number for a byte") << "Notebox2" << negative;
}

void TestComponent::unusableCalls()
{
    QFETCH(QString, operation);
    QFETCH(QVariantList, args);
    oc::ComponentPtr box = oc::createObject(QStringLiteral("notebox.notebox2"));
    const QString failure = failureOf([&] { box->invoke(operation, args); });
    QVERIFY2(failure.contains(operation), qPrintable(failure));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestComponent::unregisteredClass()
{
    const QString failure = failureOf([] { oc::createObject(QStringLiteral("notebox.nieznany")); });
    QVERIFY2(failure.contains(QStringLiteral("notebox.nieznany")), qPrintable(failure));
}

void TestComponent::libraryRemovedAfterRegistration()
{
    TempRegistry registry;
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("gone.so"));
    QVERIFY(QFile::copy(fixture(QStringLiteral("duplicate_a.so")), copy));
    QCOMPARE(registry.registerLibraries({copy}), 0);
    QCOMPARE(oc::Registry(registry.file()).libraryOf(QStringLiteral("fixture.duplicate")), copy);
    QVERIFY(QFile::remove(copy));

    const QString failure = failureOf([] { oc::createObject(QStringLiteral("fixture.duplicate")); });
    QVERIFY2(failure.contains(copy), qPrintable(failure));
}

void TestComponent::brokenLibraries_data()
{
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("classId");
    QTest::newRow("not a component library") << fixture(QStringLiteral("notcomponent.so")) << "fixture.plain";
    QTest::newRow("class list without oc_create") << fixture(QStringLiteral("nocreate.so")) << "fixture.nocreate";
    QTest::newRow("library that does not serve the class")
        << fixture(QStringLiteral("duplicate_a.so")) << "fixture.inna";
    QTest::newRow("a text file") << QString() << "fixture.text";
}

void TestComponent::brokenLibraries()
{
    QFETCH(QString, library);
    QFETCH(QString, classId);
    TempRegistry registry;
    QTemporaryDir dir;
    if (library.isEmpty()) {
        library = dir.filePath(QStringLiteral("text.so"));
        QFile text(library);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("to nie jest biblioteka\n");
    }
    // Entries that ocreg would refuse to write, put in by hand.
    QVERIFY(oc::Registry(registry.file()).add({classId}, library));

    const QString failure = failureOf([&] { oc::createObject(classId); });
    QVERIFY2(failure.contains(library), qPrintable(failure));
}

void TestComponent::lastRegistrationWins_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("served");
    QTest::newRow("a then b") << QStringList{"duplicate_a.so", "duplicate_b.so"} << "b";
    QTest::newRow("b then a") << QStringList{"duplicate_b.so", "duplicate_a.so"} << "a";
}

void TestComponent::lastRegistrationWins()
{
    QFETCH(QStringList, order);
    QFETCH(QString, served);
    TempRegistry registry;
    for (const QString &library : order)
        QCOMPARE(registry.registerLibraries({fixture(library)}), 0);

    oc::ComponentPtr instance = oc::createObject(QStringLiteral("Fixture.Duplicate"));
    QCOMPARE(instance->call(u"which").toString(), served);
}

QTEST_MAIN(TestComponent)
#include "tst_component.moc"
