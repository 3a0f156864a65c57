// The game's one source of chance. Play seeds it from the clock; tests
// inject their own.
#pragma once

#include <random>

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void SeedFromClock() = 0;
  // A whole number from `low` to `high` inclusive, each equally likely.
  virtual int Draw(int low, int high) = 0;
};

class ClockRandom : public RandomSource {
 public:
  void SeedFromClock() override;
  int Draw(int low, int high) override;

 private:
  std::mt19937 engine_;
};
