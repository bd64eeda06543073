// The archive encoding byte for byte: values, the string and count length
// forms, code page 1252, and tagged objects with class records and the
// shared class/object index counter.
#include "core/archive.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <string>

#include "archive_bytes.h"
#include "test_rows.h"

namespace kav::test {
namespace {

constexpr const char* kSource = "test.kav";

std::string Hex(const Bytes& bytes) {
  std::string out;
  char buf[4];
  for (std::uint8_t b : bytes) {
    std::snprintf(buf, sizeof buf, "%02X ", b);
    out += buf;
  }
  return out;
}

Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t count) {
  return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
               bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}

Bytes Tail(const Bytes& bytes, std::size_t from) {
  return Slice(bytes, from, bytes.size() - from);
}

// ---------------------------------------------------------------- values

TEST(ArchiveValues, AreLittleEndianAndReadBackInBothDirections) {
  int word = 0x1234;
  int negativeWord = -1;
  int negativeLong = -2;
  std::uint32_t dword = 0x89ABCDEFu;
  float value = 1.5f;
  float nan = std::bit_cast<float>(0x7FC12345u);

  CArchive out(kSource);
  out.Word(word);
  out.Word(negativeWord);
  out.Long(negativeLong);
  out.Dword(dword);
  out.Float(value);
  out.Float(nan);
  const Bytes expected = ByteBuilder()
                             .Word(0x1234)
                             .Word(0xFFFF)
                             .Dword(0xFFFFFFFEu)
                             .Dword(0x89ABCDEFu)
                             .Dword(0x3FC00000u)
                             .Dword(0x7FC12345u);
  ASSERT_EQ(Hex(out.Bytes()), Hex(expected));

  CArchive in(out.Bytes(), TestClasses(), kSource);
  int w1 = 0, w2 = 0, l = 0;
  std::uint32_t d = 0;
  float f = 0.0f, n = 0.0f;
  in.Word(w1);
  in.Word(w2);
  in.Long(l);
  in.Dword(d);
  in.Float(f);
  in.Float(n);
  EXPECT_EQ(w1, 0x1234);
  EXPECT_EQ(w2, 0xFFFF) << "a 16-bit value reads back zero-extended";
  EXPECT_EQ(l, -2);
  EXPECT_EQ(d, 0x89ABCDEFu);
  EXPECT_EQ(f, 1.5f);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(n), 0x7FC12345u) << "float bits pass unchanged";
  EXPECT_EQ(in.Remaining(), 0u);
}

// --------------------------------------------------------------- strings

struct LengthForm {
  std::size_t length;
  Bytes prefix;
};

