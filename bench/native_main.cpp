// The in-memory figure natively, where memcpy is the C library's own.
#include "scramble_bench.h"

int main()
{
    bench::CompareScrambleWithMemcpy();
    return 0;
}
