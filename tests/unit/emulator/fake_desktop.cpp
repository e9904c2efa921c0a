#include "fake_desktop.h"

#include <algorithm>

#include "text/program_texts.h"

namespace emulator::testing {

int FakeDesktop::ShellCallsTo(std::u16string_view file) const
{
    return static_cast<int>(std::count_if(shellCalls.begin(), shellCalls.end(),
                                          [&](const ShellCall& call) { return call.file == file; }));
}

WindowId FakeDesktop::FindWindowByTitle(std::u16string_view exactTitle)
{
    auto it = windows.find(std::u16string(exactTitle));
    return it == windows.end() ? 0 : it->second;
}

ShellResult FakeDesktop::ShellOpen(std::u16string_view file, std::u16string_view parameters, ShowCommand show)
{
    shellCalls.push_back({std::u16string(file), std::u16string(parameters), show});
    const bool registered = !registeredForStateFiles.empty() && file == registeredForStateFiles;
    if (file != u"DeviceEmulator.exe" && !registered)
        return {true, nullptr};
    if (!emulatorStarts && !registered)
        return {};
    *emulatorRunning = true;
    if (!emulatorProcessKnown)
        return {true, nullptr};
    return {true, std::make_unique<FakeProgram>(emulatorRunning, emulatorExitCode)};
}

std::u16string FakeDesktop::ProgramRegisteredFor(std::u16string_view extension)
{
    return extension == u".dess" ? registeredForStateFiles : std::u16string();
}

void FakeDesktop::TerminateWindowProcess(WindowId window)
{
    terminated.push_back(window);
    for (auto it = windows.begin(); it != windows.end(); ++it) {
        if (it->second != window)
            continue;
        const std::u16string title = it->first;
        windows.erase(it);
        if (title == u"Device Emulator")
            *emulatorRunning = false;
        if (onTerminate)
            onTerminate(title);
        return;
    }
}

ProgramEnd FakeDesktop::CloseAndWaitForEnd(WindowId window, unsigned timeoutMs)
{
    askedToClose.push_back(window);
    if (!onAskedToClose || !onAskedToClose(timeoutMs))
        return {};
    return {true, *emulatorExitCode};
}

void FakeDesktop::ShowMessage(std::u16string_view text)
{
    messages.emplace_back(text);
    if (duringMessageBox)
        duringMessageBox();
}

std::u16string FakeDesktop::DescribeFileError(const FileError& error)
{
    switch (error.kind) {
    case FileError::Kind::InUse: return u"in use";
    case FileError::Kind::AccessDenied: return u"access denied";
    case FileError::Kind::DiskFull: return u"disk full";
    case FileError::Kind::NotFound: return u"not found";
    default: return u"error";
    }
}

std::u16string FakeDesktop::LanguageText(std::u16string_view key)
{
    auto it = texts.find(std::u16string(key));
    if (it != texts.end())
        return it->second;
    const auto own = text::OwnText(key, storedLanguage == u"中文");
    return own ? std::u16string(*own) : u"String Not found";
}

}  // namespace emulator::testing
