#pragma once

#include "deduce/DeductionSolver.h"
#include "deduce/MarksCheck.h"

#include <string>
#include <vector>

namespace orbalux {

/** What "Are My Shots Enough?" tells the player about deduction, for atoms hidden atoms. */
std::string shotsEnoughText(Verdict verdict, int atoms);

/**
 * What "Check My Marks" tells the player: agreement, or how many shots disagree and up to ten
 * of them by border number; a last line when marks differs from atoms.
 */
std::string marksCheckText(const std::vector<MarkDisagreement>& disagreements, std::int16_t gridSize, int marks,
    int atoms);

} // namespace orbalux
