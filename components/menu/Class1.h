#pragma once

#include "StanMenu.h"

#include <component/Component.h>

namespace menuoc {

// "menuoc.class1": the pull-down menu. It only reports the choice, as the
// bar entry (PokażMenu) and the item of its list (PokażMenu2); both are
// 65535 when the bar was closed without one.
class Class1 : public oc::Component
{
public:
    QVariant invoke(QStringView operation, QVariantList &args) override;

    // Shows the bar modally at x, y, width wide (screen twips) and returns
    // the chosen entry once it closes. start: the entry highlighted first,
    // or + 100 to open its list at once.
    qint32 PokażMenu(float x, float y, float width, qint32 start);
    // The item chosen in the last bar.
    qint32 PokażMenu2();
    // Shows the bar at its own place, without a start entry.
    void Main();

private:
    StanMenu m_stan;
};

} // namespace menuoc
