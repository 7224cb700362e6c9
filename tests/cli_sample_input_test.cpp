// kelvaro-run reads its input in pieces: lines that cross a piece, a line
// longer than a piece and a last line without its end must read as they
// would in one piece, and a refusal must name the line of the whole file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "input_errors.h"
#include "sample_input.h"
#include "sample_reader.h"

namespace kelvaro::cli {
namespace {

using testing::input_error_of;

class SampleInput : public ::testing::Test {
 protected:
  std::string write_file(const std::string& text) {
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    EXPECT_NE(file, nullptr) << path_;
    if (file != nullptr) {
      std::fwrite(text.data(), 1, text.size(), file);
      std::fclose(file);
    }
    return path_;
  }
  void TearDown() override { std::filesystem::remove(path_); }

 private:
  // One file per test and process: ctest runs tests side by side.
  std::string path_ =
      (std::filesystem::temp_directory_path() /
       ("kelvaro_" +
        std::string(
            ::testing::UnitTest::GetInstance()->current_test_info()->name()) +
        "_" + std::to_string(getpid()) + ".txt"))
          .string();
};

// Several pieces of lines of changing length, a line of 200 000 leading
// blanks (more than a piece), and a last line without its end.
std::string long_text() {
  std::string text;
  for (int i = 0; i < 20000; ++i) {
    text += std::to_string(i) + (i % 3 == 0 ? " , " : " ") +
            std::to_string(0.5 * i) + (i % 7 == 0 ? "\r\n" : "\n");
  }
  text += std::string(200000, ' ') + "1.25 2.5\n# comment\n3 4";
  return text;
}

TEST_F(SampleInput, ReadsAFileInPiecesAsOneText) {
  const std::string text = long_text();
  const Samples whole = read_samples(text);
  const Samples pieces = read_sample_input(write_file(text));
  ASSERT_EQ(pieces.x.size(), 20002u);
  EXPECT_EQ(pieces.x, whole.x);
  EXPECT_EQ(pieces.lambda, whole.lambda);
}

TEST_F(SampleInput, NamesTheLineOfTheWholeFile) {
  const std::string path = write_file(long_text() + "\n5 6\n7 x\n8 9\n");
  EXPECT_EQ(input_error_of([&] { read_sample_input(path); }),
            "line 20005: 'x' is not a number");
}

}  // namespace
}  // namespace kelvaro::cli
