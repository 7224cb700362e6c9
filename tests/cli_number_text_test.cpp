// Numbers in kelvaro-run's text: read as C++ reads doubles, written so
// that they read back to the same double.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "number_text.h"

namespace kelvaro::cli {
namespace {

using Limits = std::numeric_limits<double>;

struct NumberText {
  const char* text;
  double value;
  // nullptr when the text is a number.
  const char* problem;
};

const NumberText kNumberTexts[] = {
    {"1", 1, nullptr},
    {"-2.5e-3", -2.5e-3, nullptr},
    {"+4", 4, nullptr},
    {".5", 0.5, nullptr},
    {"inf", Limits::infinity(), nullptr},
    {"-Infinity", -Limits::infinity(), nullptr},
    {"4.9406564584124654e-324", Limits::denorm_min(), nullptr},
    {"abc", 0, "is not a number"},
    {"", 0, "is not a number"},
    {"+", 0, "is not a number"},
    {"1x", 0, "is not a number"},
    {" 1", 0, "is not a number"},
    {"0x10", 0, "is not a number"},
    {"+-1", 0, "is not a number"},
    {"++1", 0, "is not a number"},
    {"1e400", 0, "is out of the range of a double"},
};

TEST(ReadNumber, ReadsWholeTextsAsDoubles) {
  for (const NumberText& number : kNumberTexts) {
    double value = 0.0;
    const char* problem = read_number(number.text, value);
    if (number.problem == nullptr) {
      EXPECT_EQ(problem, nullptr) << number.text;
      EXPECT_EQ(value, number.value) << number.text;
    } else {
      ASSERT_NE(problem, nullptr) << number.text;
      EXPECT_STREQ(problem, number.problem) << number.text;
    }
  }
}

TEST(ReadNumber, ReadsNotANumber) {
  double value = 0.0;
  EXPECT_EQ(read_number("nan", value), nullptr);
  EXPECT_TRUE(std::isnan(value));
}

// What write_number_lines writes for the values.
std::string number_lines(const std::vector<double>& values) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(),
                                                             &std::fclose);
  write_number_lines(values.data(), values.size(), file.get());
  std::rewind(file.get());
  std::string text;
  for (int c = 0; (c = std::fgetc(file.get())) != EOF;) {
    text.push_back(static_cast<char>(c));
  }
  return text;
}

TEST(NumberLines, WritesTheShortestFormOnePerLine) {
  EXPECT_EQ(number_lines({0.1, -0.0, 1e300, 5.14820963107e-37}),
            "0.1\n-0\n1e+300\n5.14820963107e-37\n");
}

TEST(NumberLines, WritesAllOfManyLines) {
  const std::vector<double> values(100000, 0.125);
  const std::string text = number_lines(values);
  EXPECT_EQ(text.size(), values.size() * 6);
  EXPECT_EQ(text.find_first_not_of("0.125\n"), std::string::npos);
}

TEST(NumberLines, ReadsBackToTheSameDoubles) {
  const std::vector<double> values = {1.0 / 3,
                                      Limits::denorm_min(),
                                      Limits::min(),
                                      Limits::max(),
                                      Limits::lowest(),
                                      Limits::infinity(),
                                      -Limits::infinity(),
                                      9007199254740993.0,
                                      -2.2250738585072014e-308,
                                      Limits::quiet_NaN()};
  const std::string text = number_lines(values);
  std::vector<double> read_back;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    double value = 0.0;
    EXPECT_EQ(read_number(text.substr(start, end - start), value), nullptr);
    read_back.push_back(value);
    start = end + 1;
  }
  ASSERT_EQ(read_back.size(), values.size());
  EXPECT_EQ(std::memcmp(read_back.data(), values.data(),
                        values.size() * sizeof(double)),
            0)
      << text;
}

}  // namespace
}  // namespace kelvaro::cli
