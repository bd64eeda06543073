// Writes the seed inputs of archive_fuzz into the folder given as argument:
// archives of the shape the fuzzer reads (rows, nodes, a string), each with
// a few of the encoding's forms.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "archive_bytes.h"
#include "core/archive.h"
#include "test_rows.h"

namespace {

using namespace kav;
using namespace kav::test;

void Save(const std::string& dir, const std::string& name, const Bytes& bytes) {
  std::ofstream file(dir + "/" + name, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    std::fprintf(stderr, "cannot write %s/%s\n", dir.c_str(), name.c_str());
    std::exit(1);
  }
}

Bytes Archive(TypedList<TestRow>& rows, TypedList<TestNode>& nodes, std::string text) {
  CArchive out("seed");
  SerializeList(out, rows);
  SerializeList(out, nodes);
  out.String(text);
  return out.Bytes();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];

  {
    TypedList<TestRow> rows;
    TypedList<TestNode> nodes;
    Save(dir, "empty", Archive(rows, nodes, ""));
  }
  {
    TypedList<TestRow> rows;
    rows.Append(std::make_unique<TestRow>("Rørskål", 1));
    rows.front()->AddSubRow("20 mm", 0.02f);
    TypedList<TestNode> nodes;
    nodes.Append(std::make_unique<TestNode>());
    nodes.front()->Children.Append(std::make_unique<TestNode>());
    Save(dir, "row-subrow-nodes", Archive(rows, nodes, "Versjon 5"));
  }
  {
    // Several rows, class tags, a long description and back references.
    TypedList<TestRow> rows;
    rows.Append(std::make_unique<TestRow>("A", 1));
    rows.front()->Description = std::string(300, 'x');
    rows.front()->AddSubRow("a1", 1.0f);
    rows.front()->AddSubRow("a2", -2.5f);
    rows.Append(std::make_unique<TestRow>("B", 65535));
    rows.back()->AddSubRow("b1", 1e30f);
    TypedList<TestNode> nodes;
    CArchive out("seed");
    out.WriteCount(4);
    for (TestRow* row : rows) out.WriteObject(row);
    for (TestRow* row : rows) out.WriteObject(row);  // written again: as indexes
    SerializeList(out, nodes);
    std::string text = "Blåbær";
    out.String(text);
    Save(dir, "references", out.Bytes());
  }
  // A UTF-16 string and the 32-bit escapes for class and object indexes.
  Save(dir, "utf16-and-escapes",
       ByteBuilder()
           .Word(3)
           .ClassRecord("CTestRow")
           .ShortString("A")
           .ShortString("")
           .Word(1)
           .Word(0)
           .Word(0x7FFF)
           .Dword(0x80000001u)
           .Byte(0xFF)
           .Word(0xFFFE)
           .Byte(2)
           .Word(0x00E6)
           .Word(0x20AC)
           .ShortString("")
           .Word(2)
           .Word(0)
           .Word(0x7FFF)
           .Dword(2)
           .Word(0)
           .Byte(0xFF)
           .Word(0xFFFF)
           .Dword(3)
           .Text("end"));
  return 0;
}
