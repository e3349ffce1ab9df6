#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace notebox {

// The buttons of one `Buttony` code: captions, how many show, their lefts in twips.
struct ButtonSet
{
    std::array<QString, 3> captions;
    int count = 0;
    std::array<int, 3> lefts{};
};

// nullopt for a code outside 0..5.
std::optional<ButtonSet> buttonSet(int buttony);

// The window colour for an `Ikona` code (0x00BBGGRR).
quint32 iconBackground(int ikona);

// The default button when it names one of count buttons, else 0.
int checkedDefault(int defaultButton, int count);

// The upper-cased letter after the first "&" of each caption (a final "&"
// is not looked at); a null QChar for a hidden button or none.
std::array<QChar, 3> Shorty(const std::array<QString, 3> &captions, int visibleCount);

// The box's keyboard rules over its visible buttons: the highlight, the
// hot keys and which button a key clicks.
class MsgKeys
{
public:
    MsgKeys(const std::array<QString, 3> &captions, int count, int current);

    int count() const { return m_count; }
    int current() const { return m_current; }

    // Applies a virtual-key code; returns the button it clicks, if any.
    // The highlight may have moved (see current()).
    std::optional<int> key(int virtualKey);

    // The answer of a box closed without a choice (by the window manager):
    // what Esc gives, and for the abort/retry/ignore set "&Przerwij".
    int closeAnswer() const;

private:
    std::optional<int> escapeButton() const;

    std::array<QString, 3> m_captions;
    std::array<QChar, 3> m_hotKeys;
    int m_count;
    int m_current;
};

} // namespace notebox
