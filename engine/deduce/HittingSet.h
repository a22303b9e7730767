#pragma once

#include "deduce/SearchBudget.h"

#include <cstdint>
#include <vector>

namespace orbalux {

/** The cheapest choice of items (bits 0..63, each with a cost) that meets every set added. */
class HittingSet {
public:
    /** What cheapest() found. */
    struct Answer {
        enum class Kind : std::uint8_t { Found, NoneCheaper, OutOfBudget };
        Kind kind = Kind::NoneCheaper;
        std::uint64_t choice = 0;
        int cost = 0;
    };

    /** costs[i] > 0 is the cost of item i; at most 64 items. */
    explicit HittingSet(std::vector<int> costs);

    /** Adds a set of items (not empty) that a choice must meet; a set holding another is implied by it. */
    void add(std::uint64_t set);
    /** The sets kept: none holds another. */
    const std::vector<std::uint64_t>& sets() const { return m_sets; }
    /** The total cost of the items in choice. */
    int costOf(std::uint64_t choice) const;
    /** A cheapest choice meeting every set that costs less than below, asking budget at every branch. */
    Answer cheapest(int below, SearchBudget& budget) const;

private:
    std::vector<int> m_costs;
    std::vector<std::uint64_t> m_sets;
};

} // namespace orbalux
