#include "ClsFalrow.h"

#include <component/Export.h>
#include <component/Operations.h>

namespace ocfalrow {

QVariant ClsFalrow::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<ClsFalrow> operations{};
    return operations.invoke(*this, operation, args);
}

} // namespace ocfalrow

OC_COMPONENT({"ocfalrow.clsFalrow", &oc::makeComponent<ocfalrow::ClsFalrow>})
