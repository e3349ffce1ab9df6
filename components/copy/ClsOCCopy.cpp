#include "ClsOCCopy.h"

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

frmCopy &ClsOCCopy::Okno()
{
    if (!m_okno)
        m_okno = std::make_unique<frmCopy>(WynikKopiowania);
    return *m_okno;
}

qint32 ClsOCCopy::ClearLists()
{
    Okno().kopiarka.ClearLists();
    return 0;
}

qint32 ClsOCCopy::AddFileToCopy(QString path)
{
    Okno().kopiarka.lstFiles.append(path);
    return 0;
}

qint32 ClsOCCopy::AddDirToCopy(QString path)
{
    Okno().kopiarka.lstDirs.append(path);
    return 0;
}

qint32 ClsOCCopy::RunCopy(float x, float y, QString destination)
{
    frmCopy &okno = Okno();
    // A window closed by other means than its keys copied nothing.
    WynikKopiowania = 0;
    okno.KopiujDo->setText(destination);
    okno.Timer1->start();
    oc::ui::moveTwips(&okno, x, y);
    okno.exec();
    m_okno.reset();
    return WynikKopiowania;
}

} // namespace occopy
