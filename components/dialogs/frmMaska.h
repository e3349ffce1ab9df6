#pragma once

#include "OknoPola.h"

namespace oc {

// The wildcard mask for marking (mode 1) or unmarking (mode 2): the field
// holds "*.*" at first; the answer is the typed mask.
class frmMaska : public OknoPola
{
    Q_OBJECT
public:
    explicit frmMaska(int tryb, QWidget *parent = nullptr);

    QLineEdit *const txtMaska = txtPole;
};

} // namespace oc
