#include "selection/next_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "driver/run.h"
#include "fixtures.h"
#include "platform/memory.h"

namespace {

// Runs in a temp folder, as list mode finds its names in the current folder.
class next_file_test : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_run_state();
    old_cwd_ = getcwd(nullptr, 0);
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
      write_file(dir / name, "");
    }
  }
  void TearDown() override {
    EXPECT_EQ(chdir(old_cwd_), 0);
    free(old_cwd_);
    reset_run_state();
  }

  // A selection as the chooser leaves it: the names after the first, then an empty name.
  void select(std::initializer_list<const char*> names) {
    selection.buffer = static_cast<char*>(allocate_region(256));
    char* p = selection.buffer;
    for (const char* name : names) {
      std::strcpy(p, name);
      p += std::strlen(name) + 1;
    }
    *p = '\0';
    selection.cursor = selection.buffer;
    selection.list_mode = 1;
  }

  temp_dir dir;
  char* old_cwd_ = nullptr;
};

TEST_F(next_file_test, outside_list_mode_continues_the_search_then_ends) {
  std::strcpy(path_buffer, "*.jpg");
  search_handle search = start_search(path_buffer, current_entry);
  ASSERT_NE(search, -1);
  std::string seen = current_entry.name;
  while ((search = next_file(search)) != 0) {
    seen += std::string(" ") + current_entry.name;
  }
  EXPECT_EQ(seen, "a.jpg b.jpg c.jpg");
}

TEST_F(next_file_test, list_mode_searches_each_name_then_gives_the_buffer_back) {
  std::strcpy(path_buffer, "a.jpg");
  search_handle search = start_search(path_buffer, current_entry);
  select({"c.jpg"});
  search = next_file(search);
  ASSERT_NE(search, 0);
  EXPECT_STREQ(path_buffer, "c.jpg");
  EXPECT_STREQ(current_entry.name, "c.jpg");
  EXPECT_EQ(*selection.cursor, '\0');
  EXPECT_EQ(next_file(search), 0);
  EXPECT_EQ(selection.buffer, nullptr);
  EXPECT_TRUE(selection.list_mode);
  EXPECT_FALSE(end_search(search));  // closed by the step that ended the list
}

TEST_F(next_file_test, list_emptied_by_a_single_choice_ends_at_once) {
  std::strcpy(path_buffer, "b.jpg");
  const search_handle search = start_search(path_buffer, current_entry);
  select({});
  EXPECT_EQ(next_file(search), 0);
  EXPECT_FALSE(end_search(search));
}

TEST_F(next_file_test, name_deleted_after_the_choice_is_skipped) {
  std::strcpy(path_buffer, "a.jpg");
  search_handle search = start_search(path_buffer, current_entry);
  select({"gone.jpg", "b.jpg", "also-gone.jpg"});
  search = next_file(search);
  ASSERT_NE(search, 0);
  EXPECT_STREQ(current_entry.name, "b.jpg");
  EXPECT_EQ(next_file(search), 0);
}

}  // namespace
