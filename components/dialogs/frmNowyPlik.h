#pragma once

#include "frmNowyKat.h"

namespace oc {

// The name of a new file: the new directory's window with its own texts.
class frmNowyPlik : public frmNowyKat
{
    Q_OBJECT
public:
    explicit frmNowyPlik(QWidget *parent = nullptr);
};

} // namespace oc
