#include "platform/dir_search.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "fixtures.h"

namespace {

struct match_case {
  const char* pattern;
  const char* name;
  bool matches;
};

TEST(wildcard_match, follows_the_table) {
  const match_case cases[] = {
      {"*.jpg", "a.jpg", true},
      {"*.jpg", "IMG_0001.JPG", true},  // letters regardless of case
      {"*.JPG", "img.jpg", true},
      {"*.jpg", "a.jpeg", false},
      {"*.jp*", "a.jpeg", true},
      {"*", ".", true},  // "*" also takes names that begin with "."
      {"*", "..", true},
      {"*.jpg", ".hidden.jpg", true},
      {"*.*", "README", true},  // every name
      {"*.*", ".", true},
      {"?.jpg", "a.jpg", true},
      {"?.jpg", "ab.jpg", false},
      {"?.jpg", ".jpg", false},
      {"caf?.jpg", "caf\xC3\xA9.jpg", true},  // one character, however many bytes
      {"[ab].jpg", "a.jpg", false},           // "[" is literal
      {"[ab].jpg", "[ab].jpg", true},
      {"a*b*c", "aXXbYYc", true},
      {"a*b*c", "aXXbYY", false},
      {"*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
      {"x", "X", true},
      {"é", "É", false},  // only ASCII letters fold
      {"", "", true},
      {"**", "", true},
  };
  for (const match_case& c : cases) {
    EXPECT_EQ(wildcard_match(c.pattern, c.name), c.matches) << c.pattern << " ~ " << c.name;
  }
}

std::vector<std::string> names_of(const std::string& pattern) {
  std::vector<std::string> names;
  dir_entry entry;
  const int32_t search = dir_search_first(pattern.c_str(), entry);
  if (search == -1) {
    return names;
  }
  EXPECT_GT(search, 0);
  do {
    names.emplace_back(entry.name);
  } while (dir_search_next(search, entry));
  EXPECT_TRUE(dir_search_close(search));
  EXPECT_FALSE(dir_search_close(search));
  return names;
}

TEST(dir_search, yields_matches_sorted_by_folded_name_with_dot_entries) {
  temp_dir dir;
  for (const char* name : {"b.jpg", "C.JPG", "a.jpg", "B.jpg", "_x.jpg", "z.txt"}) {
    write_file(dir / name, "");
  }
  mkdir((dir / "sub.jpg").c_str(), 0755);
  EXPECT_EQ(names_of(dir / "*.jpg"),
            (std::vector<std::string>{"_x.jpg", "a.jpg", "B.jpg", "b.jpg", "C.JPG", "sub.jpg"}));
  EXPECT_EQ(names_of(dir / "*").front(), ".");
  EXPECT_EQ(names_of(dir / "*")[1], "..");
  EXPECT_EQ(names_of(dir / "*").size(), 9u);
}

TEST(dir_search, plain_name_yields_that_entry_once) {
  temp_dir dir;
  write_file(dir / "one.jpg", "x");
  EXPECT_EQ(names_of(dir / "one.jpg"), std::vector<std::string>{"one.jpg"});
  EXPECT_EQ(names_of(dir / "ONE.JPG"), std::vector<std::string>{"one.jpg"});  // stored case
  EXPECT_EQ(names_of(dir.path()),
            std::vector<std::string>{dir.path().substr(dir.path().rfind('/') + 1)});
}

TEST(dir_search, reports_kind_times_and_size) {
  temp_dir dir;
  write_file(dir / "f", "12345");
  set_times(dir / "f", 1000000000, 1200000000);
  chmod((dir / "f").c_str(), 0444);
  mkdir((dir / "d").c_str(), 0755);
  dir_entry entry;
  int32_t search = dir_search_first((dir / "f").c_str(), entry);
  ASSERT_NE(search, -1);
  EXPECT_FALSE(entry.is_folder);
  EXPECT_TRUE(entry.read_only);
  EXPECT_EQ(entry.access_time, 1000000000);
  EXPECT_EQ(entry.write_time, 1200000000);
  EXPECT_EQ(entry.size, 5u);
  dir_search_close(search);
  search = dir_search_first((dir / "d").c_str(), entry);
  ASSERT_NE(search, -1);
  EXPECT_TRUE(entry.is_folder);
  EXPECT_FALSE(entry.read_only);
  dir_search_close(search);
}

TEST(dir_search, nothing_found_gives_minus_one_and_leaves_entry) {
  temp_dir dir;
  dir_entry entry;
  entry.size = 77;
  for (const std::string& pattern :
       {dir / "*.jpg", dir / "missing/*.jpg", dir.path() + "/", std::string("")}) {
    EXPECT_EQ(dir_search_first(pattern.c_str(), entry), -1) << pattern;
  }
  EXPECT_EQ(entry.size, 77u);
  EXPECT_FALSE(dir_search_next(-1, entry));
  EXPECT_FALSE(dir_search_close(-1));
  EXPECT_FALSE(dir_search_close(0));
}

TEST(dir_search, searches_stay_independent_and_handles_are_reused) {
  temp_dir dir;
  write_file(dir / "a", "");
  write_file(dir / "b", "");
  dir_entry first, second;
  const int32_t s1 = dir_search_first((dir / "*").c_str(), first);
  const int32_t s2 = dir_search_first((dir / "b").c_str(), second);
  ASSERT_GT(s1, 0);
  ASSERT_GT(s2, 0);
  EXPECT_NE(s1, s2);
  EXPECT_EQ(second.name, "b");
  EXPECT_TRUE(dir_search_close(s2));
  EXPECT_TRUE(dir_search_next(s1, first));
  EXPECT_EQ(first.name, "..");
  const int32_t s3 = dir_search_first((dir / "a").c_str(), second);
  EXPECT_EQ(s3, s2);
  dir_search_close(s1);
  dir_search_close(s3);
}

}  // namespace
