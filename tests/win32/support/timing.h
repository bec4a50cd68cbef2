// Timing for the benchmarks that the Windows-side test program carries.
#pragma once

#include <functional>

namespace demodisc::testing {

// The median wall time of `runs` calls of `work`, in milliseconds.
double MedianMs(const std::function<void()>& work, int runs = 5);

}  // namespace demodisc::testing
