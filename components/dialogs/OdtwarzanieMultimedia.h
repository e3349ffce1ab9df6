#pragma once

#include "Odtwarzanie.h"

class QAudioOutput;
class QMediaPlayer;

namespace oc {

// A wave, MP3 or other sound file through Qt's media player.
class OdtwarzanieMultimedia : public Odtwarzanie
{
    Q_OBJECT
public:
    explicit OdtwarzanieMultimedia(const QString &plik);

    void Odtwórz() override;
    void Pauza() override;
    void Zatrzymaj() override;
    bool MożnaWstrzymać() const override { return true; }

private:
    QMediaPlayer *m_odtwarzacz = nullptr;
    QAudioOutput *m_wyjście = nullptr;
};

} // namespace oc
