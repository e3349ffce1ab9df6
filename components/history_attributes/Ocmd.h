#pragma once

#include "CrtlQ.h"
#include "ZmianaAtrybutow.h"
#include "frmHist.h"

#include <component/Component.h>

#include <memory>

namespace oc2 {

// "oc2.Ocmd": the command history window, the directory statistics and the
// attributes dialogs.
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
    // 1 stops the count in hand (from any thread) and every count after it
    // until 0 is given; returns 0.
    int PrzerwijZZM(qint32 przerwij);

    // The attributes of one file, shown modally at x, y (twips).
    int ShowAttribWindow(float x, float y, QString path);
    // A batch: ClearAtribLists, any mix of AddAtribDir and AddAtribFile
    // (full paths), then ShowAtrib2 at x, y, which gives WynikAtrybutów.
    int ClearAtribLists();
    int AddAtribDir(QString path);
    int AddAtribFile(QString path);
    qint32 ShowAtrib2(float x, float y);

    // The line chosen in the last showing of the history, or "".
    QString WybranaKomenda;
    // 1 when the last batch was applied, 0 when it was cancelled.
    qint32 WynikAtrybutów = 0;

private:
    // The history window lives from the first call of a batch until it closes.
    frmHist &Historia();
    // The batch lives from the first call of a batch until its window closes.
    ZmianaAtrybutów &Atrybuty2();

    std::unique_ptr<frmHist> m_historia;
    std::unique_ptr<ZmianaAtrybutów> m_atrybuty2;
    CrtlQ m_statystyka;
};

} // namespace oc2
