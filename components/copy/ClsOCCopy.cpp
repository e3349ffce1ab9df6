#include "ClsOCCopy.h"

#include "frmCopy.h"

#include <component/Operations.h>
#include <ui/Twips.h>

namespace occopy {

ClsOCCopy::ClsOCCopy() = default;
ClsOCCopy::~ClsOCCopy() = default;

QVariant ClsOCCopy::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<ClsOCCopy> operations{
        {"ClearLists", &ClsOCCopy::ClearLists},
        {"AddFileToCopy", &ClsOCCopy::AddFileToCopy},
        {"AddDirToCopy", &ClsOCCopy::AddDirToCopy},
        {"RunCopy", &ClsOCCopy::RunCopy},
    };
    return operations.invoke(*this, operation, args);
}

Kopiarka &ClsOCCopy::Silnik()
{
    if (!m_kopiarka)
        m_kopiarka = std::make_unique<Kopiarka>();
    return *m_kopiarka;
}

qint32 ClsOCCopy::ClearLists()
{
    Silnik().ClearLists();
    return 0;
}

qint32 ClsOCCopy::AddFileToCopy(QString path)
{
    Silnik().lstFiles.append(path);
    return 0;
}

qint32 ClsOCCopy::AddDirToCopy(QString path)
{
    Silnik().lstDirs.append(path);
    return 0;
}

qint32 ClsOCCopy::RunCopy(float x, float y, QString destination)
{
    {
        frmCopy okno(Silnik());
        okno.KopiujDo->setText(destination);
        okno.Timer1->start();
        oc::ui::moveTwips(&okno, x, y);
        // A window closed by other means than its keys copied nothing.
        WynikKopiowania = okno.exec() == QDialog::Accepted ? 1 : 0;
    }
    // The next batch starts empty, with none of this window's questions.
    m_kopiarka.reset();
    return WynikKopiowania;
}

} // namespace occopy
