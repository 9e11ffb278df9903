#include "driver/dialogue.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "fixtures.h"

namespace {

// Standard input reads `input` for the life of the object.
class fed_stdin {
 public:
  explicit fed_stdin(const std::string& input) {
    write_file(dir_ / "in", input);
    EXPECT_NE(std::freopen((dir_ / "in").c_str(), "r", stdin), nullptr);
  }
  ~fed_stdin() { std::freopen("/dev/null", "r", stdin); }

 private:
  temp_dir dir_;
};

TEST(ask_yes_no, first_character_of_each_line_decides) {
  const std::string long_yes = "y" + std::string(5000, 'x');
  fed_stdin in("y\nY\nyes\n\n no\nn\nYup\n" + long_yes + "\nnope\nyes-at-end");
  const bool expected[] = {true, true, true, false, false, false, true, true, false, true};
  ::testing::internal::CaptureStdout();
  for (bool answer : expected) {
    EXPECT_EQ(ask_yes_no("Go? (y/n): "), answer);
  }
  EXPECT_FALSE(ask_yes_no("Again? (y/n): "));  // end of input is no
  std::string shown = ::testing::internal::GetCapturedStdout();
  std::string expected_shown;
  for (int i = 0; i < 10; ++i) {
    expected_shown += "Go? (y/n): \n";
  }
  EXPECT_EQ(shown, expected_shown + "Again? (y/n): \n");
}

TEST(pause_console, prompts_and_returns_at_end_of_input) {
  fed_stdin in("");
  ::testing::internal::CaptureStdout();
  pause_console();
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Press Enter to continue . . . \n");
}

TEST(pause_console, consumes_exactly_one_line) {
  fed_stdin in("anything\ny\n");
  ::testing::internal::CaptureStdout();
  pause_console();
  EXPECT_TRUE(ask_yes_no("Next? (y/n): "));
  ::testing::internal::GetCapturedStdout();
}

}  // namespace
