#include <Dzwiek.h>
#include <Midi.h>
#include <Ocmd.h>
#include <frmOdtwarzacz.h>

#include <ui/Twips.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <functional>

using oc::frmOdtwarzacz;
using oc::Odtwarzacz;
using oc::Odtwarzanie;

namespace {

QByteArray be(quint32 value, int bytes)
{
    QByteArray b;
    for (int i = bytes - 1; i >= 0; --i)
        b += char(value >> (8 * i) & 0xFF);
    return b;
}

QByteArray chunk(const char *name, const QByteArray &body) { return name + be(body.size(), 4) + body; }

QByteArray smf(int format, int division, const QList<QByteArray> &tracks)
{
    QByteArray data = chunk("MThd", be(format, 2) + be(tracks.size(), 2) + be(division, 2));
    for (const QByteArray &track : tracks)
        data += chunk("MTrk", track);
    return data;
}

// Events: a note on at once, its note off after the ticks given (two-byte
// delta), the end of the track.
QByteArray note(int ticks)
{
    return QByteArray("\x00\x90\x3c\x40", 4) + char(0x80 | (ticks >> 7)) + char(ticks & 0x7F)
           + QByteArray("\x80\x3c\x00\x00\xff\x2f\x00", 7);
}

QByteArray tempo(quint32 microseconds) { return QByteArray("\xff\x51\x03", 3) + be(microseconds, 3); }

// One second of 8 kHz mono 16-bit PCM.
QByteArray wave()
{
    const int samples = 8000;
    QByteArray pcm;
    for (int i = 0; i < samples; ++i) {
        char b[2];
        qToLittleEndian<qint16>(qint16((i % 40) * 800 - 16000), b);
        pcm.append(b, 2);
    }
    const auto le = [](quint32 v, int n) {
        QByteArray b(n, 0);
        for (int i = 0; i < n; ++i)
            b[i] = char(v >> (8 * i));
        return b;
    };
    return "RIFF" + le(36 + pcm.size(), 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(8000, 4)
           + le(16000, 4) + le(2, 2) + le(16, 2) + "data" + le(pcm.size(), 4) + pcm;
}

const QByteArray Song = smf(0, 480, {note(960)}); // two quarter notes at 120 a minute: one second

QString write(const QString &path, const QByteArray &data, bool program = false)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
    if (program)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return path;
}

// The program and data directories the player searches, for one test.
class Environment
{
public:
    Environment(const QString &bin, const QString &data)
    {
        for (const char *name : {"PATH", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
            m_saved.append({name, qgetenv(name)});
            qputenv(name, (QByteArrayView(name) == "PATH" ? bin : data).toLocal8Bit());
        }
    }
    ~Environment()
    {
        for (const auto &[name, value] : m_saved)
            qputenv(name, value);
    }

private:
    QList<std::pair<const char *, QByteArray>> m_saved;
};

// What the player window showed once ready says it is, then closed by keys.
struct Seen
{
    bool shown = false;
    QString message;
    QString time;
    Odtwarzanie::Stan state = Odtwarzanie::Stan::Zatrzymane; // before the last key
    QPoint position;
    bool closed = false;
};

Seen play(const QString &operation, const QString &path, const std::function<bool(frmOdtwarzacz *)> &ready,
          const QString &keys)
{
    Seen seen;
    QTimer::singleShot(0, [&] {
        auto *okno = qobject_cast<frmOdtwarzacz *>(QApplication::activeModalWidget());
        if (!okno)
            return;
        seen.shown = true;
        QCOMPARE(okno->windowTitle(), okno->Label1->text().trimmed());
        QCOMPARE(okno->lblPlik->text(), QFileInfo(path).fileName());
        QTRY_VERIFY_WITH_TIMEOUT(ready(okno), 10000);
        seen.message = okno->lblKomunikat->text();
        seen.time = okno->lblCzas->text();
        seen.position = okno->pos();
        for (QChar key : keys) {
            seen.state = okno->Dźwięk().stan();
            if (key == u'\x1b')
                QTest::keyClick(okno, Qt::Key_Escape);
            else if (key == u'\r')
                QTest::keyClick(okno, Qt::Key_Return);
            else
                QTest::keyClick(okno, key.toLatin1());
        }
        seen.closed = !okno->isVisible();
        if (okno->isVisible())
            okno->reject();
    });
    QString argument = path;
    QVariantList args{3680.0f, 2000.0f, argument};
    oc::Ocmd ocmd;
    ocmd.invoke(operation, args);
    return seen;
}

bool hasMessage(frmOdtwarzacz *okno) { return !okno->lblKomunikat->text().isEmpty(); }

bool processRuns(const QString &pidFile)
{
    QFile file(pidFile);
    const QByteArray pid = file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
    return !pid.isEmpty() && QFileInfo::exists(QStringLiteral("/proc/") + pid);
}

} // namespace

class TstOdtwarzacz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void midiLength_data();
    void midiLength();
    void playerForFile_data();
    void playerForFile();
    void synthesiserFound_data();
    void synthesiserFound();
    void unplayableFilesSayWhy_data();
    void unplayableFilesSayWhy();
    void waveFilePlays();
    void synthesiserEndsWithWindow_data();
    void synthesiserEndsWithWindow();

private:
    QTemporaryDir dir;
};

