#pragma once

#include "game/AtomLayout.h"
#include "game/BorderCell.h"
#include "game/Observation.h"
#include "game/TraceLaser.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace orbalux::testing {

/** A shot's result as one byte, so that boards compare as byte strings: 0 hit, 1 reflection, 2 + exit number. */
inline std::uint8_t resultCode(const LaserWalk& walk, int gridSize)
{
    if (walk.outcome == Outcome::Deflection)
        return static_cast<std::uint8_t>(2 + BorderCell::numberOf(static_cast<std::int16_t>(gridSize), walk.finalCell));
    return walk.outcome == Outcome::Hit ? 0 : 1;
}

/** Every layout given, with its board: the result of every border shot, by number. */
struct Catalogue {
    int gridSize;
    std::vector<AtomLayout> layouts;
    std::vector<std::uint8_t> results;
    std::vector<int> atomCounts;

    Catalogue(int size, const std::vector<AtomLayout>& all) : gridSize(size), layouts(all)
    {
        const int cells = 4 * gridSize;
        results.reserve(layouts.size() * static_cast<std::size_t>(cells));
        for (const AtomLayout& atoms : layouts) {
            atomCounts.push_back(atoms.count());
            for (int number = 1; number <= cells; ++number) {
                const CellPos entry = BorderCell::at(static_cast<std::int16_t>(gridSize), number);
                results.push_back(resultCode(TraceLaser(atoms, static_cast<std::int16_t>(gridSize), entry), gridSize));
            }
        }
    }

    std::uint8_t result(std::size_t layout, int number) const
    {
        return results[layout * static_cast<std::size_t>(4 * gridSize) + static_cast<std::size_t>(number - 1)];
    }

    /** Whether other shows what layout shows at every numbered shot. */
    bool agree(std::size_t layout, std::size_t other, const std::vector<int>& numbers) const
    {
        return std::all_of(numbers.begin(), numbers.end(),
            [&](int number) { return result(other, number) == result(layout, number); });
    }

    /** The layouts of atomCount atoms that show what layout shows at the numbered shots. */
    std::vector<std::size_t> fittingAll(std::size_t layout, int atomCount, const std::vector<int>& numbers) const
    {
        std::vector<std::size_t> found;
        for (std::size_t other = 0; other < layouts.size(); ++other) {
            if (atomCounts[other] == atomCount && agree(layout, other, numbers))
                found.push_back(other);
        }
        return found;
    }

    /** How many layouts of atomCount atoms show what layout shows at the numbered shots, up to 2. */
    int fitting(std::size_t layout, int atomCount, const std::vector<int>& numbers) const
    {
        int found = 0;
        for (std::size_t other = 0; other < layouts.size() && found < 2; ++other)
            found += atomCounts[other] == atomCount && agree(layout, other, numbers) ? 1 : 0;
        return found;
    }
};

/** The layout whose atoms are the set bits of bits, read row by row. */
inline AtomLayout layoutFromBits(int gridSize, std::uint32_t bits)
{
    AtomLayout atoms;
    for (int cell = 0; cell < gridSize * gridSize; ++cell) {
        if (bits & (1u << cell))
            atoms.place({static_cast<std::int16_t>(cell / gridSize + 1), static_cast<std::int16_t>(cell % gridSize + 1)});
    }
    return atoms;
}

/** Every layout of the field, any number of atoms; gridSize <= 4. */
inline std::vector<AtomLayout> everyLayout(int gridSize)
{
    std::vector<AtomLayout> all;
    for (std::uint32_t bits = 0; bits < (1u << (gridSize * gridSize)); ++bits)
        all.push_back(layoutFromBits(gridSize, bits));
    return all;
}

/** Every layout of atomCount atoms in the field; gridSize <= 5. */
inline std::vector<AtomLayout> everyLayoutOf(int gridSize, int atomCount)
{
    std::vector<AtomLayout> all;
    std::vector<bool> chosen(static_cast<std::size_t>(gridSize * gridSize), false);
    std::fill(chosen.begin(), chosen.begin() + atomCount, true);
    do {
        std::uint32_t bits = 0;
        for (std::size_t cell = 0; cell < chosen.size(); ++cell)
            bits |= chosen[cell] ? 1u << cell : 0u;
        all.push_back(layoutFromBits(gridSize, bits));
    } while (std::prev_permutation(chosen.begin(), chosen.end()));
    return all;
}

/** What the board shows for the numbered shots at atoms. */
inline std::vector<Observation> observe(const AtomLayout& atoms, int gridSize, const std::vector<int>& numbers)
{
    std::vector<Observation> observations;
    for (int number : numbers) {
        const CellPos entry = BorderCell::at(static_cast<std::int16_t>(gridSize), number);
        const LaserWalk walk = TraceLaser(atoms, static_cast<std::int16_t>(gridSize), entry);
        const bool leaves = walk.outcome == Outcome::Deflection;
        observations.push_back({entry, walk.outcome, leaves ? walk.finalCell : CellPos{}});
    }
    return observations;
}

/** 1..4 * gridSize. */
inline std::vector<int> allNumbers(int gridSize)
{
    std::vector<int> numbers(static_cast<std::size_t>(4 * gridSize));
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = static_cast<int>(i) + 1;
    return numbers;
}

} // namespace orbalux::testing
