#pragma once
// The session's write-back as it is now, which keeps the state it replaces as an earlier state,
// against the write-back before earlier states; and the end of a session that changed nothing
// against one that changed the state.

#include <string>

namespace bench {

void CompareWriteBackKeepingEarlierStates(const std::wstring& folder);

}  // namespace bench
