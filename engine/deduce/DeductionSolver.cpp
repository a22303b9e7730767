#include "deduce/DeductionSolver.h"

#include "deduce/PartialField.h"
#include "deduce/PartialWalk.h"
#include "game/BorderCell.h"
#include "game/GridLimits.h"

#include <array>
#include <optional>

namespace orbalux {

namespace {

bool validObservation(std::int16_t gridSize, const Observation& seen)
{
    if (BorderCell::numberOf(gridSize, seen.entry) == 0)
        return false;
    if (seen.outcome == Outcome::Deflection)
        return BorderCell::numberOf(gridSize, seen.exit) != 0;
    return seen.outcome == Outcome::Hit || seen.outcome == Outcome::Reflection;
}

// How many undecided cells a probe looks past on a shot's way. Each level doubles a probe's cost
// and cuts the search; four measured fastest on the largest fields, where the search is hardest.
constexpr int kProbeDepth = 4;

bool matches(const WalkStop& stop, const Observation& seen)
{
    return sameResult({seen.entry, stop.outcome, stop.exit}, seen);
}

// The question in a form the search can take: one observation per entry cell.
struct Question {
    std::optional<Verdict> settled;
    std::vector<Observation> shots;
};

Question readQuestion(std::int16_t gridSize, int atomCount, std::span<const Observation> observations)
{
    const int cells = BorderCell::count(gridSize);
    if (cells == 0 || atomCount < 0 || atomCount > gridSize * gridSize)
        return {Verdict::Invalid, {}};
    std::array<std::optional<Observation>, 4 * kMaxGridSize + 1> byEntry;
    for (const Observation& seen : observations) {
        if (!validObservation(gridSize, seen))
            return {Verdict::Invalid, {}};
        std::optional<Observation>& earlier = byEntry[BorderCell::numberOf(gridSize, seen.entry)];
        if (earlier && !sameResult(*earlier, seen))
            return {Verdict::NoLayout, {}};
        earlier = seen;
    }
    Question question;
    for (const std::optional<Observation>& seen : byEntry) {
        if (seen)
            question.shots.push_back(*seen);
    }
    return question;
}

// A depth-first search over the cells the shots' walks look at. Each node walks every open shot
// as far as the decided cells allow, and decides a cell at once when one of its two states would
// finish a walk against what the board shows; branching comes only after that has run dry.
class DeductionSolver {
public:
    DeductionSolver(int gridSize, int atomCount, std::vector<Observation> shots, SearchBudget& budget);
    Deduction solve();

private:
    struct Node {
        PartialField field;
        std::vector<PartialWalk> walks;
        std::vector<std::uint8_t> open;
    };
    enum class Settled : std::uint8_t { Blocked, Finished, Contradiction };

    void search(std::size_t depth);
    bool propagate(Node& node) const;
    bool decideByCount(PartialField& field) const;
    Settled settle(Node& node, std::size_t shot) const;
    bool fits(const Node& node, std::size_t shot, int cell, CellState state) const;
    bool fitsWithin(const PartialField& field, const PartialWalk& walk, const Observation& seen, int cell,
        CellState state, int depth) const;
    int branchCell(Node& node) const;
    void collect(const PartialField& field);

