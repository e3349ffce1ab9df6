#pragma once

#include <component/Component.h>

namespace ocfalrow {

// "ocfalrow.clsFalrow": its operations arrive with the work that needs them.
class ClsFalrow : public oc::Component
{
public:
    QVariant invoke(QStringView operation, QVariantList &args) override;
};

} // namespace ocfalrow
