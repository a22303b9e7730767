#include "deduce/LayoutSearch.h"

#include "deduce/PartialWalk.h"
#include "game/BorderCell.h"
#include "game/GridLimits.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <limits>
#include <utility>

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

// What a branching cell gains for each open shot whose probes look at it; a deflection's cell
// gains 200 and a reflection's 100. Measured best among 10 to 300 on random 15 by 15 fields.
constexpr int kWatchedWeight = 60;

// Whether a finished walk answers the demand.
bool answers(const WalkStop& stop, const ShotDemand& demand)
{
    return sameResult({demand.seen.entry, stop.outcome, stop.exit}, demand.seen) != demand.different;
}

// What a blocked shot's last probes looked at: while none of these cells is decided and the atom
// count leaves as much room as then, probing it again would settle nothing, so it is skipped.
struct Watch {
    std::bitset<PartialField::kCells> cells;
    // The probes' count checks would turn once the field holds this many atoms ...
    int atomsTrigger = std::numeric_limits<int>::min();
    // ... or once atoms plus undecided cells fall to this.
    int roomTrigger = std::numeric_limits<int>::max();

    bool stale(const PartialField& field) const
    {
        return field.atoms() >= atomsTrigger || field.atoms() + field.undecided() <= roomTrigger
            || (cells & field.decided()).any();
    }
};

// The field a probe started from and what it looked at.
struct ProbeRoot {
    int atoms;
    int room;
    Watch& watch;
};

std::int64_t choose(int n, int k, std::int64_t limit)
{
    std::int64_t ways = 1;
    for (int i = 1; i <= k && ways < limit; ++i)
        ways = ways * (n - k + i) / i;
    return ways < limit ? ways : limit;
}

// A depth-first search over the cells the shots' walks look at. Each node walks every open shot
// as far as the decided cells allow, and decides a cell at once when one of its two states would
// finish a walk against what the board shows; branching comes only after that has run dry.
class LayoutSearch {
public:
    LayoutSearch(const PartialField& start, int atomCount, std::span<const ShotDemand> demands,
        std::int64_t enough, SearchBudget& budget);
    LayoutSearchResult run();

private:
    struct Node {
        PartialField field;
        std::vector<PartialWalk> walks;
        std::vector<std::uint8_t> open;
        std::vector<Watch> watches;
    };
    enum class Settled : std::uint8_t { Blocked, Finished, Contradiction };

    void search(std::size_t depth);
    bool propagate(Node& node) const;
    bool decideByCount(PartialField& field) const;
    bool lastAtomCanServe(Node& node) const;
    Settled settle(Node& node, std::size_t shot) const;
    bool fits(const Node& node, std::size_t shot, int cell, CellState state, Watch& watch) const;
    bool fitsWithin(const PartialField& field, const PartialWalk& walk, const ShotDemand& demand, int cell,
        CellState state, int depth, ProbeRoot& root) const;
    int branchCell(Node& node) const;
    bool atomFirst(Node& node, int cell) const;
    bool foundEnough() const { return m_found >= m_enough; }

    int m_atomCount;
    std::span<const ShotDemand> m_demands;
    std::int64_t m_enough;
    SearchBudget& m_budget;
    std::vector<Node> m_nodes;
    LayoutSearchResult m_result;
    std::int64_t m_found = 0;
};

LayoutSearch::LayoutSearch(const PartialField& start, int atomCount, std::span<const ShotDemand> demands,
    std::int64_t enough, SearchBudget& budget)
    : m_atomCount(atomCount), m_demands(demands), m_enough(enough), m_budget(budget)
{
    // Every level of the search decides at least one cell, so the field bounds its depth.
    Node root{start, {}, {}, std::vector<Watch>(demands.size())};
    for (std::size_t shot = 0; shot < demands.size(); ++shot) {
        root.walks.emplace_back(start.gridSize(), demands[shot].seen.entry);
        root.open.push_back(static_cast<std::uint8_t>(shot));
    }
    m_nodes.assign(static_cast<std::size_t>(start.undecided() + 1), root);
}

LayoutSearchResult LayoutSearch::run()
{
    if (propagate(m_nodes[0]))
        search(0);
    return std::move(m_result);
}

