#include "ClsOCMove.h"

#include "frmMove.h"

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

ClsOCMove::Silniki &ClsOCMove::Silnik()
{
    if (!m_silniki)
        m_silniki = std::make_unique<Silniki>();
    return *m_silniki;
}

qint32 ClsOCMove::ClearLists()
{
    Silnik().przenośnik.lstDirs.clear();
    Silnik().przenośnik.lstFiles.clear();
    return 0;
}

qint32 ClsOCMove::AddFileToMove(QString path)
{
    Silnik().przenośnik.lstFiles.append(path);
    return 0;
}

qint32 ClsOCMove::AddDirToMove(QString path)
{
    Silnik().przenośnik.lstDirs.append(path);
    return 0;
}

qint32 ClsOCMove::RunMove(float x, float y, QString destination)
{
    return Przenieś(x, y, destination, false);
}

qint32 ClsOCMove::MoveBack(float x, float y, QString destination)
{
    return Przenieś(x, y, destination, true);
}

qint32 ClsOCMove::Przenieś(float x, float y, const QString &destination, bool wstecz)
{
    {
        Silniki &silniki = Silnik();
        frmMove okno(silniki.kopiarka, silniki.przenośnik);
        if (wstecz) {
            okno.Nagrywaj = false;
            okno.ZacznijOdRazu();
        }
        okno.KopiujDo->setText(destination);
        okno.Timer1->start();
        oc::ui::moveTwips(&okno, x, y);
        WynikPrzenoszenia = okno.exec() == QDialog::Accepted ? 1 : 0;
    }
    m_silniki.reset();
    return WynikPrzenoszenia;
}

} // namespace occopy
