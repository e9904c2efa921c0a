#pragma once
// One language change, the way every part of the program that offers one makes it: the
// language becomes current, the main window's caption and its three panes show its texts, and
// the emulation file is looked up again under the new language's name.

#include <string>

class CWnd;

namespace panes {

// What the title pane does with a new language. The pane's own drop-down made the choice: the
// pane repaints, and leaves the device entry to its caller. A choice made elsewhere (the
// configuration dialog) gives the pane its initial update again, which also takes the new
// device entry name without renaming anything.
enum class TitleRefresh { Repaint, InitialUpdate };

// The caption and the panes, after the language has changed.
void RefreshForLanguage(TitleRefresh title);

// Makes name the current language and refreshes everything for it; requester is the window
// that asks (it owns any message shown).
void ApplyLanguage(CWnd& requester, const std::wstring& name, TitleRefresh title);

}  // namespace panes
