#pragma once

#include <component/Component.h>

namespace oc {

// "oc.ocmd": the small dialogs of the main program. Every window is modal
// and placed at the caller's x, y in twips.
class Ocmd : public oc::Component
{
public:
    QVariant invoke(QStringView operation, QVariantList &args) override;

    // The chosen volume's mount point, or "" when cancelled. drive: the
    // panel's volume, highlighted at first.
    QString WybierzDysk(float x, float y, QString drive, qint16 panel);
    // Mode 1 (mark) or 2 (unmark): the typed wildcard mask, or "" when
    // cancelled. The string "3" + four switches + a pattern: the file
    // filter, answered as four switches and a pattern, or "" when
    // cancelled. Any other mode shows nothing and gives "".
    QString Showmaska(float x, float y, QVariant mode);
    // The name typed for a new directory, to be made relative to the
    // panel's directory; "" when cancelled.
    QString NewDirCreate(float x, float y);
    // The name typed for a new file, in the same kind of window; "" when
    // cancelled.
    QString NewFileCreate(float x, float y);
    // A new name for an entry, its current one given and selected: 1 with
    // the typed name written back, 0 when cancelled.
    qint32 ZmienNazwe(float x, float y, QString &nazwa);
    // The label and facts of the volume that holds drive (a mount point or
    // any path on it).
    void EtykietaDyskuShow(float x, float y, QString &drive);
    // The machine's figures, centred on the screen.
    void OCSystemInfo();
    // The calculator; what its display showed when it closed.
    QString kalkulator(float x, float y);
    void ShowAbout(float x, float y);
    // The current time and date, kept up to date while the window is open.
    void PokazZegar(float x, float y);
    // The player of a sound file; the sound stops when its window closes.
    // The three differ in name only: the file's own bytes say how it plays.
    void playwavfile(float x, float y, QString &path);
    void playmidifile(float x, float y, QString &path);
    void playmp3file(float x, float y, QString &path);
    // A picture, shrunk to fit the screen, or why it cannot be shown.
    void ShowBMPFile(float x, float y, QString &path);

private:
    QString PokażFiltr(float x, float y, const QString &filtr);
    void Odtwórz(float x, float y, const QString &plik);
};

} // namespace oc
