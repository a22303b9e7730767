#pragma once

#include "game/AtomLayout.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

namespace orbalux {

/** What a search knows of a cell. */
enum class CellState : std::uint8_t { Unknown, Empty, Atom };

/** A field some of whose cells are decided; cells are indexed row * AtomLayout::kSide + column. */
class PartialField {
public:
    static constexpr int kCells = AtomLayout::kSide * AtomLayout::kSide;

    /** The cells of the gridSize field (1..kMaxGridSize) undecided; the border and all beyond it empty. */
    explicit PartialField(int gridSize);

    /** 0 <= row, column < AtomLayout::kSide. */
    static constexpr int indexOf(int row, int column) { return row * AtomLayout::kSide + column; }
    /** The cell at index, 0 <= index < kCells. */
    static constexpr CellPos posOf(int index)
    {
        return {static_cast<std::int16_t>(index / AtomLayout::kSide),
            static_cast<std::int16_t>(index % AtomLayout::kSide)};
    }

    int gridSize() const { return m_gridSize; }
    /** What is known of the cell at index, 0 <= index < kCells. */
    CellState at(int index) const { return m_cells[static_cast<std::size_t>(index)]; }
    /** Cells decided as atoms. */
    int atoms() const { return m_atoms; }
    /** Cells of the field not decided yet. */
    int undecided() const { return m_undecided; }
    /** The decided cells, the border and all beyond the field included. */
    const std::bitset<kCells>& decided() const { return m_decided; }

    /** Decides the undecided cell index as Empty or Atom. */
    void decide(int index, CellState state);
    /** Decides every undecided cell as state (Empty or Atom). */
    void decideRest(CellState state);
    /** The undecided cells in reading order. */
    std::vector<int> undecidedCells() const;
    /** The decided atoms plus atoms on the given cells. */
    AtomLayout layoutWith(const std::vector<int>& extraAtoms) const;

private:
    std::array<CellState, kCells> m_cells;
    std::bitset<kCells> m_decided;
    int m_gridSize;
    int m_atoms = 0;
    int m_undecided = 0;
};

} // namespace orbalux
