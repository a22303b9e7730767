#include "deduce/ParSearch.h"

#include "deduce/DecidableDeal.h"
#include "deduce/HittingSet.h"
#include "deduce/LayoutSearch.h"
#include "game/BorderCell.h"
#include "game/TraceLaser.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace orbalux {

namespace {

using Par = FieldReview::Par;

// The shots worth choosing from: every border cell, except that a deflection tells the same from
// either end and is kept at its lower-numbered one.
struct Shot {
    Observation seen;
    int cost;
};

std::vector<Shot> distinctShots(std::int16_t gridSize, const AtomLayout& atoms)
{
    std::vector<Shot> shots;
    for (const Observation& seen : observeEveryBorderCell(atoms, gridSize)) {
        const bool deflection = seen.outcome == Outcome::Deflection;
        if (deflection && BorderCell::numberOf(gridSize, seen.exit) < BorderCell::numberOf(gridSize, seen.entry))
            continue;
        shots.push_back({seen, deflection ? 2 : 1});
    }
    return shots;
}

std::vector<int> costsOf(const std::vector<Shot>& shots)
{
    std::vector<int> costs;
    for (const Shot& shot : shots)
        costs.push_back(shot.cost);
    return costs;
}

// An exact search by growing lower bounds: the cheapest choice that tells apart every other
// layout met so far is tried on the solver; when another layout still fits it, the shots that
// tell that one apart become one more set the next choice must meet. The first choice that
// decides is the cheapest. Moving one atom gives the first sets, which hold most of the answer.
class ParSearch {
public:
    ParSearch(std::int16_t gridSize, const AtomLayout& atoms, int atomCount, SearchBudget& budget)
        : m_gridSize(gridSize), m_atoms(atoms), m_atomCount(atomCount), m_budget(budget),
          m_shots(distinctShots(gridSize, atoms)), m_sets(costsOf(m_shots))
    {
    }

    ParAnswer run();

private:
    enum class Decides : std::uint8_t { Yes, No, OutOfBudget };

    Decides decides(std::uint64_t choice);
    std::uint64_t differences(const AtomLayout& other) const;
    void addOneAtomMoves();
    std::optional<std::uint64_t> greedyChoice();
    std::uint64_t augment(std::uint64_t choice, Decides& verdict);
    std::uint64_t reduce(std::uint64_t choice, Decides& verdict);
    ParAnswer answer(Par par, std::uint64_t choice) const;
    std::uint64_t everyShot() const { return m_shots.size() == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << m_shots.size()) - 1; }

    std::int16_t m_gridSize;
    AtomLayout m_atoms;
    int m_atomCount;
    SearchBudget& m_budget;
    std::vector<Shot> m_shots;
    HittingSet m_sets;
};

ParAnswer ParSearch::run()
{
    const Decides all = decides(everyShot());
    if (all != Decides::Yes)
        return answer(all == Decides::No ? Par::Impossible : Par::Unknown, 0);
    addOneAtomMoves();
    std::uint64_t best = everyShot();
    Decides verdict = Decides::Yes;
    const std::uint64_t greedy = reduce(augment(m_sets.cheapest(m_sets.costOf(best) + 1, m_budget).choice, verdict), verdict);
    if (verdict == Decides::OutOfBudget)
        return answer(Par::BestSoFar, best);
    best = greedy;
    for (;;) {
        const HittingSet::Answer lower = m_sets.cheapest(m_sets.costOf(best), m_budget);
        if (lower.kind == HittingSet::Answer::Kind::OutOfBudget)
            return answer(Par::BestSoFar, best);
        if (lower.kind == HittingSet::Answer::Kind::NoneCheaper)
            return answer(Par::Found, best);
        const Decides tried = decides(lower.choice);
        if (tried == Decides::OutOfBudget)
            return answer(Par::BestSoFar, best);
        if (tried == Decides::Yes)
            return answer(Par::Found, lower.choice);
    }
}

// Whether only this layout fits the chosen shots; another that fits adds the shots telling it apart.
ParSearch::Decides ParSearch::decides(std::uint64_t choice)
{
    std::vector<ShotDemand> demands;
    for (std::uint64_t rest = choice; rest != 0; rest &= rest - 1)
        demands.push_back({m_shots[static_cast<std::size_t>(std::countr_zero(rest))].seen, false});
    const LayoutSearchResult found = searchLayouts(PartialField(m_gridSize), m_atomCount, demands, 2, m_budget);
    if (found.outOfBudget)
        return Decides::OutOfBudget;
    if (found.layouts(2) < 2)
        return Decides::Yes;
    for (const LayoutFamily& family : found.families) {
        for (bool second : {false, true}) {
            const AtomLayout other = family.example(second);
            if (other != m_atoms)
                m_sets.add(differences(other));
        }
    }
    return Decides::No;
}

