#include "GameState.h"

#include <algorithm>

namespace orbalux {

void setGridSize(GameState& state, int n)
{
    state.GridSize = static_cast<std::int16_t>(std::clamp<int>(n, kMinGridSize, kMaxGridSize));
    state.EdgeIndex = static_cast<std::int16_t>(state.GridSize + 1);
}

void setAtomCount(GameState& state, int n)
{
    state.AtomCount = static_cast<std::int16_t>(std::clamp<int>(n, kMinAtomCount, kMaxAtomCount));
}

} // namespace orbalux
