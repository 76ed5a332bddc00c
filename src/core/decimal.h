#pragma once
// Whole numbers as decimal text, without the C runtime's formatting machinery, which would
// otherwise be linked into the exe whole.
#include <string>

namespace vx {

// At least `digits` digits, with leading zeros.
inline std::wstring DecimalText(long long n, int digits = 1) {
    const bool negative = n < 0;
    unsigned long long u = negative ? 0ull - static_cast<unsigned long long>(n) : n;
    std::wstring out;
    do {
        out.insert(out.begin(), static_cast<wchar_t>(L'0' + u % 10));
        u /= 10;
    } while (u != 0 || static_cast<int>(out.size()) < digits);
    if (negative) out.insert(out.begin(), L'-');
    return out;
}

}  // namespace vx
