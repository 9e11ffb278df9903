#include "driver/options.h"

#include <gtest/gtest.h>

#include "driver/run.h"

namespace {

TEST(set_option, knows_three_lower_case_letters) {
  struct option_case {
    char letter;
    bool known;
    run_options after;
  };
  const option_case cases[] = {
      {'l', true, {1, 0, 0, 0}}, {'q', true, {0, 1, 0, 0}}, {'t', true, {0, 0, 1, 0}},
      {'f', true, {0, 0, 0, 1}}, {'F', false, {}},          {'L', false, {}},
      {'T', false, {}},          {'\0', false, {}},         {'-', false, {}},
      {'x', false, {}},
  };
  for (const option_case& c : cases) {
    reset_run_state();
    EXPECT_EQ(set_option(c.letter), c.known) << c.letter;
    EXPECT_EQ(options.long_paths, c.after.long_paths);
    EXPECT_EQ(options.quiet, c.after.quiet);
    EXPECT_EQ(options.touch, c.after.touch);
    EXPECT_EQ(options.fast, c.after.fast);
  }
  reset_run_state();
}

TEST(is_option, begins_with_dash_or_slash) {
  EXPECT_TRUE(is_option("-t"));
  EXPECT_TRUE(is_option("/t"));
  EXPECT_TRUE(is_option("/home/me/x.jpg"));
  EXPECT_FALSE(is_option("*.jpg"));
  EXPECT_FALSE(is_option(""));
  EXPECT_FALSE(is_option("./-x.jpg"));
}

}  // namespace