std::uint64_t ParSearch::differences(const AtomLayout& other) const
{
    std::uint64_t differ = 0;
    for (std::size_t i = 0; i < m_shots.size(); ++i) {
        const Observation& seen = m_shots[i].seen;
        const LaserWalk walk = TraceLaser(other, m_gridSize, seen.entry);
        if (!sameResult({seen.entry, walk.outcome, walk.finalCell}, seen))
            differ |= std::uint64_t{1} << i;
    }
    return differ;
}

void ParSearch::addOneAtomMoves()
{
    std::vector<CellPos> atoms;
    std::vector<CellPos> empty;
    for (std::int16_t row = 1; row <= m_gridSize; ++row) {
        for (std::int16_t column = 1; column <= m_gridSize; ++column)
            (m_atoms.hasAtom(row, column) ? atoms : empty).push_back({row, column});
    }
    for (std::size_t moved = 0; moved < atoms.size(); ++moved) {
        for (const CellPos& to : empty) {
            // Each move walks every shot, so a cancel is heard between moves; once refused, the
            // sets gathered so far are all there is, and the search after stops at its first step.
            if (!m_budget.allowsStep())
                return;
            AtomLayout other;
            for (std::size_t kept = 0; kept < atoms.size(); ++kept)
                other.place(kept == moved ? to : atoms[kept]);
            m_sets.add(differences(other));
        }
    }
}

// Adds to choice, one shot at a time, the cheapest shot telling apart the last layout that still
// fitted, until choice decides.
std::uint64_t ParSearch::augment(std::uint64_t choice, Decides& verdict)
{
    while ((verdict = decides(choice)) == Decides::No) {
        std::uint64_t unmet = 0;
        for (std::uint64_t set : m_sets.sets()) {
            if ((set & choice) == 0)
                unmet = set;
        }
        if (unmet == 0)
            return everyShot(); // cannot happen: the layout that still fitted differs somewhere
        int cheapest = std::countr_zero(unmet);
        for (std::uint64_t rest = unmet; rest != 0; rest &= rest - 1) {
            const int item = std::countr_zero(rest);
            if (m_shots[static_cast<std::size_t>(item)].cost < m_shots[static_cast<std::size_t>(cheapest)].cost)
                cheapest = item;
        }
        choice |= std::uint64_t{1} << cheapest;
    }
    return choice;
}

// Drops the shots, dearest first, that a deciding choice can do without.
std::uint64_t ParSearch::reduce(std::uint64_t choice, Decides& verdict)
{
    if (verdict != Decides::Yes)
        return choice;
    std::vector<int> items;
    for (std::uint64_t rest = choice; rest != 0; rest &= rest - 1)
        items.push_back(std::countr_zero(rest));
    std::stable_sort(items.begin(), items.end(), [this](int a, int b) { return m_shots[static_cast<std::size_t>(a)].cost > m_shots[static_cast<std::size_t>(b)].cost; });
    for (int item : items) {
        const std::uint64_t without = choice & ~(std::uint64_t{1} << item);
        const bool needed = std::any_of(m_sets.sets().begin(), m_sets.sets().end(),
            [without](std::uint64_t set) { return (set & without) == 0; });
        if (needed)
            continue;
        const Decides tried = decides(without);
        if (tried == Decides::OutOfBudget) {
            verdict = tried;
            return choice;
        }
        if (tried == Decides::Yes)
            choice = without;
    }
    return choice;
}

ParAnswer ParSearch::answer(Par par, std::uint64_t choice) const
{
    ParAnswer result{par, 0, {}};
    if (par != Par::Found && par != Par::BestSoFar)
        return result;
    for (std::uint64_t rest = choice; rest != 0; rest &= rest - 1) {
        const Shot& shot = m_shots[static_cast<std::size_t>(std::countr_zero(rest))];
        result.points += shot.cost;
        result.entries.push_back(shot.seen.entry);
    }
    return result;
}

} // namespace

ParAnswer findPar(std::int16_t gridSize, const AtomLayout& atoms, int atomCount, SearchBudget& budget)
{
    return ParSearch(gridSize, atoms, atomCount, budget).run();
}

} // namespace orbalux
