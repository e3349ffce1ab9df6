#pragma once

#include "Odtwarzanie.h"

#include <platform/Shell.h>

#include <QElapsedTimer>

class QProcess;
class QTimer;

namespace oc {

// A MIDI file through a synthesiser run as a child process, which never
// outlives this object. It cannot pause: stopping ends the process.
class OdtwarzanieSyntezatorem : public Odtwarzanie
{
    Q_OBJECT
public:
    OdtwarzanieSyntezatorem(const platform::Command &polecenie, qint64 długość);
    ~OdtwarzanieSyntezatorem() override;

    void Odtwórz() override;
    void Zatrzymaj() override;

private:
    void Zakończony(int kod, bool przerwany);

    platform::Command m_polecenie;
    QProcess *m_proces = nullptr;
    QTimer *m_tik = nullptr;
    QElapsedTimer m_czas;
    QByteArray m_błędy; // the end of what the synthesiser wrote to its error output
    bool m_zatrzymany = false;
};

} // namespace oc
