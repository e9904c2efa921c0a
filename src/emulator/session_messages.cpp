#include "emulator/session_messages.h"

#include "text/program_texts.h"

namespace emulator {

std::u16string SessionMessages::Text(std::u16string_view key, std::initializer_list<std::u16string_view> arguments) const
{
    return text::FormatText(m_desktop.LanguageText(key), arguments);
}

std::u16string SessionMessages::StateKeptForNextStart(std::u16string_view target, std::u16string_view plain,
                                                      std::u16string_view cause) const
{
    return Text(u"IDS_PCKovrin_StateKeptForNextStart", {target, cause, plain});
}

std::u16string SessionMessages::StateNotSavedRetrying(std::u16string_view target, std::u16string_view plain,
                                                      std::u16string_view cause) const
{
    return Text(u"IDS_PCKovrin_StateNotSavedRetrying", {target, cause, plain});
}

std::u16string SessionMessages::EarlierStateNotSaved(std::u16string_view target, std::u16string_view plain,
                                                     std::u16string_view cause) const
{
    return Text(u"IDS_PCKovrin_EarlierStateNotSaved", {target, cause, plain});
}

std::u16string SessionMessages::UnknownStateKept(std::u16string_view keptAs) const
{
    return Text(u"IDS_PCKovrin_UnknownStateKept", {keptAs});
}

std::u16string SessionMessages::UnknownStateNotMoved(std::u16string_view plain, std::u16string_view cause) const
{
    return Text(u"IDS_PCKovrin_UnknownStateNotMoved", {plain, cause});
}

std::u16string SessionMessages::EmulatorNotFound(std::u16string_view runCommand) const
{
    return Text(u"IDS_PCKovrin_EmulatorNotFound", {runCommand});
}

std::u16string SessionMessages::Reason(const BrokenSave& broken) const
{
    switch (broken.why) {
    case BrokenSave::Why::Empty:
        return Text(u"IDS_PCKovrin_BrokenEmpty", {});
    case BrokenSave::Why::Unreadable:
        return Text(u"IDS_PCKovrin_BrokenUnreadable", {broken.cause});
    case BrokenSave::Why::ExitCode: {
        const std::string code = std::to_string(broken.exitCode);
        return Text(u"IDS_PCKovrin_BrokenSaveFailed", {std::u16string(code.begin(), code.end())});
    }
    case BrokenSave::Why::MarkedEarlier:
        break;
    }
    return Text(u"IDS_PCKovrin_BrokenSaveFailedEarlier", {});
}

std::u16string SessionMessages::BrokenStateKept(const BrokenSave& broken, std::u16string_view target,
                                                std::u16string_view keptAs) const
{
    return Text(u"IDS_PCKovrin_BrokenStateKept", {Reason(broken), target, keptAs});
}

std::u16string SessionMessages::BrokenStateNotMoved(const BrokenSave& broken, std::u16string_view target,
                                                    std::u16string_view plain, std::u16string_view cause) const
{
    return Text(u"IDS_PCKovrin_BrokenStateNotMoved", {Reason(broken), target, cause, plain});
}

}  // namespace emulator
