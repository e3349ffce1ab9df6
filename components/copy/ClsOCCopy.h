#pragma once

#include "Kopiarka.h"

#include <component/Component.h>

#include <memory>

namespace occopy {

// "occopy.clsOCCopy": copies a batch of files and directory trees into one
// directory. The batch is handed over path by path, then run; the engine
// and its lists live from the first call of a batch until the run ends, the
// window for the run.
class ClsOCCopy : public oc::Component
{
public:
    ClsOCCopy();
    ~ClsOCCopy() override;

    QVariant invoke(QStringView operation, QVariantList &args) override;

    qint32 ClearLists();
    qint32 AddFileToCopy(QString path);
    qint32 AddDirToCopy(QString path);
    // Shows the copy window modally at x, y (twips) with the destination to
    // edit; 1 when the copy ran (stopped part-way included), 0 when cancelled.
    qint32 RunCopy(float x, float y, QString destination);

    qint32 WynikKopiowania = 0;

private:
    Kopiarka &Silnik();

    std::unique_ptr<Kopiarka> m_kopiarka;
};

} // namespace occopy
