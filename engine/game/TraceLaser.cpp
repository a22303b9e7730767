#include "game/TraceLaser.h"

namespace orbalux {

namespace {

enum class Heading : std::uint8_t { None, Down, Up, Right, Left };

struct Turn {
    Heading heading;
    SegmentKind corner;
};

struct Look {
    int aheadRow, aheadColumn;
    int firstRow, firstColumn;
    int secondRow, secondColumn;
    Turn first, second;
    Heading reversed;
    SegmentKind straight;
};

Look lookFrom(int r, int c, Heading h)
{
    switch (h) {
    case Heading::Down:
        return {r + 1, c, r + 1, c - 1, r + 1, c + 1, {Heading::Right, SegmentKind::NEBar},
            {Heading::Left, SegmentKind::NWBar}, Heading::Up, SegmentKind::VBar};
    case Heading::Up:
        return {r - 1, c, r - 1, c - 1, r - 1, c + 1, {Heading::Right, SegmentKind::SEBar},
            {Heading::Left, SegmentKind::SWBar}, Heading::Down, SegmentKind::VBar};
    case Heading::Right:
        return {r, c + 1, r + 1, c + 1, r - 1, c + 1, {Heading::Up, SegmentKind::NWBar},
            {Heading::Down, SegmentKind::SWBar}, Heading::Left, SegmentKind::HBar};
    case Heading::Left:
    case Heading::None:
        break;
    }
    return {r, c - 1, r + 1, c - 1, r - 1, c - 1, {Heading::Up, SegmentKind::NEBar},
        {Heading::Down, SegmentKind::SEBar}, Heading::Right, SegmentKind::HBar};
}

Heading initialHeading(CellPos entry, int edge)
{
    const bool onRow = entry.row == 0 || entry.row == edge;
    const bool onColumn = entry.column == 0 || entry.column == edge;
    // A corner lies on two borders and offers the laser no way in.
    if (onRow == onColumn || entry.row < 0 || entry.row > edge || entry.column < 0 || entry.column > edge)
        return Heading::None;
    if (entry.row == 0)
        return Heading::Down;
    if (entry.row == edge)
        return Heading::Up;
    return entry.column == 0 ? Heading::Right : Heading::Left;
}

class Walker {
public:
    Walker(const AtomLayout& atoms, int n, CellPos entry, Heading heading)
        : m_atoms(atoms), m_n(n), m_r(entry.row), m_c(entry.column), m_heading(heading)
    {
    }

    LaserWalk run()
    {
        LaserWalk walk;
        walk.trace.reserve(32);
        while (walk.outcome == Outcome::None)
            walk.outcome = step(walk.trace);
        walk.finalCell = {static_cast<std::int16_t>(m_r), static_cast<std::int16_t>(m_c)};
        return walk;
    }

private:
    bool atom(int r, int c) const
    {
        return m_atoms.hasAtom(static_cast<std::int16_t>(r), static_cast<std::int16_t>(c));
    }

    void add(std::vector<TraceSegment>& trace, SegmentKind kind) const
    {
        trace.push_back({kind, {static_cast<std::int16_t>(m_r), static_cast<std::int16_t>(m_c)}});
    }

    bool onLastLine() const
    {
        switch (m_heading) {
        case Heading::Down: return m_r == m_n;
        case Heading::Up: return m_r == 1;
        case Heading::Right: return m_c == m_n;
        default: return m_c == 1;
        }
    }

    bool onEntryBorder() const
    {
        switch (m_heading) {
        case Heading::Down: return m_r == 0;
        case Heading::Up: return m_r == m_n + 1;
        case Heading::Right: return m_c == 0;
        default: return m_c == m_n + 1;
        }
    }

    void advance(const Look& look, std::vector<TraceSegment>& trace)
    {
        m_r = look.aheadRow;
        m_c = look.aheadColumn;
        add(trace, look.straight);
    }

    Outcome step(std::vector<TraceSegment>& trace)
    {
        const Look look = lookFrom(m_r, m_c, m_heading);
        if (onLastLine()) {
            m_r = look.aheadRow;
            m_c = look.aheadColumn;
            return Outcome::Deflection;
        }
        if (atom(look.aheadRow, look.aheadColumn))
            return Outcome::Hit;
        const bool first = atom(look.firstRow, look.firstColumn);
        const bool second = atom(look.secondRow, look.secondColumn);
        if (onEntryBorder()) {
            if (first || second)
                return Outcome::Reflection;
            advance(look, trace);
            return Outcome::None;
        }
        if (first && second) {
            add(trace, look.straight);
            m_heading = look.reversed;
        } else if (first || second) {
            const Turn turn = first ? look.first : look.second;
            add(trace, turn.corner);
            m_heading = turn.heading;
        } else {
            advance(look, trace);
        }
        return Outcome::None;
    }

    const AtomLayout& m_atoms;
    int m_n;
    int m_r;
    int m_c;
    Heading m_heading;
};

} // namespace

LaserWalk TraceLaser(const AtomLayout& atoms, std::int16_t gridSize, CellPos entry)
{
    const Heading heading = gridSize >= 1 && gridSize <= kMaxGridSize
        ? initialHeading(entry, gridSize + 1)
        : Heading::None;
    if (heading == Heading::None)
        return {Outcome::None, entry, {}};
    LaserWalk walk = Walker(atoms, gridSize, entry, heading).run();
    if (walk.outcome == Outcome::Deflection && walk.finalCell == entry)
        walk.outcome = Outcome::Reflection;
    return walk;
}

} // namespace orbalux
