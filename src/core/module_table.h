#pragma once
// The eight calculation modules as the rest of the program knows them: the
// document creates them in this order, the header heads their pages, and
// the main window offers them as tabs and menu entries.
#include <array>
#include <cstddef>
#include <string_view>

#include "core/string_ids.h"

namespace kav {

struct ModuleInfo {
  std::string_view className;  // the module's class
  int tabText;                 // string id of its tab
  const char* menuText;        // its entry in the "Vis" menu
  int pageTitle;               // string id of its page title
  const char* startPicture;    // the header picture before any result
  const char* helpTopic;       // its help page
};

inline constexpr std::array<ModuleInfo, 8> kModules = {{
    {"CVarmeTapModul", ids::TabHeatLoss, "&Varmetap", ids::HeatLossCalculation, "MATERIALTYPEX0",
     "::/html/varmetap.htm"},
    {"CKanalTempModul", ids::TabFlowingMedia, "Temperaturendring i &rør/kanaler",
     ids::PageTitleFlowingMedia, "KANALRORX0", "::/html/kanal.htm"},
    {"CTankTempModul", ids::TabTankTemperature, "Temperatur i &tank", ids::PageTitleTank,
     "TANKTYPEX0", "::/html/tank.htm"},
    {"CUtvendigKondensModul", ids::TabExternalCondensation, "&Utvendig kondensisolasjon",
     ids::ExternalCondensationHeading, "MATERIALTYPEX0", "::/html/utvkond.htm"},
    {"CInnvendigKondensModul", ids::TabInternalCondensation, "&Innvendig kondensisolasjon",
     ids::InternalCondensationHeading, "KANALX0", "::/html/innvkond.htm"},
    {"CFrostModul", ids::TabFrostProtection, "&Frostbeskyttelse vannledninger", ids::PageTitleFrost,
     "RORX0", "::/html/frost.htm"},
    {"CLydModul", ids::TabSoundTrap, "&Lydfelle", ids::SoundTrapCalculation, "KANALTYPEX1",
     "::/html/lyd.htm"},
    {"COkonomiModul", ids::TabEconomy, "&Økonomisk isolasjon", ids::EconomicInsulation,
     "MATERIALTYPEX0", "::/html/okoiso.htm"},
}};

inline constexpr int kModuleCount = static_cast<int>(kModules.size());

// The module with index 0..7.
inline const ModuleInfo& ModuleAt(int index) {
  return kModules.at(static_cast<std::size_t>(index));
}

}  // namespace kav
