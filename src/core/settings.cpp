#include "core/settings.h"

#include <cstdlib>

namespace kav {
namespace {
MemorySettings gDefaultSettings;
Settings* gSettings = &gDefaultSettings;
}  // namespace

std::string MemorySettings::GetString(const std::string& section, const std::string& key,
                                      const std::string& fallback) {
  auto it = values_.find({section, key});
  return it == values_.end() ? fallback : it->second;
}

void MemorySettings::SetString(const std::string& section, const std::string& key,
                               const std::string& value) {
  values_[{section, key}] = value;
}

int MemorySettings::GetInt(const std::string& section, const std::string& key, int fallback) {
  auto it = values_.find({section, key});
  if (it == values_.end()) return fallback;
  char* end = nullptr;
  const long value = std::strtol(it->second.c_str(), &end, 10);
  return end == it->second.c_str() ? fallback : static_cast<int>(value);
}

void MemorySettings::SetInt(const std::string& section, const std::string& key, int value) {
  values_[{section, key}] = std::to_string(value);
}

Settings& CurrentSettings() {
  return *gSettings;
}

void SetSettings(Settings* settings) {
  gSettings = settings ? settings : &gDefaultSettings;
}

}  // namespace kav
