#pragma once

#include <QString>
#include <QtGlobal>
#include <stdexcept>

// The eleven colours of the scheme, as 0x00BBGGRR values; 0 (black) unless
// the scheme sets them.
struct Kolory
{
    quint32 background = 0;
    quint32 titlebar = 0;
    quint32 titlebardeactiv = 0;
    quint32 filetext = 0;
    quint32 filebackground = 0;
    quint32 fileselbackground = 0;
    quint32 fileinsert = 0;
    quint32 seldirbar = 0;
    quint32 shorts = 0;
    quint32 panelstable = 0;
    quint32 fileseltext = 0;
};

// The colours in use for the whole run.
Kolory &kolory();

// A scheme that cannot be read: missing, empty, or a value past 32 bits.
class BłądSchematuKolorów : public std::runtime_error
{
public:
    explicit BłądSchematuKolorów(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    QString message() const { return m_message; }

private:
    QString m_message;
};

// Reads a scheme file of key=value lines. Throws BłądSchematuKolorów.
Kolory WczytajKolory(const QString &file);
