#pragma once

#include "OknoAtrybutow.h"

namespace oc2 {

// The attributes of one file: its four boxes show what the file has; Ustaw
// writes exactly the checked ones, Anuluj writes nothing.
class frmAtrib : public OknoAtrybutow
{
    Q_OBJECT
public:
    explicit frmAtrib(QWidget *parent = nullptr);

    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QString Tag; // the file's full path

protected:
    void Ustaw() override;
    void Anuluj() override;

private:
    void Timer1_Timer();
};

} // namespace oc2
