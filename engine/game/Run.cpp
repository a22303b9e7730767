#include "game/Run.h"

namespace orbalux {

bool Run::recordFullSolution(std::int16_t score)
{
    if (m_bestScore <= score)
        return false;
    m_bestScore = score;
    return true;
}

} // namespace orbalux
