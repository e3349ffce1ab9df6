#pragma once

#include <platform/Shell.h>

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace oc {

enum class Odtwarzacz {
    Multimedia, // Qt's media player: wave, MP3 and whatever else its back end decodes
    Syntezator, // MIDI data, which only a synthesiser turns into sound
};

// Which player a file goes to. Its first bytes decide where they name a
// kind; otherwise its name does.
Odtwarzacz OdtwarzaczDla(const QString &nazwa, QByteArrayView początek);

// The General MIDI sound font to play with, from the first data directory
// that holds any: the system's chosen "default-GM" first, else the first
// by name. "" when there is none.
QString ZnajdźBankBrzmień(const QStringList &katalogiDanych);

// How a MIDI file is played: the command of the synthesiser found, or why
// none can play it.
struct Syntezator
{
    platform::Command polecenie; // program "" when none
    QString komunikat;
};

// fluidsynth, else timidity, from the program directories (the PATH when
// empty), with a sound font from the data directories.
Syntezator ZnajdźSyntezator(const QString &plik, const QStringList &katalogiProgramów,
                            const QStringList &katalogiDanych);
// The same from the system's own program and data directories.
Syntezator ZnajdźSyntezator(const QString &plik);

} // namespace oc
