#include "ClsOCMove.h"

#include <component/Operations.h>
#include <ui/Twips.h>

namespace occopy {

ClsOCMove::ClsOCMove() = default;
ClsOCMove::~ClsOCMove() = default;

QVariant ClsOCMove::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<ClsOCMove> operations{
        {"ClearLists", &ClsOCMove::ClearLists},     {"AddFileToMove", &ClsOCMove::AddFileToMove},
        {"AddDirToMove", &ClsOCMove::AddDirToMove}, {"RunMove", &ClsOCMove::RunMove},
        {"MoveBack", &ClsOCMove::MoveBack},
    };
    return operations.invoke(*this, operation, args);
}

frmMove &ClsOCMove::Okno()
{
    if (!m_okno)
        m_okno = std::make_unique<frmMove>(WynikPrzenoszenia);
    return *m_okno;
}

qint32 ClsOCMove::ClearLists()
{
    Okno().przenośnik.lstDirs.clear();
    Okno().przenośnik.lstFiles.clear();
    return 0;
}

qint32 ClsOCMove::AddFileToMove(QString path)
{
    Okno().przenośnik.lstFiles.append(path);
    return 0;
}

qint32 ClsOCMove::AddDirToMove(QString path)
{
    Okno().przenośnik.lstDirs.append(path);
    return 0;
}

qint32 ClsOCMove::RunMove(float x, float y, QString destination)
{
    frmMove &okno = Okno();
    WynikPrzenoszenia = 0;
    okno.KopiujDo->setText(destination);
    okno.Timer1->start();
    oc::ui::moveTwips(&okno, x, y);
    okno.exec();
    m_okno.reset();
    return WynikPrzenoszenia;
}

qint32 ClsOCMove::MoveBack(float x, float y, QString destination)
{
    frmMove &okno = Okno();
    okno.Nagrywaj = false;
    okno.ZacznijOdRazu();
    return RunMove(x, y, destination);
}

} // namespace occopy
