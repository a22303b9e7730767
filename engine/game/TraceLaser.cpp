#include "game/TraceLaser.h"

#include "game/BorderCell.h"
#include "game/LaserLook.h"

#include <optional>

namespace orbalux {

namespace {

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
    bool atom(CellOffset offset) const
    {
        return m_atoms.hasAtom(static_cast<std::int16_t>(m_r + offset.row), static_cast<std::int16_t>(m_c + offset.column));
    }

    void add(std::vector<TraceSegment>& trace, SegmentKind kind) const
    {
        trace.push_back({kind, {static_cast<std::int16_t>(m_r), static_cast<std::int16_t>(m_c)}});
    }

    void move(CellOffset offset)
    {
        m_r += offset.row;
        m_c += offset.column;
    }

    void advance(const LaserLook& look, std::vector<TraceSegment>& trace)
    {
        move(look.ahead);
        add(trace, look.straight);
    }

    Outcome step(std::vector<TraceSegment>& trace)
    {
        const LaserLook& look = laserLook(m_heading);
        if (onLastLine(m_heading, m_r, m_c, m_n)) {
            move(look.ahead);
            return Outcome::Deflection;
        }
        if (atom(look.ahead))
            return Outcome::Hit;
        const bool first = atom(look.first);
        const bool second = atom(look.second);
        if (onEntryBorder(m_heading, m_r, m_c, m_n)) {
            if (first || second)
                return Outcome::Reflection;
            advance(look, trace);
            return Outcome::None;
        }
        if (first && second) {
            add(trace, look.straight);
            m_heading = look.reversed;
        } else if (first || second) {
            const LaserTurn turn = first ? look.firstTurn : look.secondTurn;
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
    // A corner lies on two sides and offers the laser no way in.
    const std::optional<Side> side = BorderCell::sideOf(gridSize, entry);
    if (!side)
        return {Outcome::None, entry, {}};
    LaserWalk walk = Walker(atoms, gridSize, entry, headingFrom(*side)).run();
    if (walk.outcome == Outcome::Deflection && walk.finalCell == entry)
        walk.outcome = Outcome::Reflection;
    return walk;
}

} // namespace orbalux
