#pragma once

namespace orbalux {

/** Where atom placement draws its numbers from. */
class RandomSource {
public:
    virtual ~RandomSource() = default;
    /** Starts a fresh sequence; the program's source seeds it from the clock. */
    virtual void reseed() = 0;
    /** The next number, uniform in [0, 1) from a sound source. */
    virtual float next() = 0;
};

} // namespace orbalux
