#pragma once
// Shared pieces of the module tests: a small product database and user
// database installed as the reference data, a scripted platform, dialogs
// that run a test's lambda, rows built in one line, and archives written
// and read back with the document's classes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../core/scoped_editor.h"
#include "core/archive.h"
#include "core/editors.h"
#include "core/scripted_platform.h"
#include "data/database.h"
#include "data/egendef_database.h"
#include "data/reference_data.h"
#include "modules/module_classes.h"

namespace kav::test {

using Bytes = std::vector<std::uint8_t>;

// Whether `user` is registered with `row`.
inline bool Uses(const CListItem& row, const CItem* user) {
  return std::find(row.Users.begin(), row.Users.end(), user) != row.Users.end();
}

inline std::unique_ptr<CIsoTykkelse> ThicknessRow(float mm, float minDiameter = 0.0f,
                                                  float maxDiameter = 0.0f) {
  auto row = std::make_unique<CIsoTykkelse>();
  row->Thickness = mm;
  row->DiameterLimited = maxDiameter > 0.0f ? 1 : 0;
  row->MinDiameter = minDiameter;
  row->MaxDiameter = maxDiameter;
  row->UpdateName();
  return row;
}

// A product for every field of use, with the given standard thicknesses.
template <class T = CIsoProdukt>
std::unique_ptr<T> MakeProduct(const std::string& name, std::initializer_list<float> mm) {
  auto product = std::make_unique<T>();
  product->Name = name;
  product->UseFlags.fill(1);
  for (float t : mm) product->Thicknesses.Append(ThicknessRow(t));
  return product;
}

// A hose product with one series per (name, largest pipe, thickness).
struct SeriesStep {
  float maxDiameter;
  float thickness;
};
std::unique_ptr<CKorbuFlex> MakeHose(const std::string& name, const std::string& series,
                                     std::initializer_list<SeriesStep> steps,
                                     float minDiameter = 0.0f, float maxDiameter = 200.0f);

// Each test gets fresh databases, installed while it runs:
//   products  Glassull (30, 50 mm), Steinull (40, 80 mm, not for pipes, inner
//             layer only), Cellegummi hose (series "SR-1": 9 mm to 22 mm
//             pipes, 13 mm above)
//   user      "Egen" (20, 60 mm)
//   rows      jacketing "Alu", surface "Stål", inner jacketing "Duk",
//             accessory type "Ventil" (1.2 m up to 50 mm, 2.0 m above),
//             liquid "Glykol", absorption product "Absorb" (50, 100 mm)
class ModuleTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  CIsoProdukt& Glassull() { return *db->InsulationProducts[0]; }
  CIsoProdukt& Steinull() { return *db->InsulationProducts[1]; }
  CKorbuFlex& Hose() { return *db->HoseProducts[0]; }
  CEgendefIsoProdukt& Egen() { return *user->UserProducts[0]; }
  CMantling& Alu() { return *db->Jacketings[0]; }
  COverflate& Steel() { return *db->Surfaces[0]; }
  CInnvMantling& Cloth() { return *db->InnerJacketings[0]; }
  CTillegg2& Valve() { return *db->AccessoryTypes[0]; }
  CVeske& Glycol() { return *db->Liquids[0]; }
  CAbsorpsjon& Absorb() { return *db->AbsorptionProducts[0]; }

  // Writes with `write` and returns the bytes.
  template <class Write>
  static Bytes Written(Write write) {
    CArchive ar("dokument.kav");
    write(ar);
    return ar.Bytes();
  }
  // Reads `bytes` with `read`, which must take every byte.
  template <class Read>
  static void ReadAll(const Bytes& bytes, Read read) {
    CArchive ar(bytes, DocumentClasses(), "dokument.kav");
    read(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
  }

  ScriptedPlatform platform;
  std::filesystem::path dir;
  std::unique_ptr<CDataBase> db;
  std::unique_ptr<CEgendefDatabase> user;
};

// Expected archive bytes, spelled out field by field. Rows and layers are
// written into the same archive, so that their objects get the indices the
// module's own archive gives them.
class Expected {
 public:
  Expected& Word(unsigned value) {
    ar_.WriteWord(static_cast<std::uint16_t>(value));
    return *this;
  }
  Expected& Long(int value) {
    ar_.WriteDword(static_cast<std::uint32_t>(value));
    return *this;
  }
  Expected& Float(float value) {
    ar_.WriteFloat(value);
    return *this;
  }
  Expected& String(const std::string& utf8) {
    ar_.WriteString(utf8);
    return *this;
  }
  Expected& Count(std::size_t count) {
    ar_.WriteCount(count);
    return *this;
  }
  // A stored row as the product database writes it; null as the null row.
  template <class T>
  Expected& Row(const T* row) {
    CDataBase::WriteReference(ar_, row);
    return *this;
  }
  // Anything that serialises itself (a layer, a record).
  template <class T>
  Expected& Record(T& item) {
    item.Serialize(ar_);
    return *this;
  }
  const Bytes& bytes() const { return ar_.Bytes(); }

 private:
  CArchive ar_{"expected"};
};

// How often `text` stands in the bytes.
std::size_t Occurrences(const Bytes& bytes, const std::string& text);

}  // namespace kav::test
