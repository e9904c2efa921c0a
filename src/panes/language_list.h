#pragma once
// The language drop-down of the title pane and of the configuration dialog.

#include <windows.h>

#include <string>

#include "framework/gdi_handles.h"

namespace panes {

// Adds the name of every installed language file (as often as files carry it; the list's
// sorted style orders them) and selects the first entry that begins with the stored setting,
// ignoring case; none when no entry does.
// When the list's font has no glyphs for some of the names (a dialog font without Chinese
// letters), gives the list a font of the same size that has them; font keeps it alive. The list
// drops down tall enough to show up to eight entries.
void FillLanguageList(HWND list, const std::wstring& appDir, framework::UniqueFont& font);

// The text of the selected entry; nothing when no entry is selected.
bool SelectedLanguage(HWND list, std::wstring& name);

}  // namespace panes
