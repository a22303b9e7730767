#pragma once

#include "game/AtomLayout.h"
#include "game/Clock.h"
#include "game/Game.h"
#include "game/GameSettings.h"
#include "game/RandomSource.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace orbalux::testing {

/** The shipped pictures and instructions, and nothing from the folder the test runs in. */
inline std::vector<std::filesystem::path> assetFolders()
{
    return {ORBALUX_ASSET_DIR};
}

/** A clock that reads whatever the test sets. */
class FixedClock : public Clock {
public:
    explicit FixedClock(float seconds = 0.0f) : now(seconds) {}
    float secondsSinceMidnight() const override { return now; }
    float now;
};

/** Plays back a fixed list of numbers, then goes on with a fixed-seed generator. */
class SequenceRandom : public RandomSource {
public:
    explicit SequenceRandom(std::vector<float> values = {}) : m_values(std::move(values)) {}
    /** Plays values next, in place of whatever was left to play. */
    void queue(std::vector<float> values)
    {
        m_values = std::move(values);
        m_next = 0;
    }
    void reseed() override { ++reseeds; }
    float next() override
    {
        if (m_next < m_values.size())
            return m_values[m_next++];
        return static_cast<float>(m_fallback() >> 8) * (1.0f / 16777216.0f);
    }
    int reseeds = 0;

private:
    std::vector<float> m_values;
    std::size_t m_next = 0;
    std::mt19937 m_fallback{20261207u};
};

/** A field drawn as strings, one per row from row 1: 'X' an atom, anything else empty. */
inline AtomLayout atomsFromPicture(const std::vector<std::string>& rows)
{
    AtomLayout atoms;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c] == 'X')
                atoms.place({static_cast<std::int16_t>(r + 1), static_cast<std::int16_t>(c + 1)});
        }
    }
    return atoms;
}

/** Draws that make PlaceAtoms hide exactly atoms on a gridSize field, row then column for each. */
inline std::vector<float> drawsPlacing(const AtomLayout& atoms, int gridSize)
{
    std::vector<float> draws;
    const auto at = [gridSize](int index) { return (static_cast<float>(index) - 0.5f) / static_cast<float>(gridSize); };
    for (std::int16_t row = 1; row <= gridSize; ++row) {
        for (std::int16_t column = 1; column <= gridSize; ++column) {
            if (atoms.hasAtom(row, column)) {
                draws.push_back(at(row));
                draws.push_back(at(column));
            }
        }
    }
    return draws;
}

/** A random source that deals the picture's atoms; the field is as wide as the picture is tall. */
inline SequenceRandom dealing(const std::vector<std::string>& picture)
{
    return SequenceRandom(drawsPlacing(atomsFromPicture(picture), static_cast<int>(picture.size())));
}

/** Settings for a game of the picture's size and number of atoms. */
inline GameSettings settingsFor(const std::vector<std::string>& picture, bool showNumbers = false)
{
    GameSettings settings = GameSettings{}
        .withGridSize(static_cast<int>(picture.size()))
        .withAtomCount(atomsFromPicture(picture).count());
    settings.ShowNumbers = showNumbers;
    return settings;
}

/** A game in progress with the picture's atoms hidden in it. */
inline Game gameWith(const std::vector<std::string>& picture, bool showNumbers = false)
{
    SequenceRandom random = dealing(picture);
    return Game(settingsFor(picture, showNumbers), random);
}

} // namespace orbalux::testing
