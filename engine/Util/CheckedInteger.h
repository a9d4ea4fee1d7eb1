#pragma once

#include <cmath>
#include <concepts>
#include <limits>

namespace Korrin
{

// The whole number of a number read from data, safe for any value a file can hold: NaN gives the
// fallback, a value beyond the target type is clamped to its range (infinities included), and any other
// is truncated toward zero as a plain cast would. Callers that round pass std::round(value).
template <std::integral Integer, std::floating_point Real>
Integer CheckedInteger(Real value, Integer fallback = 0)
{
    if (std::isnan(value))
    {
        return fallback;
    }
    constexpr auto kLowest = std::numeric_limits<Integer>::lowest();
    constexpr auto kHighest = std::numeric_limits<Integer>::max();
    if (value <= static_cast<Real>(kLowest))
    {
        return kLowest;
    }
    // The highest value of a wide type rounds up to a number past it, so the test is >=.
    if (value >= static_cast<Real>(kHighest))
    {
        return kHighest;
    }
    return static_cast<Integer>(value);
}

} // namespace Korrin
