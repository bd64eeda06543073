#include "examples.h"

#include "core/strings.h"
#include "data/reference_data.h"

namespace kav::examples {

void StandardLayer(CIsolasjon& layer, const std::string& product, const std::string& thickness) {
  CIsoProdukt* row = Row(Database()->InsulationProducts, product);
  layer.Source = code::Source::Standard;
  layer.Product = row;
  layer.ThicknessRow = row->FindThickness(thickness);
}

void AddAccessory(SubList<CTilleggsutstyr>& list, const std::string& type, int count) {
  auto accessory = std::make_unique<CTilleggsutstyr>();
  accessory->AccessoryType = Row(Database()->AccessoryTypes, type);
  accessory->Count = count;
  accessory->Name = FormatId(ids::AccessoryName, type, count);
  list.Append(std::move(accessory));
}

}  // namespace kav::examples
