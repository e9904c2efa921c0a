#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "text/ini_profile.h"

namespace text {
namespace {

using namespace std::literals;

constexpr std::u16string_view kDefault = u"<default>";

// One form of line: what reading `key` in `section` gives, and the whole file after writing
// `value` there (nothing when the write is refused).
struct LineForm {
    const char* form;
    std::string_view file;
    std::u16string_view section;
    std::u16string_view key;
    std::u16string_view read;
    std::u16string_view value;
    std::optional<std::string_view> written;
};

const LineForm kForms[] = {
    {"lone CR after the written line", "[Sec]\r\nA=1\nKey=old\rB=2\r\n"sv, u"Sec", u"Key", u"old", u"new",
     "[Sec]\r\nA=1\nKey=new\rB=2\r\n"sv},
    {"lone CR everywhere", "[Sec]\rA=1\rKey=old\r"sv, u"Sec", u"Key", u"old", u"new", "[Sec]\rA=1\rKey=new\r"sv},
    {"lone CR before a header", "[Sec]\rKey=v\r[Other]\rKey=w\r"sv, u"Other", u"Key", u"w", u"new",
     "[Sec]\rKey=v\r[Other]\rKey=new\r"sv},
    {"LF CR is one line end", "[Sec]\n\rA=1\n\r"sv, u"Sec", u"Key", kDefault, u"new",
     "[Sec]\n\rA=1\n\rKey=new\r\n"sv},
    {"CR or LF in a value", "[Sec]\r\nKey=v\r\n"sv, u"Sec", u"Key", u"v", u"a\rb", std::nullopt},

    {"'[' without ']' is no header", "[Sec\r\nKey=v\r\n"sv, u"Sec", u"Key", kDefault, u"new",
     "[Sec\r\nKey=v\r\n[Sec]\r\nKey=new\r\n"sv},
    {"header up to the last ']'", " [ a]b ] tail\rKey=v"sv, u"A]B", u"Key", u"v", u"new",
     " [ a]b ] tail\rKey=new"sv},
    {"'[]' is not the section \"\"", "[]\r\nKey=v\r\n"sv, u"", u"Key", kDefault, u"new",
     "Key=new\r\n[]\r\nKey=v\r\n"sv},

    {"keys before the first header", "Key=top\r\n[Sec]\r\nKey=v\r\n"sv, u"", u"Key", u"top", u"new",
     "Key=new\r\n[Sec]\r\nKey=v\r\n"sv},
    {"new key before the first header", "; note\r\n\r\n[Sec]\r\n"sv, u" ", u"Key", kDefault, u"new",
     "; note\r\nKey=new\r\n\r\n[Sec]\r\n"sv},

    {"key without '=' hides a later value", "[Sec]\r\n Key \r\nKey=v\r\n"sv, u"Sec", u"key", kDefault,
     u" x", "[Sec]\r\n Key =\" x\"\r\nKey=v\r\n"sv},

    {"NUL ends the value", "[Sec]\r\nKey=a \0b\r\n"sv, u"Sec", u"Key", u"a", u"new", "[Sec]\r\nKey=new\r\n"sv},
    {"NUL ends names", "[Sec\0x]\r\nKey\0y=v\r\n"sv, u"Sec", u"Key", u"v", u"new",
     "[Sec\0x]\r\nKey\0y=new\r\n"sv},
    {"NUL in a key", ""sv, u"Sec", u"K\0y"sv, kDefault, u"v", std::nullopt},

    {"empty key", "[Sec]\r\n = v\r\n"sv, u"Sec", u"", u"v", u"new", "[Sec]\r\n =new\r\n"sv},
    {"new empty key", "[Sec]"sv, u"Sec", u"  ", kDefault, u"new", "[Sec]\r\n=new\r\n"sv},
};

TEST(IniLineForms, ReadAndWriteEveryFormOfLine) {
    for (const LineForm& line : kForms) {
        SCOPED_TRACE(line.form);
        EXPECT_EQ(GetProfileValue(line.file, line.section, line.key, kDefault, 1000), line.read);
        std::optional<Bytes> written = SetProfileValue(line.file, line.section, line.key, line.value);
        EXPECT_EQ(written, line.written ? std::optional<Bytes>(*line.written) : std::nullopt);
    }
}

}  // namespace
}  // namespace text
