#pragma once
// What the launcher tells the user about the device state. Each text is a key of the language
// files with the program's own English and Chinese text where a file does not carry it.

#include <cstdint>
#include <string>
#include <string_view>

#include "emulator/desktop.h"

namespace emulator {

// Why a state the emulator left is not written back.
struct BrokenSave {
    enum class Why { Empty, Unreadable, ExitCode, MarkedEarlier };
    Why why = Why::Empty;
    std::u16string cause = {};     // Unreadable: the system's reason
    std::uint32_t exitCode = 0;   // ExitCode
};

class SessionMessages {
public:
    explicit SessionMessages(Desktop& desktop) : m_desktop(desktop) {}

    // The close could not save the state; the plain file stays for the next start.
    std::u16string StateKeptForNextStart(std::u16string_view target, std::u16string_view plain,
                                         std::u16string_view cause) const;
    // A watch tick could not save the state; it keeps trying.
    std::u16string StateNotSavedRetrying(std::u16string_view target, std::u16string_view plain,
                                         std::u16string_view cause) const;
    // A plain state file from an earlier session could not go back, so no new one was unpacked.
    std::u16string EarlierStateNotSaved(std::u16string_view target, std::u16string_view plain,
                                        std::u16string_view cause) const;
    // A plain state file of unknown origin was moved aside rather than overwritten.
    std::u16string UnknownStateKept(std::u16string_view keptAs) const;
    std::u16string UnknownStateNotMoved(std::u16string_view plain, std::u16string_view cause) const;
    // Neither the shell nor the file association could start the emulator; runCommand is the
    // Run command's name as the window shows it.
    std::u16string EmulatorNotFound(std::u16string_view runCommand) const;
    // A broken save was kept aside (or could not be) and the emulation file left as it was.
    std::u16string BrokenStateKept(const BrokenSave& broken, std::u16string_view target, std::u16string_view keptAs) const;
    std::u16string BrokenStateNotMoved(const BrokenSave& broken, std::u16string_view target, std::u16string_view plain,
                                       std::u16string_view cause) const;

private:
    std::u16string Text(std::u16string_view key, std::initializer_list<std::u16string_view> arguments) const;
    std::u16string Reason(const BrokenSave& broken) const;

    Desktop& m_desktop;
};

}  // namespace emulator
