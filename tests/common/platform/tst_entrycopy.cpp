// moc stops at the letters of the header's enumerators; it needs none of it.
#ifndef Q_MOC_RUN
#include <platform/EntryCopy.h>
#endif
#include <platform/Names.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <functional>

using namespace oc::platform;

// One step of the copy against a directory holding the file "plik" and the
// directory "katalog" with a subdirectory named by the bytes "x\xff":
// what it reported.
using Krok = std::function<FileError(const QByteArray &katalog, int fd)>;
Q_DECLARE_METATYPE(Krok)

class TestEntryCopy : public QObject
{
    Q_OBJECT

    QString m_base = QCoreApplication::applicationDirPath() + QStringLiteral("/entrycopy-XXXXXX");

private slots:
    // A failure names the path it was given, the entry's name where it
    // worked by descriptor, and a success builds no text at all.
    void failureNamesWhatItKnows_data()
    {
        QTest::addColumn<Krok>("krok");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("ścieżka"); // %1: the directory

        QTest::newRow("copy: the source is gone, named as the source")
            << Krok([](const QByteArray &, int fd) {
                   FileError e;
                   KopiaWpisu().kopiuj(fd, "brak", fd, "nowy", false, &e);
                   return e;
               })
            << ENOENT << QStringLiteral("brak");
        QTest::newRow("copy: the target is a directory, named as the target")
            << Krok([](const QByteArray &, int fd) {
                   FileError e;
                   KopiaWpisu().kopiuj(fd, "plik", fd, "katalog", true, &e);
                   return e;
               })
            << EISDIR << QStringLiteral("katalog");
        QTest::newRow("a name that is not UTF-8 comes back as it went")
            << Krok([](const QByteArray &katalog, int) {
                   FileError e;
                   Wpis wpis;
                   stan(katalog + "/katalog/x\xff/brak", wpis, &e);
                   return e;
               })
            << ENOENT << QString(QStringLiteral("%1/katalog/x") + QChar(0xDCFF) + QStringLiteral("/brak"));
        QTest::newRow("no climbing out of the trusted part")
            << Krok([](const QByteArray &katalog, int) {
                   FileError e;
                   otwórzKatalog(katalog + "/katalog/../plik", katalog.size(), &e);
                   return e;
               })
            << EINVAL << QStringLiteral("%1/katalog/../plik");
        QTest::newRow("opening below: the whole path")
            << Krok([](const QByteArray &katalog, int) {
                   FileError e;
                   otwórzKatalog(katalog + "/katalog/brak/niżej", katalog.size(), &e);
                   return e;
               })
            << ENOENT << QStringLiteral("%1/katalog/brak/niżej");
        QTest::newRow("reading a file as a directory")
            << Krok([](const QByteArray &katalog, int) {
                   FileError e;
                   otwórzDoCzytania(katalog + "/plik", &e);
                   return e;
               })
            << ENOTDIR << QStringLiteral("%1/plik");
        QTest::newRow("a subdirectory by descriptor: its name alone")
            << Krok([](const QByteArray &, int fd) {
                   FileError e;
                   otwórzPodkatalog(fd, "brak", &e);
                   return e;
               })
            << ENOENT << QStringLiteral("brak");
        QTest::newRow("a file where the directory goes")
            << Krok([](const QByteArray &, int fd) {
                   FileError e;
                   utwórzKatalog(fd, "plik", 0755, &e);
                   return e;
               })
            << EEXIST << QStringLiteral("plik");
        QTest::newRow("a path through a file: the path without its last slash")
            << Krok([](const QByteArray &katalog, int) {
                   FileError e;
                   utwórzŚcieżkę(katalog + "/plik/nowy/", &e);
                   return e;
               })
            << ENOTDIR << QStringLiteral("%1/plik/nowy");
        QTest::newRow("a relative path is never made")
            << Krok([](const QByteArray &, int) {
                   FileError e;
                   utwórzŚcieżkę("katalog/nowy/", &e);
                   return e;
               })
            << EINVAL << QStringLiteral("katalog/nowy");
        QTest::newRow("copied") << Krok([](const QByteArray &, int fd) {
            FileError e;
            KopiaWpisu().kopiuj(fd, "plik", fd, "nowy", false, &e);
            return e;
        }) << 0 << QString();
        QTest::newRow("made") << Krok([](const QByteArray &katalog, int) {
            FileError e;
            utwórzŚcieżkę(katalog + "/katalog/nowy/", &e);
            return e;
        }) << 0 << QString();
    }
    void failureNamesWhatItKnows()
    {
        QFETCH(Krok, krok);
        QFETCH(int, kod);
        QFETCH(QString, ścieżka);
        QTemporaryDir dir(m_base);
        QVERIFY(dir.isValid());
        QFile plik(dir.filePath(QStringLiteral("plik")));
        QVERIFY(plik.open(QIODevice::WriteOnly) && plik.write("abc") == 3);
        plik.close();
        const QByteArray katalog = encodeName(dir.path());
        const Deskryptor fd = otwórzKatalog(katalog, katalog.size(), nullptr);
        QVERIFY(fd.otwarty());
        QVERIFY(utwórzKatalog(fd.fd(), "katalog", 0755, nullptr)
                && utwórzKatalog(otwórzPodkatalog(fd.fd(), "katalog", nullptr).fd(), "x\xff", 0755, nullptr));

        const FileError e = krok(katalog, fd.fd());
        QCOMPARE(e.code, kod);
        if (kod == 0)
            QVERIFY2(e.path.isNull(), qPrintable(e.path));
        else
            QCOMPARE(e.path, ścieżka.contains(u"%1") ? ścieżka.arg(dir.path()) : ścieżka);
    }
};

QTEST_GUILESS_MAIN(TestEntryCopy)
#include "tst_entrycopy.moc"
