#include "Ocmd.h"

#include <component/Export.h>
#include <component/Operations.h>

namespace oc {

QVariant Ocmd::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<Ocmd> operations{};
    return operations.invoke(*this, operation, args);
}

} // namespace oc

OC_COMPONENT({"oc.ocmd", &oc::makeComponent<oc::Ocmd>})
