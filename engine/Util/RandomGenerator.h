#pragma once

#include <cstdint>

namespace Korrin
{

// A random sequence of its own, with the formula of Rand (state x 214013 + 2531011, bits 16 to 30 of
// the state), for a user that must not share the engine's sequence: its owner holds it, seeds it once
// and passes it to the code that draws from it, so that nothing else can move or reseed it.
class RandomGenerator
{
public:
    explicit RandomGenerator(std::uint32_t seed = 1) : mState(seed) {}

    // The next number of the sequence, 0 to 32767.
    int Next()
    {
        mState = mState * 214013u + 2531011u;
        return static_cast<int>((mState >> 16) & 0x7FFFu);
    }

    // The seed a run uses: the same one whenever time runs in fixed steps (so that such runs repeat
    // exactly), else the clock's count, so that each play differs.
    static std::uint32_t RunSeed();

    static constexpr std::uint32_t kFixedStepSeed = 1;

private:
    std::uint32_t mState;
};

} // namespace Korrin