void TstOdtwarzacz::midiLength_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<qint64>("milliseconds"); // -1: not a MIDI file

    QTest::newRow("track declared longer than the file") << Song.left(14) + be(0xFFFFFFF0u, 4) + note(960) << -1ll;
    QTest::newRow("cut inside an event") << Song.left(Song.size() - 5) << -1ll;
    QTest::newRow("fewer tracks than the header counts") << smf(1, 480, {note(960)}).replace(10, 2, be(3, 2)) << -1ll;
    QTest::newRow("data byte before any status") << smf(0, 480, {QByteArray("\x00\x3c\x40", 3)}) << -1ll;
    QTest::newRow("delta of five bytes") << smf(0, 480, {QByteArray("\x81\x81\x81\x81\x01\x90\x3c\x40", 8)}) << -1ll;
    QTest::newRow("no tracks") << smf(0, 480, {}) << -1ll;
    QTest::newRow("a wave file") << wave() << -1ll;
    QTest::newRow("empty") << QByteArray() << -1ll;
    QTest::newRow("120 a minute until told otherwise") << Song << 1000ll;
    QTest::newRow("tempo halved after a quarter")
        << smf(0, 480, {QByteArray(1, 0) + tempo(500000) + QByteArray("\x00\x90\x3c\x40\x83\x60", 6) + tempo(1000000)
                        + QByteArray("\x83\x60\x80\x3c\x00\x00\xff\x2f\x00", 9)})
        << 1500ll;
    QTest::newRow("tempo map in the first track, notes in the second")
        << smf(1, 480, {QByteArray(1, 0) + tempo(250000) + QByteArray("\x00\xff\x2f\x00", 4), note(960)}) << 500ll;
    QTest::newRow("running status, other chunks skipped")
        << smf(0, 480, {QByteArray("\x00\x90\x3c\x40\x00\x40\x40\x87\x40\x3c\x00\x00\xff\x2f\x00", 15)})
                   .insert(14, chunk("XFIH", "abc"))
        << 1000ll;
    QTest::newRow("25 frames of 40 ticks a second") << smf(0, 0xE728, {note(2500)}) << 2500ll;
}

void TstOdtwarzacz::midiLength()
{
    QFETCH(QByteArray, data);
    QFETCH(qint64, milliseconds);
    QCOMPARE(oc::DługośćMidi(data).value_or(-1), milliseconds);
}

void TstOdtwarzacz::playerForFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<Odtwarzacz>("player");

    QTest::newRow("MIDI data under a .wav name") << "a.wav" << Song << Odtwarzacz::Syntezator;
    QTest::newRow("wave data under a .mid name") << "a.mid" << wave() << Odtwarzacz::Multimedia;
    QTest::newRow("MPEG frame under a .mid name") << "a.MID" << QByteArray("\xff\xfb\x90\x00", 4) << Odtwarzacz::Multimedia;
    QTest::newRow("unknown bytes, .MID") << "a.MID" << QByteArray("xyz") << Odtwarzacz::Syntezator;
    QTest::newRow("unknown bytes, .mp3") << "a.mp3" << QByteArray("xyz") << Odtwarzacz::Multimedia;
}

