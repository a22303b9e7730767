#include "deduce/FieldReview.h"

#include "deduce/DeductionSolver.h"
#include "deduce/LayoutSearch.h"
#include "deduce/ParSearch.h"
#include "game/BorderCell.h"
#include "game/TraceLaser.h"

#include <algorithm>
#include <cstdlib>

namespace orbalux {

namespace {

Observation observe(const AtomLayout& atoms, std::int16_t gridSize, CellPos entry)
{
    const LaserWalk walk = TraceLaser(atoms, gridSize, entry);
    return {entry, walk.outcome, walk.outcome == Outcome::Deflection ? walk.finalCell : CellPos{}};
}

// Lines two and three of the review: when the shots decided the field, and which told nothing new.
class ShotReview {
public:
    ShotReview(std::int16_t gridSize, const AtomLayout& atoms, int atomCount, std::span<const CellPos> shotsFired,
        SearchBudget& budget);

    void decide(FieldReview& review);
    void judge(FieldReview& review);

private:
    enum class Judgement : std::uint8_t { New, NothingNew, OutOfBudget };

    std::optional<Verdict> verdictAfter(std::size_t shots);
    Judgement judgeShot(std::size_t shot);
    bool repeats(std::size_t shot) const;
    void gatherNearby();
    bool nearbyShowsNew(std::size_t shot) const;
    std::uint64_t differences(const AtomLayout& other) const;
    bool fitsFirst(const AtomLayout& layout, std::size_t shots) const;

