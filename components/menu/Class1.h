#pragma once

#include <component/Component.h>

namespace menuoc {

// "menuoc.class1": its operations arrive with the work that needs them.
class Class1 : public oc::Component
{
public:
    QVariant invoke(QStringView operation, QVariantList &args) override;
};

} // namespace menuoc
