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
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

} // namespace orbalux
