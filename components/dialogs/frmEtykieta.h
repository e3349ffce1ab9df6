#pragma once

#include "EtykietaDysku.h"
#include "OknoWierszy.h"

namespace oc {

// The disk label of a volume, with its other facts; it says why the label
// cannot be changed from here.
class frmEtykieta : public OknoWierszy
{
    Q_OBJECT
public:
    explicit frmEtykieta(const platform::Volume &wolumin, QWidget *parent = nullptr)
        : OknoWierszy(QStringLiteral("Etykieta dysku"), WierszeEtykiety(wolumin), UwagaEtykiety(), parent)
    {
        setObjectName(QStringLiteral("frmEtykieta"));
    }
};

} // namespace oc
