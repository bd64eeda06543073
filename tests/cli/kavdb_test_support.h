#pragma once
// Shared pieces of the kavdb tests: a scratch directory per test, whole-file
// reading and writing, and the library-level round trip bytes -> JSON text
// -> bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/db_json.h"
#include "core/file_io.h"

namespace kav::test {

using Bytes = std::vector<std::uint8_t>;

class ScratchDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("kavdb-" + std::string(info->test_suite_name()) + "-" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  void WriteBytes(const std::string& name, const Bytes& bytes) const {
    ASSERT_TRUE(WriteFileAtomically(dir_ / name, bytes));
  }
  void WriteText(const std::string& name, const std::string& text) const {
    WriteBytes(name, Bytes(text.begin(), text.end()));
  }
  Bytes ReadBytes(const std::string& name) const {
    return ReadFileBytes(dir_ / name).value_or(Bytes{});
  }
  std::string ReadText(const std::string& name) const {
    const Bytes bytes = ReadBytes(name);
    return std::string(bytes.begin(), bytes.end());
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(dir_ / name); }

 private:
  std::filesystem::path dir_;
};

// The JSON text kavdb dump prints for the bytes of a data file.
inline std::string DumpText(cli::DataFileKind kind, const Bytes& bytes) {
  cli::DataFileContents contents(kind);
  EXPECT_EQ(cli::DecodeContents(contents, bytes, "test"), 0u) << "bytes after the data";
  return cli::JsonText(cli::ContentsToJson(contents));
}

// The bytes kavdb build writes for a JSON text.
inline Bytes BuildBytes(cli::DataFileKind kind, const std::string& text) {
  cli::DataFileContents contents(kind);
  cli::ContentsFromJson(contents, cli::Json::parse(text));
  return cli::EncodeContents(contents);
}

}  // namespace kav::test
