#include "Kopiowanie.h"

#include "Gospodarz.h"
#include "PokazKomunikat.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <platform/Directory.h>
#include <platform/Paths.h>
#include <ui/Twips.h>

#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <vector>

using namespace oc;

namespace {

struct DoSkopiowania
{
    QString ścieżka;
    bool katalog;
};

// One copy component for one batch: the paths handed over in order, then
// its window; true when the copy ran.
bool Kopiuj(Gospodarz &okno, const std::vector<DoSkopiowania> &co, QString cel)
{
    QWidget *nad = okno.Okno();
    const EgzemplarzPolecenia kopia = UtwórzKomponent(okno, komponent::Kopiowanie);
    if (!kopia || !Wywołaj(okno, kopia, QStringLiteral("clearlists")))
        return false;
    for (const DoSkopiowania &pozycja : co)
        if (!Wywołaj(okno, kopia, pozycja.katalog ? QStringLiteral("AddDirToCopy") : QStringLiteral("AddFileToCopy"),
                     pozycja.ścieżka))
            return false;
    if (co.empty())
        return false;
    QVariantList args{float(ui::leftTwips(nad) + 3100), float(ui::topTwips(nad) + 2000), cel};
    const std::optional<QVariant> wynik = Wywołaj(okno, kopia, QStringLiteral("RunCopy"), args);
    return wynik && wynik->toInt() == 1;
}

// The entry itself, its directory resolved but not its own name: a link is
// copied as the link, so it is judged as one, not by what it points to.
QString SamWpis(const QString &ścieżka)
{
    const QFileInfo wpis(ścieżka);
    const QString katalog = QFileInfo(wpis.absolutePath()).canonicalFilePath();
    return katalog.isEmpty() ? QString() : QDir::cleanPath(platform::withSeparator(katalog) + wpis.fileName());
}

// A copy that would land on its own source: a file into the directory it is
// in, or a directory into itself or below itself. The message, or "".
QString KopiaWSiebie(const std::vector<DoSkopiowania> &co, const QString &cel)
{
    const QString docelowy = QDir::cleanPath(QFileInfo(cel).canonicalFilePath());
    for (const DoSkopiowania &pozycja : co) {
        const QString źródło = SamWpis(pozycja.ścieżka);
        if (źródło.isEmpty() || docelowy.isEmpty())
            continue;
        if (!pozycja.katalog && QFileInfo(źródło).absolutePath() == docelowy)
            return QStringLiteral("Nie można skopiować pliku %1 na niego samego").arg(pozycja.ścieżka);
        if (pozycja.katalog && (docelowy == źródło || docelowy.startsWith(platform::withSeparator(źródło))))
            return QStringLiteral("Nie można skopiować katalogu %1 do niego samego").arg(pozycja.ścieżka);
    }
    return {};
}

} // namespace

void CopyFilesD(Gospodarz &okno)
{
    const int s = okno.AktywnyPanel();
    const int t = 3 - s;
    WidokPanelu &źródło = okno.Widok(s);
    std::vector<DoSkopiowania> co;
    for (const WybranaPozycja &pozycja : źródło.Wybrane())
        co.push_back({pozycja.ścieżka, pozycja.katalog});
    if (co.empty())
        return;
    const QString cel = okno.Widok(t).Dir.Ścieżka();
    if (const QString wSiebie = KopiaWSiebie(co, cel); !wSiebie.isEmpty()) {
        PokażKomunikat(okno, QStringLiteral("Kopiuj"), wSiebie, 48, 0, 0);
        return;
    }
    Kopiuj(okno, co, cel);

    // Whatever the copy did, the target is listed anew and the marks go.
    okno.OdświeżPanel(t);
    źródło.WyczyśćZnaki();
}

void UpuśćPliki(Gospodarz &okno, int p, const QStringList &ścieżki)
{
    std::vector<DoSkopiowania> co;
    for (const QString &ścieżka : ścieżki)
        // A link to a directory is copied as the link it is.
        co.push_back({ścieżka, platform::isDirectory(ścieżka) && !QFileInfo(ścieżka).isSymLink()});
    const QString cel = okno.Widok(p).Dir.Ścieżka();
    if (const QString wSiebie = KopiaWSiebie(co, cel); !wSiebie.isEmpty()) {
        PokażKomunikat(okno, QStringLiteral("Kopiuj"), wSiebie, 48, 0, 0);
        return;
    }
    if (Kopiuj(okno, co, cel))
        okno.OdświeżPanel(p);
}
