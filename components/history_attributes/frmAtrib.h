#pragma once

#include "OknoAtrybutow.h"
#include "ZmianaAtrybutow.h"

namespace oc2 {

// The attributes of one file, the batch's only one: its four boxes show
// what the file has; Ustaw writes exactly the checked ones, Anuluj writes
// nothing.
class frmAtrib : public OknoAtrybutow
{
    Q_OBJECT
public:
    explicit frmAtrib(ZmianaAtrybutów &praca, QWidget *parent = nullptr);

    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QString Tag; // the file's full path

    ZmianaAtrybutów &praca;

protected:
    void Ustaw() override;
    void Anuluj() override;

private:
    void Timer1_Timer();
};

} // namespace oc2
