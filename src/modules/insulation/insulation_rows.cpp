#include "modules/insulation/insulation_rows.h"

#include "modules/common/stored_reference.h"

namespace kav {
namespace {

template <class T>
bool Take(RowRef<T>& ref, CItem* item) {
  T* row = dynamic_cast<T*>(item);
  if (row == nullptr) return false;
  ref = row;
  return true;
}

template <class T>
std::string NameOf(const RowRef<T>& ref) {
  return ref != nullptr ? ref->Name : std::string();
}

}  // namespace

void InsulationRows::BindRows(CItem* user) {
  Product.Bind(user);
  ThicknessRow.Bind(user);
  UserProduct.Bind(user);
  UserThicknessRow.Bind(user);
  HoseProduct.Bind(user);
  HoseSeries.Bind(user);
  Jacketing.Bind(user);
  InnerJacketing.Bind(user);
  Surface.Bind(user);
}

bool InsulationRows::ReplaceRow(CItem* item) {
  if (auto* thickness = dynamic_cast<CIsoTykkelse*>(item)) {
    const bool user = UserProduct != nullptr && UserProduct->Thicknesses.IndexOf(thickness) >= 0;
    (user ? UserThicknessRow : ThicknessRow) = thickness;
    return true;
  }
  return Take(HoseProduct, item) || Take(UserProduct, item) || Take(Product, item) ||
         Take(HoseSeries, item) || Take(Jacketing, item) || Take(InnerJacketing, item) ||
         Take(Surface, item);
}

void InsulationRows::SerializeRows(CArchive& ar) {
  SerializeReference(ar, Surface);
  SerializeReference(ar, Jacketing);
  SerializeReference(ar, InnerJacketing);
  SerializeReference(ar, Product);
  SerializeReference(ar, UserProduct);
  SerializeReference(ar, HoseProduct);
  std::string series = NameOf(HoseSeries);
  std::string thickness = NameOf(ThicknessRow);
  std::string userThickness = NameOf(UserThicknessRow);
  ar.String(series);
  ar.String(thickness);
  ar.String(userThickness);
  if (ar.IsStoring()) return;
  HoseSeries =
      HoseProduct != nullptr && !series.empty() ? HoseProduct->FindSeries(series) : nullptr;
  ThicknessRow =
      Product != nullptr && !thickness.empty() ? Product->FindThickness(thickness) : nullptr;
  UserThicknessRow = UserProduct != nullptr && !userThickness.empty()
                         ? UserProduct->FindThickness(userThickness)
                         : nullptr;
}

}  // namespace kav
