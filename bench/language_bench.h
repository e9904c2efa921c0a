#pragma once
// The texts of a large language file at start-up against reading that file once.

#include <string>

namespace bench {

// For a 1 MiB and a 50 MiB language file in a program folder under `folder`: what the start-up
// does with texts (choosing the language, listing the languages, every text the window shows)
// against one plain read of the file; for comparison also the same lookups reading the file
// each time, as before the texts were kept.
void CompareStartupTextsWithOneRead(const std::wstring& folder);

}  // namespace bench
