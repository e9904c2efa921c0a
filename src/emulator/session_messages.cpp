#include "emulator/session_messages.h"

namespace emulator {
namespace {

std::u16string Join(std::initializer_list<std::u16string_view> parts)
{
    std::u16string text;
    for (auto part : parts)
        text += part;
    return text;
}

}  // namespace

SessionMessages::SessionMessages(Desktop& desktop) : m_chinese(desktop.StoredLanguage() == u"中文") {}

// "Could not be saved into <target> (<cause>). It stays in <plain>" and what happens next.
std::u16string SessionMessages::StateNotSaved(std::u16string_view target, std::u16string_view plain,
                                              std::u16string_view cause, std::u16string_view next) const
{
    if (m_chinese)
        return Join({u"无法把设备状态保存到\n", target, u"\n（", cause, u"）。\n\n设备状态保留在\n", plain, u"\n", next});
    return Join({u"The device state could not be saved into\n", target, u"\n(", cause, u").\n\nIt stays in\n", plain,
                 u"\n", next});
}

std::u16string SessionMessages::StateKeptForNextStart(std::u16string_view target, std::u16string_view plain,
                                                      std::u16string_view cause) const
{
    return StateNotSaved(target, plain, cause,
                         m_chinese ? u"程序下次启动时会再保存。" : u"and will be saved there at the next start of the program.");
}

std::u16string SessionMessages::StateNotSavedRetrying(std::u16string_view target, std::u16string_view plain,
                                                      std::u16string_view cause) const
{
    return StateNotSaved(target, plain, cause,
                         m_chinese ? u"程序会继续尝试保存。" : u"and the program keeps trying to save it.");
}

std::u16string SessionMessages::EarlierStateNotSaved(std::u16string_view target, std::u16string_view plain,
                                                     std::u16string_view cause) const
{
    if (m_chinese)
        return Join({u"上次会话的设备状态无法保存到\n", target, u"\n（", cause, u"）。\n\n它保留在\n", plain,
                     u"\n为了不覆盖它，仿真器没有启动。"});
    return Join({u"The device state of an earlier session could not be saved into\n", target, u"\n(", cause,
                 u").\n\nIt is kept in\n", plain, u"\nThe emulator was not started, so that it is not overwritten."});
}

std::u16string SessionMessages::UnknownStateKept(std::u16string_view keptAs) const
{
    if (m_chinese)
        return Join({u"发现一个来历不明的设备状态文件。为了不丢失它，将它另存为\n", keptAs});
    return Join({u"A device state file of unknown origin was found. So that it is not lost, it is kept as\n", keptAs});
}

std::u16string SessionMessages::UnknownStateNotMoved(std::u16string_view plain, std::u16string_view cause) const
{
    if (m_chinese)
        return Join({u"发现一个来历不明的设备状态文件\n", plain, u"\n它无法移走（", cause, u"），因此仿真器没有启动。"});
    return Join({u"A device state file of unknown origin was found at\n", plain, u"\nIt could not be moved aside (", cause,
                 u"), so the emulator was not started."});
}

std::u16string SessionMessages::EmulatorNotFound(std::u16string_view runCommand) const
{
    if (m_chinese)
        return Join({u"无法启动设备仿真器：找不到 DeviceEmulator.exe，也没有登记用来打开 .dess 文件的程序。\n\n"
                     u"请安装 Microsoft Device Emulator，或者把本程序放到 DeviceEmulator.exe 所在的文件夹里，然后再点“",
                     runCommand, u"”。"});
    return Join({u"The Device Emulator could not be started: DeviceEmulator.exe was not found, and no program is "
                 u"registered to open .dess files.\n\nInstall the Microsoft Device Emulator, or put this program "
                 u"into the folder of DeviceEmulator.exe, then choose \u201C",
                 runCommand, u"\u201D again."});
}

}  // namespace emulator
