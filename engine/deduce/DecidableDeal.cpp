#include "deduce/DecidableDeal.h"

#include "deduce/DeductionSolver.h"
#include "game/BorderCell.h"
#include "game/TraceLaser.h"

namespace orbalux {

std::vector<Observation> observeEveryBorderCell(const AtomLayout& atoms, std::int16_t gridSize)
{
    std::vector<Observation> observations;
    const int cells = BorderCell::count(gridSize);
    observations.reserve(static_cast<std::size_t>(cells));
    for (int number = 1; number <= cells; ++number) {
        const CellPos entry = BorderCell::at(gridSize, number);
        const LaserWalk walk = TraceLaser(atoms, gridSize, entry);
        const bool leaves = walk.outcome == Outcome::Deflection;
        observations.push_back({entry, walk.outcome, leaves ? walk.finalCell : CellPos{}});
    }
    return observations;
}

DecidableDeal dealDecidableField(const std::function<AtomLayout()>& deal, std::int16_t gridSize,
    int maxDeals, SearchBudget& budget)
{
    DecidableDeal result;
    do {
        result.atoms = deal();
        ++result.deals;
        const std::vector<Observation> observations = observeEveryBorderCell(result.atoms, gridSize);
        const Deduction deduction = deduceField(gridSize, result.atoms.count(), observations, budget);
        result.decidable = deduction.verdict == Verdict::Unique;
        // Unknown means the budget is spent: dealing on could not be checked in time.
        if (deduction.verdict == Verdict::Unknown)
            break;
    } while (!result.decidable && result.deals < maxDeals);
    return result;
}

} // namespace orbalux
