#include <Obraz.h>
#include <Ocmd.h>
#include <frmObraz.h>

#include <ui/Twips.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMovie>
#include <QProcess>
#include <QRandomGenerator>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

using oc::frmObraz;

namespace {

QByteArray le16(quint16 v)
{
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}

// A header that promises a picture of the size given, and no pixels.
QByteArray bmpOfDeclaredSize(quint32 width, quint32 height)
{
    return "BM" + le32(54) + le32(0) + le32(54) + le32(40) + le32(width) + le32(height) + le16(1) + le16(24)
           + le32(0) + le32(0) + le32(2835) + le32(2835) + le32(0) + le32(0);
}

// A GIF of one pixel per frame, black and white, the frames 10 ms apart.
QByteArray gif(quint16 width, quint16 height, int frames)
{
    QByteArray data = "GIF89a" + le16(width) + le16(height) + QByteArray("\x80\x00\x00\xff\xff\xff\x00\x00\x00", 9);
    data += QByteArray("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (int i = 0; i < frames; ++i)
        data += QByteArray("\x21\xf9\x04\x00\x01\x00\x00\x00", 8) + QByteArray("\x2c", 1) + le16(0) + le16(0) + le16(1)
                + le16(1) + QByteArray("\x00\x02\x02\x44\x01\x00", 6);
    return data + ';';
}

QByteArray encoded(const QSize &size, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, QRandomGenerator::global()->generate());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// What the viewer showed for a file.
struct Seen
{
    bool shown = false;
    QString title;
    QString message; // "" when a picture is shown
    QSize picture;
    int frames = 0;
    QRect geometry;
    bool closed = false;
};

// Views the file through the component and closes the window with the key
// (a click on the picture when key is 0).
Seen view(const QString &path, float x, float y, int key = Qt::Key_Escape)
{
    Seen seen;
    QTimer::singleShot(0, [&] {
        auto *okno = qobject_cast<frmObraz *>(QApplication::activeModalWidget());
        if (!okno)
            return;
        seen.shown = true;
        seen.title = okno->windowTitle();
        QCOMPARE(okno->Label1->text().trimmed(), seen.title);
        seen.message = okno->lblKomunikat ? okno->lblKomunikat->text() : QString();
        QCOMPARE(!okno->imgObraz, !seen.message.isEmpty());
        if (okno->imgObraz) {
            seen.picture = okno->imgObraz->size();
            seen.frames = okno->Animacja ? okno->Animacja->frameCount() : 1;
        }
        seen.geometry = okno->geometry();
        // Pressing the title drags the window; it must not close it.
        QTest::mousePress(okno->Label1, Qt::LeftButton);
        QTest::mouseRelease(okno->Label1, Qt::LeftButton);
        if (!okno->isVisible())
            return;
        if (key)
            QTest::keyClick(okno, Qt::Key(key));
        else
            QTest::mouseClick(okno->imgObraz ? okno->imgObraz : okno->lblKomunikat, Qt::LeftButton);
        seen.closed = !okno->isVisible();
        if (okno->isVisible())
            okno->reject();
    });
    QString argument = path;
    QVariantList args{x, y, argument};
    oc::Ocmd ocmd;
    ocmd.invoke(u"ShowBMPFile", args);
    return seen;
}

} // namespace

class TstObraz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void unreadableFilesSayWhy_data();
    void unreadableFilesSayWhy();
    void picturesShown_data();
    void picturesShown();

private:
    QString write(const QString &name, const QByteArray &data)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    QTemporaryDir dir;
};

