#include "MsgButtons.h"

#include <ui/Keys.h>

namespace notebox {

namespace vk = oc::ui::vk;

std::optional<ButtonSet> buttonSet(int buttony)
{
    constexpr std::array<int, 3> one{2280, 0, 0};
    constexpr std::array<int, 3> two{840, 3720, 0};
    constexpr std::array<int, 3> three{360, 2280, 4320};
    switch (buttony) {
    case 0: return ButtonSet{{QStringLiteral("&OK"), {}, {}}, 1, one};
    case 1: return ButtonSet{{QStringLiteral("&OK"), QStringLiteral("&Anuluj"), {}}, 2, two};
    case 2:
        return ButtonSet{
            {QStringLiteral("&Przerwij"), QStringLiteral("P&onów"), QStringLiteral("&Zignoruj")}, 3, three};
    case 3: return ButtonSet{{QStringLiteral("&Tak"), QStringLiteral("&Nie"), QStringLiteral("&Anuluj")}, 3, three};
    case 4: return ButtonSet{{QStringLiteral("&Tak"), QStringLiteral("&Nie"), {}}, 2, two};
    case 5: return ButtonSet{{QStringLiteral("&Ponów"), QStringLiteral("&Anuluj"), {}}, 2, two};
    default: return std::nullopt;
    }
}

quint32 iconBackground(int ikona)
{
    switch (ikona) {
    case 16:
    case 1:
    case 48:
    case 3: return 0x0000A0;
    default: return 0x808080;
    }
}

int checkedDefault(int defaultButton, int count)
{
    return defaultButton > count - 1 ? 0 : defaultButton;
}

std::array<QChar, 3> Shorty(const std::array<QString, 3> &captions, int visibleCount)
{
    std::array<QChar, 3> keys{};
    for (int i = 0; i < visibleCount && i < 3; ++i) {
        const QString &caption = captions[i];
        const qsizetype at = caption.indexOf(u'&');
        if (at >= 0 && at + 1 < caption.size())
            keys[i] = caption.at(at + 1).toUpper();
    }
    return keys;
}

MsgKeys::MsgKeys(const std::array<QString, 3> &captions, int count, int current)
    : m_captions(captions), m_hotKeys(Shorty(captions, count)), m_count(count), m_current(current)
{}

std::optional<int> MsgKeys::key(int virtualKey)
{
    if (virtualKey == vk::Tab)
        virtualKey = vk::Right;
    switch (virtualKey) {
    case vk::Return:
    case vk::Space: return m_current;
    case vk::Left:
        if (m_count > 1)
            m_current = m_current == 0 ? m_count - 1 : m_current - 1;
        return std::nullopt;
    case vk::Right:
        if (m_count > 1)
            m_current = m_current == m_count - 1 ? 0 : m_current + 1;
        return std::nullopt;
    case vk::Escape: return m_count == 1 ? std::optional<int>(0) : escapeButton();
    default: break;
    }
    // Only character keys: function and keypad codes would otherwise read
    // as letters ("p" is F1's code).
    const bool character = (virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z');
    if (!character)
        return std::nullopt;
    for (int i = 0; i < 3; ++i)
        if (!m_hotKeys[i].isNull() && m_hotKeys[i] == QChar(virtualKey))
            return i;
    return std::nullopt;
}

int MsgKeys::closeAnswer() const
{
    if (m_count == 1)
        return 0;
    if (const std::optional<int> escape = escapeButton())
        return *escape;
    for (int i = 0; i < m_count; ++i)
        if (m_captions[i] == QLatin1String("&Przerwij"))
            return i;
    return 0;
}

std::optional<int> MsgKeys::escapeButton() const
{
    std::optional<int> found;
    for (int i = 0; i < m_count; ++i)
        if (m_captions[i] == QLatin1String("&Nie"))
            found = i;
    for (int i = 0; i < m_count; ++i)
        if (m_captions[i] == QLatin1String("&Anuluj"))
            found = i;
    return found;
}

} // namespace notebox
