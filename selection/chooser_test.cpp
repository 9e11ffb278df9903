#include "selection/chooser.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <string>

#include "driver/options.h"
#include "driver/run.h"
#include "fixtures.h"
#include "platform/memory.h"
#include "selection/next_file.h"

namespace {

// What the scripted dialog answers at each attempt: a choice in one of the two forms, or cancel.
struct scripted_answer {
  bool chosen;
  std::string choice;
  uint16_t offset;
};

std::deque<scripted_answer> answers;
std::vector<std::string> initial_dirs_seen;  // "" where the dialog had none
std::vector<std::string> initial_files_seen;

bool scripted_dialog(file_dialog& dialog, std::string& choice) {
  initial_dirs_seen.emplace_back(dialog.initial_dir ? dialog.initial_dir : "");
  initial_files_seen.emplace_back(dialog.file ? dialog.file : "");
  if (answers.empty()) {
    return false;
  }
  const scripted_answer answer = answers.front();
  answers.pop_front();
  choice = answer.choice;
  dialog.file_offset = answer.offset;
  return answer.chosen;
}

scripted_answer one_file(const std::string& path) {
  return {true, path + '\0', static_cast<uint16_t>(path.rfind('/') + 1)};
}

scripted_answer several(const std::string& folder, std::initializer_list<const char*> names) {
  std::string choice = folder + '\0';
  for (const char* name : names) {
    choice += std::string(name) + '\0';
  }
  return {true, choice + '\0', static_cast<uint16_t>(folder.size() + 1)};
}

scripted_answer cancel() {
  return {false, "", 0};
}

int allocations = 0;
void* failing_allocation(std::size_t) {
  return nullptr;
}
void* counting_allocation(std::size_t size) {
  ++allocations;
  return std::calloc(size, 1);
}

const char guidance[] =
    "Use the dialog box to choose file(s)\n"
    "You can use Ctrl+Click & Shift+Click to select multiple files\n";
const char pause_text[] = "Press Enter to continue . . . \n";
const char touch_question[] = "Change the mod-time(s) to the time-taken? (y/n): \n";

class chooser : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_run_state();
    answers.clear();
    initial_dirs_seen.clear();
    initial_files_seen.clear();
    allocations = 0;
    open_file_dialog = scripted_dialog;
    allocate_region = counting_allocation;
    old_cwd_ = getcwd(nullptr, 0);
    old_home_ = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", home.path().c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    write_photo(dir / "a.jpg", {date_time_original("2011:07:04 10:00:00")});
    write_photo(dir / "b.jpg", {});
    write_photo(dir / "c.jpg", {});
    mkdir((dir / "album").c_str(), 0755);
    write_photo(dir / "album/x.jpg", {});
    mkdir((dir / "empty").c_str(), 0755);
  }
  void TearDown() override {
    open_file_dialog = open_file_dialog_posix;
    allocate_region = [](std::size_t size) { return std::calloc(size, 1); };
    EXPECT_EQ(chdir(old_cwd_), 0);
    std::free(old_cwd_);
    setenv("HOME", old_home_.c_str(), 1);
    reset_run_state();
    std::freopen("/dev/null", "r", stdin);
  }

  // Runs the chooser with `input` on standard input; returns its search, its output in `out`.
  search_handle choose(bool started_bare, const std::string& input = "") {
    write_file(home / "input", input);
    std::freopen((home / "input").c_str(), "r", stdin);
    ::testing::internal::CaptureStdout();
    const search_handle search = choose_files(started_bare);
    out = ::testing::internal::GetCapturedStdout();
    return search;
  }

  std::string cwd() {
    char* c = getcwd(nullptr, 0);
    std::string s = c;
    std::free(c);
    return s;
  }

  temp_dir dir;
  temp_dir home;
  std::string out;

 private:
  char* old_cwd_ = nullptr;
  std::string old_home_;
};

TEST_F(chooser, cancel_at_the_first_attempt_says_canceled_without_line_feed) {
  answers = {cancel()};
  EXPECT_EQ(choose(true), 0);
  EXPECT_EQ(out, std::string(guidance) + "Canceled");
}

TEST_F(chooser, one_file_leaves_its_full_path_and_an_empty_list) {
  answers = {one_file(dir / "b.jpg")};
  const search_handle search = choose(false);
  ASSERT_GT(search, 0);
  EXPECT_EQ(out, std::string(guidance) + "Processing...\n\n");
  EXPECT_EQ(path_buffer, dir / "b.jpg");
  EXPECT_STREQ(current_entry.name, "b.jpg");
  EXPECT_EQ(*selection.cursor, '\0');
  EXPECT_EQ(selection.list_mode, 0);
  EXPECT_EQ(initial_files_seen, std::vector<std::string>{"*.jp*"});
  EXPECT_EQ(next_file(search), 0);  // the one file is the whole run
}

