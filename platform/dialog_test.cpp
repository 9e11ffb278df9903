#include "platform/dialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "fixtures.h"
#include "selection/chooser.h"

namespace {

// A stand-in for zenity on PATH: it records its arguments, prints FAKE_OUTPUT (printf escapes)
// and exits with FAKE_EXIT.
class fake_zenity : public ::testing::Test {
 protected:
  void SetUp() override {
    write_file(bin / "zenity",
               "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$ARGS_FILE\"\nprintf \"$FAKE_OUTPUT\"\n"
               "exit \"$FAKE_EXIT\"\n");
    chmod((bin / "zenity").c_str(), 0755);
    for (const char* name : {"PATH", "DISPLAY", "ARGS_FILE", "FAKE_OUTPUT", "FAKE_EXIT"}) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? value : "");
    }
    setenv("PATH", (bin.path() + ":/usr/bin:/bin").c_str(), 1);
    setenv("DISPLAY", ":fake", 1);
    setenv("ARGS_FILE", (bin / "args").c_str(), 1);
    reset_chooser_state();
    dialog_params.initial_dir = "/home/me/Pictures";
    dialog_params.file = "*.jp*";
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      setenv(name.c_str(), value.c_str(), 1);
    }
    reset_chooser_state();
  }

  bool answer(const char* output, const char* exit_code, std::string& choice) {
    setenv("FAKE_OUTPUT", output, 1);
    setenv("FAKE_EXIT", exit_code, 1);
    return open_file_dialog_posix(dialog_params, choice);
  }

  temp_dir bin;

 private:
  std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(fake_zenity, hands_over_title_folder_and_filters_with_upper_case_patterns) {
  std::string choice;
  ASSERT_TRUE(answer("/p/a.jpg\\n", "0", choice));
  EXPECT_EQ(read_file(bin / "args"),
            "--file-selection\n"
            "--title=Choose photos(s); use Ctrl+Click and/or Shift+Click for Multi-Select\n"
            "--separator=\x1e\n"
            "--multiple\n"
            "--filename=/home/me/Pictures/*.jp*\n"
            "--file-filter=JPEG Files  (*.jpg *.jpeg *.jpe) | *.jpg *.JPG *.jpeg *.JPEG *.jpe "
            "*.JPE\n"
            "--file-filter=JPG Files  (*.jpg) | *.jpg *.JPG\n"
            "--file-filter=All Files  (*.*) | *\n");
}

TEST_F(fake_zenity, lays_out_the_two_forms_of_a_choice) {
  struct form_case {
    const char* output;
    std::string choice;
    uint16_t offset;
  };
  const form_case cases[] = {
      {"/p/a.jpg\\n", std::string("/p/a.jpg\0", 9), 3},
      {"/a.jpg\\n", std::string("/a.jpg\0", 7), 1},
      {"/p/a.jpg\\036/p/b.jpg\\n", std::string("/p\0a.jpg\0b.jpg\0\0", 16), 3},
      // Names from several folders (the "Recent" view) keep their closest common folder.
      {"/p/q/a.jpg\\036/p/r/b.jpg\\n", std::string("/p\0q/a.jpg\0r/b.jpg\0\0", 20), 3},
      {"/p/a.jpg\\036/x/b.jpg\\n", std::string("/\0p/a.jpg\0x/b.jpg\0\0", 19), 2},
  };
  for (const form_case& c : cases) {
    std::string choice;
    ASSERT_TRUE(answer(c.output, "0", choice)) << c.output;
    EXPECT_EQ(choice, c.choice) << c.output;
    EXPECT_EQ(dialog_params.file_offset, c.offset) << c.output;
  }
}

TEST_F(fake_zenity, cancel_and_unusable_output_choose_nothing) {
  std::string choice;
  EXPECT_FALSE(answer("", "1", choice));                              // Cancel or Escape
  EXPECT_FALSE(answer("\\n", "0", choice));                           // nothing chosen
  EXPECT_FALSE(answer("/p/a.jpg\\036relative.jpg\\n", "0", choice));  // never ends in a loop
}

}  // namespace
