#include "deduce/DeductionReport.h"

#include "game/BorderCell.h"

#include <algorithm>

namespace orbalux {

namespace {

constexpr std::size_t kListedDisagreements = 10;

std::string counted(int n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string outcomeWords(const Observation& shot, std::int16_t gridSize)
{
    switch (shot.outcome) {
    case Outcome::Hit: return "a hit";
    case Outcome::Reflection: return "a reflection";
    case Outcome::Deflection: return "a deflection out at " + std::to_string(BorderCell::numberOf(gridSize, shot.exit));
    case Outcome::None: break;
    }
    return "no shot";
}

} // namespace

std::string shotsEnoughText(Verdict verdict, int atoms)
{
    const std::string hiding = "hiding " + counted(atoms, "atom", "atoms");
    switch (verdict) {
    case Verdict::Unique: return "Your shots decide the field: only one way of " + hiding + " fits them all.";
    case Verdict::Several:
        return "Your shots do not decide the field yet: more than one way of " + hiding + " fits them all.";
    default: break;
    }
    // The game's own board always fits its atoms, so anything else means the search gave up.
    return "Orbalux could not work out in time whether your shots decide the field.";
}

std::string marksCheckText(const std::vector<MarkDisagreement>& disagreements, std::int16_t gridSize, int marks,
    int atoms)
{
    std::string text = disagreements.empty()
        ? std::string("Your marks agree with every shot on the board.")
        : "Your marks disagree with " + counted(static_cast<int>(disagreements.size()), "of your shots.", "of your shots.");
    const std::size_t listed = std::min(disagreements.size(), kListedDisagreements);
    for (std::size_t i = 0; i < listed; ++i) {
        const MarkDisagreement& shot = disagreements[i];
        text += "\nBorder cell " + std::to_string(shot.entryNumber) + ": your marks give "
            + outcomeWords(shot.marked, gridSize) + ", the board shows " + outcomeWords(shot.shown, gridSize) + ".";
    }
    if (marks != atoms)
        text += "\nYou have " + counted(marks, "mark", "marks") + " for " + counted(atoms, "atom.", "atoms.");
    return text;
}

} // namespace orbalux
