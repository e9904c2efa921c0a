#pragma once
// Comparing and printing rectangles in test assertions. They live beside RECT itself, in the
// global namespace, where the assertions' argument lookup finds them.

#include <windows.h>

#include <ostream>

inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
