#include "widgets/menu_template.h"

namespace widgets {
namespace {

class WordReader {
public:
    explicit WordReader(std::span<const std::byte> bytes) : m_bytes(bytes) {}

    bool Skip(std::size_t count)
    {
        if (count > m_bytes.size() - m_offset)
            return false;
        m_offset += count;
        return true;
    }
    // Little-endian, as templates are stored.
    std::optional<std::uint16_t> Word()
    {
        if (m_bytes.size() - m_offset < 2)
            return std::nullopt;
        const auto low = static_cast<std::uint16_t>(m_bytes[m_offset]);
        const auto high = static_cast<std::uint16_t>(m_bytes[m_offset + 1]);
        m_offset += 2;
        return static_cast<std::uint16_t>(low | (high << 8));
    }
    // A text up to its terminating NUL, which must lie inside the bytes.
    std::optional<std::u16string> Text()
    {
        std::u16string text;
        for (;;) {
            const auto unit = Word();
            if (!unit)
                return std::nullopt;
            if (*unit == 0)
                return text;
            text.push_back(static_cast<char16_t>(*unit));
        }
    }

private:
    std::span<const std::byte> m_bytes;
    std::size_t m_offset = 0;
};

}  // namespace

std::optional<std::vector<MenuTemplateItem>> ParseMenuTemplate(std::span<const std::byte> bytes)
{
    WordReader reader(bytes);
    const auto version = reader.Word();
    const auto headerSize = reader.Word();
    if (!version || !headerSize || *version != 0 || !reader.Skip(*headerSize))
        return std::nullopt;

    std::vector<MenuTemplateItem> items;
    // One end flag per open level, as the system's own walk keeps them.
    std::vector<bool> levelEnds{false};
    while (!levelEnds.empty()) {
        MenuTemplateItem item;
        const auto options = reader.Word();
        if (!options)
            return std::nullopt;
        item.options = *options;
        if (!item.IsPopup()) {
            const auto id = reader.Word();
            if (!id)
                return std::nullopt;
            item.id = *id;
        }
        auto text = reader.Text();
        if (!text)
            return std::nullopt;
        item.text = std::move(*text);
        items.push_back(std::move(item));

        const MenuTemplateItem& added = items.back();
        if (added.IsPopup()) {
            if (added.EndsLevel())
                levelEnds.back() = true;
            if (static_cast<int>(levelEnds.size()) >= kMaxMenuTemplateDepth)
                return std::nullopt;
            levelEnds.push_back(false);
            continue;
        }
        if (added.EndsLevel())
            levelEnds.back() = true;
        while (!levelEnds.empty() && levelEnds.back())
            levelEnds.pop_back();
    }
    return items;
}

}  // namespace widgets
