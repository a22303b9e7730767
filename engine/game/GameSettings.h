#pragma once

#include "game/GridLimits.h"

#include <cstdint>

namespace orbalux {

inline constexpr std::int16_t kMinGridSize = 4;
inline constexpr std::int16_t kMinAtomCount = 1;
inline constexpr std::int16_t kMaxAtomCount = 15;

/** What the next new game is dealt with: the player's choices in the settings dialog. */
struct GameSettings {
    std::int16_t GridSize = 8;
    std::int16_t AtomCount = 5;
    bool ShowNumbers = false;
    bool TraceShots = false;
    /** Deal only fields that firing every border cell decides; kept for the run, not in the dialog. */
    bool DealDecidableOnly = false;

    /** The settings with GridSize n clamped to kMinGridSize..kMaxGridSize. */
    GameSettings withGridSize(int n) const;
    /** The settings with AtomCount n clamped to kMinAtomCount..kMaxAtomCount. */
    GameSettings withAtomCount(int n) const;

    friend bool operator==(const GameSettings&, const GameSettings&) = default;
};

} // namespace orbalux
