#include "Montowanie.h"

#include <QProcess>

namespace oc::test {

Montowanie::Montowanie(const QString &gdzie, const QString &źródło) : m_gdzie(gdzie)
{
    const QStringList jak = źródło.isEmpty() ? QStringList{QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("oc-test")}
                                             : QStringList{QStringLiteral("--bind"), źródło};
    m_ok = QProcess::execute(QStringLiteral("mount"), jak + QStringList{gdzie}) == 0;
}

Montowanie::~Montowanie()
{
    if (m_ok)
        QProcess::execute(QStringLiteral("umount"), {m_gdzie});
}

} // namespace oc::test
