#include "Notebox2.h"

#include <component/Export.h>
#include <component/Operations.h>

namespace notebox {

QVariant Notebox2::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<Notebox2> operations{};
    return operations.invoke(*this, operation, args);
}

} // namespace notebox

OC_COMPONENT({"notebox.notebox2", &oc::makeComponent<notebox::Notebox2>})
