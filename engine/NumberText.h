#pragma once

#include <string>

namespace orbalux {

/** Decimal digits with a leading "-" when negative, as the labels show numbers. */
inline std::string plainNumber(long long n)
{
    return std::to_string(n);
}

/** A blank before a number that is not negative, as the result messages show numbers. */
inline std::string signPadded(long long n)
{
    if (n < 0)
        return std::to_string(n);
    // Appended rather than prepended: GCC 12 at -O3 misreads " " + string as an overlapping copy.
    std::string padded(1, ' ');
    padded += std::to_string(n);
    return padded;
}

} // namespace orbalux
