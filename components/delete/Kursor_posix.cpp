#include "Kursor.h"

#include <platform/Mount_posix.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ocdelete {

namespace {

bool porażka(int *błąd, int kod)
{
    if (błąd)
        *błąd = kod;
    return false;
}

} // namespace

Kursor::Kursor(std::vector<KatalogDrzewa> &katalogi) : m_katalogi(katalogi)
{}

Kursor::~Kursor()
{
    if (m_fd >= 0 && m_fd != m_korzeń)
        close(m_fd);
    if (m_korzeń >= 0)
        close(m_korzeń);
}

bool Kursor::otwórzKorzeń(int rodzic, const QByteArray &nazwa, int *błąd)
{
    const int fd = openat(rodzic, nazwa.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return porażka(błąd, errno);
    struct stat st;
    if (fstat(fd, &st) != 0) {
        const int kod = errno;
        close(fd);
        return porażka(błąd, kod);
    }
    // A second cursor on the tree finds the root the first one recorded.
    KatalogDrzewa &korzeń = m_katalogi[0];
    if (korzeń.iwęzeł == 0) {
        korzeń.urządzenie = st.st_dev;
        korzeń.iwęzeł = st.st_ino;
    } else if (quint64(st.st_dev) != korzeń.urządzenie || quint64(st.st_ino) != korzeń.iwęzeł) {
        close(fd);
        return porażka(błąd, ENOENT);
    }
    m_montowanieZnane = oc::platform::posix::mountOf(fd, m_montowanie);
    m_korzeń = m_fd = fd;
    m_węzeł = 0;
    return true;
}

bool Kursor::idźDo(qsizetype cel, int *błąd)
{
    const qsizetype wspólny = drogaDo(m_węzeł, cel);
    while (m_węzeł != wspólny)
        if (!wGórę()) {
            naKorzeń();
            drogaDo(0, cel);
            break;
        }
    for (auto krok = m_droga.rbegin(); krok != m_droga.rend(); ++krok)
        if (!wDół(*krok, błąd))
            return false;
    return true;
}

// Steps between neighbours cost no more than the distance, however deep
// the tree is.
qsizetype Kursor::drogaDo(qsizetype od, qsizetype cel)
{
    const auto głębokość = [this](qsizetype n) { return m_katalogi[n].głębokość; };
    m_droga.clear();
    while (głębokość(cel) > głębokość(od)) {
        m_droga.push_back(cel);
        cel = m_katalogi[cel].rodzic;
    }
    while (głębokość(od) > głębokość(cel))
        od = m_katalogi[od].rodzic;
    while (od != cel) {
        m_droga.push_back(cel);
        cel = m_katalogi[cel].rodzic;
        od = m_katalogi[od].rodzic;
    }
    return od;
}

// A parent that is not the one scanned (the directory was moved) sends the
// caller back to the root, from where every step down is checked again.
bool Kursor::wGórę()
{
    const qsizetype rodzic = m_katalogi[m_węzeł].rodzic;
    if (rodzic == 0) {
        naKorzeń();
        return true;
    }
    const int fd = openat(m_fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    const KatalogDrzewa &k = m_katalogi[rodzic];
    if (fstat(fd, &st) != 0 || quint64(st.st_dev) != k.urządzenie || quint64(st.st_ino) != k.iwęzeł) {
        close(fd);
        return false;
    }
    przejdź(fd, rodzic);
    return true;
}

bool Kursor::wDół(qsizetype dziecko, int *błąd)
{
    KatalogDrzewa &k = m_katalogi[dziecko];
    const int fd = openat(m_fd, k.nazwa.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return porażka(błąd, errno);
    struct stat st;
    if (fstat(fd, &st) != 0) {
        const int kod = errno;
        close(fd);
        return porażka(błąd, kod);
    }
    quint64 montowanie = 0;
    if (k.iwęzeł == 0 && m_montowanieZnane && oc::platform::posix::mountOf(fd, montowanie)
        && montowanie != m_montowanie) {
        close(fd);
        return porażka(błąd, EXDEV);
    }
    if (k.iwęzeł == 0) {
        k.urządzenie = st.st_dev;
        k.iwęzeł = st.st_ino;
    } else if (quint64(st.st_dev) != k.urządzenie || quint64(st.st_ino) != k.iwęzeł) {
        close(fd);
        return porażka(błąd, ENOENT);
    }
    przejdź(fd, dziecko);
    return true;
}

void Kursor::naKorzeń()
{
    przejdź(m_korzeń, 0);
}

void Kursor::przejdź(int fd, qsizetype węzeł)
{
    if (m_fd >= 0 && m_fd != m_korzeń && m_fd != fd)
        close(m_fd);
    m_fd = fd;
    m_węzeł = węzeł;
}

} // namespace ocdelete
