#include "world/random_source.h"

#include <chrono>

void ClockRandom::SeedFromClock() {
  engine_.seed(
      static_cast<std::mt19937::result_type>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

int ClockRandom::Draw(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
