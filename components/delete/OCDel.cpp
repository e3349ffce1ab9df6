#include "OCDel.h"

#include <component/Export.h>
#include <component/Operations.h>

namespace ocdelete {

QVariant OCDel::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<OCDel> operations{};
    return operations.invoke(*this, operation, args);
}

} // namespace ocdelete

OC_COMPONENT({"ocdelete.ocdel", &oc::makeComponent<ocdelete::OCDel>})
