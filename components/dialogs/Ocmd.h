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
    // cancelled. Any other mode shows nothing and gives "".
    QString Showmaska(float x, float y, QVariant mode);
    // The name typed for a new directory, to be made relative to the
    // panel's directory; "" when cancelled.
    QString NewDirCreate(float x, float y);
};

} // namespace oc
