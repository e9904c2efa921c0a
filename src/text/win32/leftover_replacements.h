#pragma once
// Removing what atomic replacements of a file left behind when their program was killed.

#include <string_view>

namespace text::win32 {

// Deletes the replacement files beside `target` (see text/replacement_name.h) whose writer can
// no longer be at work: the process named in the file name has ended, or the process that now
// has that id started after the file was made (the id was reused). A file that any process
// still has open is never deleted, nor is anything not named exactly like a replacement of
// `target`. Returns how many files were deleted.
int RemoveLeftoverReplacements(std::wstring_view target);

}  // namespace text::win32
