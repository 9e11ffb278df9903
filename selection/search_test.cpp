#include "selection/search.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "fixtures.h"

namespace {

TEST(entry_time, keeps_instants_and_gives_minus_one_at_the_limits) {
  struct time_case {
    const char* tz;
    int64_t seconds;
    int32_t expected;
  };
  const time_case cases[] = {
      {"UTC", 0, -1},
      {"UTC", 1, 1},
      {"UTC", -5, -1},
      {"UTC", utc(2021, 7, 1, 12), static_cast<int32_t>(utc(2021, 7, 1, 12))},
      {"Europe/Berlin", utc(2021, 7, 1, 12), static_cast<int32_t>(utc(2021, 7, 1, 12))},
      {"Europe/Berlin", utc(2021, 1, 1, 12), static_cast<int32_t>(utc(2021, 1, 1, 12))},
      {"America/New_York", 3600, -1},  // still 1969 in local time
      {"America/New_York", utc(1970, 1, 1, 5), static_cast<int32_t>(utc(1970, 1, 1, 5))},
      {"UTC", 2147483647, 2147483647},
      {"UTC", 2147483648, -1},
      {"Australia/Sydney", 2147483647, 2147483647},  // local 2038-01-19 14:14, still 2038
      {"UTC", utc(2040, 1, 1), -1},
  };
  for (const time_case& c : cases) {
    scoped_tz zone(c.tz);
    EXPECT_EQ(entry_time(c.seconds), c.expected) << c.tz << " " << c.seconds;
  }
}

TEST(is_folder, needs_the_folder_bit_without_the_four_low_bits) {
  const std::pair<uint32_t, bool> cases[] = {{0x10, true},  {0x30, true},  {0x11, false},
                                             {0x12, false}, {0x14, false}, {0x18, false},
                                             {0x00, false}, {0x20, false}, {0x01, false}};
  for (const auto& [attributes, folder] : cases) {
    file_entry entry;
    entry.attributes = attributes;
    EXPECT_EQ(is_folder(entry), folder) << attributes;
  }
}

TEST(start_search, fills_the_entry_from_the_file) {
  scoped_tz zone("Europe/Berlin");
  temp_dir dir;
  write_file(dir / "photo.jpg", "123");
  set_times(dir / "photo.jpg", utc(2020, 7, 1), utc(2019, 1, 1));
  mkdir((dir / "d").c_str(), 0755);
  mkdir((dir / "ro").c_str(), 0555);
  file_entry entry;
  search_handle search = start_search((dir / "photo.jpg").c_str(), entry);
  ASSERT_NE(search, -1);
  EXPECT_STREQ(entry.name, "photo.jpg");
  EXPECT_EQ(entry.attributes, 0u);
  EXPECT_EQ(entry.access_time, utc(2020, 7, 1));
  EXPECT_EQ(entry.write_time, utc(2019, 1, 1));
  EXPECT_EQ(entry.size, 3u);
  EXPECT_FALSE(continue_search(search, entry));
  EXPECT_STREQ(entry.name, "photo.jpg");  // left alone at the end
  EXPECT_TRUE(end_search(search));
  EXPECT_FALSE(end_search(search));

  search = start_search((dir / "d").c_str(), entry);
  EXPECT_EQ(entry.attributes, attribute_folder);
  EXPECT_TRUE(is_folder(entry));
  end_search(search);
  search = start_search((dir / "ro").c_str(), entry);
  EXPECT_EQ(entry.attributes, attribute_folder | attribute_read_only);
  EXPECT_FALSE(is_folder(entry));
  end_search(search);
}

TEST(start_search, no_match_leaves_the_entry_alone) {
  temp_dir dir;
  file_entry entry;
  entry.size = 9;
  EXPECT_EQ(start_search((dir / "*.jpg").c_str(), entry), -1);
  EXPECT_EQ(entry.size, 9u);
  EXPECT_FALSE(end_search(-1));
}

}  // namespace
