#pragma once

#include <cstdint>

namespace store {

// The ordering key of a random paper. For a given argument the value is always the same and lies
// in [0, 1); different arguments give values spread like those of a random generator. Rnd(0) is 0,
// so with k = 0 every row has the same key and the rows keep their stored order.
double rnd(std::int64_t argument);
double rnd(double argument);

} // namespace store
