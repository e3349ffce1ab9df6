#pragma once

#include "OknoWierszy.h"

namespace oc {

// The about box: the program's name and version and the Qt it runs on.
class frmOProgramie : public OknoWierszy
{
    Q_OBJECT
public:
    explicit frmOProgramie(const QString &wersja, QWidget *parent = nullptr)
        : OknoWierszy(QStringLiteral("O programie"),
                      {{QStringLiteral("Program:"), QStringLiteral("Orvane Commander")},
                       {QStringLiteral("Wersja:"), wersja},
                       {QStringLiteral("Biblioteka Qt:"), QString::fromLatin1(qVersion())}},
                      QStringLiteral("Dwupanelowy menedżer plików obsługiwany z klawiatury. "
                                     "Opis klawiszy i menu: F1."),
                      parent)
    {
        setObjectName(QStringLiteral("frmOProgramie"));
    }
};

} // namespace oc
