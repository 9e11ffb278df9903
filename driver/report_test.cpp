#include "driver/report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "driver/options.h"
#include "driver/run.h"
#include "fixtures.h"
#include "platform/file_times.h"
#include "selection/next_file.h"

namespace {

TEST(fix_name_position, lands_after_the_last_slash) {
  const std::pair<const char*, std::size_t> cases[] = {
      {"*.jpg", 0}, {"photos/*.jpg", 7}, {"../pics/x.jpg", 8},
      {"a/b/", 4},  {"C:*.jpg", 0},  // ":" separates nothing here
      {"", 0}};
  for (const auto& [pattern, position] : cases) {
    std::strcpy(path_buffer, pattern);
    fix_name_position();
    EXPECT_EQ(name_position, position) << pattern;
  }
  reset_run_state();
}

TEST(format_mod_time, renders_local_time_or_the_unknown_form) {
  struct time_case {
    const char* tz;
    int32_t time;
    const char* text;
  };
  const time_case cases[] = {
      {"UTC", static_cast<int32_t>(utc(2011, 7, 4, 10)), "2011-07-04 10:00:00"},
      {"Europe/Berlin", static_cast<int32_t>(utc(2011, 7, 4, 10)), "2011-07-04 12:00:00"},
      {"Europe/Berlin", static_cast<int32_t>(utc(2011, 1, 4, 10)), "2011-01-04 11:00:00"},
      {"Australia/Sydney", static_cast<int32_t>(utc(2011, 1, 4, 10)), "2011-01-04 21:00:00"},
      {"America/New_York", static_cast<int32_t>(utc(2011, 7, 4, 10, 5, 9)), "2011-07-04 06:05:09"},
      {"UTC", -1, "yyyy-mm-dd ??:??:??"},
      {"UTC", 0, "1970-01-01 00:00:00"},
  };
  for (const time_case& c : cases) {
    scoped_tz zone(c.tz);
    format_mod_time(c.time);
    EXPECT_STREQ(mod_time_text, c.text) << c.tz;
  }
}

bool refuse(const char*, int32_t, int32_t) {
  return false;
}

// A touch that the file system refuses is not counted as done.
TEST(report_file, failed_touch_is_reported_and_not_counted) {
  scoped_tz zone("UTC");
  temp_dir dir;
  write_photo(dir / "p.jpg", {date_time_original("2011:07:04 10:00:00")}, utc(2020, 1, 1));
  reset_run_state();
  options.touch = 1;
  std::strcpy(path_buffer, (dir / "p.jpg").c_str());
  const search_handle search = start_search(path_buffer, current_entry);
  fix_name_position();
  set_file_times = refuse;
  ::testing::internal::CaptureStdout();
  report_file();
  const std::string out = ::testing::internal::GetCapturedStdout();
  set_file_times = set_file_times_posix;
  end_search(search);
  EXPECT_EQ(out, "2011-07-04 10:00:00\tp.jpg\nUnable to set mod-time of p.jpg\n");
  EXPECT_EQ(counters.files_reported, 1);
  EXPECT_EQ(counters.files_with_time_taken, 0);
  EXPECT_EQ(mod_time_of(dir / "p.jpg"), utc(2020, 1, 1));
  reset_run_state();
}

}  // namespace
