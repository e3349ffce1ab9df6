#include "InfoKatalogu.h"

#include <QFile>
#include <QFileInfo>

QString TekstZOdstępami(qint64 n)
{
    const QString s = QString::number(n);
    QString wynik;
    for (qsizetype i = 0; i < s.size(); ++i) {
        wynik += s.at(i);
        const qsizetype zostało = s.size() - 1 - i;
        if (zostało > 0 && zostało % 3 == 0 && s.at(i) != u'-')
            wynik += u' ';
    }
    return wynik.trimmed();
}

Liczniki RozbierzLiczniki(const QString &text)
{
    Liczniki l;
    const QStringList części = text.split(u'#');
    if (części.size() != 4)
        return l;
    l.Bajty = części.at(0).toLongLong();
    l.Zajęte = części.at(1).toLongLong();
    l.Katalogi = części.at(2).toLongLong();
    l.Pliki = części.at(3).toLongLong();
    return l;
}

bool JestPlikiem(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isDir();
}

const QStringList &NazwyOpisów()
{
    static const QStringList nazwy{QStringLiteral("dirinfo"),      QStringLiteral("fileid.diz"),
                                   QStringLiteral("readme.txt"),   QStringLiteral("readme"),
                                   QStringLiteral("czytaj.to"),    QStringLiteral("czytajto"),
                                   QStringLiteral("czytajto.txt"), QStringLiteral("read.me"),
                                   QStringLiteral("file_id.diz"),  QStringLiteral("descript.ion")};
    return nazwy;
}

QString TekstOpisu(const QString &path)
{
    QFile plik(path);
    if (!plik.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QString tekst;
    for (int wiersz = 0; wiersz < 6 && !plik.atEnd(); ++wiersz) {
        QByteArray linia = plik.readLine(4000);
        // The rest of an over-long line is skipped a piece at a time.
        for (QByteArray reszta = linia; !reszta.endsWith('\n') && !plik.atEnd();)
            reszta = plik.readLine(4000);
        while (linia.endsWith('\n') || linia.endsWith('\r'))
            linia.chop(1);
        tekst += QString::fromUtf8(linia).left(1000) + QStringLiteral("\r\n");
    }
    return tekst;
}
