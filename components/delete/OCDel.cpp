#include "OCDel.h"

#include "frmDelAll.h"
#include "frmDelF.h"

#include <component/Operations.h>
#include <ui/Twips.h>

namespace ocdelete {

OCDel::OCDel() = default;
OCDel::~OCDel() = default;

QVariant OCDel::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<OCDel> operations{
        {"DeleteFileO", &OCDel::DeleteFileO},       {"ClearLists", &OCDel::ClearLists},
        {"AddDirToDelete", &OCDel::AddDirToDelete}, {"AddFileToDelete", &OCDel::AddFileToDelete},
        {"RunDeleteAll", &OCDel::RunDeleteAll},     {"TrybUsuwania", &OCDel::TrybUsuwania},
    };
    return operations.invoke(*this, operation, args);
}

Wsad &OCDel::Partia()
{
    if (!m_partia)
        m_partia = std::make_unique<Wsad>();
    return *m_partia;
}

qint32 OCDel::DeleteFileO(float x, float y, QString &path)
{
    // A window closed by other means than its buttons deleted nothing.
    WynikUsuwaniaPliku = 0;
    frmDelF okno(WynikUsuwaniaPliku);
    okno.Plik = path;
    okno.UstawTryb(m_tryb);
    oc::ui::moveTwips(&okno, x, y);
    okno.exec();
    return WynikUsuwaniaPliku;
}

qint32 OCDel::TrybUsuwania(qint32 tryb)
{
    m_tryb = tryb == 1 ? pytanie::Tryb::Kosz : tryb == 2 ? pytanie::Tryb::NaZawsze : pytanie::Tryb::Usuń;
    return 0;
}

qint32 OCDel::ClearLists()
{
    Partia().ClearLists();
    return 0;
}

qint32 OCDel::AddFileToDelete(QString path)
{
    Partia().Pliki.append(path);
    return 0;
}

qint32 OCDel::AddDirToDelete(QString path)
{
    Partia().Katalogi.append(path);
    return 0;
}

qint32 OCDel::RunDeleteAll(float x, float y)
{
    Wsad &partia = Partia();
    WynikUsuwania = 0;
    // Nothing chosen: no question about nothing, and nothing done.
    if (partia.Katalogi.isEmpty() && partia.Pliki.isEmpty()) {
        m_partia.reset();
        return WynikUsuwania;
    }
    partia.DoKosza = m_tryb == pytanie::Tryb::Kosz;
    {
        frmDelAll okno(partia);
        okno.UstawTryb(m_tryb);
        oc::ui::moveTwips(&okno, x, y);
        okno.Timer1->start();
        WynikUsuwania = okno.exec();
    }
    m_partia.reset();
    return WynikUsuwania;
}

} // namespace ocdelete
