#pragma once
// Climate places (kav.cli): named places with their annual mean outdoor
// temperature and wind speed, which module dialogs copy into their ambient
// conditions.
#include <memory>
#include <string>

#include "core/item.h"
#include "core/object_list.h"
#include "data/list_choice.h"

namespace kav {

class CKlimasted final : public CListItem {
 public:
  static constexpr const char* kClassName = "CKlimasted";

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override;
  std::unique_ptr<CListItem> Clone() const override;
  // The two values only; the names are not compared.
  bool IsEqual(const CListItem& other) const override;
  int EditInput() override;

  // The list-box line: name, temperature and wind speed, tab-separated.
  void UpdateDisplayText();

  std::string DisplayText;
  float MeanTemperature = 6.7f;  // °C
  float MeanWindSpeed = 2.1f;    // m/s
};

using ClimateChoice = ListChoice<CKlimasted>;

class CKlima final : public CItem {
 public:
  static constexpr const char* kClassName = "CKlima";

  // Reads the file named by the settings ("KAV"/"KAVClimate", default
  // kav.cli).
  CKlima();
  explicit CKlima(std::string fileName);
  CKlima(const CKlima&) = delete;
  CKlima& operator=(const CKlima&) = delete;

  const char* ClassName() const override { return kClassName; }
  // A missing or damaged file leaves the list empty, with a message.
  void Load();
  bool Save();
  // Runs the climate dialog; 1 after OK, and Selected is then the chosen
  // place. The file is written only when the dialog changed the list.
  int ChooseLocation();
  int EditInput() override { return ChooseLocation(); }

  TypedList<CKlimasted> Locations;
  CKlimasted* Selected = nullptr;  // chosen at the last OK; not stored
  std::string FileName;
};

}  // namespace kav
