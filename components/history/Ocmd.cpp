#include "Ocmd.h"

#include <component/Export.h>
#include <component/Operations.h>

namespace oc2 {

QVariant Ocmd::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<Ocmd> operations{};
    return operations.invoke(*this, operation, args);
}

} // namespace oc2

OC_COMPONENT({"oc2.Ocmd", &oc::makeComponent<oc2::Ocmd>})
