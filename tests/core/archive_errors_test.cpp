// Damaged archives: every malformed input must end in an ArchiveError that
// names the file, the problem and the position, never in a crash, a hang or
// a huge allocation.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "archive_bytes.h"
#include "core/archive.h"
#include "test_rows.h"

namespace kav::test {
namespace {

constexpr const char* kSource = "skadet.kav";

// Reads what a document-like file holds: a list of rows, then a list of nodes.
void ReadRowsAndNodes(const Bytes& bytes) {
  CArchive in(bytes, TestClasses(), kSource);
  TypedList<TestRow> rows;
  TypedList<TestNode> nodes;
  SerializeList(in, rows);
  SerializeList(in, nodes);
}

void ReadRows(const Bytes& bytes) {
  CArchive in(bytes, TestClasses(), kSource);
  TypedList<TestRow> rows;
  SerializeList(in, rows);
}

// The message of the ArchiveError that reading `bytes` as a list of rows
// raises; a test failure when none is raised.
std::string LoadError(const Bytes& bytes) {
  try {
    ReadRows(bytes);
  } catch (const ArchiveError& e) {
    return e.what();
  }
  ADD_FAILURE() << "reading succeeded";
  return {};
}

void ExpectLoadError(const Bytes& bytes, const std::string& keyword, std::size_t position) {
  const std::string message = LoadError(bytes);
  EXPECT_NE(message.find(kSource), std::string::npos) << message;
  EXPECT_NE(message.find(keyword), std::string::npos) << message;
  EXPECT_NE(message.find("posisjon " + std::to_string(position) + ")"), std::string::npos)
      << message;
}

// A list of `count` rows whose first row "A" (object 2, after the class
// record 1) is written up to its sub-row count.
ByteBuilder RowHead(unsigned count = 1) {
  ByteBuilder b;
  b.Word(count).ClassRecord("CTestRow").ShortString("A").ShortString("").Word(7);
  return b;
}

// --------------------------------------------------------- class records

TEST(ArchiveErrors, BadClassRecords) {
  ExpectLoadError(ByteBuilder().Word(1).ClassRecord("CUkjent"), "ukjent klasse \"CUkjent\"", 2);
  ExpectLoadError(ByteBuilder().Word(1).ClassRecord("CTestRow", 2), "skjema 2", 2);
  ExpectLoadError(ByteBuilder().Word(1).ClassRecord("CTestRow", 0), "skjema 0", 2);
  ExpectLoadError(ByteBuilder().Word(1).ClassRecord(""), "klassenavn", 2);
  ExpectLoadError(ByteBuilder().Word(1).Word(0xFFFF).Word(1).Word(5000).Text("CTestRow"),
                  "klassenavn", 2);
  // A name length that runs past the end.
  const std::string message =
      LoadError(ByteBuilder().Word(1).Word(0xFFFF).Word(1).Word(20).Text("CTestRow"));
  EXPECT_NE(message.find("slutter for tidlig"), std::string::npos) << message;
}

TEST(ArchiveErrors, ClassIndexThatIsNoClass) {
  // Row "A" is object 2 and complete; the second element's tag follows.
  ByteBuilder rows = RowHead(2);
  rows.Word(0);
  const std::size_t tagAt = rows.size();
  const Bytes bytes = rows;
  ExpectLoadError(ByteBuilder().Append(bytes).Word(0x8002), "klassenummer 2", tagAt);
  ExpectLoadError(ByteBuilder().Append(bytes).Word(0x8003), "klassenummer 3", tagAt);
  ExpectLoadError(ByteBuilder().Append(bytes).Word(0x8000), "klassenummer 0", tagAt);
  ExpectLoadError(ByteBuilder().Append(bytes).Word(0x7FFF).Dword(0x80000002u), "klassenummer 2",
                  tagAt);
  ExpectLoadError(ByteBuilder().Append(bytes).Word(0x7FFF).Dword(0xFFFFFFFFu),
                  "klassenummer 2147483647", tagAt);
  // Before any class was read.
  ExpectLoadError(ByteBuilder().Word(1).Word(0x8001), "klassenummer 1", 2);
}

// -------------------------------------------------------- object indexes

TEST(ArchiveErrors, ObjectIndexThatIsNoFinishedObject) {
  ByteBuilder rows = RowHead(2);
  rows.Word(0);
  const std::size_t tagAt = rows.size();
  const Bytes twoRows = rows;
  ExpectLoadError(ByteBuilder().Append(twoRows).Word(0x0003), "objektnummer 3 finnes ikke", tagAt);
  ExpectLoadError(ByteBuilder().Append(twoRows).Word(0x7FFF).Dword(0x00123456u),
                  "objektnummer 1193046 finnes ikke", tagAt);
  ExpectLoadError(ByteBuilder().Append(twoRows).Word(0x0001), "nummer 1 er en klasse", tagAt);

  // Row "A" (object 2) refers to itself from its own sub-row list.
  ByteBuilder self = RowHead();
  self.Word(1);
  const std::size_t selfAt = self.size();
  self.Word(0x0002);
  ExpectLoadError(self, "ikke er ferdig lest", selfAt);
}

TEST(ArchiveErrors, WrongClassOrNullInATypedList) {
  ExpectLoadError(
      ByteBuilder().Word(1).ClassRecord("CTestSubRow").ShortString("a").ShortString("").Dword(0),
      "et CTestSubRow-objekt der et CTestRow-objekt", 2);

  // A reference to a sub-row where a row belongs.
  ByteBuilder b;
  b.Word(2).ClassRecord("CTestRow").ShortString("A").ShortString("").Word(7);
  b.Word(1).ClassRecord("CTestSubRow").ShortString("a").ShortString("").Dword(0);
  const std::size_t tagAt = b.size();
  b.Word(0x0004);
  ExpectLoadError(b, "objektnummer 4 er et CTestSubRow-objekt", tagAt);

  ExpectLoadError(ByteBuilder().Word(1).Word(0x0000), "tomt objekt", 2);
  ByteBuilder nullSubRow = RowHead();
  nullSubRow.Word(1).Word(0x0000);
  ExpectLoadError(nullSubRow, "tomt objekt", nullSubRow.size() - 2);
}

// ------------------------------------------------- counts and lengths

TEST(ArchiveErrors, CountLargerThanTheBytesLeft) {
  ExpectLoadError(ByteBuilder().Word(3).Word(0).Word(0), "listen sier 3", 2);
  ExpectLoadError(ByteBuilder().Word(0xFFFF).Dword(0xFFFFFFFFu), "listen sier 4294967295", 6);
  ExpectLoadError(ByteBuilder().Word(0xFFFF).Dword(0x7FFFFFFFu).Word(1), "listen sier", 6);
  ByteBuilder nested = RowHead();
  nested.Word(0xFFFE);
  ExpectLoadError(nested, "listen sier 65534", nested.size());
}

TEST(ArchiveErrors, StringLengthLargerThanTheBytesLeft) {
  auto rowWithName = [](const Bytes& name) {
    return ByteBuilder().Word(1).ClassRecord("CTestRow").Append(name);
  };
  const std::size_t nameAt = rowWithName({}).size();
  struct Case {
    Bytes name;
    std::string keyword;
    std::size_t dataAt;  // where the characters would begin
  };
  const Case cases[] = {
      {ByteBuilder().Byte(200).Text("kort"), "tekstlengden 200", 1},
      {ByteBuilder().Byte(0xFF).Word(0x1000), "tekstlengden 4096", 3},
      {ByteBuilder().Byte(0xFF).Word(0xFFFF).Dword(0xFFFFFFFEu), "tekstlengden 4294967294", 7},
      {ByteBuilder().Byte(0xFF).Word(0xFFFF).Dword(0xFFFFFFFFu), "tekstlengden er for stor", 7},
      {ByteBuilder().Byte(0xFF).Word(0xFFFE).Byte(3).Word('a').Word('b'), "(UTF-16)", 4},
      {ByteBuilder().Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(0xFFFF).Dword(0x40000000u),
       "tekstlengden 1073741824 (UTF-16)", 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keyword);
    ExpectLoadError(rowWithName(c.name), c.keyword, nameAt + c.dataAt);
  }
}

// -------------------------------------------------------------- nesting

TEST(ArchiveErrors, NestingTooDeepIsAnErrorNotAStackOverflow) {
  // Each node holds a list of one node: count, tag, name, description.
  auto nested = [](int depth) {
    ByteBuilder b;
    b.Word(0).Word(1).ClassRecord("CTestNode").ShortString("").ShortString("");
    for (int i = 1; i < depth; ++i) b.Word(1).Word(0x8001).ShortString("").ShortString("");
    b.Word(0);
    return b;
  };
  // A shallow tree reads.
  EXPECT_NO_THROW(ReadRowsAndNodes(nested(10)));
  try {
    ReadRowsAndNodes(nested(100000));
    ADD_FAILURE() << "100000 levels were read";
  } catch (const ArchiveError& e) {
    EXPECT_NE(std::string(e.what()).find("for dypt"), std::string::npos) << e.what();
  }
}

// ------------------------------------------------------------ truncation

TEST(ArchiveErrors, EveryTruncationOfAValidArchiveIsAnError) {
  TypedList<TestRow> rows;
  rows.Append(std::make_unique<TestRow>("Isolasjon A", 1));
  rows.front()->Description = std::string(300, 'd');  // the 0xFF + 16-bit length form
  rows.front()->AddSubRow("20 mm", 0.02f);
  rows.front()->AddSubRow("30 mm", 0.03f);
  rows.Append(std::make_unique<TestRow>("Isolasjon B", 2));
  rows.back()->AddSubRow("æøå", -1.0f);
  TypedList<TestNode> nodes;
  nodes.Append(std::make_unique<TestNode>());
  nodes.front()->Children.Append(std::make_unique<TestNode>());
  nodes.front()->Children.front()->Children.Append(std::make_unique<TestNode>());

  CArchive out(kSource);
  SerializeList(out, rows);
  SerializeList(out, nodes);
  // A last list that only refers back to the first row.
  out.WriteCount(1);
  out.WriteObject(rows.front());
  const Bytes full = out.Bytes();

  auto readAll = [](const Bytes& bytes) {
    CArchive in(bytes, TestClasses(), kSource);
    TypedList<TestRow> r, again;
    TypedList<TestNode> n;
    SerializeList(in, r);
    SerializeList(in, n);
    SerializeList(in, again);
    return std::make_pair(in.Remaining(), again.size());
  };
  ASSERT_EQ(readAll(full), std::make_pair(std::size_t{0}, std::size_t{1}));

  const std::regex position(R"(\(posisjon (\d+)\)\.$)");
  for (std::size_t length = 0; length < full.size(); ++length) {
    SCOPED_TRACE("first " + std::to_string(length) + " of " + std::to_string(full.size()) +
                 " bytes");
    try {
      readAll(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length)));
      ADD_FAILURE() << "a truncated archive was read";
    } catch (const ArchiveError& e) {
      std::cmatch m;
      ASSERT_TRUE(std::regex_search(e.what(), m, position)) << e.what();
      EXPECT_LE(std::stoul(m[1].str()), length) << e.what();
    }
  }
}

}  // namespace
}  // namespace kav::test
