#include <platform/Entries.h>
#include <platform/Names.h>
#include <platform/Trash.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace oc::platform;

namespace {

// By the system's call: Qt would spell a name that is not UTF-8 its own way.
QByteArray readAll(const QString &path)
{
    QByteArray all(4096, '\0');
    const int fd = ::open(encodeName(path).constData(), O_RDONLY);
    const ssize_t n = fd >= 0 ? ::read(fd, all.data(), size_t(all.size())) : 0;
    if (fd >= 0)
        ::close(fd);
    all.truncate(std::max<ssize_t>(n, 0));
    return all;
}

} // namespace

// The desktop trash: what a trashinfo says, which trash a top directory
// gives, and entries moved there and back by one rename.
class TestTrash : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dom.isValid());
        qputenv("XDG_DATA_HOME", m_dom.path().toUtf8());
    }

    void trashInfo_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("zapis");
        QTest::newRow("bytes that are not UTF-8") << QByteArray("/d/caf\xE9\xFF") << QByteArray("/d/caf%E9%FF");
        QTest::newRow("a percent sign") << QByteArray("/d/100%.txt") << QByteArray("/d/100%25.txt");
        QTest::newRow("spaces") << QByteArray("/moje pliki/a b.txt") << QByteArray("/moje%20pliki/a%20b.txt");
        QTest::newRow("Polish letters, newline")
            << QByteArray("/d/\xC5\xBC\n") << QByteArray("/d/%C5%BC%0A");
        QTest::newRow("kept as they are") << QByteArray("rel/a-b_c.d!~*'()") << QByteArray("rel/a-b_c.d!~*'()");
    }

    void trashInfo()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, zapis);
        const QByteArray text = trashInfoText(path, QDateTime(QDate(2024, 2, 29), QTime(23, 5, 7)));
        QCOMPARE(text, "[Trash Info]\nPath=" + zapis + "\nDeletionDate=2024-02-29T23:05:07\n");
        QCOMPARE(trashInfoPath(text), std::optional<QByteArray>(path));
    }

    void topdirRules_data()
    {
        QTest::addColumn<QStringList>("przygotuj"); // "d name mode", "l name target"
        QTest::addColumn<uint>("uid");
        QTest::addColumn<QString>("kosz");          // relative to topdir, "" for none
        const uint ja = uint(geteuid());
        const QString mój = QString::number(ja);
        QTest::newRow(".Trash a link to a sticky directory: not used")
            << QStringList{"d wspólny 1777", "l .Trash wspólny"} << ja << ".Trash-" + mój;
        QTest::newRow(".Trash-uid a link: refused") << QStringList{"d gdzieś 700", "l .Trash-" + mój + " gdzieś"} << ja
                                                    << "";
        QTest::newRow(".Trash-uid not the user's: refused") << QStringList{"d .Trash-12345 700"} << 12345u << "";
        QTest::newRow(".Trash/uid and .Trash-uid not the user's: none")
            << QStringList{"d .Trash 1777", "d .Trash/12345 700", "d .Trash-12345 700"} << 12345u << "";
        QTest::newRow(".Trash without the sticky bit: .Trash-uid")
            << QStringList{"d .Trash 777"} << ja << ".Trash-" + mój;
        QTest::newRow(".Trash sticky: its uid directory") << QStringList{"d .Trash 1777"} << ja << ".Trash/" + mój;
        QTest::newRow("nothing yet: .Trash-uid") << QStringList() << ja << ".Trash-" + mój;
    }

    void topdirRules()
    {
        QFETCH(QStringList, przygotuj);
        QFETCH(uint, uid);
        QFETCH(QString, kosz);
        QTemporaryDir top;
        for (const QString &krok : przygotuj) {
            const QStringList p = krok.split(u' ');
            if (p[0] == QStringLiteral("d")) {
                QVERIFY(QDir(top.path()).mkpath(p[1]));
                QVERIFY(chmod(encodeName(top.filePath(p[1])).constData(), p[2].toUInt(nullptr, 8)) == 0);
            } else {
                QVERIFY(QFile::link(top.filePath(p[2]), top.filePath(p[1])));
            }
        }
        TrashError błąd;
        const std::optional<TrashPlace> checked = topdirTrash(top.path(), uid, false, &błąd);
        const std::optional<TrashPlace> made = topdirTrash(top.path(), uid, true, &błąd);
        QCOMPARE(made.has_value(), !kosz.isEmpty());
        QCOMPARE(checked.has_value(), !kosz.isEmpty());
        if (kosz.isEmpty()) {
            QCOMPARE(błąd.problem, TrashProblem::NoTrash);
            return;
        }
        QCOMPARE(made->directory, top.filePath(kosz));
        QCOMPARE(made->topdir, top.path());
        struct stat st;
        QVERIFY(lstat(encodeName(made->directory).constData(), &st) == 0);
        QVERIFY(S_ISDIR(st.st_mode));
        QCOMPARE(st.st_mode & 07777, mode_t(0700));
    }

    void moveAndRestore_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QString>("rodzaj"); // "plik", "katalog", "dowiązanie"
        QTest::addColumn<int>("zajęte");     // entries of that name already in the trash
        QTest::newRow("a directory tree: one rename, its size noted") << "drzewo" << "katalog" << 0;
        QTest::newRow("a link to a directory goes as the link") << "łącze" << "dowiązanie" << 0;
        QTest::newRow("a name taken twice in the trash") << "a b.txt" << "plik" << 2;
        QTest::newRow("bytes that are not UTF-8") << decodeName("caf\xE9\xFF%") << "plik" << 0;
        QTest::newRow("255 bytes, taken") << QString(255, u'n') << "plik" << 1;
    }

    void moveAndRestore()
    {
        QFETCH(QString, nazwa);
        QFETCH(QString, rodzaj);
        QFETCH(int, zajęte);
        QTemporaryDir tmp;
        const QString ścieżka = tmp.filePath(nazwa);
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("cel/pod")));
        for (int i = 0; i <= zajęte; ++i) {
            if (rodzaj == QStringLiteral("katalog")) {
                QVERIFY(QDir(tmp.path()).mkpath(nazwa + QStringLiteral("/a/b")));
                QFile f(ścieżka + QStringLiteral("/a/b/plik"));
                QVERIFY(f.open(QIODevice::WriteOnly) && f.write("12345") == 5);
            } else if (rodzaj == QStringLiteral("dowiązanie")) {
                QVERIFY(QFile::link(tmp.filePath(QStringLiteral("cel")), ścieżka));
            } else {
                const int fd = ::open(encodeName(ścieżka).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
                QVERIFY(fd >= 0);
                ::close(fd);
            }
            if (i < zajęte)
                QVERIFY(moveToTrash(ścieżka));
        }
        const std::optional<Identity> przed = identityOf(ścieżka);
        QVERIFY(przed);

        TrashError błąd;
        const std::optional<TrashedEntry> wpis = moveToTrash(ścieżka, &błąd);
        QVERIFY2(wpis, qPrintable(błąd.text()));
        const QString kosz = m_dom.filePath(QStringLiteral("Trash"));
        QVERIFY(!identityOf(ścieżka));
        QCOMPARE(identityOf(wpis->file)->inode, przed->inode);
        QCOMPARE(QFileInfo(wpis->file).path(), kosz + QStringLiteral("/files"));
        QCOMPARE(wpis->info, kosz + QStringLiteral("/info/") + QFileInfo(wpis->file).fileName() + ".trashinfo");
        QVERIFY(encodeName(QFileInfo(wpis->info).fileName()).size() <= 255);
        if (zajęte)
            QVERIFY(wpis->file.endsWith(u'.' + QString::number(zajęte + 1)));
        QCOMPARE(trashInfoPath(readAll(wpis->info)), std::optional<QByteArray>(encodeName(ścieżka)));
        QCOMPARE(QFileInfo(wpis->file).isSymLink(), rodzaj == QStringLiteral("dowiązanie"));
        const QByteArray rozmiary = readAll(kosz + QStringLiteral("/directorysizes"));
        const QByteArray linia = QByteArray::number(QFileInfo(wpis->info).lastModified().toSecsSinceEpoch()) + ' '
                                 + percentEncode(encodeName(QFileInfo(wpis->file).fileName())) + '\n';
        QCOMPARE(rozmiary.endsWith(linia) && rozmiary.split(' ').first().toLongLong() >= 5,
                 rodzaj == QStringLiteral("katalog"));

        QVERIFY(restoreFromTrash(*wpis, ścieżka));
        QCOMPARE(identityOf(ścieżka)->inode, przed->inode);
        QVERIFY(!QFile::exists(wpis->info));
        QVERIFY(!readAll(kosz + QStringLiteral("/directorysizes")).contains(' ' + percentEncode(encodeName(nazwa))));
        if (rodzaj != QStringLiteral("katalog"))
            QVERIFY(removeFile(ścieżka)); // QTemporaryDir cannot spell every name
    }

    // Another file system has its own trash at its top; a directory that
    // holds a mounted file system stays where it is.
    void otherFileSystems_data()
    {
        QTest::addColumn<bool>("montuj");
        QTest::newRow("a directory holding a mount point is refused") << true;
        QTest::newRow("a file on another file system: its top's trash") << false;
    }

    void otherFileSystems()
    {
        QFETCH(bool, montuj);
        if (montuj) {
            QTemporaryDir tmp;
            QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("kat/punkt")));
            const QString punkt = tmp.filePath(QStringLiteral("kat/punkt"));
            if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "none", punkt}) != 0)
                QSKIP("mount: cannot mount a tmpfs here");
            TrashError błąd;
            const bool wKoszu = moveToTrash(tmp.filePath(QStringLiteral("kat")), &błąd).has_value();
            QProcess::execute(QStringLiteral("umount"), {punkt});
            QVERIFY(!wKoszu);
            QCOMPARE(błąd.problem, TrashProblem::HoldsMount);
            QVERIFY(QFileInfo(punkt).isDir());
            return;
        }
        QTemporaryDir shm(QStringLiteral("/dev/shm/oc-trash-XXXXXX"));
        if (!shm.isValid() || identityOf(shm.path())->device == identityOf(m_dom.path())->device)
            QSKIP("/dev/shm: no second file system");
        const QString plik = shm.filePath(QStringLiteral("plik"));
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const std::optional<TrashedEntry> wpis = moveToTrash(plik);
        QVERIFY(wpis);
        QCOMPARE(identityOf(wpis->file)->device, identityOf(shm.path())->device);
        QVERIFY(wpis->file.startsWith(QStringLiteral("/dev/shm/.Trash")));
        QCOMPARE(trashInfoPath(readAll(wpis->info)),
                 std::optional<QByteArray>(encodeName(plik.mid(QStringLiteral("/dev/shm/").size()))));
        QVERIFY(restoreFromTrash(*wpis, plik));
        QVERIFY(QFile::exists(plik));
        // Leave /dev/shm as it was where the trash is empty again.
        const QString kosz = QFileInfo(QFileInfo(wpis->file).path()).path();
        for (const QString &katalog : {kosz + QStringLiteral("/files"), kosz + QStringLiteral("/info"), kosz})
            QDir().rmdir(katalog);
    }

private:
    QTemporaryDir m_dom;
};

QTEST_GUILESS_MAIN(TestTrash)
#include "tst_trash.moc"
