#include "text/language_state.h"

#include <map>
#include <set>

#include "text/program_paths.h"

namespace text {
namespace {

struct LanguageState {
    LanguageFileCache files;
    int builtinResource = 0;  // 0: the current file is an installed one
    bool builtinWritten = false;
    std::map<int, std::shared_ptr<const LanguageFileContent>> programCopies;
    std::set<int> unwrittenBuiltins;
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

std::shared_ptr<const LanguageFileContent> ProgramCopy(TextPlatform& platform, int resourceId) {
    auto& copy = State().programCopies[resourceId];
    if (!copy) {
        if (std::optional<Bytes> bytes = platform.LoadOwnerData(resourceId)) {
            copy = std::make_shared<const LanguageFileContent>(*bytes);
        }
    }
    return copy;
}

}  // namespace

LanguageFileCache& LanguageFiles() { return State().files; }

void UseInstalledLanguageFile(std::u16string path) {
    g_strLanguageFile = std::move(path);
    State().builtinResource = 0;
}

void UseBuiltinLanguageFile(std::u16string path, int resourceId, bool written) {
    g_strLanguageFile = std::move(path);
    State().builtinResource = resourceId;
    State().builtinWritten = written;
}

void NoteBuiltinFileWritten(int resourceId, bool written) {
    if (written) {
        State().unwrittenBuiltins.erase(resourceId);
    } else {
        State().unwrittenBuiltins.insert(resourceId);
    }
}

bool BuiltinFileUnwritten(int resourceId) { return State().unwrittenBuiltins.contains(resourceId); }

std::shared_ptr<const LanguageFileContent> CurrentLanguageContent(TextPlatform& platform) {
    LanguageState& state = State();
    // An old file that could not be overwritten holds what the built-in file replaces.
    if (state.builtinResource != 0 && !state.builtinWritten) return ProgramCopy(platform, state.builtinResource);
    LanguageFileRead read = state.files.Read(platform, g_strLanguageFile);
    if (read.content) return read.content;
    if (state.builtinResource != 0) return ProgramCopy(platform, state.builtinResource);
    return nullptr;
}

void ResetLanguageState() { State() = LanguageState(); }

}  // namespace text