    int m_atomCount;
    std::vector<Observation> m_shots;
    SearchBudget& m_budget;
    std::vector<Node> m_nodes;
    std::vector<AtomLayout> m_examples;
    bool m_outOfBudget = false;
};

DeductionSolver::DeductionSolver(int gridSize, int atomCount, std::vector<Observation> shots,
    SearchBudget& budget)
    : m_atomCount(atomCount), m_shots(std::move(shots)), m_budget(budget)
{
    // Every level of the search decides at least one cell, so the field bounds its depth.
    Node root{PartialField(gridSize), {}, {}};
    for (std::size_t shot = 0; shot < m_shots.size(); ++shot) {
        root.walks.emplace_back(gridSize, m_shots[shot].entry);
        root.open.push_back(static_cast<std::uint8_t>(shot));
    }
    m_nodes.assign(static_cast<std::size_t>(gridSize * gridSize + 1), root);
}

Deduction DeductionSolver::solve()
{
    if (propagate(m_nodes[0]))
        search(0);
    if (m_outOfBudget)
        return {Verdict::Unknown, m_examples};
    if (m_examples.empty())
        return {Verdict::NoLayout, {}};
    return {m_examples.size() == 1 ? Verdict::Unique : Verdict::Several, m_examples};
}

void DeductionSolver::search(std::size_t depth)
{
    if (!m_budget.allowsStep()) {
        m_outOfBudget = true;
        return;
    }
    Node& node = m_nodes[depth];
    if (node.open.empty()) {
        collect(node.field);
        return;
    }
    const int cell = branchCell(node);
    for (CellState state : {CellState::Empty, CellState::Atom}) {
        if (m_examples.size() >= 2 || m_outOfBudget)
            return;
        Node& child = m_nodes[depth + 1];
        child = node;
        child.field.decide(cell, state);
        if (propagate(child))
            search(depth + 1);
    }
}

// Runs until a whole pass over the open shots decides nothing, so that every open shot is held
// up by an undecided cell; false when the node cannot hold a fitting layout.
bool DeductionSolver::propagate(Node& node) const
{
    int undecidedBefore = -1;
    while (node.field.undecided() != undecidedBefore) {
        if (!decideByCount(node.field))
            return false;
        undecidedBefore = node.field.undecided();
        for (std::size_t i = 0; i < node.open.size();) {
            const Settled settled = settle(node, node.open[i]);
            if (settled == Settled::Contradiction)
                return false;
            if (settled == Settled::Blocked) {
                ++i;
                continue;
            }
            node.open[i] = node.open.back();
            node.open.pop_back();
        }
    }
    return true;
}

// With as many atoms placed as there are to hide, or as many cells left as atoms, the rest is known.
bool DeductionSolver::decideByCount(PartialField& field) const
{
    const int atoms = field.atoms();
    const int undecided = field.undecided();
    if (atoms > m_atomCount || atoms + undecided < m_atomCount)
        return false;
    if (undecided > 0 && (atoms == m_atomCount || atoms + undecided == m_atomCount))
        field.decideRest(atoms == m_atomCount ? CellState::Empty : CellState::Atom);
    return true;
}

DeductionSolver::Settled DeductionSolver::settle(Node& node, std::size_t shot) const
{
    for (;;) {
        const WalkStop stop = node.walks[shot].advance(node.field);
        if (stop.finished)
            return matches(stop, m_shots[shot]) ? Settled::Finished : Settled::Contradiction;
        const bool empty = fits(node, shot, stop.blockedCell, CellState::Empty);
        const bool atom = fits(node, shot, stop.blockedCell, CellState::Atom);
        if (empty == atom)
            return empty ? Settled::Blocked : Settled::Contradiction;
        node.field.decide(stop.blockedCell, empty ? CellState::Empty : CellState::Atom);
    }
}

bool DeductionSolver::fits(const Node& node, std::size_t shot, int cell, CellState state) const
{
    return fitsWithin(node.field, node.walks[shot], m_shots[shot], cell, state, kProbeDepth);
}

// Whether the shot can still end as seen with cell taking state, looking up to depth further
// undecided cells ahead on its way.
bool DeductionSolver::fitsWithin(const PartialField& field, const PartialWalk& walk, const Observation& seen,
    int cell, CellState state, int depth) const
{
    if (state == CellState::Atom && field.atoms() >= m_atomCount)
        return false;
    if (state == CellState::Empty && field.atoms() + field.undecided() <= m_atomCount)
        return false;
    PartialWalk probe = walk;
    if (depth == 0) {
        const WalkStop stop = probe.advance(field, cell, state);
        return !stop.finished || matches(stop, seen);
    }
    PartialField tried = field;
    tried.decide(cell, state);
    const WalkStop stop = probe.advance(tried);
    if (stop.finished)
        return matches(stop, seen);
    return fitsWithin(tried, probe, seen, stop.blockedCell, CellState::Empty, depth - 1)
        || fitsWithin(tried, probe, seen, stop.blockedCell, CellState::Atom, depth - 1);
}

// A shot that must leave at one given cell, or come back out, rules out far more layouts than
// one that only needs some atom ahead, so its cells are decided first; among equals, the cell
// that holds up the most open shots.
int DeductionSolver::branchCell(Node& node) const
{
    std::vector<int> cells;
    std::vector<int> scores;
    cells.reserve(node.open.size());
    for (std::uint8_t shot : node.open) {
        cells.push_back(node.walks[shot].advance(node.field).blockedCell);
        const Outcome outcome = m_shots[shot].outcome;
        scores.push_back(outcome == Outcome::Deflection ? 200 : outcome == Outcome::Reflection ? 100 : 0);
    }
    std::size_t best = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        for (int other : cells)
            scores[i] += other == cells[i] ? 1 : 0;
        if (scores[i] > scores[best])
            best = i;
    }
    return cells[best];
}

// Every open shot is finished, so the undecided cells are free: any choice of the atoms still
// to hide among them fits.
void DeductionSolver::collect(const PartialField& field)
{
    const std::size_t need = static_cast<std::size_t>(m_atomCount - field.atoms());
    const std::vector<int> cells = field.undecidedCells();
    std::vector<int> pick(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(need));
    m_examples.push_back(field.layoutWith(pick));
    if (m_examples.size() < 2 && need > 0 && need < cells.size()) {
        pick.back() = cells[need];
        m_examples.push_back(field.layoutWith(pick));
    }
}

} // namespace

Deduction deduceField(std::int16_t gridSize, int atomCount, std::span<const Observation> observations,
    SearchBudget& budget)
{
    Question question = readQuestion(gridSize, atomCount, observations);
    if (question.settled)
        return {*question.settled, {}};
    return DeductionSolver(gridSize, atomCount, std::move(question.shots), budget).solve();
}

} // namespace orbalux
