#pragma once

namespace orbalux {

/** How long a search may go on, asked before each step, so tests can stop it without a clock. */
class SearchBudget {
public:
    virtual ~SearchBudget() = default;
    /** True while the search may take one more step; once false, false for good. */
    virtual bool allowsStep() = 0;
};

} // namespace orbalux