void LayoutSearch::search(std::size_t depth)
{
    if (!m_budget.allowsStep()) {
        m_result.outOfBudget = true;
        return;
    }
    Node& node = m_nodes[depth];
    if (node.open.empty()) {
        // Every shot is finished, so any choice of the atoms still to hide among the undecided
        // cells fits.
        LayoutFamily family{node.field, m_atomCount - node.field.atoms()};
        m_found += family.size(m_enough);
        m_result.families.push_back(std::move(family));
        return;
    }
    const int cell = branchCell(node);
    const bool atomsFirst = atomFirst(node, cell);
    for (CellState state : {CellState::Empty, CellState::Atom}) {
        if (atomsFirst)
            state = state == CellState::Empty ? CellState::Atom : CellState::Empty;
        if (foundEnough() || m_result.outOfBudget)
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
bool LayoutSearch::propagate(Node& node) const
{
    int undecidedBefore = -1;
    while (node.field.undecided() != undecidedBefore) {
        if (!decideByCount(node.field))
            return false;
        undecidedBefore = node.field.undecided();
        for (std::size_t i = 0; i < node.open.size();) {
            if (!node.watches[node.open[i]].stale(node.field)) {
                ++i;
                continue;
            }
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
    return node.field.atoms() + 1 != m_atomCount || lastAtomCanServe(node);
}

// With one atom left to hide, every open shot that cannot end as the board shows without it
// must be served by the same cell, which lies on that shot's way through otherwise empty cells.
// Searching on would find this out only cell by cell, far down the tree.
bool LayoutSearch::lastAtomCanServe(Node& node) const
{
    PartialField hopeful = node.field;
    hopeful.decideRest(CellState::Empty);
    const auto serves = [&](std::uint8_t shot, int cell) {
        PartialWalk walk = node.walks[shot];
        const WalkStop stop = walk.advance(hopeful, cell, CellState::Atom);
        return stop.finished && answers(stop, m_demands[shot]);
    };
    std::vector<int> candidates;
    bool needed = false;
    for (std::uint8_t shot : node.open) {
        if (serves(shot, -1))
            continue;
        if (!needed) {
            PartialField looked = node.field;
            PartialWalk walk = node.walks[shot];
            for (WalkStop stop = walk.advance(looked); !stop.finished; stop = walk.advance(looked)) {
                candidates.push_back(stop.blockedCell);
                looked.decide(stop.blockedCell, CellState::Empty);
            }
            needed = true;
        }
        std::erase_if(candidates, [&](int cell) { return !serves(shot, cell); });
        if (candidates.empty())
            return false;
    }
    return !needed || std::any_of(candidates.begin(), candidates.end(), [&](int cell) {
        return std::all_of(node.open.begin(), node.open.end(), [&](std::uint8_t shot) { return serves(shot, cell); });
    });
}

// With as many atoms placed as there are to hide, or as many cells left as atoms, the rest is known.
bool LayoutSearch::decideByCount(PartialField& field) const
{
    const int atoms = field.atoms();
    const int undecided = field.undecided();
    if (atoms > m_atomCount || atoms + undecided < m_atomCount)
        return false;
    if (undecided > 0 && (atoms == m_atomCount || atoms + undecided == m_atomCount))
        field.decideRest(atoms == m_atomCount ? CellState::Empty : CellState::Atom);
    return true;
}

LayoutSearch::Settled LayoutSearch::settle(Node& node, std::size_t shot) const
{
    for (;;) {
        const WalkStop stop = node.walks[shot].advance(node.field);
        if (stop.finished)
            return answers(stop, m_demands[shot]) ? Settled::Finished : Settled::Contradiction;
        Watch watch;
        watch.atomsTrigger = std::numeric_limits<int>::max();
        watch.roomTrigger = std::numeric_limits<int>::min();
        const bool empty = fits(node, shot, stop.blockedCell, CellState::Empty, watch);
        const bool atom = fits(node, shot, stop.blockedCell, CellState::Atom, watch);
        node.watches[shot] = watch;
        if (empty == atom)
            return empty ? Settled::Blocked : Settled::Contradiction;
        node.field.decide(stop.blockedCell, empty ? CellState::Empty : CellState::Atom);
    }
}

bool LayoutSearch::fits(const Node& node, std::size_t shot, int cell, CellState state, Watch& watch) const
{
    ProbeRoot root{node.field.atoms(), node.field.atoms() + node.field.undecided(), watch};
    return fitsWithin(node.field, node.walks[shot], m_demands[shot], cell, state, kProbeDepth, root);
}

// Whether the shot can still answer its demand with cell taking state, looking up to depth
// further undecided cells ahead on its way.
bool LayoutSearch::fitsWithin(const PartialField& field, const PartialWalk& walk, const ShotDemand& demand,
    int cell, CellState state, int depth, ProbeRoot& root) const
{
    Watch& watch = root.watch;
    if (state == CellState::Atom) {
        watch.atomsTrigger = std::min(watch.atomsTrigger, root.atoms + m_atomCount - field.atoms());
        if (field.atoms() >= m_atomCount)
            return false;
    } else {
        const int room = field.atoms() + field.undecided();
        watch.roomTrigger = std::max(watch.roomTrigger, root.room + m_atomCount - room);
        if (room <= m_atomCount)
            return false;
    }
    watch.cells.set(static_cast<std::size_t>(cell));
    PartialWalk probe = walk;
    if (depth == 0) {
        const WalkStop stop = probe.advance(field, cell, state);
        if (!stop.finished)
            watch.cells.set(static_cast<std::size_t>(stop.blockedCell));
        return !stop.finished || answers(stop, demand);
    }
    PartialField tried = field;
    tried.decide(cell, state);
    const WalkStop stop = probe.advance(tried);
    if (stop.finished)
        return answers(stop, demand);
    return fitsWithin(tried, probe, demand, stop.blockedCell, CellState::Empty, depth - 1, root)
        || fitsWithin(tried, probe, demand, stop.blockedCell, CellState::Atom, depth - 1, root);
}

// A shot that must leave at one given cell, or come back out, rules out far more layouts than
// one that only needs some atom ahead, so its cells are decided first; but a cell that many open
// shots' probes look at weighs more still, since deciding it settles or narrows them all at once
// (on the largest fields this cut the search's steps fivefold and its slowest fields most); among
// equals, the cell that holds up the most open shots.
int LayoutSearch::branchCell(Node& node) const
{
    std::vector<int> cells;
    std::vector<int> scores;
    cells.reserve(node.open.size());
    for (std::uint8_t shot : node.open) {
        cells.push_back(node.walks[shot].advance(node.field).blockedCell);
        const ShotDemand& demand = m_demands[shot];
        const Outcome outcome = demand.different ? Outcome::Hit : demand.seen.outcome;
        scores.push_back(outcome == Outcome::Deflection ? 200 : outcome == Outcome::Reflection ? 100 : 0);
    }
    std::size_t best = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        for (int other : cells)
            scores[i] += other == cells[i] ? 1 : 0;
        for (std::uint8_t shot : node.open)
            scores[i] += node.watches[shot].cells[static_cast<std::size_t>(cells[i])] ? kWatchedWeight : 0;
        if (scores[i] > scores[best])
            best = i;
    }
    return cells[best];
}

// The state under which some open shot, walked on as if every other undecided cell were empty,
// ends as the board shows, while the other state would not let it, is tried first. Trying every
// cell empty first lets a shot that must be absorbed, or leave at one far cell, wander the whole
// field before the search finds a layout.
bool LayoutSearch::atomFirst(Node& node, int cell) const
{
    const auto endsAsShown = [&](std::uint8_t shot, CellState state) {
        PartialField hopeful = node.field;
        hopeful.decide(cell, state);
        hopeful.decideRest(CellState::Empty);
        PartialWalk walk = node.walks[shot];
        const WalkStop stop = walk.advance(hopeful);
        return stop.finished && answers(stop, m_demands[shot]);
    };
    return std::any_of(node.open.begin(), node.open.end(), [&](std::uint8_t shot) {
        return node.walks[shot].advance(node.field).blockedCell == cell && endsAsShown(shot, CellState::Atom)
            && !endsAsShown(shot, CellState::Empty);
    });
}

} // namespace

std::int64_t LayoutFamily::size(std::int64_t limit) const
{
    return choose(field.undecided(), freeAtoms, limit);
}

AtomLayout LayoutFamily::example(bool second) const
{
    const std::vector<int> cells = field.undecidedCells();
    const auto need = static_cast<std::size_t>(freeAtoms);
    std::vector<int> pick(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(need));
    if (second && need > 0 && need < cells.size())
        pick.back() = cells[need];
    return field.layoutWith(pick);
}

std::int64_t LayoutSearchResult::layouts(std::int64_t limit) const
{
    std::int64_t found = 0;
    for (const LayoutFamily& family : families)
        found += family.size(limit);
    return found < limit ? found : limit;
}

ShotQuestion readShots(std::int16_t gridSize, int atomCount, std::span<const Observation> observations)
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
    ShotQuestion question;
    for (const std::optional<Observation>& seen : byEntry) {
        if (seen)
            question.demands.push_back({*seen, false});
    }
    return question;
}

LayoutSearchResult searchLayouts(const PartialField& start, int atomCount, std::span<const ShotDemand> demands,
    std::int64_t enough, SearchBudget& budget)
{
    return LayoutSearch(start, atomCount, demands, enough, budget).run();
}

} // namespace orbalux
