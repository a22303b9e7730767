#include "deduce/FieldProof.h"

#include "deduce/LayoutSearch.h"

#include <bitset>

namespace orbalux {

namespace {

// Settles the cells one at a time: a cell is proven when no layout gives it the state no layout
// found so far gave it. Every layout found shows, for each cell, one state it can take, so most
// cells are shown open by the layouts that other cells' questions turn up, without a search of
// their own.
class FieldProver {
public:
    FieldProver(std::int16_t gridSize, int atomCount, std::vector<ShotDemand> demands, SearchBudget& budget)
        : m_atomCount(atomCount), m_demands(std::move(demands)), m_budget(budget), m_proven(gridSize)
    {
    }

    FieldProof prove();

private:
    enum class Found : std::uint8_t { Some, None, OutOfBudget };

    Found search(const PartialField& start);
    void settle(int cell);
    FieldProof proof(bool complete) const;

    int m_atomCount;
    std::vector<ShotDemand> m_demands;
    SearchBudget& m_budget;
    // The cells proven so far, decided; the search starts from them, so each proof narrows the next.
    PartialField m_proven;
    std::bitset<PartialField::kCells> m_seenAtom;
    std::bitset<PartialField::kCells> m_seenEmpty;
    bool m_outOfBudget = false;
};

FieldProof FieldProver::prove()
{
    const Found first = search(m_proven);
    if (first != Found::Some)
        return proof(first == Found::None);
    for (int cell : m_proven.undecidedCells()) {
        settle(cell);
        if (m_outOfBudget)
            return proof(false);
    }
    return proof(true);
}

FieldProver::Found FieldProver::search(const PartialField& start)
{
    const LayoutSearchResult found = searchLayouts(start, m_atomCount, m_demands, 1, m_budget);
    m_outOfBudget = found.outOfBudget;
    for (const LayoutFamily& family : found.families) {
        for (int cell = 0; cell < PartialField::kCells; ++cell) {
            const CellState state = family.field.at(cell);
            const bool free = state == CellState::Unknown;
            const auto index = static_cast<std::size_t>(cell);
            if (state == CellState::Atom || (free && family.freeAtoms > 0))
                m_seenAtom.set(index);
            if (state == CellState::Empty || (free && family.freeAtoms < family.field.undecided()))
                m_seenEmpty.set(index);
        }
    }
    if (!found.families.empty())
        return Found::Some;
    return found.outOfBudget ? Found::OutOfBudget : Found::None;
}

void FieldProver::settle(int cell)
{
    const auto index = static_cast<std::size_t>(cell);
    if (m_seenAtom[index] && m_seenEmpty[index])
        return;
    const CellState unseen = m_seenAtom[index] ? CellState::Empty : CellState::Atom;
    PartialField trial = m_proven;
    trial.decide(cell, unseen);
    if (search(trial) == Found::None)
        m_proven.decide(cell, unseen == CellState::Atom ? CellState::Empty : CellState::Atom);
}

FieldProof FieldProver::proof(bool complete) const
{
    FieldProof result;
    result.complete = complete;
    const int size = m_proven.gridSize();
    for (int row = 1; row <= size; ++row) {
        for (int column = 1; column <= size; ++column) {
            const int index = PartialField::indexOf(row, column);
            const CellPos pos = PartialField::posOf(index);
            if (m_proven.at(index) == CellState::Atom)
                result.provenAtoms.place(pos);
            else if (m_proven.at(index) == CellState::Empty)
                result.provenEmpty.place(pos);
        }
    }
    return result;
}

} // namespace

FieldProof proveField(std::int16_t gridSize, int atomCount, std::span<const Observation> observations,
    SearchBudget& budget)
{
    ShotQuestion question = readShots(gridSize, atomCount, observations);
    if (question.settled)
        return {{}, {}, question.settled == Verdict::NoLayout};
    return FieldProver(gridSize, atomCount, std::move(question.demands), budget).prove();
}

} // namespace orbalux
