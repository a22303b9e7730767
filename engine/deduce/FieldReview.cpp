#include "deduce/FieldReview.h"

namespace orbalux {

FieldReview reviewField(std::int16_t, const AtomLayout&, int, std::span<const CellPos> shotsFired, SearchBudget&)
{
    FieldReview review;
    review.shots = static_cast<int>(shotsFired.size());
    return review;
}

} // namespace orbalux
