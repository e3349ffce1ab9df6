#pragma once

#include <component/Component.h>

namespace ocdelete {

// "ocdelete.ocdel": its operations arrive with the work that needs them.
class OCDel : public oc::Component
{
public:
    QVariant invoke(QStringView operation, QVariantList &args) override;
};

} // namespace ocdelete
