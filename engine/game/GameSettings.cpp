#include "game/GameSettings.h"

#include <algorithm>

namespace orbalux {

GameSettings GameSettings::withGridSize(int n) const
{
    GameSettings changed = *this;
    changed.GridSize = static_cast<std::int16_t>(std::clamp<int>(n, kMinGridSize, kMaxGridSize));
    return changed;
}

GameSettings GameSettings::withAtomCount(int n) const
{
    GameSettings changed = *this;
    changed.AtomCount = static_cast<std::int16_t>(std::clamp<int>(n, kMinAtomCount, kMaxAtomCount));
    return changed;
}

} // namespace orbalux
