#pragma once

#include <platform/FileError.h>

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

namespace occopy {

// An existing target met by a copy or a move, and the source meant to take
// its place.
struct Zastany
{
    QString źródło; // full paths
    QString cel;
    qint64 rozmiarŹródła = 0;
    qint64 rozmiarCelu = 0;
    QDateTime czasŹródła; // last modification
    QDateTime czasCelu;
    bool celTylkoDoOdczytu = false;
};

// A modification time in nanoseconds since the epoch, as Zastany holds it.
QDateTime CzasPliku(qint64 nanosekundy);

// The buttons of the question windows. The unreadable source is answered
// with Pomiń, PomijajWszystkie or Anuluj only. (moc cannot read two names
// here that share their beginning up to a Polish letter.)
enum class Odpowiedź { Nadpisz, Pomiń, NadpiszWszystkie, PomijajWszystkie, NadpiszStarsze, Anuluj };

// The questions of one run with the overwrite switch on "[ ? ]": each
// existing target, and each source that cannot be read. An answer for all
// (or for the older targets) holds to the end of the run and is not asked
// again. Used on the working thread; the ask functions return once the user
// has answered.
class Pytania
{
public:
    std::function<Odpowiedź(const Zastany &)> PytajONadpisanie;
    std::function<Odpowiedź(const oc::platform::FileError &)> PytajOBłąd;
    // What Anuluj does: ends the run.
    std::function<void()> Przerwij;

    // Whether the existing target is replaced.
    bool Nadpisać(const Zastany &zastany);
    void BłądŹródła(const oc::platform::FileError &błąd);

private:
    std::optional<Odpowiedź> m_dlaWszystkich;
    bool m_pomijajBłędy = false;
};

} // namespace occopy
