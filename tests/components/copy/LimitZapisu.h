#pragma once

#include <QtGlobal>

#include <csignal>
#include <sys/resource.h>

// Writes past this many bytes fail with EFBIG, as on a full disk, instead of
// ending the process; the old limit comes back when it goes.
class LimitZapisu
{
public:
    explicit LimitZapisu(qint64 bajty)
    {
        if (bajty <= 0)
            return;
        getrlimit(RLIMIT_FSIZE, &m_było);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_było;
        limit.rlim_cur = rlim_t(bajty);
        m_ustawiony = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~LimitZapisu()
    {
        if (m_ustawiony)
            setrlimit(RLIMIT_FSIZE, &m_było);
    }

private:
    rlimit m_było{};
    bool m_ustawiony = false;
};
