#include "deduce/FieldProof.h"

namespace orbalux {

FieldProof proveField(std::int16_t, int, std::span<const Observation>, SearchBudget&)
{
    return {};
}

} // namespace orbalux
