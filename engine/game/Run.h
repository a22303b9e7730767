#pragma once

#include <cstdint>

namespace orbalux {

/** What the program remembers across the games of one run. */
class Run {
public:
    /** The lowest score of a fully solved game so far; 99 until one beats it. */
    std::int16_t BestScore() const { return m_bestScore; }

    /** Lowers BestScore to score when score is lower; true when it did. */
    bool recordFullSolution(std::int16_t score);

private:
    std::int16_t m_bestScore = 99;
};

} // namespace orbalux
