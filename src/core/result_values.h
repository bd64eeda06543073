#pragma once
// A module's results as named numbers with their units, for scripts
// (kavcalc --format json): what the calculation found, not its formatted
// table cells. Records of a list hold the values of each segment, solution
// or band.
#include <string>
#include <utility>
#include <vector>

namespace kav {

struct ResultValue {
  std::string name;  // snake_case: "surface_temperature"
  float value = 0.0f;
  std::string unit;  // as the tables write it: "°C", "W/m", "kWh/år"; empty for a number
};

struct ResultValues;

struct ResultList {
  std::string name;  // "segments"
  std::vector<ResultValues> records;
};

struct ResultValues {
  std::vector<ResultValue> values;
  std::vector<ResultList> lists;

  void Add(std::string name, float value, std::string unit) {
    values.push_back({std::move(name), value, std::move(unit)});
  }
  // A new record at the end of the list `list` (made on first use).
  ResultValues& AddRecord(const std::string& list) {
    for (ResultList& l : lists) {
      if (l.name == list) return l.records.emplace_back();
    }
    return lists.push_back({list, {}}), lists.back().records.emplace_back();
  }
  bool empty() const { return values.empty() && lists.empty(); }
  // The value named `name`, or null.
  const ResultValue* Find(const std::string& name) const {
    for (const ResultValue& v : values) {
      if (v.name == name) return &v;
    }
    return nullptr;
  }
};

}  // namespace kav
