#pragma once

#include <panels/Kolory.h>

#include <QString>
#include <QtGlobal>
#include <stdexcept>

// A scheme that cannot be read: missing, empty, or a value past 32 bits.
class BłądSchematuKolorów : public std::runtime_error
{
public:
    explicit BłądSchematuKolorów(const QString &message) : std::runtime_error(message.toStdString()), m_message(message)
    {}

    QString message() const { return m_message; }

private:
    QString m_message;
};

// The colours of the scheme the program ships with.
Kolory DomyślneKolory();

// Reads a scheme file of key=value lines. Throws BłądSchematuKolorów.
Kolory WczytajKolory(const QString &file);
