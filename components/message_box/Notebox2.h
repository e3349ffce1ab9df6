#pragma once

#include <component/Component.h>

namespace notebox {

// "notebox.notebox2": its operations arrive with the work that needs them.
class Notebox2 : public oc::Component
{
public:
    QVariant invoke(QStringView operation, QVariantList &args) override;
};

} // namespace notebox
