#pragma once

#include "InfoSystemu.h"
#include "OknoWierszy.h"

namespace oc {

// The machine's own figures: system, kernel, processor, memory, Qt.
class frmSystemInfo : public OknoWierszy
{
    Q_OBJECT
public:
    explicit frmSystemInfo(const DaneSystemu &dane, QWidget *parent = nullptr)
        : OknoWierszy(QStringLiteral("Informacje o systemie"), WierszeSystemu(dane), QString(), parent)
    {
        setObjectName(QStringLiteral("frmSystemInfo"));
    }
};

} // namespace oc
