#pragma once

#include "OknoPola.h"

namespace oc {

// "Zmień nazwę": the entry's current name, selected, to be typed over; the
// answer is the text as it stands, checked by the caller.
class frmZmienNazwe : public OknoPola
{
    Q_OBJECT
public:
    explicit frmZmienNazwe(const QString &nazwa, QWidget *parent = nullptr);

    QLineEdit *const txtNazwa = txtPole;
};

} // namespace oc
