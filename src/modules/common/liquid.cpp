#include "modules/common/liquid.h"

namespace kav {
namespace {

const CVeske& Chosen(const RowRef<CVeske>& liquid) {
  static const CVeske none;
  return liquid != nullptr ? *liquid : none;
}

}  // namespace

float LiquidInputs::Density() const {
  return UserLiquid != 0 ? UserDensity : Chosen(Liquid).Density;
}

float LiquidInputs::HeatCapacity() const {
  return UserLiquid != 0 ? UserHeatCapacity : Chosen(Liquid).HeatCapacity;
}

float LiquidInputs::FreezingPoint() const {
  return UserLiquid != 0 ? UserFreezingPoint : Chosen(Liquid).FreezingPoint;
}

std::string LiquidInputs::LiquidName() const {
  if (UserLiquid != 0) return UserLiquidName;
  return Liquid != nullptr ? Liquid->Name : std::string();
}

}  // namespace kav
