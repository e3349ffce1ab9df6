#pragma once

#include <component/Component.h>

namespace ocfalrow {

// "ocfalrow.clsFalrow": the falling-blocks game.
class ClsFalrow : public oc::Component
{
public:
    QVariant invoke(QStringView operation, QVariantList &args) override;

    // Shows the start dialog modally and returns 0 when it closes; a game
    // started from it goes on in its own window.
    qint16 RunFalrow();
};

} // namespace ocfalrow
