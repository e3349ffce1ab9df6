#pragma once

#include "CrtlQ.h"
#include "frmHist.h"

#include <component/Component.h>

#include <memory>

namespace oc2 {

// "oc2.Ocmd": the command history window and the directory statistics.
class Ocmd : public oc::Component
{
public:
    Ocmd();
    ~Ocmd() override;

    QVariant invoke(QStringView operation, QVariantList &args) override;

    int ClearList();
    int AddHistoryPos(QString linia);
    // Shows the history modally at x, y (twips); the chosen line or "".
    QString ShowHistoryWindow(float x, float y);
    QString ZZM(QString path);

    // The line chosen in the last showing of the history, or "".
    QString WybranaKomenda;

private:
    // The history window lives from the first call of a batch until it closes.
    frmHist &Historia();

    std::unique_ptr<frmHist> m_historia;
    CrtlQ m_statystyka;
};

} // namespace oc2
