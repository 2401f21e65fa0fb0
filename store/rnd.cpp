#include "store/rnd.h"

#include <bit>
#include <cmath>

namespace store {

namespace {

// SplitMix64 finaliser: a bijective mix with good avalanche, so neighbouring arguments
// (-ID*k for consecutive IDs) give unrelated keys.
std::uint64_t mix(std::uint64_t z)
{
    z += 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double toUnit(std::uint64_t h)
{
    return static_cast<double>(h >> 11) * 0x1.0p-53; // 53 random bits: [0, 1)
}

} // namespace

double rnd(std::int64_t argument)
{
    if (argument == 0)
        return 0.0;
    return toUnit(mix(static_cast<std::uint64_t>(argument)));
}

double rnd(double argument)
{
    if (argument == 0.0 || std::isnan(argument))
        return 0.0;
    double whole = 0.0;
    if (std::modf(argument, &whole) == 0.0 && std::fabs(whole) < 9.0e18)
        return rnd(static_cast<std::int64_t>(whole)); // the same key as the integer argument
    return toUnit(mix(std::bit_cast<std::uint64_t>(argument) ^ 0x5851f42d4c957f2dULL));
}

} // namespace store
