#include "ClsOCCopy.h"

#include <component/Export.h>
#include <component/Operations.h>

namespace occopy {

QVariant ClsOCCopy::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<ClsOCCopy> operations{};
    return operations.invoke(*this, operation, args);
}

} // namespace occopy

OC_COMPONENT({"occopy.clsOCCopy", &oc::makeComponent<occopy::ClsOCCopy>})