void TstOdtwarzacz::playerForFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QFETCH(Odtwarzacz, player);
    QCOMPARE(oc::OdtwarzaczDla(name, start), player);
}

void TstOdtwarzacz::synthesiserFound_data()
{
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<QStringList>("fonts"); // under the two data directories "d1" and "d2"
    QTest::addColumn<QString>("command");   // or the start of the message

    QTest::newRow("no synthesiser") << QStringList{"ls"} << QStringList{"d1/sounds/sf2/default-GM.sf2"}
                                    << "Do odtwarzania plików MIDI potrzebny jest syntezator programowy";
    QTest::newRow("a synthesiser, no sound font") << QStringList{"timidity"} << QStringList{"d1/sounds/sf2/notes.txt"}
                                                  << "Syntezator timidity nie ma czym grać";
    QTest::newRow("a font whose path would break the configuration")
        << QStringList{"timidity"} << QStringList{"d1/sounds/sf2/a\"b.sf2"} << "Syntezator timidity nie ma czym grać";
    QTest::newRow("fluidsynth first, the chosen font first")
        << QStringList{"timidity", "fluidsynth"}
        << QStringList{"d1/sounds/sf2/A.sf2", "d1/sounds/sf2/default-GM.sf2", "d2/sounds/sf2/0.sf2"}
        << "fluidsynth -n -i -q d1/sounds/sf2/default-GM.sf2 FILE";
    QTest::newRow("timidity, the first data directory with a font")
        << QStringList{"timidity"} << QStringList{"d2/soundfonts/B.sf2", "d2/sounds/sf3/A.sf3"}
        << "timidity -id -x soundfont \"d2/soundfonts/B.sf2\" FILE";
}

void TstOdtwarzacz::synthesiserFound()
{
    QFETCH(QStringList, programs);
    QFETCH(QStringList, fonts);
    QFETCH(QString, command);

    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("bin"));
    for (const QString &program : programs)
        write(bin + u'/' + program, "#!/bin/sh\n", true);
    for (const QString &font : fonts)
        write(root.filePath(font), "RIFF");
    const QString file = root.filePath(QStringLiteral("song.mid"));

    const oc::Syntezator s = oc::ZnajdźSyntezator(file, {bin}, {root.filePath("d1"), root.filePath("d2")});
    if (s.polecenie.program.isEmpty()) {
        QVERIFY2(s.komunikat.startsWith(command), qPrintable(s.komunikat));
        return;
    }
    QVERIFY(s.komunikat.isEmpty());
    const QString shown = (QStringList{QFileInfo(s.polecenie.program).fileName()} + s.polecenie.arguments)
                              .join(u' ')
                              .replace(root.path() + u'/', QString())
                              .replace(QStringLiteral("song.mid"), QStringLiteral("FILE"));
    QCOMPARE(shown, command);
}

void TstOdtwarzacz::unplayableFilesSayWhy_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("time");

    QTest::newRow("MIDI with no synthesiser, Enter closes")
        << "playmidifile" << "utwór.mid" << Song << "Do odtwarzania plików MIDI potrzebny jest syntezator" << "0:00 / 0:01";
    QTest::newRow("damaged MIDI") << "playmidifile" << "zły.mid" << Song.left(30)
                                  << "To nie jest plik MIDI albo jest uszkodzony." << "0:00 / -:--";
    QTest::newRow("pipe") << "playwavfile" << "potok.wav" << QByteArray("<fifo>")
                          << "To nie jest zwykły plik, lecz potok, gniazdo albo urządzenie." << "0:00 / -:--";
    QTest::newRow("directory") << "playmp3file" << "album.mp3" << QByteArray("<dir>") << "To jest katalog, nie plik."
                               << "0:00 / -:--";
    QTest::newRow("noise named .wav") << "playwavfile" << "szum.wav" << QByteArray(4000, '\x5a')
                                      << "Nie mogę odtworzyć tego pliku: " << "0:00 / -:--";
}

