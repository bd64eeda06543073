#pragma once
// Named settings in sections ("Settings"/"HelpWindow", "KAV"/"KavData"):
// kept by the desktop program between runs, in memory elsewhere.
#include <map>
#include <string>
#include <utility>

namespace kav {

class Settings {
 public:
  virtual ~Settings() = default;
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& fallback) = 0;
  virtual void SetString(const std::string& section, const std::string& key,
                         const std::string& value) = 0;
  virtual int GetInt(const std::string& section, const std::string& key, int fallback) = 0;
  virtual void SetInt(const std::string& section, const std::string& key, int value) = 0;
};

class MemorySettings final : public Settings {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback) override;
  void SetString(const std::string& section, const std::string& key,
                 const std::string& value) override;
  int GetInt(const std::string& section, const std::string& key, int fallback) override;
  void SetInt(const std::string& section, const std::string& key, int value) override;

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

// The settings in use; until others are installed, an empty MemorySettings.
Settings& CurrentSettings();
// Installs settings (not owned); null goes back to the built-in ones.
void SetSettings(Settings* settings);

}  // namespace kav