    std::int16_t m_gridSize;
    int m_atomCount;
    SearchBudget& m_budget;
    std::vector<Observation> m_seen;
    // Layouts met on the way that fit some of the first shots; one of them giving a shot another
    // outcome shows that shot told something new without a search.
    std::vector<AtomLayout> m_met;
    // The same for the layouts a move or two of atoms away, kept as the border cells (bit
    // number - 1) whose shots come out otherwise than at the atoms.
    std::vector<std::uint64_t> m_nearby;
    const AtomLayout& m_atoms;
    std::vector<std::uint64_t> m_entryBits;
    // What every border cell, by number - 1, shows at the atoms.
    std::vector<Observation> m_board;
};

ShotReview::ShotReview(std::int16_t gridSize, const AtomLayout& atoms, int atomCount,
    std::span<const CellPos> shotsFired, SearchBudget& budget)
    : m_gridSize(gridSize), m_atomCount(atomCount), m_budget(budget), m_atoms(atoms)
{
    for (const CellPos& entry : shotsFired) {
        m_seen.push_back(observe(atoms, gridSize, entry));
        m_entryBits.push_back(std::uint64_t{1} << (BorderCell::numberOf(gridSize, entry) - 1));
    }
}

// Nothing when the budget ran out.
std::optional<Verdict> ShotReview::verdictAfter(std::size_t shots)
{
    const Deduction deduction = deduceField(m_gridSize, m_atomCount, std::span(m_seen).first(shots), m_budget);
    if (deduction.verdict == Verdict::Unknown)
        return std::nullopt;
    if (deduction.verdict == Verdict::Several)
        m_met.insert(m_met.end(), deduction.examples.begin(), deduction.examples.end());
    return deduction.verdict;
}

// Once the shots so far leave one layout every later shot does too, so the first deciding shot
// is found by halving.
void ShotReview::decide(FieldReview& review)
{
    const std::optional<Verdict> all = verdictAfter(m_seen.size());
    if (!all || *all != Verdict::Unique) {
        review.decision = all ? FieldReview::Decision::Never : FieldReview::Decision::Unknown;
        return;
    }
    std::size_t low = 0;
    std::size_t high = m_seen.size();
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        const std::optional<Verdict> verdict = verdictAfter(middle);
        if (!verdict)
            return;
        if (*verdict == Verdict::Unique)
            high = middle;
        else
            low = middle + 1;
    }
    review.decision = low == 0 ? FieldReview::Decision::BeforeFirstShot : FieldReview::Decision::AtShot;
    review.decidingShot = static_cast<int>(low);
}

void ShotReview::judge(FieldReview& review)
{
    if (review.decision == FieldReview::Decision::Unknown)
        return;
    // After the deciding shot only one layout fits, so no later shot can tell anything.
    const std::size_t open = review.decision == FieldReview::Decision::Never
        ? m_seen.size()
        : static_cast<std::size_t>(review.decidingShot);
    if (open > 0)
        gatherNearby();
    for (std::size_t shot = 0; shot < m_seen.size(); ++shot) {
        const Judgement judgement = shot < open ? judgeShot(shot) : Judgement::NothingNew;
        if (judgement == Judgement::OutOfBudget) {
            review.toldNothingNew.clear();
            return;
        }
        if (judgement == Judgement::NothingNew)
            review.toldNothingNew.push_back(m_seen[shot].entry);
    }
    review.informationKnown = true;
}

ShotReview::Judgement ShotReview::judgeShot(std::size_t shot)
{
    if (repeats(shot))
        return Judgement::NothingNew;
    if (nearbyShowsNew(shot))
        return Judgement::New;
    const Observation& seen = m_seen[shot];
    const bool shownNew = std::any_of(m_met.begin(), m_met.end(), [&](const AtomLayout& layout) {
        return !sameResult(observe(layout, m_gridSize, seen.entry), seen) && fitsFirst(layout, shot);
    });
    if (shownNew)
        return Judgement::New;
    ShotQuestion question = readShots(m_gridSize, m_atomCount, std::span(m_seen).first(shot));
    question.demands.push_back({seen, true});
    const LayoutSearchResult found = searchLayouts(PartialField(m_gridSize), m_atomCount, question.demands, 1, m_budget);
    if (found.outOfBudget)
        return Judgement::OutOfBudget;
    if (found.families.empty())
        return Judgement::NothingNew;
    m_met.push_back(found.families.front().example());
    return Judgement::New;
}

// Most shots that told something new are shown so by a layout close to the atoms, which is
// far quicker to check than to find with a search: every move of one atom, and every two moves
// of atoms to neighbouring cells.
void ShotReview::gatherNearby()
{
    for (int number = 1; number <= BorderCell::count(m_gridSize); ++number)
        m_board.push_back(observe(m_atoms, m_gridSize, BorderCell::at(m_gridSize, number)));
    std::vector<CellPos> placed;
    std::vector<CellPos> empty;
    for (std::int16_t row = 1; row <= m_gridSize; ++row) {
        for (std::int16_t column = 1; column <= m_gridSize; ++column)
            (m_atoms.hasAtom(row, column) ? placed : empty).push_back({row, column});
    }
    const auto layoutWith = [&](std::size_t moved, CellPos to, std::size_t movedToo, CellPos toToo) {
        AtomLayout other;
        for (std::size_t kept = 0; kept < placed.size(); ++kept)
            other.place(kept == moved ? to : kept == movedToo ? toToo : placed[kept]);
        return other;
    };
    std::vector<std::pair<std::size_t, CellPos>> steps;
    for (std::size_t moved = 0; moved < placed.size(); ++moved) {
        for (const CellPos& to : empty) {
            if (!m_budget.allowsStep())
                return;
            m_nearby.push_back(differences(layoutWith(moved, to, moved, to)));
            if (std::abs(to.row - placed[moved].row) <= 1 && std::abs(to.column - placed[moved].column) <= 1)
                steps.emplace_back(moved, to);
        }
    }
    for (std::size_t first = 0; first < steps.size(); ++first) {
        for (std::size_t second = first + 1; second < steps.size(); ++second) {
            if (steps[first].first == steps[second].first || steps[first].second == steps[second].second)
                continue;
            if (!m_budget.allowsStep())
                return;
            const AtomLayout other = layoutWith(steps[first].first, steps[first].second, steps[second].first, steps[second].second);
            if (other.count() == m_atomCount)
                m_nearby.push_back(differences(other));
        }
    }
}

bool ShotReview::nearbyShowsNew(std::size_t shot) const
{
    std::uint64_t earlier = 0;
    for (std::size_t before = 0; before < shot; ++before)
        earlier |= m_entryBits[before];
    return std::any_of(m_nearby.begin(), m_nearby.end(),
        [&](std::uint64_t differ) { return (differ & earlier) == 0 && (differ & m_entryBits[shot]) != 0; });
}

std::uint64_t ShotReview::differences(const AtomLayout& other) const
{
    std::uint64_t differ = 0;
    for (std::size_t cell = 0; cell < m_board.size(); ++cell) {
        if (!sameResult(observe(other, m_gridSize, m_board[cell].entry), m_board[cell]))
            differ |= std::uint64_t{1} << cell;
    }
    return differ;
}

// A shot fired before, from either end of a deflection, can only come out as it did then.
bool ShotReview::repeats(std::size_t shot) const
{
    const CellPos entry = m_seen[shot].entry;
    return std::any_of(m_seen.begin(), m_seen.begin() + static_cast<std::ptrdiff_t>(shot), [entry](const Observation& earlier) {
        return earlier.entry == entry || (earlier.outcome == Outcome::Deflection && earlier.exit == entry);
    });
}

bool ShotReview::fitsFirst(const AtomLayout& layout, std::size_t shots) const
{
    return std::all_of(m_seen.begin(), m_seen.begin() + static_cast<std::ptrdiff_t>(shots),
        [&](const Observation& seen) { return sameResult(observe(layout, m_gridSize, seen.entry), seen); });
}

} // namespace

FieldReview reviewField(std::int16_t gridSize, const AtomLayout& atoms, int atomCount,
    std::span<const CellPos> shotsFired, SearchBudget& budget)
{
    FieldReview review;
    review.shots = static_cast<int>(shotsFired.size());
    ShotReview shots(gridSize, atoms, atomCount, shotsFired, budget);
    shots.decide(review);
    // The par is mostly quick, and judging every shot can be slow on large fields, so the par
    // goes first and the judging takes what the budget has left.
    if (review.decision != FieldReview::Decision::Unknown) {
        const ParAnswer par = findPar(gridSize, atoms, atomCount, budget);
        review.par = par.par;
        review.parPoints = par.points;
        review.parEntries = par.entries;
    }
    shots.judge(review);
    return review;
}

} // namespace orbalux
