#pragma once

#include "game/CellPos.h"
#include "game/Outcome.h"
#include "game/TraceLaser.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace orbalux {

/** What a shot did. */
struct ShotResult {
    Outcome outcome = Outcome::None;
    CellPos entry;
    /** Where the laser came out: the entry cell for a reflection, the border cell it stopped by for a hit. */
    CellPos exit;
    /** The deflection's letter, empty for other outcomes. */
    std::string letter;
    /** What the shot added to Score: 1, 2 for a deflection, less at the ceiling. */
    std::int16_t cost = 0;
    std::vector<TraceSegment> trace;

    friend bool operator==(const ShotResult&, const ShotResult&) = default;
};

/** What a click on a field cell did. */
struct MarkResult {
    CellPos cell;
    bool marked = false;
    std::int16_t MarkedCount = 0;

    friend bool operator==(const MarkResult&, const MarkResult&) = default;
};

/** A click the rules turn down; the player is told why. */
struct Refusal {
    enum class Kind : std::uint8_t {
        NoGame, ///< between games nothing changes until a new one starts
        Corner, ///< a corner is neither field nor border
    };
    Kind kind = Kind::NoGame;

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

/** A click off the board in use, which changes nothing and tells nothing. */
struct Ignored {
    friend bool operator==(const Ignored&, const Ignored&) = default;
};

/** What a click on the board did: exactly one of these. */
using ClickResult = std::variant<Ignored, Refusal, MarkResult, ShotResult>;

} // namespace orbalux
