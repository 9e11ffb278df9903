#include "platform/file_times.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "fixtures.h"
#include "unprivileged.h"

namespace {

TEST(set_file_times, sets_both_times_and_keeps_contents) {
  temp_dir dir;
  write_file(dir / "f", "contents");
  EXPECT_TRUE(set_file_times_posix((dir / "f").c_str(), 1300000000, 1310000000));
  EXPECT_EQ(access_time_of(dir / "f"), 1300000000);
  EXPECT_EQ(mod_time_of(dir / "f"), 1310000000);
  EXPECT_EQ(read_file(dir / "f"), "contents");
}

TEST(set_file_times, refuses_times_local_time_cannot_render) {
  temp_dir dir;
  write_file(dir / "f", "");
  set_times(dir / "f", 1000, 2000);
  EXPECT_FALSE(set_file_times_posix((dir / "f").c_str(), 1300000000, -1));
  EXPECT_FALSE(set_file_times_posix((dir / "f").c_str(), -1, 1300000000));
  EXPECT_EQ(mod_time_of(dir / "f"), 2000);
  EXPECT_EQ(access_time_of(dir / "f"), 1000);
}

TEST(set_file_times, refuses_missing_files_and_folders) {
  temp_dir dir;
  EXPECT_FALSE(set_file_times_posix((dir / "missing").c_str(), 1300000000, 1300000000));
  EXPECT_FALSE(set_file_times_posix(dir.path().c_str(), 1300000000, 1300000000));
}

TEST(set_file_times, refuses_a_file_the_user_may_not_write) {
  temp_dir dir;
  write_file(dir / "f", "x");
  set_times(dir / "f", 1000, 2000);
  const bool set = run_unprivileged(
      dir, [&] { return set_file_times_posix((dir / "f").c_str(), 1300000000, 1300000000); });
  EXPECT_FALSE(set);
  EXPECT_EQ(mod_time_of(dir / "f"), 2000);
  EXPECT_EQ(access_time_of(dir / "f"), 1000);
}

}  // namespace
