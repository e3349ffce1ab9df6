#include "ClsFalrow.h"

#include "Falrow2.h"

#include <component/Operations.h>

namespace ocfalrow {

QVariant ClsFalrow::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<ClsFalrow> operations{
        {"RunFalrow", &ClsFalrow::RunFalrow},
    };
    return operations.invoke(*this, operation, args);
}

qint16 ClsFalrow::RunFalrow()
{
    Falrow2 okno;
    okno.exec();
    return 0;
}

} // namespace ocfalrow
