#include "deduce/MarksCheck.h"

#include "game/BorderCell.h"
#include "game/TraceLaser.h"

namespace orbalux {

namespace {

// A mark on the border is not an atom the player could mean, but the walk would see it.
AtomLayout fieldOnly(std::int16_t gridSize, const AtomLayout& marks)
{
    AtomLayout atoms;
    for (std::int16_t row = 1; row <= gridSize; ++row) {
        for (std::int16_t column = 1; column <= gridSize; ++column) {
            if (marks.hasAtom(row, column))
                atoms.place({row, column});
        }
    }
    return atoms;
}

} // namespace

std::vector<MarkDisagreement> checkMarks(std::int16_t gridSize, const AtomLayout& marks,
    std::span<const Observation> observations)
{
    const AtomLayout atoms = fieldOnly(gridSize, marks);
    std::vector<MarkDisagreement> disagreements;
    for (const Observation& shown : observations) {
        const LaserWalk walk = TraceLaser(atoms, gridSize, shown.entry);
        const Observation marked{shown.entry, walk.outcome, walk.finalCell};
        if (walk.outcome == Outcome::None || !sameResult(marked, shown))
            disagreements.push_back({BorderCell::numberOf(gridSize, shown.entry), shown, marked});
    }
    return disagreements;
}

} // namespace orbalux
