#include "OdtwarzanieSyntezatorem.h"

#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace oc {

namespace {

constexpr qsizetype NajwięcejBłędów = 2048;

} // namespace

OdtwarzanieSyntezatorem::OdtwarzanieSyntezatorem(const platform::Command &polecenie, qint64 długość)
    : Odtwarzanie({}, długość), m_polecenie(polecenie), m_proces(new QProcess(this)), m_tik(new QTimer(this))
{
    m_proces->setStandardInputFile(QProcess::nullDevice());
    m_proces->setStandardOutputFile(QProcess::nullDevice());
    connect(m_proces, &QProcess::readyReadStandardError, this, [this] {
        m_błędy += m_proces->readAllStandardError();
        if (m_błędy.size() > NajwięcejBłędów)
            m_błędy = m_błędy.right(NajwięcejBłędów);
    });
    connect(m_proces, &QProcess::started, this, [this] {
        m_czas.start();
        m_tik->start();
        UstawStan(Stan::Gra);
    });
    connect(m_proces, &QProcess::errorOccurred, this, [this](QProcess::ProcessError błąd) {
        if (błąd == QProcess::FailedToStart)
            UstawKomunikat(QStringLiteral("Nie mogę uruchomić syntezatora %1: %2")
                               .arg(QFileInfo(m_polecenie.program).fileName(), m_proces->errorString()));
    });
    connect(m_proces, &QProcess::finished, this,
            [this](int kod, QProcess::ExitStatus stan) { Zakończony(kod, stan == QProcess::CrashExit); });
    m_tik->setInterval(250);
    connect(m_tik, &QTimer::timeout, this, [this] { UstawPozycję(qMin(m_czas.elapsed(), Długość())); });
}

OdtwarzanieSyntezatorem::~OdtwarzanieSyntezatorem()
{
    // The signals would reach a half-destroyed object.
    m_proces->disconnect(this);
    Zatrzymaj();
}

void OdtwarzanieSyntezatorem::Odtwórz()
{
    if (m_proces->state() != QProcess::NotRunning)
        return;
    m_zatrzymany = false;
    m_błędy.clear();
    m_proces->start(m_polecenie.program, m_polecenie.arguments);
}

void OdtwarzanieSyntezatorem::Zatrzymaj()
{
    if (m_proces->state() == QProcess::NotRunning)
        return;
    m_zatrzymany = true;
    m_proces->kill();
    m_proces->waitForFinished(2000);
}

void OdtwarzanieSyntezatorem::Zakończony(int kod, bool przerwany)
{
    m_tik->stop();
    m_błędy += m_proces->readAllStandardError();
    UstawPozycję(0);
    UstawStan(Stan::Zatrzymane);
    if (m_zatrzymany || (kod == 0 && !przerwany))
        return;
    const QList<QByteArray> wiersze = m_błędy.trimmed().split('\n');
    const QString powód = wiersze.isEmpty() || wiersze.last().trimmed().isEmpty()
                              ? QStringLiteral("kod wyjścia %1").arg(kod)
                              : QString::fromLocal8Bit(wiersze.last().trimmed());
    UstawKomunikat(QStringLiteral("Syntezator %1 zakończył pracę z błędem: %2")
                       .arg(QFileInfo(m_polecenie.program).fileName(), powód));
}

} // namespace oc
