#pragma once
// The settings of the desktop program, kept between runs by QSettings:
// organisation "KORBU", application "KAV", one group per section
// ("Settings", "Window", "KAV", "Files"). On Linux they live in
// ~/.config/KORBU/KAV.conf; an administrator may preset the "KAV" data
// file names for every user in /etc/xdg/KORBU/KAV.conf.
#include <QSettings>
#include <memory>

#include "core/settings.h"

namespace kav {

inline constexpr const char* kOrganisation = "KORBU";
inline constexpr const char* kApplication = "KAV";

class QtSettings final : public Settings {
 public:
  // The program's own settings.
  QtSettings();
  // Settings kept elsewhere (tests).
  explicit QtSettings(std::unique_ptr<QSettings> settings);

  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback) override;
  void SetString(const std::string& section, const std::string& key,
                 const std::string& value) override;
  int GetInt(const std::string& section, const std::string& key, int fallback) override;
  void SetInt(const std::string& section, const std::string& key, int value) override;

  // Writes pending changes to disk.
  void Sync() { settings_->sync(); }

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace kav
