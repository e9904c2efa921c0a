#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "text/ini_profile.h"

namespace text {
namespace {

using namespace std::literals;

constexpr std::u16string_view kDefault = u"<default>";

// Reading `key` in `section` of `file` gives `read`; writing `value` there gives `written`.
struct LineForm {
    const char* form;
    std::string_view file;
    std::u16string_view section, key, read, value;
    std::string_view written;
};

const LineForm kForms[] = {
    {"lone CR after the line", "[Sec]\r\nA=1\nKey=old\rB=2\r\n"sv, u"Sec", u"Key", u"old", u"new",
     "[Sec]\r\nA=1\nKey=new\rB=2\r\n"sv},
    {"lone CR everywhere", "[Sec]\rA=1\rKey=old\r"sv, u"Sec", u"Key", u"old", u"new", "[Sec]\rA=1\rKey=new\r"sv},
    {"LF CR is one line end", "[Sec]\n\rA=1\n\r"sv, u"Sec", u"Key", kDefault, u"new", "[Sec]\n\rA=1\n\rKey=new\r\n"sv},
    {"'[' without ']'", "[Sec\r\nKey=v\r\n"sv, u"Sec", u"Key", kDefault, u"new",
     "[Sec\r\nKey=v\r\n[Sec]\r\nKey=new\r\n"sv},
    {"'[]' is not \"\"", "[]\r\nKey=v\r\n"sv, u"", u"Key", kDefault, u"new", "Key=new\r\n[]\r\nKey=v\r\n"sv},
    {"key before the first header", "Key=top\r\n[Sec]\r\nKey=v\r\n"sv, u"", u"Key", u"top", u"new",
     "Key=new\r\n[Sec]\r\nKey=v\r\n"sv},
    {"key without '=' hides a later one", "[Sec]\r\n Key \r\nKey=v\r\n"sv, u"Sec", u"key", kDefault, u" x",
     "[Sec]\r\n Key =\" x\"\r\nKey=v\r\n"sv},
    {"NUL ends the value", "[Sec]\r\nKey=a \0b\r\n"sv, u"Sec", u"Key", u"a", u"new", "[Sec]\r\nKey=new\r\n"sv},
    {"NUL ends names", "[Sec\0x]\r\nKey\0y=v\r\n"sv, u"Sec", u"Key", u"v", u"new", "[Sec\0x]\r\nKey\0y=new\r\n"sv},
    {"empty key", "[Sec]\r\n = v\r\n"sv, u"Sec", u"", u"v", u"new", "[Sec]\r\n =new\r\n"sv},
};

TEST(IniLineForms, ReadAndWriteEveryFormOfLine) {
    for (const LineForm& line : kForms) {
        SCOPED_TRACE(line.form);
        EXPECT_EQ(GetProfileValue(line.file, line.section, line.key, kDefault, 1000), line.read);
        EXPECT_EQ(SetProfileValue(line.file, line.section, line.key, line.value), Bytes(line.written));
    }
}

}  // namespace
}  // namespace text
