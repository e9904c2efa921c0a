// Fuzzes the menu template reader: a template is the bytes of a resource, which anyone can edit.
//
// Invariants: nothing crashes or reads past the input (the sanitizers watch); a template that
// is read has items whose levels all close, no deeper than the limit, and whose texts came
// from inside the input.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "widgets/menu_template.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto items = widgets::ParseMenuTemplate(std::span(reinterpret_cast<const std::byte*>(data), size));
    if (!items)
        return 0;
    // Walked again as the menu walks it: every level closes, the top level at the last item.
    std::vector<bool> levelEnds{false};
    std::size_t textUnits = 0;
    for (std::size_t i = 0; i < items->size(); ++i) {
        const widgets::MenuTemplateItem& item = (*items)[i];
        if (levelEnds.empty() || static_cast<int>(levelEnds.size()) > widgets::kMaxMenuTemplateDepth)
            std::abort();
        textUnits += item.text.size();
        if (item.EndsLevel())
            levelEnds.back() = true;
        if (item.IsPopup()) {
            levelEnds.push_back(false);
            continue;
        }
        while (!levelEnds.empty() && levelEnds.back())
            levelEnds.pop_back();
    }
    // No level left open, and no text longer than the bytes it came from.
    if (!levelEnds.empty() || textUnits * 2 > size)
        std::abort();
    return 0;
}
