#pragma once

#include "Pytanie.h"
#include "Wsad.h"

#include <component/Component.h>

#include <memory>

namespace ocdelete {

// "ocdelete.ocdel": the questions before deleting one file or a batch of
// files and directory trees, and the deletion behind them. Windows are
// modal and placed at the caller's x, y in twips.
class OCDel : public oc::Component
{
public:
    OCDel();
    ~OCDel() override;

    QVariant invoke(QStringView operation, QVariantList &args) override;

    // 1 when the file was deleted, 0 when not (answered no, or it failed).
    qint32 DeleteFileO(float x, float y, QString &path);
    // Each returns 0.
    qint32 ClearLists();
    qint32 AddFileToDelete(QString path);
    qint32 AddDirToDelete(QString path);
    // 1 when the batch ran (even with failures), 0 when answered no or
    // when nothing was chosen (no question is asked then).
    qint32 RunDeleteAll(float x, float y);
    // How the next questions delete: 0 as always, 1 to the desktop trash,
    // 2 for good (saying it cannot be undone). Returns 0.
    qint32 TrybUsuwania(qint32 tryb);

    qint32 WynikUsuwaniaPliku = 0;
    qint32 WynikUsuwania = 0;

private:
    // The batch lives from the first call of a batch until its window closes.
    Wsad &Partia();

    std::unique_ptr<Wsad> m_partia;
    pytanie::Tryb m_tryb = pytanie::Tryb::Usuń;
};

} // namespace ocdelete
