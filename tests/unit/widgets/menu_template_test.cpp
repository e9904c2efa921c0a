// Reading menu templates: the structure of good ones, and every way a bad one is refused.
#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "widgets/menu_template.h"

namespace {

using widgets::ParseMenuTemplate;

std::vector<std::byte> Words(std::initializer_list<unsigned> words)
{
    std::vector<std::byte> bytes;
    for (unsigned word : words) {
        bytes.push_back(static_cast<std::byte>(word & 0xFF));
        bytes.push_back(static_cast<std::byte>(word >> 8));
    }
    return bytes;
}

constexpr unsigned kPopup = 0x10, kEnd = 0x80;

}  // namespace

TEST(MenuTemplate, ReadsNestedLevelsUpToTheEndOfTheTopLevel)
{
    // POPUP "F" { MENUITEM "O" 101; MENUITEM SEPARATOR (end) } MENUITEM "X" 102 (end), then junk.
    const auto items = ParseMenuTemplate(Words({0, 0, kPopup, 'F', 0, 0, 101, 'O', 0, kEnd, 0, 0,
                                                kEnd, 102, 'X', 0, 0xFFFF, 0xFFFF}));
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 4u);
    EXPECT_TRUE((*items)[0].IsPopup());
    EXPECT_EQ((*items)[0].text, u"F");
    EXPECT_EQ((*items)[1].id, 101);
    EXPECT_TRUE((*items)[2].EndsLevel());
    EXPECT_EQ((*items)[2].id, 0);
    EXPECT_EQ((*items)[3].text, u"X");

    // A header with extra bytes: items start after them.
    EXPECT_TRUE(ParseMenuTemplate(Words({0, 2, 0xABCD, kEnd, 7, 'A', 0})));
}

TEST(MenuTemplate, RefusesWhatIsNotAWholeStandardTemplate)
{
    const std::vector<std::vector<std::byte>> bad = {
        {},                                           // no header
        Words({0}),                                   // half a header
        Words({1, 4, 0, 0, 0, 0}),                    // the extended layout
        Words({0, 40, kEnd, 7, 'A', 0}),              // header longer than the bytes
        Words({0, 0}),                                // no items
        Words({0, 0, kEnd, 7, 'A'}),                  // text without its end
        Words({0, 0, kEnd}),                          // item without its id
        Words({0, 0, 0, 7, 'A', 0}),                  // top level never ends
        Words({0, 0, kPopup | kEnd, 'P', 0}),         // pop-up without items
        Words({0, 0, kPopup | kEnd, 'P', 0, 0, 7, 'A', 0}),  // pop-up that never ends
    };
    for (size_t i = 0; i < bad.size(); ++i)
        EXPECT_FALSE(ParseMenuTemplate(bad[i])) << "case " << i;

    // An odd trailing byte cuts the last word.
    auto odd = Words({0, 0, kEnd, 7, 'A', 0});
    odd.pop_back();
    EXPECT_FALSE(ParseMenuTemplate(odd));
}

TEST(MenuTemplate, RefusesPopupsNestedBeyondTheLimit)
{
    auto nested = [](int depth) {
        std::vector<unsigned> words{0, 0};
        for (int i = 0; i < depth; ++i)
            words.insert(words.end(), {kPopup | kEnd, 'P', 0});
        words.insert(words.end(), {kEnd, 7, 'A', 0});
        std::vector<std::byte> bytes;
        for (unsigned word : words) {
            bytes.push_back(static_cast<std::byte>(word & 0xFF));
            bytes.push_back(static_cast<std::byte>(word >> 8));
        }
        return bytes;
    };
    EXPECT_TRUE(ParseMenuTemplate(nested(widgets::kMaxMenuTemplateDepth - 1)));
    EXPECT_FALSE(ParseMenuTemplate(nested(widgets::kMaxMenuTemplateDepth)));
}
