#pragma once
// The two switches of the start-up windows, in the "Settings" section:
// "HelpWindow" for the welcome window at start-up and "NewDocWindow" for
// the getting-started window after every new document. Only exactly "Yes"
// shows a window; a missing key counts as "Yes".
#include <string>

#include "core/settings.h"

namespace kav {

inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kHelpWindowKey = "HelpWindow";
inline constexpr const char* kNewDocWindowKey = "NewDocWindow";

inline bool SwitchIsOn(Settings& settings, const char* key) {
  return settings.GetString(kSettingsSection, key, "Yes") == "Yes";
}

inline void SetSwitch(Settings& settings, const char* key, bool on) {
  settings.SetString(kSettingsSection, key, on ? "Yes" : "No");
}

}  // namespace kav
