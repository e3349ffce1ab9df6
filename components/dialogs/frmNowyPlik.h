#pragma once

#include "OknoPola.h"

namespace oc {

// The name of a new file, in the new directory's window: an empty field;
// the answer is the typed name without the blanks around it.
class frmNowyPlik : public OknoPola
{
    Q_OBJECT
public:
    explicit frmNowyPlik(QWidget *parent = nullptr);

    QLineEdit *const txtNazwa = txtPole;

protected:
    QString Odpowiedź(const QString &tekst) const override;
};

} // namespace oc
