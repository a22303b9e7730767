#include "deduce/DeductionSolver.h"

#include "deduce/LayoutSearch.h"

#include <algorithm>

namespace orbalux {

Deduction deduceField(std::int16_t gridSize, int atomCount, std::span<const Observation> observations,
    SearchBudget& budget)
{
    const ShotQuestion question = readShots(gridSize, atomCount, observations);
    if (question.settled)
        return {*question.settled, {}};
    const LayoutSearchResult found = searchLayouts(PartialField(gridSize), atomCount, question.demands, 2, budget);
    Deduction deduction{Verdict::Unknown, {}};
    for (const LayoutFamily& family : found.families) {
        deduction.examples.push_back(family.example());
        if (deduction.examples.size() < 2 && family.size(2) == 2)
            deduction.examples.push_back(family.example(true));
    }
    deduction.examples.resize(std::min<std::size_t>(deduction.examples.size(), 2));
    if (found.outOfBudget)
        return deduction;
    if (deduction.examples.empty())
        deduction.verdict = Verdict::NoLayout;
    else
        deduction.verdict = deduction.examples.size() == 1 ? Verdict::Unique : Verdict::Several;
    return deduction;
}

} // namespace orbalux
