#pragma once

#include "deduce/FieldProof.h"
#include "deduce/SearchBudget.h"
#include "game/Game.h"
#include "game/TraceLaser.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace orbalux::testing {

/** Whether atoms on a gridSize field give every one of shots. */
inline bool fitsShots(const AtomLayout& atoms, std::int16_t gridSize, const std::vector<Observation>& shots)
{
    for (const Observation& shot : shots) {
        const LaserWalk walk = TraceLaser(atoms, gridSize, shot.entry);
        if (!sameResult(shot, Observation{shot.entry, walk.outcome, walk.finalCell}))
            return false;
    }
    return true;
}

/** Calls visit with every layout of atomCount atoms on a gridSize field, while visit says go on. */
inline void forEachLayout(std::int16_t gridSize, int atomCount, const std::function<bool(const AtomLayout&)>& visit)
{
    const int cells = gridSize * gridSize;
    std::vector<int> chosen;
    std::function<bool(int)> choose = [&](int from) {
        if (static_cast<int>(chosen.size()) == atomCount) {
            AtomLayout atoms;
            for (const int cell : chosen)
                atoms.place({static_cast<std::int16_t>(cell / gridSize + 1), static_cast<std::int16_t>(cell % gridSize + 1)});
            return visit(atoms);
        }
        for (int cell = from; cell < cells; ++cell) {
            chosen.push_back(cell);
            const bool goOn = choose(cell + 1);
            chosen.pop_back();
            if (!goOn)
                return false;
        }
        return true;
    };
    choose(0);
}

/**
 * The proof of game's shots by trying every layout: slow, but plainly right on small fields.
 * One budget step per layout; a budget that runs out proves nothing.
 */
inline FieldProof bruteForceProof(const Game& game, SearchBudget& budget)
{
    const std::int16_t size = game.board().fieldSize();
    const std::vector<Observation> shots = game.observations();
    std::vector<int> filled(static_cast<std::size_t>(size * size), 0);
    int fitting = 0;
    bool finished = true;
    forEachLayout(size, game.AtomCount(), [&](const AtomLayout& atoms) {
        if (!budget.allowsStep())
            return finished = false;
        if (!fitsShots(atoms, size, shots))
            return true;
        ++fitting;
        for (std::int16_t cell = 0; cell < size * size; ++cell)
            filled[static_cast<std::size_t>(cell)] += atoms.hasAtom(cell / size + 1, cell % size + 1) ? 1 : 0;
        return true;
    });
    FieldProof proof;
    if (!finished || fitting == 0)
        return proof;
    for (std::int16_t cell = 0; cell < size * size; ++cell) {
        const CellPos pos{static_cast<std::int16_t>(cell / size + 1), static_cast<std::int16_t>(cell % size + 1)};
        if (filled[static_cast<std::size_t>(cell)] == fitting)
            proof.provenAtoms.place(pos);
        else if (filled[static_cast<std::size_t>(cell)] == 0)
            proof.provenEmpty.place(pos);
    }
    proof.complete = true;
    return proof;
}

} // namespace orbalux::testing
