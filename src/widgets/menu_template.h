#pragma once
// Reading a standard menu template (the bytes of a menu resource) without the system. Kept
// free of <windows.h> so that it builds natively and can be fuzzed: a template is outside
// input, and a malformed one must be refused, never read past.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace widgets {

inline constexpr std::uint16_t kMenuPopup = 0x10;  // MF_POPUP: the item opens a sub-menu, no id
inline constexpr std::uint16_t kMenuEnd = 0x80;    // MF_END: last item of its level

struct MenuTemplateItem {
    std::uint16_t options = 0;  // the option word, MF_END included
    std::uint16_t id = 0;       // command id; 0 for pop-ups (and separators)
    std::u16string text;

    bool IsPopup() const { return (options & kMenuPopup) != 0; }
    bool EndsLevel() const { return (options & kMenuEnd) != 0; }
};

// Pop-ups nest a few levels in any real menu; deeper ones are refused.
inline constexpr int kMaxMenuTemplateDepth = 32;

// The items in template order, up to the end of the top level (trailing bytes are ignored).
// Nothing when the template is not a standard one (its version word is not 0; an extended
// template has 1), when an item or its text runs past the bytes, when the top level or a
// pop-up never ends, or when pop-ups nest deeper than kMaxMenuTemplateDepth.
std::optional<std::vector<MenuTemplateItem>> ParseMenuTemplate(std::span<const std::byte> bytes);

}  // namespace widgets
