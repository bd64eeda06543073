#pragma once
// Small stored classes for the archive tests and the archive fuzzer: a row
// with a nested list of sub-rows (the shape of a product with its
// thicknesses) and a node that nests in itself without limit.
#include <memory>
#include <string>

#include "core/archive.h"
#include "core/class_registry.h"
#include "core/item.h"
#include "core/object_list.h"

namespace kav::test {

class TestSubRow : public CListItem {
 public:
  static constexpr const char* kClassName = "CTestSubRow";

  TestSubRow() = default;
  TestSubRow(std::string name, float value) : CListItem(std::move(name)), Value(value) {}

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override {
    CListItem::Serialize(ar);
    ar.Float(Value);
  }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<TestSubRow>(*this); }
  bool IsEqual(const CListItem& other) const override {
    const auto* o = dynamic_cast<const TestSubRow*>(&other);
    return o != nullptr && Name == o->Name && Description == o->Description && Value == o->Value;
  }

  float Value = 0.0f;
};

class TestRow : public CListItem {
 public:
  static constexpr const char* kClassName = "CTestRow";

  TestRow() = default;
  TestRow(std::string name, int number) : CListItem(std::move(name)), Number(number) {}
  TestRow(const TestRow& other) : CListItem(other), Number(other.Number) {
    CopyList(SubRows, other.SubRows);
  }

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override {
    CListItem::Serialize(ar);
    ar.Word(Number);
    SerializeList(ar, SubRows);
  }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<TestRow>(*this); }
  bool IsEqual(const CListItem& other) const override {
    const auto* o = dynamic_cast<const TestRow*>(&other);
    return o != nullptr && Name == o->Name && Description == o->Description &&
           Number == o->Number && ListsEqual(SubRows, o->SubRows);
  }

  TestSubRow* AddSubRow(std::string name, float value) {
    SubRows.Append(std::make_unique<TestSubRow>(std::move(name), value));
    return SubRows.back();
  }

  int Number = 0;
  TypedList<TestSubRow> SubRows;
};

class TestNode : public CListItem {
 public:
  static constexpr const char* kClassName = "CTestNode";

  TestNode() = default;
  TestNode(const TestNode& other) : CListItem(other) { CopyList(Children, other.Children); }

  const char* ClassName() const override { return kClassName; }
  void Serialize(CArchive& ar) override {
    CListItem::Serialize(ar);
    SerializeList(ar, Children);
  }
  std::unique_ptr<CListItem> Clone() const override { return std::make_unique<TestNode>(*this); }
  bool IsEqual(const CListItem& other) const override {
    const auto* o = dynamic_cast<const TestNode*>(&other);
    return o != nullptr && Name == o->Name && ListsEqual(Children, o->Children);
  }

  TypedList<TestNode> Children;
};

inline const ClassRegistry& TestClasses() {
  static const ClassRegistry registry = [] {
    ClassRegistry r;
    r.Add<TestRow>();
    r.Add<TestSubRow>();
    r.Add<TestNode>();
    return r;
  }();
  return registry;
}

}  // namespace kav::test
