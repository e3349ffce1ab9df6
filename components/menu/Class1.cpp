#include "Class1.h"

#include <component/Export.h>
#include <component/Operations.h>

namespace menuoc {

QVariant Class1::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<Class1> operations{};
    return operations.invoke(*this, operation, args);
}

} // namespace menuoc

OC_COMPONENT({"menuoc.class1", &oc::makeComponent<menuoc::Class1>})
