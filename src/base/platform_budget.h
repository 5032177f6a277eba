// What a disk still moves: a sound disk's budgets are unlimited, a test's
// disk fails once its budget is spent (DiskForTesting, in the tests). Shared
// by the Windows and the POSIX calls.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

/// How many of `size` bytes the disk moves now out of what `budget` leaves;
/// 0 when the disk fails.
inline std::size_t WithinBudget(std::size_t budget, std::size_t size) {
  return size < budget ? size : budget;
}

/// Takes `moved` bytes off a limited budget (a sound disk's is SIZE_MAX).
inline void Spend(std::size_t& budget, std::size_t moved) {
  if (budget != SIZE_MAX) budget -= moved;
}

}  // namespace platform
