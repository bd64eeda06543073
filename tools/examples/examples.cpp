#include "examples.h"

#include "data/reference_data.h"

namespace kav::examples {

void StandardLayer(CIsolasjon& layer, const std::string& product, const std::string& thickness) {
  CIsoProdukt* row = Row(Database()->InsulationProducts, product);
  layer.Source = code::Source::Standard;
  layer.Product = row;
  layer.ThicknessRow = row->FindThickness(thickness);
}

}  // namespace kav::examples
