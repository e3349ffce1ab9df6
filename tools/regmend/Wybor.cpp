#include "Wybor.h"

#include <ui/Keys.h>

namespace regmend {

namespace vk = oc::ui::vk;

KeyAction applyKey(int virtualKey, qint16 &selected)
{
    switch (virtualKey) {
    case vk::Return:
    case vk::Space: return KeyAction::Click;
    case vk::Escape: return KeyAction::Quit;
    case vk::Left: selected = selected == 1 ? 3 : selected - 1; return KeyAction::None;
    case vk::Right: selected = selected == 3 ? 1 : selected + 1; return KeyAction::None;
    default: return KeyAction::None;
    }
}

} // namespace regmend