void TstObraz::unreadableFilesSayWhy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message");

    const QString Nieczytelny = QStringLiteral("Nie mogę odczytać obrazu: plik jest uszkodzony albo obraz jest za duży");
    const QByteArray png = encoded(QSize(64, 64), "PNG");
    const QByteArray jpeg = encoded(QSize(64, 64), "JPEG");
    // Nothing may be allocated for what a header merely claims.
    QTest::newRow("BMP declaring 16000 x 16000") << "bomba.bmp" << bmpOfDeclaredSize(16000, 16000)
                                                  << "Obraz jest za duży do wyświetlenia (16000 × 16000 punktów).";
    // Its frame is one pixel; the screen it is drawn on would take 16 GiB.
    QTest::newRow("GIF screen of 65535 x 65535") << "bomba.gif" << gif(65535, 65535, 1) << Nieczytelny;
    // A pipe is opened by nobody: reading it would wait for a writer.
    QTest::newRow("named pipe") << "potok.bmp" << QByteArray("<fifo>")
                                << "To nie jest zwykły plik, lecz potok, gniazdo albo urządzenie.";
    QTest::newRow("directory") << "katalog.jpg" << QByteArray("<dir>") << "To jest katalog, nie plik.";
    QTest::newRow("missing") << "nie-ma.bmp" << QByteArray("<none>") << "Plik nie istnieje.";
    QTest::newRow("PNG cut in half") << "pół.png" << png.left(png.size() / 2) << Nieczytelny;
    QTest::newRow("JPEG cut in its header") << "nagłówek.jpg" << jpeg.left(100) << Nieczytelny;
    QTest::newRow("random bytes named .bmp") << "szum.bmp" << encoded(QSize(8, 8), "PNG").mid(16)
                                             << "To nie jest obraz albo jego format jest nieznany.";
    QTest::newRow("empty file") << "pusty.gif" << QByteArray() << "Plik jest pusty.";
    QTest::newRow("WMF") << "rysunek.wmf" << QByteArray("\xd7\xcd\xc6\x9a\x00\x00", 6)
                         << "Obrazów typu WMF ten podgląd nie wyświetla.";
    QTest::newRow("ANI") << "kursor.ani" << QByteArray("RIFF\x10\x00\x00\x00" "ACONanih", 16)
                         << "Obrazów typu ANI ten podgląd nie wyświetla.";
}

void TstObraz::unreadableFilesSayWhy()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, data);
    QFETCH(QString, message);

    QString path = dir.filePath(name);
    if (data == "<fifo>")
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {path}), 0);
    else if (data == "<dir>")
        QVERIFY(QDir(dir.path()).mkdir(name));
    else if (data != "<none>")
        path = write(name, data);

    QElapsedTimer timer;
    timer.start();
    const Seen seen = view(path, 1500, 900);
    QVERIFY(seen.shown);
    QVERIFY2(seen.message.startsWith(message), qPrintable(seen.message));
    QCOMPARE(seen.title, name);
    QVERIFY(seen.closed);
    QVERIFY(timer.elapsed() < 5000);
}

void TstObraz::picturesShown_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("frames");

    QTest::newRow("larger than the screen, Enter") << "duży.jpg" << encoded(QSize(3000, 2000), "JPEG")
                                                   << int(Qt::Key_Return) << 1;
    QTest::newRow("small PNG under a .bmp name, Esc") << "mały.bmp" << encoded(QSize(40, 30), "PNG")
                                                      << int(Qt::Key_Escape) << 1;
    QTest::newRow("BMP, a click") << "mały2.bmp" << encoded(QSize(40, 30), "BMP") << 0 << 1;
    QTest::newRow("animated GIF, F10") << "ruch.gif" << gif(1, 1, 2) << int(Qt::Key_F10) << 2;
}

void TstObraz::picturesShown()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, data);
    QFETCH(int, key);
    QFETCH(int, frames);

    const QImage original = QImage::fromData(data);
    const Seen seen = view(write(name, data), 1500, 900, key);
    QVERIFY(seen.shown);
    QVERIFY2(seen.message.isEmpty(), qPrintable(seen.message));
    QCOMPARE(seen.title, name);
    QCOMPARE(seen.frames, frames);
    QVERIFY(seen.closed);

    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(seen.geometry), qPrintable(QStringLiteral("%1 %2 %3 %4").arg(seen.geometry.x()).arg(
                                                 seen.geometry.y()).arg(seen.geometry.width()).arg(seen.geometry.height())));
    if (original.width() < screen.width() / 2) {
        QCOMPARE(seen.picture, original.size());
        QCOMPARE(seen.geometry.topLeft(), QPoint(oc::ui::toPixels(1500), oc::ui::toPixels(900)));
    } else {
        // Shrunk with its proportions kept.
        QVERIFY(seen.picture.width() < original.width());
        const qint64 skew = qint64(seen.picture.width()) * original.height() - qint64(original.width()) * seen.picture.height();
        QVERIFY(qAbs(skew) <= qMax(original.width(), original.height()));
    }
}

QTEST_MAIN(TstObraz)
#include "tst_obraz.moc"
