#pragma once
// Unpack and write-back of a large file against a plain copy of it, and the memory a write-back needs.

#include <string>

namespace bench {

// A file of that size with bytes that do not repeat in a short cycle.
void MakeBenchFile(const std::wstring& path, unsigned long long size);

void CompareSessionCopiesWithPlainCopy(const std::wstring& folder);

// Runs a write-back of a 1 GiB file in a child process (so nothing else adds to its peak) and
// prints the child's peak memory against its baseline.
void MeasureWriteBackPeakMemory(const std::wstring& folder, const std::wstring& self);

// The child's side: with `copy` false it only reports its baseline.
int ReportPeakMemory(const std::wstring& plain, const std::wstring& target, bool copy);

}  // namespace bench
