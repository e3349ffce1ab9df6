#pragma once

#include "Przenosnik.h"
#include "frmCopy.h"

namespace occopy {

// "Przenoszenie plików": the copy window's look, fields and keys, moving the
// batch instead. It borrows the component's przenośnik, which copies through
// kopiarka where an entry goes to another file system.
class frmMove : public frmCopy
{
    Q_OBJECT
public:
    frmMove(Kopiarka &kopiarka, Przenośnik &przenośnik, QWidget *parent = nullptr);
    ~frmMove() override;

    Przenośnik &przenośnik;
    // Off for a move that takes another back, which is no new operation.
    bool Nagrywaj = true;

protected:
    void Pracuj() override;
    QString Cel(const QString &wpisany) const override
    {
        return KatalogDocelowyZ(wpisany, przenośnik.lstDirs, przenośnik.lstFiles);
    }
    QString WSobie(const QString &cel) const override { return KatalogPonadCelem(przenośnik.lstDirs, cel); }
    std::vector<oc::platform::FileError> BłędyPracy() const override { return przenośnik.Błędy(); }
};

} // namespace occopy
