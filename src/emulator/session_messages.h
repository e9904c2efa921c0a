#pragma once
// What the launcher tells the user when the device state cannot go where it belongs. The language
// files carry no such texts, so these are the program's own, in Chinese when 中文 is the chosen
// language and in English otherwise.

#include <string>
#include <string_view>

#include "emulator/desktop.h"

namespace emulator {

class SessionMessages {
public:
    explicit SessionMessages(Desktop& desktop);

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

private:
    std::u16string StateNotSaved(std::u16string_view target, std::u16string_view plain, std::u16string_view cause,
                                 std::u16string_view next) const;

    bool m_chinese;
};

}  // namespace emulator
