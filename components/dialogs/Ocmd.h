#pragma once

#include <component/Component.h>

namespace oc {

// "oc.ocmd": its operations arrive with the work that needs them.
class Ocmd : public oc::Component
{
public:
    QVariant invoke(QStringView operation, QVariantList &args) override;
};

} // namespace oc