TEST_F(chooser, several_files_enter_their_folder_and_walk_the_list) {
  answers = {several(dir.path(), {"c.jpg", "a.jpg", "b.jpg"})};
  search_handle search = choose(false);
  ASSERT_GT(search, 0);
  EXPECT_EQ(cwd(), dir.path());
  EXPECT_STREQ(path_buffer, "c.jpg");
  EXPECT_STREQ(selection.cursor, "a.jpg");
  EXPECT_EQ(selection.list_mode, 1);
  std::string walked = current_entry.name;
  while ((search = next_file(search)) != 0) {
    walked += std::string(" ") + current_entry.name;
  }
  EXPECT_EQ(walked, "c.jpg a.jpg b.jpg");
  EXPECT_EQ(selection.buffer, nullptr);  // given back at the end of the list
}

TEST_F(chooser, folder_answered_no_starts_the_next_attempt_without_pause) {
  answers = {one_file(dir / "album"), cancel()};
  EXPECT_EQ(choose(false, "n\n"), 0);
  EXPECT_EQ(out, std::string(guidance) + "Processing...\n\n" + "album in a folder, not a file\n" +
                     "Did you mean " + dir.path() + "/album/*.jpg? (y/n): \n" + guidance +
                     "Canceled");
  EXPECT_EQ(allocations, 2);
}

TEST_F(chooser, folder_answered_yes_searches_its_photos) {
  answers = {one_file(dir / "album")};
  const search_handle search = choose(true, "yes\nn\n");
  ASSERT_GT(search, 0);
  EXPECT_EQ(out, std::string(guidance) + "Processing...\n\n" + "album in a folder, not a file\n" +
                     "Did you mean " + dir.path() + "/album/*.jpg? (y/n): \n" + touch_question);
  EXPECT_EQ(path_buffer, dir / "album/*.jpg");
  EXPECT_STREQ(current_entry.name, "x.jpg");
  EXPECT_EQ(options.touch, 0);
  end_search(search);
}

TEST_F(chooser, folder_without_photos_says_so_and_pauses) {
  answers = {one_file(dir / "empty"), cancel()};
  EXPECT_EQ(choose(false, "y\n\n"), 0);
  EXPECT_EQ(out, std::string(guidance) + "Processing...\n\n" + "empty in a folder, not a file\n" +
                     "Did you mean " + dir.path() + "/empty/*.jpg? (y/n): \n" + "No " + dir.path() +
                     "/empty/*.jpg files found\n" + pause_text + guidance + "Canceled");
}

TEST_F(chooser, nothing_found_pauses_then_tries_again) {
  answers = {one_file(dir / "gone.jpg"), one_file(dir / "a.jpg")};
  const search_handle search = choose(false, "\n");
  ASSERT_GT(search, 0);
  EXPECT_EQ(out, std::string(guidance) + "Processing...\n\n" + "No " + dir.path() +
                     "/gone.jpg files found\n" + pause_text + guidance + "Processing...\n\n");
  EXPECT_STREQ(current_entry.name, "a.jpg");
  end_search(search);
}

TEST_F(chooser, list_mode_stays_after_a_failed_multi_select_attempt) {
  // The first choice names a file that vanished; the second is a single file.
  answers = {several(dir.path(), {"gone.jpg", "a.jpg"}), one_file(dir / "b.jpg")};
  const search_handle search = choose(false, "\n");
  ASSERT_GT(search, 0);
  EXPECT_EQ(selection.list_mode, 1);
  EXPECT_EQ(*selection.cursor, '\0');
  EXPECT_EQ(next_file(search), 0);  // so the run ends after that one file
}

TEST_F(chooser, folder_that_cannot_be_entered_is_fatal) {
  answers = {several(dir / "missing", {"a.jpg", "b.jpg"})};
  EXPECT_EQ(choose(false), 0);
  EXPECT_EQ(out, std::string(guidance) + "Fatal Error: Unable to change to folder " + dir.path() +
                     "/missing");
}

TEST_F(chooser, no_selection_buffer_is_fatal) {
  allocate_region = failing_allocation;
  answers = {one_file(dir / "a.jpg")};
  EXPECT_EQ(choose(true), 0);
  EXPECT_EQ(out, std::string(guidance) + "Fatal error: Unable to allocate 65536 bytes");
  EXPECT_TRUE(initial_dirs_seen.empty());  // the dialog never showed
}

