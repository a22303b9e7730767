#pragma once

#include <cmath>

namespace orbalux {

/** Device-independent pixels for a length in twips: 15 twips make a pixel at 96 dots per inch. */
constexpr int twips(int length)
{
    return (length * 2 + 15) / 30;
}

} // namespace orbalux
