#pragma once

// Runs the contenders of a comparison in turn, repeat after repeat, so that a slow spell of a
// shared machine hits them alike, and reports the median of each.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

namespace bench {

inline double SecondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> samples) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const std::size_t middle = samples.size() / 2;
  return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// The median seconds of each contender over `repeats` rounds; the order rotates every round.
inline std::vector<double> InterleavedMedians(const std::vector<std::function<void()>>& contenders,
                                              std::size_t repeats) {
  std::vector<std::vector<double>> samples(contenders.size());
  for (std::size_t round = 0; round < repeats; ++round) {
    for (std::size_t i = 0; i < contenders.size(); ++i) {
      const std::size_t which = (round + i) % contenders.size();
      samples[which].push_back(SecondsOf(contenders[which]));
    }
  }
  std::vector<double> medians;
  for (const std::vector<double>& series : samples) medians.push_back(Median(series));
  return medians;
}

}  // namespace bench
