#include "deduce/HittingSet.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace orbalux {

namespace {

constexpr int kNoChoice = std::numeric_limits<int>::max();

// A branch and bound that picks, at each node, the unmet set with the fewest items still
// allowed and tries each of them in turn, ruling each out for the branches after it.
class CheapestSearch {
public:
    CheapestSearch(const std::vector<int>& costs, const std::vector<std::uint64_t>& sets, int below,
        SearchBudget& budget)
        : m_costs(costs), m_sets(sets), m_bestCost(below), m_budget(budget)
    {
    }

    HittingSet::Answer run()
    {
        branch(0, 0, 0);
        using Kind = HittingSet::Answer::Kind;
        if (m_outOfBudget)
            return {Kind::OutOfBudget, m_best, m_found ? m_bestCost : 0};
        return m_found ? HittingSet::Answer{Kind::Found, m_best, m_bestCost} : HittingSet::Answer{};
    }

private:
    void branch(std::uint64_t chosen, std::uint64_t excluded, int cost);
    int lowerBound(const std::vector<std::uint64_t>& unmet, std::uint64_t allowed) const;
    int cheapestIn(std::uint64_t items) const;

    const std::vector<int>& m_costs;
    const std::vector<std::uint64_t>& m_sets;
    int m_bestCost;
    SearchBudget& m_budget;
    std::uint64_t m_best = 0;
    bool m_found = false;
    bool m_outOfBudget = false;
};

void CheapestSearch::branch(std::uint64_t chosen, std::uint64_t excluded, int cost)
{
    if (!m_budget.allowsStep()) {
        m_outOfBudget = true;
        return;
    }
    std::vector<std::uint64_t> unmet;
    for (std::uint64_t set : m_sets) {
        if ((set & chosen) == 0)
            unmet.push_back(set & ~excluded);
    }
    if (unmet.empty()) {
        if (cost >= m_bestCost)
            return;
        m_best = chosen;
        m_bestCost = cost;
        m_found = true;
        return;
    }
    std::sort(unmet.begin(), unmet.end(), [](std::uint64_t a, std::uint64_t b) { return std::popcount(a) < std::popcount(b); });
    if (unmet.front() == 0 || cost + lowerBound(unmet, ~excluded) >= m_bestCost)
        return;
    std::vector<int> items;
    for (std::uint64_t rest = unmet.front(); rest != 0; rest &= rest - 1)
        items.push_back(std::countr_zero(rest));
    std::stable_sort(items.begin(), items.end(), [this](int a, int b) { return m_costs[static_cast<std::size_t>(a)] < m_costs[static_cast<std::size_t>(b)]; });
    for (int item : items) {
        const std::uint64_t bit = std::uint64_t{1} << item;
        branch(chosen | bit, excluded, cost + m_costs[static_cast<std::size_t>(item)]);
        if (m_outOfBudget)
            return;
        excluded |= bit;
    }
}

// Sets that share no allowed item each need an item of their own.
int CheapestSearch::lowerBound(const std::vector<std::uint64_t>& unmet, std::uint64_t allowed) const
{
    std::uint64_t used = 0;
    int bound = 0;
    for (std::uint64_t set : unmet) {
        if ((set & allowed & used) != 0)
            continue;
        used |= set;
        bound += cheapestIn(set & allowed);
    }
    return bound;
}

int CheapestSearch::cheapestIn(std::uint64_t items) const
{
    int cheapest = kNoChoice;
    for (; items != 0; items &= items - 1)
        cheapest = std::min(cheapest, m_costs[static_cast<std::size_t>(std::countr_zero(items))]);
    return cheapest;
}

} // namespace

HittingSet::HittingSet(std::vector<int> costs) : m_costs(std::move(costs)) {}

void HittingSet::add(std::uint64_t set)
{
    const bool implied = std::any_of(m_sets.begin(), m_sets.end(), [set](std::uint64_t kept) { return (kept & ~set) == 0; });
    if (implied)
        return;
    std::erase_if(m_sets, [set](std::uint64_t kept) { return (set & ~kept) == 0; });
    m_sets.push_back(set);
}

int HittingSet::costOf(std::uint64_t choice) const
{
    int cost = 0;
    for (; choice != 0; choice &= choice - 1)
        cost += m_costs[static_cast<std::size_t>(std::countr_zero(choice))];
    return cost;
}

HittingSet::Answer HittingSet::cheapest(int below, SearchBudget& budget) const
{
    return CheapestSearch(m_costs, m_sets, below, budget).run();
}

} // namespace orbalux
