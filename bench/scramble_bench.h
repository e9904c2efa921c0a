#pragma once
// Scrambling in memory against memcpy of the same buffer.

namespace bench {

// Prints both throughputs and their ratio; returns the ratio (scrambling speed / memcpy speed).
double CompareScrambleWithMemcpy();

}  // namespace bench
