#include "text/program_paths.h"

namespace text {

std::u16string g_strAppDir;
std::u16string g_strSettingFile;
std::u16string g_strLanguageFile;

std::u16string InitAppPaths(TextPlatform& platform) {
    std::u16string program = platform.ModuleFileName();
    std::size_t lastBackslash = program.rfind(u'\\');
    g_strAppDir = lastBackslash == std::u16string::npos ? std::u16string() : program.substr(0, lastBackslash + 1);
    g_strSettingFile = g_strAppDir + u"setting.ini";
    return g_strAppDir;
}

}  // namespace text
