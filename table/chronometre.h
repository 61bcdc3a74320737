#pragma once
// Time measured for the benchmarks, at no cost when nobody measures.
#include <chrono>

// Runs `f`, adding its duration in seconds to `total` when there is one.
template <class F>
void Chronometrer(double* total, F f) {
  if (total == nullptr) {
    f();
    return;
  }
  const auto debut = std::chrono::steady_clock::now();
  f();
  *total += std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}
