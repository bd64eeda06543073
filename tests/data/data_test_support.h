#pragma once
// Shared pieces of the data tests: a scratch data directory, dialogs that
// run a test's lambda, a user that records the rows it is pointed at, and
// rows built in one line.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "../core/scoped_editor.h"
#include "core/archive.h"
#include "core/data_directory.h"
#include "core/editors.h"
#include "core/file_io.h"
#include "core/item.h"
#include "core/scripted_platform.h"
#include "data/iso_produkt.h"

namespace kav::test {

using Bytes = std::vector<std::uint8_t>;

// Each test gets an empty data directory and a scripted platform.
class DataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("kav-data-" + std::string(info->test_suite_name()) + "-" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    SetDataDirectory(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  void WriteFile(const std::string& name, const Bytes& bytes) const {
    ASSERT_TRUE(WriteFileAtomically(dir_ / name, bytes));
  }
  Bytes ReadFile(const std::string& name) const {
    return ReadFileBytes(dir_ / name).value_or(Bytes{});
  }
  bool FileExists(const std::string& name) const { return std::filesystem::exists(dir_ / name); }

  ScriptedPlatform platform;

 private:
  std::filesystem::path dir_;
};

// A module's stand-in: refers to one product and one of its thicknesses and
// follows ReplaceReference as a module does.
class RecordingUser final : public CItem {
 public:
  const char* ClassName() const override { return "RecordingUser"; }
  void ReplaceReference(CItem* item) override {
    if (auto* product = dynamic_cast<CIsoProdukt*>(item)) Use(Product, product);
    if (auto* thickness = dynamic_cast<CIsoTykkelse*>(item)) Use(Thickness, thickness);
  }
  template <class T>
  void Use(T*& field, T* row) {
    if (field != nullptr) field->RemoveUser(this);
    field = row;
    if (row != nullptr) row->AddUser(this);
  }

  CIsoProdukt* Product = nullptr;
  CIsoTykkelse* Thickness = nullptr;
};

inline std::unique_ptr<CIsoTykkelse> Thickness(float mm, int limited = 0, float minDiameter = 0.0f,
                                               float maxDiameter = 100.0f) {
  auto row = std::make_unique<CIsoTykkelse>();
  row->Thickness = mm;
  row->DiameterLimited = limited;
  row->MinDiameter = minDiameter;
  row->MaxDiameter = maxDiameter;
  row->UpdateName();
  return row;
}

template <class T = CIsoProdukt>
std::unique_ptr<T> Product(std::string name, std::initializer_list<float> thicknesses = {}) {
  auto product = std::make_unique<T>();
  product->Name = std::move(name);
  for (float mm : thicknesses) product->Thicknesses.Append(Thickness(mm));
  return product;
}

// Expected archive bytes, spelled out with the archive's own primitives.
class Expected {
 public:
  Expected& Word(unsigned value) {
    ar_.WriteWord(static_cast<std::uint16_t>(value));
    return *this;
  }
  Expected& Dword(std::uint32_t value) {
    ar_.WriteDword(value);
    return *this;
  }
  Expected& Float(float value) {
    ar_.WriteFloat(value);
    return *this;
  }
  Expected& String(std::string_view utf8) {
    ar_.WriteString(utf8);
    return *this;
  }
  // Bytes as they stand in the file, no length.
  Expected& Raw(std::string_view bytes) {
    for (char c : bytes) ar_.WriteByte(static_cast<std::uint8_t>(c));
    return *this;
  }
  Expected& ClassRecord(std::string_view name) {
    return Word(0xFFFF).Word(1).Word(static_cast<unsigned>(name.size())).Raw(name);
  }
  const Bytes& bytes() const { return ar_.Bytes(); }

 private:
  CArchive ar_{"expected"};
};

}  // namespace kav::test
