#pragma once

#include <component/Component.h>

namespace occopy {

// "occopy.clsOCCopy": its operations arrive with the work that needs them.
class ClsOCCopy : public oc::Component
{
public:
    QVariant invoke(QStringView operation, QVariantList &args) override;
};

} // namespace occopy