void TstOdtwarzacz::unplayableFilesSayWhy()
{
    QFETCH(QString, operation);
    QFETCH(QString, name);
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    QFETCH(QString, time);

    QTemporaryDir empty;
    const Environment environment(empty.path(), empty.path());
    const QString path = dir.filePath(name);
    if (data == "<fifo>")
        QCOMPARE(QProcess::execute(QStringLiteral("/usr/bin/mkfifo"), {path}), 0);
    else if (data == "<dir>")
        QVERIFY(QDir().mkpath(path));
    else
        write(path, data);

    const Seen seen = play(operation, path, hasMessage, QStringLiteral("\r"));
    QVERIFY(seen.shown);
    QVERIFY2(seen.message.startsWith(message), qPrintable(seen.message));
    QCOMPARE(seen.time, time);
    QCOMPARE(seen.position, QPoint(oc::ui::toPixels(3680), oc::ui::toPixels(2000)));
    QVERIFY(seen.closed);
}

void TstOdtwarzacz::waveFilePlays()
{
    const QString path = write(dir.filePath(QStringLiteral("dźwięk.wav")), wave());
    // Space pauses what plays; Esc closes.
    const Seen seen = play(QStringLiteral("playwavfile"), path,
                           [](frmOdtwarzacz *okno) {
                               return hasMessage(okno) || (okno->Dźwięk().Długość() > 0
                                                           && okno->Dźwięk().stan() == Odtwarzanie::Stan::Gra);
                           },
                           QStringLiteral(" \x1b"));
    QVERIFY2(seen.message.isEmpty(), qPrintable(seen.message));
    QVERIFY2(seen.time.endsWith(QStringLiteral(" / 0:01")), qPrintable(seen.time));
    QCOMPARE(seen.state, Odtwarzanie::Stan::Pauza);
    QVERIFY(seen.closed);
}

void TstOdtwarzacz::synthesiserEndsWithWindow_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("message");

    QTest::newRow("Esc while it plays") << "exec /bin/sleep 30" << "\x1b" << "";
    QTest::newRow("Stop, then Esc") << "exec /bin/sleep 30" << "s\x1b" << "";
    QTest::newRow("it fails") << "echo 'no audio device' >&2; exit 3" << "\x1b"
                              << "Syntezator fluidsynth zakończył pracę z błędem: no audio device";
}

void TstOdtwarzacz::synthesiserEndsWithWindow()
{
    QFETCH(QString, script);
    QFETCH(QString, keys);
    QFETCH(QString, message);

    QTemporaryDir root;
    const QString pid = root.filePath(QStringLiteral("pid"));
    const QString arguments = root.filePath(QStringLiteral("arguments"));
    write(root.filePath(QStringLiteral("bin/fluidsynth")),
          QStringLiteral("#!/bin/sh\nprintf '%s ' \"$@\" > '%1'\necho $$ > '%2'\n%3\n").arg(arguments, pid, script).toLocal8Bit(),
          true);
    const QString font = write(root.filePath(QStringLiteral("data/sounds/sf2/default-GM.sf2")), "RIFF");
    const QString song = write(root.filePath(QStringLiteral("song.mid")), Song);
    const Environment environment(root.filePath(QStringLiteral("bin")), root.filePath(QStringLiteral("data")));

    bool ran = false;
    const Seen seen = play(QStringLiteral("playmidifile"), song,
                           [&](frmOdtwarzacz *okno) {
                               ran = ran || processRuns(pid);
                               return message.isEmpty() ? ran : hasMessage(okno);
                           },
                           keys);
    QVERIFY(seen.closed);
    QCOMPARE(seen.message, message);
    QFile recorded(arguments);
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(recorded.readAll()).trimmed(), QStringLiteral("-n -i -q %1 %2").arg(font, song));
    // No music may go on once its window is gone.
    QVERIFY(!processRuns(pid));
}

QTEST_MAIN(TstOdtwarzacz)
#include "tst_odtwarzacz.moc"
