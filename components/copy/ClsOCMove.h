#pragma once

#include "Kopiarka.h"
#include "Przenosnik.h"

#include <component/Component.h>

#include <memory>

namespace occopy {

// "occopy.clsOCMove": moves a batch of files and directory trees into one
// directory, handed over and run as the copy's batch is.
class ClsOCMove : public oc::Component
{
public:
    ClsOCMove();
    ~ClsOCMove() override;

    QVariant invoke(QStringView operation, QVariantList &args) override;

    qint32 ClearLists();
    qint32 AddFileToMove(QString path);
    qint32 AddDirToMove(QString path);
    // Shows the move window modally at x, y (twips) with the destination to
    // edit; 1 when the move ran (stopped part-way included), 0 when cancelled.
    qint32 RunMove(float x, float y, QString destination);
    // The same, started at once and recorded as no new operation: an undone
    // move taking its entries back across file systems.
    qint32 MoveBack(float x, float y, QString destination);

    qint32 WynikPrzenoszenia = 0;

private:
    // The engines of one batch: the move copies through its own kopiarka.
    struct Silniki
    {
        Kopiarka kopiarka;
        Przenośnik przenośnik{kopiarka};
    };

    Silniki &Silnik();
    // The window over the batch; wstecz: MoveBack's run.
    qint32 Przenieś(float x, float y, const QString &destination, bool wstecz);

    std::unique_ptr<Silniki> m_silniki;
};

} // namespace occopy
