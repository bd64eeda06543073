#pragma once
// Floats in JSON as the shortest decimal that reads back to the same float
// (20.066, not 20.06599998474121).
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <system_error>

namespace kav::cli {

// The shortest decimal as a double, which the JSON writer prints
// shortest. Not for NaN or infinity (the callers decide how to write those).
inline double ShortestDouble(float value) {
  char text[64];
  const auto written = std::to_chars(text, text + sizeof text, value);
  double shortest = 0.0;
  const auto parsed = std::from_chars(text, written.ptr, shortest);
  if (written.ec != std::errc() || parsed.ec != std::errc() ||
      static_cast<float>(shortest) != value || std::signbit(shortest) != std::signbit(value)) {
    shortest = static_cast<double>(value);
  }
  return shortest;
}

}  // namespace kav::cli
