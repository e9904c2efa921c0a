#include "emulator/earlier_states.h"

#include <algorithm>
#include <optional>
#include <string>

#include "emulator/session_paths.h"

namespace emulator {
namespace {

struct NameParts {
    std::u16string_view stem;       // "PPC_ENS"
    std::u16string_view extension;  // ".dll", or empty
};

NameParts PartsOf(std::u16string_view emulationFile)
{
    const std::u16string_view name = emulationFile.substr(emulationFile.rfind(u'\\') + 1);
    const auto dot = name.rfind(u'.');
    if (dot == std::u16string_view::npos || dot == 0)
        return {name, {}};
    return {name.substr(0, dot), name.substr(dot)};
}

char16_t Fold(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

// File names are compared as the system does for the letters a user types in them.
bool SameIgnoringCase(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return Fold(x) == Fold(y); });
}

std::u16string Digits(int value, int width)
{
    std::u16string text(static_cast<std::size_t>(width), u'0');
    for (int i = width - 1; i >= 0 && value > 0; --i, value /= 10)
        text[static_cast<std::size_t>(i)] = static_cast<char16_t>(u'0' + value % 10);
    return text;
}

// "2026-12-11 14.03.27": sorts as it reads, and holds no character a file name may not.
std::u16string Stamp(const LocalTime& t)
{
    return Digits(t.year, 4) + u"-" + Digits(t.month, 2) + u"-" + Digits(t.day, 2) + u" " + Digits(t.hour, 2) + u"." +
           Digits(t.minute, 2) + u"." + Digits(t.second, 2);
}

std::optional<int> Number(std::u16string_view digits)
{
    if (digits.empty() || digits.size() > 6)
        return std::nullopt;
    int value = 0;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

std::optional<LocalTime> ParseStamp(std::u16string_view text)
{
    // The separators where Stamp puts them, and digits everywhere else.
    static constexpr std::u16string_view kShape = u"0000-00-00 00.00.00";
    if (text.size() != kShape.size())
        return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((kShape[i] == u'0') != (text[i] >= u'0' && text[i] <= u'9') || (kShape[i] != u'0' && text[i] != kShape[i]))
            return std::nullopt;
    auto at = [&](std::size_t from, std::size_t count) { return *Number(text.substr(from, count)); };
    return LocalTime{at(0, 4), at(5, 2), at(8, 2), at(11, 2), at(14, 2), at(17, 2)};
}

std::optional<EarlierState> ParseName(std::u16string_view name, const NameParts& parts)
{
    if (name.size() < parts.stem.size() + 1 + parts.extension.size() ||
        !SameIgnoringCase(name.substr(0, parts.stem.size()), parts.stem) || name[parts.stem.size()] != u' ' ||
        !SameIgnoringCase(name.substr(name.size() - parts.extension.size()), parts.extension)) {
        return std::nullopt;
    }
    std::u16string_view middle = name.substr(parts.stem.size() + 1);
    middle.remove_suffix(parts.extension.size());
    EarlierState state;
    if (middle.size() > 19) {
        // " (n)" after the moment
        const std::u16string_view sequence = middle.substr(19);
        const auto number = sequence.size() > 3 && sequence.starts_with(u" (") && sequence.ends_with(u")")
                                ? Number(sequence.substr(2, sequence.size() - 3))
                                : std::nullopt;
        if (!number || *number < 2)
            return std::nullopt;
        state.sequence = *number;
        middle = middle.substr(0, 19);
    }
    const auto written = ParseStamp(middle);
    if (!written)
        return std::nullopt;
    state.written = *written;
    return state;
}

std::u16string NameFor(const NameParts& parts, const LocalTime& written, int sequence)
{
    std::u16string name = std::u16string(parts.stem) + u" " + Stamp(written);
    if (sequence > 1) {
        const std::string decimal = std::to_string(sequence);
        name += u" (" + std::u16string(decimal.begin(), decimal.end()) + u")";
    }
    return name + std::u16string(parts.extension);
}

}  // namespace

std::u16string EarlierStatesFolder(std::u16string_view emulationFile)
{
    return FolderOf(emulationFile) + u"\\" + std::u16string(kEarlierStatesFolderName);
}

std::vector<EarlierState> ListEarlierStates(SessionFiles& files, std::u16string_view emulationFile)
{
    const NameParts parts = PartsOf(emulationFile);
    const std::u16string folder = EarlierStatesFolder(emulationFile);
    std::vector<EarlierState> states;
    for (const std::u16string& name : files.FileNamesIn(folder)) {
        auto state = ParseName(name, parts);
        if (!state)
            continue;
        state->path = folder + u"\\" + name;
        const auto facts = files.Facts(state->path);
        state->size = facts ? facts->size : 0;
        states.push_back(std::move(*state));
    }
    std::sort(states.begin(), states.end(), [](const EarlierState& a, const EarlierState& b) {
        return a.written != b.written ? a.written > b.written : a.sequence > b.sequence;
    });
    return states;
}

std::u16string NameForEarlierState(SessionFiles& files, std::u16string_view emulationFile)
{
    const auto facts = files.Facts(emulationFile);
    if (!facts)
        return {};
    const std::u16string folder = EarlierStatesFolder(emulationFile);
    if (!files.DirectoryExists(folder))
        files.MakeDirectory(folder);
    const NameParts parts = PartsOf(emulationFile);
    for (int sequence = 1; sequence < 10000; ++sequence) {
        std::u16string path = folder + u"\\" + NameFor(parts, facts->lastWrite, sequence);
        if (!files.FileExists(path))
            return path;
        if (files.Facts(path) == facts)
            return {};  // the very file, under its second name
    }
    return {};
}

void KeepNewestEarlierStates(SessionFiles& files, std::u16string_view emulationFile, int keep)
{
    const std::vector<EarlierState> states = ListEarlierStates(files, emulationFile);
    for (std::size_t i = static_cast<std::size_t>(std::max(keep, 0)); i < states.size(); ++i)
        files.RemoveFile(states[i].path);
}

bool RestoreEarlierState(SessionFiles& files, std::u16string_view emulationFile, const EarlierState& state,
                         FileError& error)
{
    return files.ReplaceKeeping(emulationFile, state.path, NameForEarlierState(files, emulationFile), error);
}

}  // namespace emulator