TEST(ArchiveStrings, EachLengthFormHasItsExactPrefixAndReadsBack) {
  const LengthForm forms[] = {
      {0, {0x00}},
      {254, {0xFE}},
      {255, {0xFF, 0xFF, 0x00}},
      {0xFFFD, {0xFF, 0xFD, 0xFF}},
      // 0xFFFE after 0xFF would announce UTF-16, so from there on the
      // 32-bit form is used.
      {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
      {0x10000, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
  };
  for (const LengthForm& form : forms) {
    SCOPED_TRACE("length " + std::to_string(form.length));
    const std::string text(form.length, 'x');
    CArchive out(kSource);
    out.WriteString(text);
    const Bytes& bytes = out.Bytes();
    ASSERT_EQ(bytes.size(), form.prefix.size() + form.length);
    EXPECT_EQ(Hex(Slice(bytes, 0, form.prefix.size())), Hex(form.prefix));

    Bytes withTrailer = bytes;
    withTrailer.push_back(0x5A);
    CArchive in(withTrailer, TestClasses(), kSource);
    EXPECT_EQ(in.ReadString(), text);
    EXPECT_EQ(in.Position(), bytes.size()) << "the string must end where it was written to end";
  }
}

TEST(ArchiveStrings, Utf16FormIsReadAndConvertedThroughCp1252) {
  struct Case {
    const char* what;
    Bytes bytes;
    std::string expected;
  };
  auto units = [](ByteBuilder b, std::initializer_list<unsigned> list) {
    for (unsigned u : list) b.Word(u);
    return b.bytes();
  };
  ByteBuilder wordLength = ByteBuilder().Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(256);
  for (int i = 0; i < 256; ++i) wordLength.Word('a');

  const Case cases[] = {
      {"byte length", units(ByteBuilder().Byte(0xFF).Word(0xFFFE).Byte(3), {0xC6, 0xF8, 0x20AC}),
       "\u00C6\u00F8\u20AC"},
      {"empty", ByteBuilder().Byte(0xFF).Word(0xFFFE).Byte(0), ""},
      {"word length in 2-byte units", wordLength, std::string(256, 'a')},
      {"dword length",
       units(ByteBuilder().Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(0xFFFF).Dword(2), {'o', 'k'}),
       "ok"},
      {"outside code page 1252",
       units(ByteBuilder().Byte(0xFF).Word(0xFFFE).Byte(5), {0x0416, 0xD800, 0xD83D, 0xDE00, 'x'}),
       "???x"},
      {"undefined code page bytes keep their value",
       units(ByteBuilder().Byte(0xFF).Word(0xFFFE).Byte(2), {0x0081, 0x201A}), "\u0081\u201A"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes bytes = c.bytes;
    bytes.push_back(0x00);  // an empty narrow string follows
    CArchive in(bytes, TestClasses(), kSource);
    EXPECT_EQ(in.ReadString(), c.expected);
    EXPECT_EQ(in.Remaining(), 1u);
    EXPECT_EQ(in.ReadString(), "");
  }
}

TEST(ArchiveStrings, NorwegianLettersAreStoredInCodePage1252) {
  const std::string text = "Blåbærsyltetøy ÆØÅ €–";
  CArchive out(kSource);
  out.WriteString(text);
  const Bytes expected = ByteBuilder().Byte(21).Text(
      "Bl\xE5"
      "b\xE6rsyltet\xF8y \xC6\xD8\xC5 \x80\x96");
  EXPECT_EQ(Hex(out.Bytes()), Hex(expected));

  CArchive in(out.Bytes(), TestClasses(), kSource);
  EXPECT_EQ(in.ReadString(), text);
}

TEST(ArchiveStrings, TextOutsideCodePage1252BecomesOneQuestionMarkPerCharacter) {
  struct Case {
    const char* utf8;
    const char* stored;
  };
  const Case cases[] = {
      {"\u0416", "?"},          // Cyrillic
      {"a\U0001F600b", "a?b"},  // four-byte sequence
      {"a\xC3", "a?"},          // truncated sequence at the end
      {"a\xE2\x82"
       "b",
       "a?b"},          // truncated sequence does not swallow the next letter
      {"\xFF!", "?!"},  // not a lead byte
      {"\xC0\x80|\xC1\x81|\xE0\x80\x80", "?|?|?"},  // overlong forms of NUL, 'A', NUL
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    CArchive out(kSource);
    out.WriteString(c.utf8);
    EXPECT_EQ(Hex(out.Bytes()), Hex(ByteBuilder().ShortString(c.stored)));
  }
}

TEST(ArchiveStrings, EveryByteSurvivesReadingAndWritingBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const Bytes stored = ByteBuilder().Byte(0xFF).Word(256).Text(all);

  CArchive in(stored, TestClasses(), kSource);
  const std::string utf8 = in.ReadString();
  EXPECT_EQ(utf8.substr(0, 3), std::string("\0\x01\x02", 3));
  EXPECT_NE(utf8.find("\u20AC\u0081\u201A"), std::string::npos) << "0x80..0x82";
  EXPECT_NE(utf8.find("\u017E\u0178\u00A0"), std::string::npos) << "0x9E..0xA0";
  EXPECT_EQ(utf8.substr(utf8.size() - 2), "\u00FF");

  CArchive out(kSource);
  out.WriteString(utf8);
  EXPECT_EQ(Hex(out.Bytes()), Hex(stored));
}

// ---------------------------------------------------------------- counts

TEST(ArchiveCounts, UseTheEscapeFrom0xFFFFOn) {
  const LengthForm forms[] = {
      {0, {0x00, 0x00}},
      {0xFFFE, {0xFE, 0xFF}},
      {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
      {0x10000, {0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
  };
  for (const LengthForm& form : forms) {
    SCOPED_TRACE("count " + std::to_string(form.length));
    CArchive out(kSource);
    out.WriteCount(form.length);
    EXPECT_EQ(Hex(out.Bytes()), Hex(form.prefix));

    // Room for the elements' tags, so that the count is plausible.
    Bytes bytes = form.prefix;
    bytes.resize(bytes.size() + 2 * form.length);
    CArchive in(bytes, TestClasses(), kSource);
    EXPECT_EQ(in.ReadCount(), form.length);
    EXPECT_EQ(in.Position(), form.prefix.size());
  }
}

// --------------------------------------------------------- tagged objects

// The bytes of a row as TestRow writes it, up to its sub-row count.
ByteBuilder& RowFields(ByteBuilder& b, std::string_view name, unsigned number) {
  return b.ShortString(name).ShortString("").Word(number);
}
ByteBuilder& SubRowFields(ByteBuilder& b, std::string_view name, float value) {
  return b.ShortString(name).ShortString("").Dword(std::bit_cast<std::uint32_t>(value));
}

TEST(ArchiveObjects, OneRowWithOneSubRow) {
  TypedList<TestRow> rows;
  rows.Append(std::make_unique<TestRow>("A", 7));
  rows.front()->AddSubRow("a", 1.5f);

  CArchive out(kSource);
  SerializeList(out, rows);

  ByteBuilder expected;
  expected.Word(1).ClassRecord("CTestRow");     // class index 1
  RowFields(expected, "A", 7);                  // object index 2
  expected.Word(1).ClassRecord("CTestSubRow");  // class index 3
  SubRowFields(expected, "a", 1.5f);            // object index 4
  EXPECT_EQ(Hex(out.Bytes()), Hex(expected));

  TypedList<TestRow> read;
  CArchive in(out.Bytes(), TestClasses(), kSource);
  SerializeList(in, read);
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_TRUE(ListsEqual(read, rows));
}

TEST(ArchiveObjects, EmptyListWritesOnlyItsCountAndNoClassRecord) {
  TypedList<TestRow> empty;
  TypedList<TestRow> one;
  one.Append(std::make_unique<TestRow>("A", 1));

  CArchive out(kSource);
  SerializeList(out, empty);
  SerializeList(out, one);
  ByteBuilder expected;
  expected.Word(0).Word(1).ClassRecord("CTestRow");
  RowFields(expected, "A", 1).Word(0);
  EXPECT_EQ(Hex(out.Bytes()), Hex(expected));
}

TEST(ArchiveObjects, ClassAndObjectIndexesRunOnAcrossListsAndNesting) {
  TypedList<TestRow> first;
  first.Append(std::make_unique<TestRow>("A", 1));
  TestSubRow* a = first.front()->AddSubRow("a", 2.0f);
  TypedList<TestRow> second;
  second.Append(std::make_unique<TestRow>("B", 3));
  TestSubRow* b = second.front()->AddSubRow("b", 4.0f);
  TypedList<TestSubRow> third;
  third.Append(std::make_unique<TestSubRow>("c", 5.0f));

  CArchive out(kSource);
  SerializeList(out, first);
  SerializeList(out, second);
  SerializeList(out, third);
  out.WriteObject(first.front());  // written before: only its index
  out.WriteObject(b);
  out.WriteObject(a);

  ByteBuilder expected;
  expected.Word(1).ClassRecord("CTestRow");     // 1
  RowFields(expected, "A", 1);                  // 2
  expected.Word(1).ClassRecord("CTestSubRow");  // 3
  SubRowFields(expected, "a", 2.0f);            // 4
  expected.Word(1).Word(0x8001);
  RowFields(expected, "B", 3);  // 5
  expected.Word(1).Word(0x8003);
  SubRowFields(expected, "b", 4.0f);  // 6
  expected.Word(1).Word(0x8003);
  SubRowFields(expected, "c", 5.0f);  // 7
  expected.Word(0x0002).Word(0x0006).Word(0x0004);
  EXPECT_EQ(Hex(out.Bytes()), Hex(expected));

  CArchive in(out.Bytes(), TestClasses(), kSource);
  TypedList<TestRow> first2, second2;
  TypedList<TestSubRow> third2;
  SerializeList(in, first2);
  SerializeList(in, second2);
  SerializeList(in, third2);
  std::unique_ptr<TestRow> againA = in.ReadObjectAs<TestRow>();
  std::unique_ptr<TestSubRow> againB = in.ReadObjectAs<TestSubRow>();
  std::unique_ptr<TestSubRow> againSubA = in.ReadObjectAs<TestSubRow>();
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_TRUE(ListsEqual(first2, first));
  EXPECT_TRUE(ListsEqual(second2, second));
  EXPECT_TRUE(ListsEqual(third2, third));
  EXPECT_TRUE(againA->IsEqual(*first.front()));
  EXPECT_TRUE(againB->IsEqual(*b));
  EXPECT_TRUE(againSubA->IsEqual(*a));
}

TEST(ArchiveObjects, ObjectWrittenTwiceReadsBackAsAnEqualSeparateClone) {
  TestRow row("A", 9);
  row.Description = "beskrivelse";
  row.AddSubRow("a", 0.25f);
  row.AddSubRow("b", -3.0f);

  CArchive out(kSource);
  out.WriteCount(2);
  out.WriteObject(&row);
  const std::size_t secondAt = out.Bytes().size();
  out.WriteObject(&row);
  EXPECT_EQ(Hex(Tail(out.Bytes(), secondAt)), Hex(ByteBuilder().Word(0x0002)));

  TypedList<TestRow> read;
  CArchive in(out.Bytes(), TestClasses(), kSource);
  SerializeList(in, read);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_NE(read[0], read[1]);
  EXPECT_TRUE(read[1]->IsEqual(row));
  EXPECT_TRUE(read[1]->IsEqual(*read[0]));
  ASSERT_EQ(read[1]->SubRows.size(), 2u);
  EXPECT_NE(read[1]->SubRows[0], read[0]->SubRows[0]) << "the clone owns its own sub-rows";
}

TEST(ArchiveObjects, NullObjectIsTheZeroTag) {
  CArchive out(kSource);
  out.WriteObject(nullptr);
  EXPECT_EQ(Hex(out.Bytes()), Hex(ByteBuilder().Word(0x0000)));
}

// Writes `count` sub-rows (object indexes 2 .. count + 1 after the class
// record 1) so that the indexes that follow are large.
void WriteSubRows(CArchive& out, TypedList<TestSubRow>& keep, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    keep.Append(std::make_unique<TestSubRow>("", static_cast<float>(i)));
    out.WriteObject(keep.back());
  }
}

TEST(ArchiveObjects, ObjectIndexesFrom0x7FFFOnAreEscapedWith32Bits) {
  constexpr std::size_t kCount = 40000;  // indexes 2 .. 40001
  TypedList<TestSubRow> rows;
  CArchive out(kSource);
  out.WriteCount(kCount + 3);
  WriteSubRows(out, rows, kCount);
  const std::size_t refsAt = out.Bytes().size();
  out.WriteObject(rows[0x7FFE - 2]);
  out.WriteObject(rows[0x7FFF - 2]);
  out.WriteObject(rows[kCount - 1]);
  EXPECT_EQ(Hex(Tail(out.Bytes(), refsAt)),
            Hex(ByteBuilder().Word(0x7FFE).Word(0x7FFF).Dword(0x7FFF).Word(0x7FFF).Dword(40001)));

  TypedList<TestSubRow> read;
  CArchive in(out.Bytes(), TestClasses(), kSource);
  SerializeList(in, read);
  ASSERT_EQ(read.size(), kCount + 3);
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(read[kCount]->Value, static_cast<float>(0x7FFE - 2));
  EXPECT_EQ(read[kCount + 1]->Value, static_cast<float>(0x7FFF - 2));
  EXPECT_EQ(read[kCount + 2]->Value, static_cast<float>(kCount - 1));
}

TEST(ArchiveObjects, ClassIndexesFrom0x7FFFOnAreEscapedWith32Bits) {
  struct Case {
    std::uint32_t classIndex;
    Bytes tag;
  };
  const Case cases[] = {
      {0x7FFE, ByteBuilder().Word(0xFFFE)},
      {0x7FFF, ByteBuilder().Word(0x7FFF).Dword(0x80007FFFu)},
      {0x9000, ByteBuilder().Word(0x7FFF).Dword(0x80009000u)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("class index " + std::to_string(c.classIndex));
    // The row class is met first after the sub-rows: its index is count + 2.
    const std::size_t count = c.classIndex - 2;
    TypedList<TestSubRow> subRows;
    TestRow first("first", 1);
    TestRow second("second", 2);
    CArchive out(kSource);
    out.WriteCount(count + 2);
    WriteSubRows(out, subRows, count);
    const std::size_t firstAt = out.Bytes().size();
    out.WriteObject(&first);
    EXPECT_EQ(Hex(Slice(out.Bytes(), firstAt, 2)), Hex(ByteBuilder().Word(0xFFFF)));
    const std::size_t secondAt = out.Bytes().size();
    out.WriteObject(&second);
    EXPECT_EQ(Hex(Slice(out.Bytes(), secondAt, c.tag.size())), Hex(c.tag));

    TypedList<CListItem> read;
    CArchive in(out.Bytes(), TestClasses(), kSource);
    SerializeList(in, read);
    ASSERT_EQ(read.size(), count + 2);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_TRUE(read[count + 1]->IsEqual(second));
  }
}

TEST(ArchiveObjects, AnObjectKeptAliveCanStillBeReferredToByIndex) {
  // A row read only to be looked at and dropped (as a stored copy of a
  // database row is) while a later part of the file refers to its sub-row.
  TestRow row("A", 1);
  TestSubRow* sub = row.AddSubRow("a", 3.0f);
  CArchive out(kSource);
  out.WriteObject(&row);
  out.WriteObject(sub);
  EXPECT_EQ(Hex(Tail(out.Bytes(), out.Bytes().size() - 2)), Hex(ByteBuilder().Word(0x0004)));

  CArchive in(out.Bytes(), TestClasses(), kSource);
  std::unique_ptr<TestRow> stored = in.ReadObjectAs<TestRow>();
  in.KeepAlive(std::move(stored));
  std::unique_ptr<TestSubRow> again = in.ReadObjectAs<TestSubRow>();
  EXPECT_TRUE(again->IsEqual(*sub));
}

TEST(ArchiveObjects, ReadingEmptiesTheUserListAndReplacesOldListElements) {
  TypedList<TestRow> rows;
  rows.Append(std::make_unique<TestRow>("A", 1));
  CArchive out(kSource);
  SerializeList(out, rows);

  TestRow user("user", 0);
  TypedList<TestRow> target;
  target.Append(std::make_unique<TestRow>("old", 5));
  target.front()->AddUser(&user);
  target.Append(std::make_unique<TestRow>("old2", 6));
  CArchive in(out.Bytes(), TestClasses(), kSource);
  SerializeList(in, target);
  ASSERT_EQ(target.size(), 1u);
  EXPECT_EQ(target.front()->Name, "A");

  // An item whose fields are read in place forgets its users.
  CListItem item("x");
  item.AddUser(&user);
  CArchive in2(ByteBuilder().ShortString("navn").ShortString("tekst"), TestClasses(), kSource);
  item.Serialize(in2);
  EXPECT_EQ(item.Name, "navn");
  EXPECT_EQ(item.Description, "tekst");
  EXPECT_TRUE(item.Users.empty());
}

}  // namespace
}  // namespace kav::test
