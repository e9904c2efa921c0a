#pragma once
// One emulator session at a time: unpack the state, start the emulator, watch for its end and
// carry the state back. The command pane owns the session; the watch timer is on its window.

#include <memory>
#include <string>

#include "emulator/desktop.h"
#include "emulator/session_files.h"

namespace emulator {

class EmulatorSession {
public:
    // Sets the plain state file and the current emulation file; nothing is launched yet.
    EmulatorSession(Desktop& desktop, SessionFiles& files);
    EmulatorSession(const EmulatorSession&) = delete;
    EmulatorSession& operator=(const EmulatorSession&) = delete;

    // The Run command.
    void RunEmulator();
    // The watch timer's tick, every 2000 ms while launched.
    void OnWatchTick();
    // At start-up, in each place a plain state file may be: one left by an earlier run that did
    // not end its session goes back into the file it came from, or, while its emulator still
    // runs, is watched as ours. First, what killed writes of earlier runs left there goes.
    void ResumeInterruptedSession();

    bool IsLaunched() const { return m_bEmulatorLaunched != 0; }

    // How many ticks a started emulator whose process the shell did not name may take to show
    // its window before it counts as ended.
    static constexpr int kWindowGraceTicks = 15;

private:
    enum class UnpackOutcome { Done, Stopped, PlaceNotWritable };

    bool RecoverLeftoverState();
    bool Unpack();
    UnpackOutcome UnpackInto(const std::u16string& plain, const std::u16string& target, bool otherPlaceLeft);
    bool ResumeAt();
    void Launch();
    ShellResult StartEmulator(const std::u16string& parameters);
    bool EmulatorMayStillUseState();
    void SaveAtSessionEnd();
    void EndSession();

    Desktop& m_desktop;
    SessionFiles& m_files;
    int m_bEmulatorLaunched = 0;

    std::unique_ptr<LaunchedProgram> m_emulator;  // null when the shell did not say which process
    bool m_windowMayStillAppear = false;
    int m_ticksWithoutWindow = 0;
    bool m_failureReported = false;  // a failing write-back is told once per session, not every tick
    bool m_inTick = false;           // a tick's message box runs a modal loop that delivers more ticks
};

enum class EndVariant { LanguageSwitch, Close };

// How long a running session's emulator gets to save and close when asked to: a large state is
// saved in seconds, and a question the emulator itself asks wants a moment of the user's; much
// longer and the launcher would seem hung.
inline constexpr unsigned kEmulatorCloseWaitMs = 30000;

// Ends a running emulator: during a session it is first asked to close, so that it saves what
// the user did, and waited for; then the state goes back, and what still runs of emulator and
// manager is ended by force. The close variant removes the plain state file only once its
// content is safely back.
void EndEmulator(Desktop& desktop, SessionFiles& files, EndVariant variant);

}  // namespace emulator