TEST_F(chooser, touch_question_only_when_started_bare) {
  struct question_case {
    bool started_bare;
    const char* input;
    int touch;
    bool asked;
  };
  for (const question_case& c :
       {question_case{true, "y\n", 1, true}, question_case{true, "n\n", 0, true},
        question_case{true, "", 0, true},  // end of input is no
        question_case{false, "y\n", 0, false}}) {
    reset_run_state();
    answers = {one_file(dir / "a.jpg")};
    const search_handle search = choose(c.started_bare, c.input);
    ASSERT_GT(search, 0);
    EXPECT_EQ(options.touch, c.touch) << c.input;
    EXPECT_EQ(out.find("Change the mod-time") != std::string::npos, c.asked);
    end_search(search);
  }
}

TEST_F(chooser, end_of_input_at_the_folder_question_is_no) {
  answers = {one_file(dir / "album"), cancel()};
  EXPECT_EQ(choose(true, ""), 0);
  EXPECT_NE(out.find("(y/n): \n" + std::string(guidance) + "Canceled"), std::string::npos);
}

TEST_F(chooser, opens_in_the_pictures_folder_of_user_dirs) {
  mkdir((home / ".config").c_str(), 0755);
  write_file(home / ".config/user-dirs.dirs",
             "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
             "XDG_PICTURES_DIR=\"$HOME/My \\\"Photos\\\"\"\n");
  answers = {one_file(dir / "gone.jpg"), cancel()};
  choose(false, "\n");
  EXPECT_EQ(initial_dirs_seen,
            (std::vector<std::string>{home / "My \"Photos\"", home / "My \"Photos\""}));
}

TEST_F(chooser, pictures_folder_falls_back_to_home_pictures_or_none) {
  answers = {cancel()};
  choose(false);
  EXPECT_EQ(initial_dirs_seen, std::vector<std::string>{""});
  mkdir((home / "Pictures").c_str(), 0755);
  initial_dirs_seen.clear();
  answers = {cancel()};
  choose(false);
  EXPECT_EQ(initial_dirs_seen, std::vector<std::string>{home / "Pictures"});
}

TEST_F(chooser, overlong_pictures_folder_counts_as_none) {
  mkdir((home / ".config").c_str(), 0755);
  write_file(home / ".config/user-dirs.dirs",
             "XDG_PICTURES_DIR=\"/" + std::string(278, 'p') + "\"\n");
  answers = {cancel()};
  choose(false);
  EXPECT_EQ(initial_dirs_seen, std::vector<std::string>{""});
  write_file(home / ".config/user-dirs.dirs",
             "XDG_PICTURES_DIR=\"/" + std::string(277, 'p') + "\"\n");
  answers = {cancel()};
  initial_dirs_seen.clear();
  choose(false);
  EXPECT_EQ(initial_dirs_seen, std::vector<std::string>{"/" + std::string(277, 'p')});
}

TEST_F(chooser, path_too_long_for_the_path_buffer_is_refused_and_asked_again) {
  const std::string long_path = dir.path() + "/" + std::string(600, 'x') + ".jpg";
  answers = {one_file(long_path), several(dir.path(), {(std::string(600, 'y') + ".jpg").c_str()}),
             cancel()};
  EXPECT_EQ(choose(false, "\n\n"), 0);
  EXPECT_EQ(out, std::string(guidance) + "Path longer than 511 characters: " + long_path + "\n" +
                     pause_text + guidance + "Path longer than 511 characters: " +
                     std::string(600, 'y') + ".jpg\n" + pause_text + guidance + "Canceled");
}

TEST_F(chooser, choice_larger_than_the_buffer_gets_a_larger_one) {
  std::vector<std::string> names;
  std::string choice = dir.path() + '\0' + "a.jpg" + '\0';
  for (int i = 0; choice.size() <= selection_buffer_size; ++i) {
    choice += std::string(200, 'n') + std::to_string(i) + ".jpg" + '\0';
  }
  choice += "b.jpg";
  choice += '\0';
  choice += '\0';
  answers = {{true, choice, static_cast<uint16_t>(dir.path().size() + 1)}};
  search_handle search = choose(false);
  ASSERT_GT(search, 0);
  EXPECT_STREQ(current_entry.name, "a.jpg");
  search = next_file(search);  // the long names are not there and are passed over
  ASSERT_NE(search, 0);
  EXPECT_STREQ(current_entry.name, "b.jpg");
  EXPECT_EQ(next_file(search), 0);
}

}  // namespace
