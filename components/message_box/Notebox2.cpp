#include "Notebox2.h"

#include "frmMsg.h"

#include <component/Operations.h>

namespace notebox {

QVariant Notebox2::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<notebox::Notebox2> operations{
        {"Notebox2", &Notebox2::notebox2},
    };
    return operations.invoke(*this, operation, args);
}

qint32 Notebox2::notebox2(qint32 &X, qint32 &Y, QString &Title, quint8 &Ikona, quint8 &Buttony, quint8 &DefaultButton,
                          QString &Text)
{
    frmMsg form;
    form.setUp(X, Y, Title, Ikona, Buttony, DefaultButton, Text);
    form.exec();
    return form.clicked().value_or(0);
}

} // namespace notebox
