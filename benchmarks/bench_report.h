#pragma once
// The report lines of the bound-checking benchmarks: a figure, the floor it
// is compared with, their ratio, the bound and whether it is met.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace kav::bench {

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  if (n == 0) return 0.0;
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

inline void PrintReportHeading() {
  std::printf("%-48s %12s %12s %8s %8s  %s\n", "measure", "figure", "floor", "ratio", "bound",
              "met");
}

// A figure against its floor; met when figure / floor <= bound.
inline bool ReportRatio(const std::string& name, double figure, double floor, const char* unit,
                        double bound) {
  const double ratio = floor > 0.0 ? figure / floor : 0.0;
  const bool met = floor > 0.0 && ratio <= bound;
  std::printf("%-48s %9.2f %-2s %9.2f %-2s %7.2fx %7.2fx  %s\n", name.c_str(), figure, unit, floor,
              unit, ratio, bound, met ? "yes" : "NO");
  return met;
}

// A figure with an absolute bound and no floor; met when figure < bound.
inline bool ReportBelow(const std::string& name, double figure, const char* unit, double bound) {
  const bool met = figure < bound;
  std::printf("%-48s %9.3f %-2s %12s %8s %5.2f %-2s  %s\n", name.c_str(), figure, unit, "-", "-",
              bound, unit, met ? "yes" : "NO");
  return met;
}

}  // namespace kav::bench
