#include "text/win32/wide.h"

#include "text/language_files.h"
#include "text/win32/win32_text_platform.h"

namespace text {

std::wstring LanguageText(std::wstring_view key) { return AsWide(LoadLanguageText(Win32TextPlatform(), AsU16(key))); }

}  // namespace text
