#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace oc {

// One file played without holding up the window: the sound runs on the
// media back end's threads or in a child process. This base plays nothing:
// it stands for a file that cannot be played and says why.
class Odtwarzanie : public QObject
{
    Q_OBJECT
public:
    enum class Stan { Zatrzymane, Gra, Pauza };

    explicit Odtwarzanie(const QString &komunikat = {}, qint64 długość = 0);

    virtual void Odtwórz() {}
    virtual void Pauza() {}
    virtual void Zatrzymaj() {}
    virtual bool MożnaWstrzymać() const { return false; }

    Stan stan() const { return m_stan; }
    qint64 Pozycja() const { return m_pozycja; } // milliseconds
    qint64 Długość() const { return m_długość; } // milliseconds, 0 while unknown
    // Why the file does not play; "" while nothing went wrong.
    QString Komunikat() const { return m_komunikat; }

signals:
    void changed();

protected:
    void UstawStan(Stan stan);
    void UstawPozycję(qint64 pozycja);
    void UstawDługość(qint64 długość);
    // The first reason given stays: later ones are its consequences.
    void UstawKomunikat(const QString &komunikat);

private:
    Stan m_stan = Stan::Zatrzymane;
    qint64 m_pozycja = 0;
    qint64 m_długość = 0;
    QString m_komunikat;
};

// The player for a file: Qt's media player, a synthesiser for MIDI data, or
// the base with the reason when neither can play it.
std::unique_ptr<Odtwarzanie> UtwórzOdtwarzanie(const QString &plik);

// A playing time as "m:ss", or "h:mm:ss" from an hour on.
QString TekstCzasuUtworu(qint64 milisekundy);

} // namespace oc
