#include "touch/touch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>

#include "driver/run.h"
#include "fixtures.h"
#include "platform/clock.h"
#include "platform/file_times.h"
#include "selection/next_file.h"
#include "timetaken/time_taken.h"
#include "unprivileged.h"

namespace {

int settings_made = 0;

bool counting_setter(const char* path, int32_t access_time, int32_t write_time) {
  ++settings_made;
  return set_file_times_posix(path, access_time, write_time);
}

// Touches a fresh file as the report would: found by the search, its time-taken in place.
class touch_test : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_run_state();
    settings_made = 0;
    set_file_times = counting_setter;
    write_file(path_, "photo bytes");
    set_times(path_, old_access_, old_write_);
  }
  void TearDown() override {
    set_file_times = set_file_times_posix;
    reset_run_state();
  }

  bool touch(const char* text) {
    std::strcpy(path_buffer, path_.c_str());
    const search_handle search = start_search(path_buffer, current_entry);
    EXPECT_NE(search, -1);
    end_search(search);
    std::strcpy(time_taken_text, text);
    time_taken_found = 1;
    return touch_file();
  }

  std::string shown_mod_time() {
    std::tm local{};
    const time_t t = mod_time_of(path_);
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
  }

  temp_dir dir_;
  std::string path_ = dir_ / "photo.jpg";
  const int64_t old_access_ = utc(2020, 2, 2, 2, 2, 2);
  const int64_t old_write_ = utc(2020, 3, 3, 3, 3, 3);
};

struct dst_case {
  const char* tz;
  const char* text;
  int64_t instant;  // where the mod-time must end up
  int settings;
  const char* shown;  // the mod-time in local time afterwards
};

TEST_F(touch_test, sets_the_time_taken_as_local_time_whatever_the_season) {
  const dst_case cases[] = {
      // Winter: standard time, one setting. Summer: the read-back hour differs, two settings.
      {"Europe/Berlin", "2021-01-15 12:00:00", utc(2021, 1, 15, 11), 1, "2021-01-15 12:00:00"},
      {"Europe/Berlin", "2021-07-01 12:00:00", utc(2021, 7, 1, 10), 2, "2021-07-01 12:00:00"},
      // The hour skipped in spring: the second setting stands, an hour earlier than the text.
      {"Europe/Berlin", "2021-03-28 02:30:00", utc(2021, 3, 28, 0, 30), 2, "2021-03-28 01:30:00"},
      // The hour repeated in autumn is taken as standard time, the later instant.
      {"Europe/Berlin", "2021-10-31 02:30:00", utc(2021, 10, 31, 1, 30), 1, "2021-10-31 02:30:00"},
      {"America/New_York", "2021-01-15 12:00:00", utc(2021, 1, 15, 17), 1, "2021-01-15 12:00:00"},
      {"America/New_York", "2021-07-01 12:00:00", utc(2021, 7, 1, 16), 2, "2021-07-01 12:00:00"},
      {"America/New_York", "2021-03-14 02:30:00", utc(2021, 3, 14, 6, 30), 2,
       "2021-03-14 01:30:00"},
      {"America/New_York", "2021-11-07 01:30:00", utc(2021, 11, 7, 6, 30), 1,
       "2021-11-07 01:30:00"},
      // Southern summer is in January.
      {"Australia/Sydney", "2021-01-15 12:00:00", utc(2021, 1, 15, 1), 2, "2021-01-15 12:00:00"},
      {"Australia/Sydney", "2021-07-01 12:00:00", utc(2021, 7, 1, 2), 1, "2021-07-01 12:00:00"},
      {"Australia/Sydney", "2021-10-03 02:30:00", utc(2021, 10, 2, 15, 30), 2,
       "2021-10-03 01:30:00"},
      {"Australia/Sydney", "2021-04-04 02:30:00", utc(2021, 4, 3, 16, 30), 1,
       "2021-04-04 02:30:00"},
      {"UTC", "2021-07-01 12:00:00", utc(2021, 7, 1, 12), 1, "2021-07-01 12:00:00"},
      // Fields outside their ranges are carried; an hour past 23 never reads back equal.
      {"UTC", "2011-04-31 10:00:00", utc(2011, 5, 1, 10), 1, "2011-05-01 10:00:00"},
      // mktime takes "daylight-saving time" as an hour earlier even in a zone that has none.
      {"UTC", "2011-07-04 25:00:00", utc(2011, 7, 5, 0), 2, "2011-07-05 00:00:00"},
      {"Europe/Berlin", "2011-07-04 25:00:00", utc(2011, 7, 4, 23), 2, "2011-07-05 01:00:00"},
      // A date alone reads its time as midnight.
      {"Europe/Berlin", "2011-07-04", utc(2011, 7, 3, 22), 2, "2011-07-04 00:00:00"},
      {"UTC", "2011-07-04", utc(2011, 7, 4), 1, "2011-07-04 00:00:00"},
  };
  for (const dst_case& c : cases) {
    scoped_tz zone(c.tz);
    settings_made = 0;
    EXPECT_TRUE(touch(c.text)) << c.tz << " " << c.text;
    EXPECT_EQ(mod_time_of(path_), c.instant) << c.tz << " " << c.text;
    EXPECT_EQ(settings_made, c.settings) << c.tz << " " << c.text;
    EXPECT_EQ(shown_mod_time(), c.shown) << c.tz << " " << c.text;
  }
}

