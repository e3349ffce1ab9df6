#include "OdtwarzanieMultimedia.h"

#include <platform/ProgramStarter.h>

#include <QAudioOutput>
#include <QMediaPlayer>

namespace oc {

OdtwarzanieMultimedia::OdtwarzanieMultimedia(const QString &plik)
    : m_odtwarzacz(new QMediaPlayer(this)), m_wyjście(new QAudioOutput(this))
{
    m_odtwarzacz->setAudioOutput(m_wyjście);
    connect(m_odtwarzacz, &QMediaPlayer::durationChanged, this, &OdtwarzanieMultimedia::UstawDługość);
    connect(m_odtwarzacz, &QMediaPlayer::positionChanged, this, &OdtwarzanieMultimedia::UstawPozycję);
    connect(m_odtwarzacz, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState stan) {
        UstawStan(stan == QMediaPlayer::PlayingState  ? Stan::Gra
                  : stan == QMediaPlayer::PausedState ? Stan::Pauza
                                                      : Stan::Zatrzymane);
    });
    connect(m_odtwarzacz, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString &opis) {
        UstawKomunikat(QStringLiteral("Nie mogę odtworzyć tego pliku: %1").arg(opis));
    });
    connect(m_odtwarzacz, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus stan) {
        if (stan == QMediaPlayer::InvalidMedia)
            UstawKomunikat(QStringLiteral("Nie mogę odtworzyć tego pliku: format nieznany albo plik uszkodzony."));
    });
    m_odtwarzacz->setSource(platform::documentUrl(plik));
}

void OdtwarzanieMultimedia::Odtwórz()
{
    if (Komunikat().isEmpty())
        m_odtwarzacz->play();
}

void OdtwarzanieMultimedia::Pauza()
{
    m_odtwarzacz->pause();
}

void OdtwarzanieMultimedia::Zatrzymaj()
{
    m_odtwarzacz->stop();
}

} // namespace oc
