#pragma once
// Jacketing (CMantling), bare pipe and duct surfaces (COverflate) and the
// jacketing of internally insulated ducts (CInnvMantling): an emissivity and
// a drawing colour each. They are three distinct kinds of row, so that a
// user holding one of each can tell them apart.
#include <memory>

#include "core/archive.h"
#include "core/colour.h"
#include "core/item.h"
#include "data/row_edit.h"

namespace kav {

template <class Row>
class EmissiveSurface : public CListItem {
 public:
  const char* ClassName() const override { return Row::kClassName; }
  void Serialize(CArchive& ar) override {
    CListItem::Serialize(ar);
    ar.Float(Emissivity);
    ar.Dword(Colour);
  }
  std::unique_ptr<CListItem> Clone() const override {
    return std::make_unique<Row>(static_cast<const Row&>(*this));
  }
  // The emissivity only: a different colour changes no result.
  bool IsEqual(const CListItem& other) const override {
    const auto* o = dynamic_cast<const Row*>(&other);
    return o != nullptr && Emissivity == o->Emissivity;
  }
  int EditInput() override { return EditRow(static_cast<Row&>(*this)); }

  float Emissivity = 0.94f;
  kav::Colour Colour = Rgb(192, 192, 192);
};

class CMantling final : public EmissiveSurface<CMantling> {
 public:
  static constexpr const char* kClassName = "CMantling";
};

class COverflate final : public EmissiveSurface<COverflate> {
 public:
  static constexpr const char* kClassName = "COverflate";
};

class CInnvMantling final : public EmissiveSurface<CInnvMantling> {
 public:
  static constexpr const char* kClassName = "CInnvMantling";
};

}  // namespace kav