TEST_F(touch_test, keeps_the_enumerated_access_time_and_the_contents) {
  scoped_tz zone("Europe/Berlin");
  EXPECT_TRUE(touch("2021-07-01 12:00:00"));  // two settings, both with the old access time
  EXPECT_EQ(access_time_of(path_), old_access_);
  EXPECT_EQ(read_file(path_), "photo bytes");
}

TEST_F(touch_test, access_time_of_minus_one_becomes_now) {
  scoped_tz zone("UTC");
  std::strcpy(path_buffer, path_.c_str());
  std::strcpy(time_taken_text, "2021-07-01 12:00:00");
  current_entry.access_time = -1;
  const int64_t before = current_time();
  EXPECT_TRUE(touch_file());
  EXPECT_GE(access_time_of(path_), before);
  EXPECT_LE(access_time_of(path_), current_time());
}

TEST_F(touch_test, times_outside_1970_to_2038_change_nothing) {
  for (const char* text : {"1969-12-31 23:00:00", "2038-01-20 00:00:00", "1900-01-01 00:00:00",
                           "99999999999999999999"}) {
    scoped_tz zone("UTC");
    EXPECT_FALSE(touch(text)) << text;
    EXPECT_EQ(mod_time_of(path_), old_write_) << text;
    EXPECT_EQ(access_time_of(path_), old_access_) << text;
  }
}

TEST_F(touch_test, short_text_reads_missing_fields_as_zero_not_leftovers) {
  scoped_tz zone("UTC");
  std::strcpy(time_taken_text, "2011-07-04 10:11:12");
  std::strcpy(time_taken_text, "2012-08-05");
  const std::tm tm = parse_time_text(time_taken_text, 0);
  EXPECT_EQ(tm.tm_year, 112);
  EXPECT_EQ(tm.tm_mon, 7);
  EXPECT_EQ(tm.tm_mday, 5);
  EXPECT_EQ(tm.tm_hour, 0);
  EXPECT_EQ(tm.tm_min, 0);
  EXPECT_EQ(tm.tm_sec, 0);
}

TEST_F(touch_test, reads_numbers_the_way_atoi_does) {
  const std::tm tm = parse_time_text("  11-+7-x9 -3:1a:", 1);
  EXPECT_EQ(tm.tm_year, 11 - 1900);
  EXPECT_EQ(tm.tm_mon, 7 - 1);
  EXPECT_EQ(tm.tm_mday, 0);  // "x9" has no digits where the day starts
  EXPECT_EQ(tm.tm_hour, -3);
  EXPECT_EQ(tm.tm_min, 1);
  EXPECT_EQ(tm.tm_sec, 0);
  EXPECT_EQ(tm.tm_isdst, 1);
}

TEST_F(touch_test, file_the_user_may_not_write_keeps_its_times) {
  scoped_tz zone("Europe/Berlin");
  set_file_times = set_file_times_posix;
  std::strcpy(path_buffer, path_.c_str());
  const search_handle search = start_search(path_buffer, current_entry);
  end_search(search);
  std::strcpy(time_taken_text, "2021-07-01 12:00:00");
  const bool touched = run_unprivileged(dir_, [] { return touch_file(); });
  EXPECT_FALSE(touched);
  EXPECT_EQ(mod_time_of(path_), old_write_);
  EXPECT_EQ(access_time_of(path_), old_access_);
}

}  // namespace
