#include "modules/insulation/tilleggsutstyr.h"

#include "core/archive.h"
#include "core/editors.h"
#include "core/strings.h"
#include "modules/common/stored_reference.h"

namespace kav {
namespace {

// The user's own text of a composed name: "Ventil; 2 stk" gives "Ventil".
std::string UserText(const std::string& name, int count) {
  const std::string suffix = FormatId(ids::AccessoryName, std::string(), count);
  if (name.size() >= suffix.size() &&
      name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
    return name.substr(0, name.size() - suffix.size());
  }
  return name;
}

}  // namespace

CTilleggsutstyr::CTilleggsutstyr() {
  AccessoryType.Bind(this);
}

CTilleggsutstyr::CTilleggsutstyr(const CTilleggsutstyr& other)
    : CListItem(other),
      AccessoryType(other.AccessoryType),
      Count(other.Count),
      UserLength(other.UserLength),
      EquivalentLength(other.EquivalentLength) {
  AccessoryType.Bind(this);
}

void CTilleggsutstyr::Serialize(CArchive& ar) {
  ar.String(Name);
  if (ar.IsLoading()) Users.clear();
  ar.Long(Count);
  ar.Long(UserLength);
  ar.Float(EquivalentLength);
  SerializeReference(ar, AccessoryType);
}

std::unique_ptr<CListItem> CTilleggsutstyr::Clone() const {
  return std::make_unique<CTilleggsutstyr>(*this);
}

int CTilleggsutstyr::EditInput() {
  TilleggsutstyrEdit edit;
  edit.Type = AccessoryType;
  edit.Count = Count;
  edit.UserLength = UserLength;
  edit.EquivalentLength = EquivalentLength;
  if (UserLength != 0) edit.UserName = UserText(Name, Count);
  if (!Editors::Edit(edit)) return 0;
  AccessoryType = edit.Type;
  Count = edit.Count;
  UserLength = edit.UserLength;
  EquivalentLength = edit.EquivalentLength;
  const std::string text = UserLength != 0
                               ? edit.UserName
                               : (AccessoryType != nullptr ? AccessoryType->Name : std::string());
  Name = FormatId(ids::AccessoryName, text, Count);
  return 1;
}

void CTilleggsutstyr::ReplaceReference(CItem* item) {
  if (auto* type = dynamic_cast<CTillegg2*>(item)) AccessoryType = type;
}

float CTilleggsutstyr::EquivalentLengthAt(float d) const {
  const float count = static_cast<float>(Count);
  if (UserLength != 0) return count * EquivalentLength;
  if (AccessoryType == nullptr) return 0.0f;
  return AccessoryType->AdditionalLengthFor(d) * count;
}

}  // namespace kav
