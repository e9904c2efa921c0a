#include "text/program_texts.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace text {
namespace {

struct OwnTexts {
    std::u16string_view key;
    std::u16string_view english;
    std::u16string_view chinese;
};

// Line breaks are real ones here; in a language file they are written as \n.
constexpr OwnTexts kOwnTexts[] = {
    {u"IDS_PCKovrin_StateKeptForNextStart",
     u"The device state could not be saved into\n%1\n(%2).\n\nIt stays in\n%3\nand will be saved there at the next "
     u"start of the program.",
     u"无法把设备状态保存到\n%1\n（%2）。\n\n设备状态保留在\n%3\n程序下次启动时会再保存。"},
    {u"IDS_PCKovrin_StateNotSavedRetrying",
     u"The device state could not be saved into\n%1\n(%2).\n\nIt stays in\n%3\nand the program keeps trying to save it.",
     u"无法把设备状态保存到\n%1\n（%2）。\n\n设备状态保留在\n%3\n程序会继续尝试保存。"},
    {u"IDS_PCKovrin_EarlierStateNotSaved",
     u"The device state of an earlier session could not be saved into\n%1\n(%2).\n\nIt is kept in\n%3\nThe emulator "
     u"was not started, so that it is not overwritten.",
     u"上次会话的设备状态无法保存到\n%1\n（%2）。\n\n它保留在\n%3\n为了不覆盖它，仿真器没有启动。"},
    {u"IDS_PCKovrin_UnknownStateKept",
     u"A device state file of unknown origin was found. So that it is not lost, it is kept as\n%1",
     u"发现一个来历不明的设备状态文件。为了不丢失它，将它另存为\n%1"},
    {u"IDS_PCKovrin_UnknownStateNotMoved",
     u"A device state file of unknown origin was found at\n%1\nIt could not be moved aside (%2), so the emulator was "
     u"not started.",
     u"发现一个来历不明的设备状态文件\n%1\n它无法移走（%2），因此仿真器没有启动。"},
    {u"IDS_PCKovrin_EmulatorNotFound",
     u"The Device Emulator could not be started: DeviceEmulator.exe was not found, and no program is registered to "
     u"open .dess files.\n\nInstall the Microsoft Device Emulator, or put this program into the folder of "
     u"DeviceEmulator.exe, then choose \u201C%1\u201D again.",
     u"无法启动设备仿真器：找不到 DeviceEmulator.exe，也没有登记用来打开 .dess 文件的程序。\n\n"
     u"请安装 Microsoft Device Emulator，或者把本程序放到 DeviceEmulator.exe 所在的文件夹里，然后再点“%1”。"},
    {u"IDS_PCKovrin_SettingsNotKept",
     u"The settings cannot be saved in\n%1\n(%2).\n\nThe language you choose is used until the program ends, but it "
     u"will not be kept for the next start.",
     u"无法把设置保存到\n%1\n（%2）。\n\n所选的语言在本次运行中有效，但下次启动时不会保留。"},
    {u"IDS_PCKovrin_BrokenStateKept",
     u"The emulator did not save the device state properly: %1.\n\nSo that the state from before this session is not "
     u"lost,\n%2\nwas left as it was. What the emulator left is kept as\n%3",
     u"设备仿真器没有正确保存设备状态：%1。\n\n为了不丢失本次会话之前的设备状态，\n%2\n保持不变。仿真器留下的文件另存为\n%3"},
    {u"IDS_PCKovrin_BrokenStateNotMoved",
     u"The emulator did not save the device state properly: %1.\n\nSo that the state from before this session is not "
     u"lost,\n%2\nwas left as it was. What the emulator left could not be moved aside (%3); it stays in\n%4",
     u"设备仿真器没有正确保存设备状态：%1。\n\n为了不丢失本次会话之前的设备状态，\n%2\n保持不变。仿真器留下的文件无法移走（%3），"
     u"它保留在\n%4"},
    {u"IDS_PCKovrin_BrokenEmpty", u"it left an empty file", u"它留下了一个空文件"},
    {u"IDS_PCKovrin_BrokenUnreadable", u"its file cannot be read to the end (%1)", u"它的文件无法完整读取（%1）"},
    {u"IDS_PCKovrin_BrokenSaveFailed", u"it ended with error code %1", u"它以错误代码 %1 结束"},
    {u"IDS_PCKovrin_BrokenSaveFailedEarlier", u"it reported that its save failed", u"它报告保存失败"},
    {u"IDS_PCKovrin_EarlierStates", u"Earlier states\u2026", u"以前的状态\u2026"},
    {u"IDS_PCKovrin_EarlierStatesTitle", u"Earlier states", u"以前的状态"},
    {u"IDS_PCKovrin_EarlierStatesHint",
     u"Earlier device states of %1, newest first. Restore makes the chosen one the device state again; the present "
     u"one is then kept here.",
     u"%1 以前的设备状态，最新的在前。“恢复”把选中的状态重新作为设备状态；当前的状态会保留在这里。"},
    {u"IDS_PCKovrin_EarlierStatesNone",
     u"There are no earlier states of %1 yet. One is kept each time a session changes the device state.",
     u"%1 还没有以前的状态。每次会话改变设备状态时，都会保留一个。"},
    {u"IDS_PCKovrin_EarlierStateSaved", u"Saved", u"保存时间"},
    {u"IDS_PCKovrin_EarlierStateSize", u"Size", u"大小"},
    {u"IDS_PCKovrin_Restore", u"&Restore", u"恢复(&R)"},
    {u"IDS_PCKovrin_Close", u"Close", u"关闭"},
    {u"IDS_PCKovrin_RestoreDuringSession",
     u"The emulator is using the device state now. Close the emulator, then restore an earlier state.",
     u"设备仿真器正在使用设备状态。请先关闭设备仿真器，再恢复以前的状态。"},
    {u"IDS_PCKovrin_RestoreFailed", u"The earlier state\n%1\ncould not be restored into\n%2\n(%3).",
     u"无法把以前的状态\n%1\n恢复到\n%2\n（%3）。"},
};

}  // namespace

std::optional<std::u16string_view> OwnText(std::u16string_view key, bool chinese) {
    const auto* found = std::find_if(std::begin(kOwnTexts), std::end(kOwnTexts),
                                     [&](const OwnTexts& text) { return text.key == key; });
    if (found == std::end(kOwnTexts)) return std::nullopt;
    return chinese ? found->chinese : found->english;
}

std::u16string FormatText(std::u16string_view pattern, std::initializer_list<std::u16string_view> arguments) {
    const std::vector<std::u16string_view> values(arguments);
    std::u16string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char16_t next = i + 1 < pattern.size() ? pattern[i + 1] : u'\0';
        const std::size_t index = static_cast<std::size_t>(next - u'1');
        if (pattern[i] == u'%' && next >= u'1' && next <= u'9' && index < values.size()) {
            text += values[index];
            ++i;
        } else {
            text.push_back(pattern[i]);
        }
    }
    return text;
}

}  // namespace text
