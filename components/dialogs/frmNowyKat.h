#pragma once

#include "OknoPola.h"

namespace oc {

// The name of a new directory: an empty field; the answer is the typed name
// without the blanks around it.
class frmNowyKat : public OknoPola
{
    Q_OBJECT
public:
    explicit frmNowyKat(QWidget *parent = nullptr);

    QLineEdit *const txtNazwa = txtPole;

protected:
    // The same window asking for the name of something else.
    frmNowyKat(const QString &tytuł, const QString &pytanie, QWidget *parent);

    QString Odpowiedź(const QString &tekst) const override;
};

} // namespace oc
