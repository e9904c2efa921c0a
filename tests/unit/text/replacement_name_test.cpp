#include <gtest/gtest.h>

#include "text/replacement_name.h"

namespace text {
namespace {

TEST(ReplacementName, TheWritersNameTellsItsProcess) {
    EXPECT_EQ(ReplacementFileName(u"C:\\App\\setting.ini", 4242, 987654321, 3),
              u"C:\\App\\setting.ini.4242-987654321-3.tmp");
    EXPECT_EQ(ReplacementWriterId(ReplacementFileName(u"PPC_ENS.dll", 0xFFFFFFFF, UINT64_MAX, 15), u"PPC_ENS.dll"),
              0xFFFFFFFFu);
    EXPECT_EQ(ReplacementWriterId(u"winsetup.dess.0-0-0.tmp", u"winsetup.dess"), 0u);
    // The file system ignores case, so an earlier spelling of the target counts too.
    EXPECT_EQ(ReplacementWriterId(u"SETTING.INI.12-3-0.tmp", u"setting.ini"), 12u);
}

TEST(ReplacementName, NothingElseIsTakenForOne) {
    for (std::u16string_view name : {
             u"setting.ini", u"setting.ini.tmp", u"setting.ini..tmp", u"setting.ini.12-3.tmp",
             u"setting.ini.12-3-0.TMP", u"setting.ini.12-3-0.tmp.bak", u"setting.ini.12-3-0-1.tmp",
             u"setting.ini.-3-0.tmp", u"setting.ini.12--0.tmp", u"setting.ini.12-3-.tmp", u"setting.ini.+12-3-0.tmp",
             u"setting.ini.012-3-0.tmp", u"setting.ini.1a-3-0.tmp", u"setting.ini. 12-3-0.tmp",
             u"setting.ini.4294967296-3-0.tmp", u"setting.ini.1-18446744073709551616-0.tmp",
             u"setting.ini.1-2-2147483648.tmp", u"setting.ini.\xFF11\xFF12-3-0.tmp", u"setting.ini12-3-0.tmp",
             u"xsetting.ini.12-3-0.tmp", u"setting.ini.origin.12-3-0.tmp", u"setting.ini.unsaved-001"}) {
        EXPECT_EQ(ReplacementWriterId(name, u"setting.ini"), std::nullopt) << std::string(name.begin(), name.end());
    }
    // The session record's replacements belong to the record, not to the plain state file.
    EXPECT_EQ(ReplacementWriterId(u"winsetup.dess.origin.8-1-0.tmp", u"winsetup.dess"), std::nullopt);
    EXPECT_EQ(ReplacementWriterId(u"winsetup.dess.origin.8-1-0.tmp", u"winsetup.dess.origin"), 8u);
    EXPECT_EQ(ReplacementWriterId(u".1-2-3.tmp", u""), std::nullopt);
}

}  // namespace
}  // namespace text
