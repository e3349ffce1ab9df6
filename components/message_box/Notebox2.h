#pragma once

#include <component/Component.h>

#include <QString>

namespace notebox {

// "notebox.notebox2": the system's question box.
class Notebox2 : public oc::Component
{
public:
    QVariant invoke(QStringView operation, QVariantList &args) override;

    // Shows the box modally at X, Y (screen twips) and returns the index of
    // the chosen button; a box closed otherwise returns the previous choice.
    // DefaultButton is written back as 0 when it names no visible button.
    // The operation "Notebox2" (C++ keeps that name for the constructor).
    qint32 notebox2(qint32 &X, qint32 &Y, QString &Title, quint8 &Ikona, quint8 &Buttony, quint8 &DefaultButton,
                    QString &Text);
};

} // namespace notebox
