#include "text/case_fold.h"

#include <algorithm>

namespace text {
namespace {

bool InRange(char16_t unit, char16_t first, char16_t last) { return unit >= first && unit <= last; }

// Ranges where capital and small letter alternate, the capital on the even (or odd) unit.
char16_t FoldAlternating(char16_t unit, char16_t first, char16_t last, bool capitalEven) {
    if (!InRange(unit, first, last)) return 0;
    bool even = unit % 2 == 0;
    return even == capitalEven ? static_cast<char16_t>(unit + 1) : unit;
}

char16_t FoldLatin(char16_t unit) {
    if (InRange(unit, u'A', u'Z')) return unit + 0x20;
    if (InRange(unit, 0xC0, 0xDE) && unit != 0xD7) return unit + 0x20;
    if (unit == 0x178) return 0xFF;
    if (unit == 0x130) return unit;  // capital I with dot has no simple folding
    if (char16_t folded = FoldAlternating(unit, 0x100, 0x137, true)) return folded;
    if (char16_t folded = FoldAlternating(unit, 0x139, 0x148, false)) return folded;
    if (char16_t folded = FoldAlternating(unit, 0x14A, 0x177, true)) return folded;
    if (char16_t folded = FoldAlternating(unit, 0x179, 0x17E, false)) return folded;
    if (InRange(unit, 0xFF21, 0xFF3A)) return unit + 0x20;
    return unit;
}

char16_t FoldGreek(char16_t unit) {
    if (InRange(unit, 0x391, 0x3AB) && unit != 0x3A2) return unit + 0x20;
    if (unit == 0x386) return 0x3AC;
    if (InRange(unit, 0x388, 0x38A)) return unit + 0x25;
    if (unit == 0x38C) return 0x3CC;
    if (InRange(unit, 0x38E, 0x38F)) return unit + 0x3F;
    if (unit == 0x3C2) return 0x3C3;  // final sigma folds with sigma
    return unit;
}

char16_t FoldCyrillic(char16_t unit) {
    if (InRange(unit, 0x410, 0x42F)) return unit + 0x20;
    if (InRange(unit, 0x400, 0x40F)) return unit + 0x50;
    if (unit == 0x4C0) return 0x4CF;
    if (char16_t folded = FoldAlternating(unit, 0x460, 0x481, true)) return folded;
    if (char16_t folded = FoldAlternating(unit, 0x48A, 0x4BF, true)) return folded;
    if (char16_t folded = FoldAlternating(unit, 0x4C1, 0x4CE, false)) return folded;
    if (char16_t folded = FoldAlternating(unit, 0x4D0, 0x52F, true)) return folded;
    return unit;
}

}  // namespace

char16_t FoldCase(char16_t unit) {
    if (unit < 0x370 || unit >= 0xFF00) return FoldLatin(unit);
    if (unit < 0x400) return FoldGreek(unit);
    if (unit < 0x530) return FoldCyrillic(unit);
    return unit;
}

bool NamesEqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

}  // namespace text
