#pragma once
// The names of the files that atomic replacements write first, beside their target:
// "<target>.<process id>-<tick>-<attempt>.tmp". The process id in the name tells a later run
// whether the writer may still be at work; nothing else is ever named like this by the program.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace text {

std::u16string ReplacementFileName(std::u16string_view target, std::uint32_t processId, std::uint64_t tick,
                                   int attempt);

// The writer's process id when `fileName` is exactly such a name for `targetName` (both
// without folder; the target's part compared ignoring case, as the file system does).
std::optional<std::uint32_t> ReplacementWriterId(std::u16string_view fileName, std::u16string_view targetName);

}  // namespace text
