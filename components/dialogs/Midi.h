#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <optional>

namespace oc {

// A standard MIDI file larger than this is no song: it is not read.
constexpr qint64 NajwiększyPlikMidi = qint64(16) << 20;

// The playing time of a standard MIDI file in milliseconds, from its tracks
// and tempo changes; nothing when the data is not a whole MIDI file.
std::optional<qint64> DługośćMidi(QByteArrayView dane);

} // namespace oc
