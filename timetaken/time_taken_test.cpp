#include "timetaken/time_taken.h"

#include <gtest/gtest.h>

#include <string>

#include "driver/run.h"
#include "fixtures.h"
#include "timetaken/load.h"

namespace {

struct tag_case {
  const char* key;
  const char* value;
  bool accepted;
};

TEST(is_time_taken_tag, tests_key_then_value) {
  const tag_case cases[] = {
      {"DateTime", "2011:07:04 10:00:00", true},
      {"DateTimeOriginal", "2011:07:04 10:00:00", true},
      {"DATETIME", "2011:07:04 10:00:00", true},
      {"datetimedigitized", "2011:07:04 10:00:00", true},
      {"Date", "2011:07:04 10:00:00", false},
      {"DateTim", "2011:07:04 10:00:00", false},
      {"XDateTime", "2011:07:04 10:00:00", false},
      {"Date_Time", "2011:07:04 10:00:00", false},
      {"DateTime", "0000:00:00 00:00:00", false},  // first character must be above '0'
      {"DateTime", "", false},
      {"DateTime", "    :  :     :  :  ", false},
      {"DateTime", "20110704 100000", false},  // digit at position 4
      {"DateTime", "2011:0704 10:00", false},  // digit at position 7
      {"DateTime", "2011-07-04 10:00:00", true},
      {"DateTime", "2011/07/04 10:00:00", true},
      {"DateTime", "2011:07:04", true},
      {"DateTime", "Sunday, 4 July", true},            // not a date, but it passes the tests
      {"DateTime", "\xC3\xA9t\xC3\xA9:07:04", false},  // above 0x7F
      {"DateTime", "2011:07", false},                  // too short to normalise
      {"DateTime", "9:9:9:9", false},
      {"DateTime", "1234:67:", true},
  };
  for (const tag_case& c : cases) {
    EXPECT_EQ(is_time_taken_tag(c.key, c.value), c.accepted) << c.key << " = " << c.value;
  }
  EXPECT_FALSE(is_time_taken_tag(nullptr, "2011:07:04 10:00:00"));
  EXPECT_FALSE(is_time_taken_tag("DateTime", nullptr));
}

class offer : public ::testing::Test {
 protected:
  void SetUp() override { reset_run_state(); }
};

TEST_F(offer, normalises_and_keeps_the_earliest) {
  offer_time_taken("2011:07:05 09:00:00");
  EXPECT_STREQ(time_taken_text, "2011-07-05 09:00:00");
  EXPECT_EQ(time_taken_found, 1);
  offer_time_taken("2011/07/04 10:00:00");
  EXPECT_STREQ(time_taken_text, "2011-07-04 10:00:00");
  offer_time_taken("2012:01:01 00:00:00");
  EXPECT_STREQ(time_taken_text, "2011-07-04 10:00:00");
  offer_time_taken("2011:07:04 10:00:00");  // equal once normalised: the first stays
  EXPECT_STREQ(time_taken_text, "2011-07-04 10:00:00");
}

TEST_F(offer, digits_win_over_letters_and_shorter_is_smaller) {
  offer_time_taken("Sunday, 4 July");
  EXPECT_STREQ(time_taken_text, "Sund-y,-4 July");
  offer_time_taken("2011:07:04");
  EXPECT_STREQ(time_taken_text, "2011-07-04");
  offer_time_taken("2011:07:04 10:00:00");
  EXPECT_STREQ(time_taken_text, "2011-07-04");
}

TEST_F(offer, cuts_values_that_do_not_fit) {
  const std::string longer = "2011:07:04 10:00:00.123456789012345678901234567890";
  offer_time_taken(longer.c_str());
  EXPECT_EQ(std::string(time_taken_text), "2011-07-04 10:00:00.12345678901");
  EXPECT_EQ(std::string(time_taken_text).size(), time_text_size - 1);
}

// Loads a photo made with `tags` and returns what the scan found.
std::string time_taken_of(const std::vector<exif_tag>& tags) {
  temp_dir dir;
  write_photo(dir / "p.jpg", tags);
  reset_run_state();
  FIBITMAP* image = load_image((dir / "p.jpg").c_str(), 0);
  EXPECT_NE(image, nullptr);
  read_time_taken(image);
  FreeImage_Unload(image);
  EXPECT_EQ(time_taken_found, time_taken_text[0] != '\0' ? 1 : 0);
  return time_taken_text;
}

TEST(read_time_taken, takes_the_earliest_of_both_models) {
  struct photo_case {
    std::vector<exif_tag> tags;
    const char* expected;
  };
  const photo_case cases[] = {
      {{date_time("2011:07:05 09:00:00"), date_time_original("2011:07:04 10:00:00")},
       "2011-07-04 10:00:00"},
      {{date_time("2011:07:04 10:00:00"), date_time_original("2011:07:05 09:00:00")},
       "2011-07-04 10:00:00"},
      {{date_time_original("2011:07:04 10:00:00")}, "2011-07-04 10:00:00"},
      {{date_time_digitized("2009:01:01 01:01:01"), date_time_original("2011:07:04 10:00:00")},
       "2009-01-01 01:01:01"},
      {{date_time("0000:00:00 00:00:00"), date_time_original("    :  :     :  :  ")}, ""},
      {{date_time("0000:00:00 00:00:00"), date_time_original("2011:07:04 10:00:00")},
       "2011-07-04 10:00:00"},
      {{date_time("2011:07")}, ""},
      {{date_time("")}, ""},
      {{}, ""},
  };
  for (const photo_case& c : cases) {
    EXPECT_EQ(time_taken_of(c.tags), c.expected) << (c.tags.empty() ? "" : c.tags[0].value);
  }
}

}  // namespace
