#pragma once

#include <QString>

namespace oc::test {

// A fresh tmpfs, or another directory bound, mounted at gdzie while the
// object lives. Mounting needs privileges: ok() says whether it held.
class Montowanie
{
public:
    explicit Montowanie(const QString &gdzie, const QString &źródło = {});
    ~Montowanie();
    Montowanie(const Montowanie &) = delete;
    Montowanie &operator=(const Montowanie &) = delete;

    bool ok() const { return m_ok; }

private:
    QString m_gdzie;
    bool m_ok = false;
};

} // namespace oc::test
