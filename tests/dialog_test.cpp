// Drives the real file dialog (zenity under Xvfb, keys sent with xdotool) through the built binary.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>

#include "fixtures.h"

namespace {

bool on_path(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command of the test's own (xdotool, xwd) against the virtual display.
bool sh(const std::string& command) {
  return std::system(command.c_str()) == 0;
}

class real_dialog : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    tools_found_ = on_path("Xvfb") && on_path("zenity") && on_path("xdotool");
    // A busy machine can be slow to bring a server up: give it a few chances.
    for (int attempt = 0; tools_found_ && display_.empty() && attempt < 3; ++attempt) {
      start_server();
    }
  }

  // Starts Xvfb on a free display and waits until it takes connections; on failure stops it and
  // leaves `display_` empty. Its messages go to artifacts/xvfb.log.
  static void start_server() {
    int fds[2];
    if (pipe(fds) != 0) {
      return;
    }
    mkdir(SHOTTIME_ARTIFACTS, 0755);
    xvfb_ = fork();
    if (xvfb_ == 0) {
      close(fds[0]);
      const std::string fd = std::to_string(fds[1]);
      if (freopen(SHOTTIME_ARTIFACTS "/xvfb.log", "a", stderr) == nullptr) {
        _exit(127);
      }
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x800x24", "-nolisten",
             "tcp", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    // Xvfb writes the number and its line feed separately, and dies if the pipe is closed
    // between the two: read up to the line feed.
    std::string number;
    char c;
    while (number.size() < 16 && read(fds[0], &c, 1) == 1 && c != '\n') {
      number += c;
    }
    close(fds[0]);
    if (!number.empty()) {
      const std::string display = ":" + number;
      // The server may name its display before it takes connections: wait until it does.
      for (int tries = 0; tries < 200; ++tries) {
        if (sh("DISPLAY=" + display + " xdotool getmouselocation >/dev/null 2>&1")) {
          display_ = display;
          return;
        }
        usleep(100000);
      }
    }
    TearDownTestSuite();
  }

  static void TearDownTestSuite() {
    if (xvfb_ > 0) {
      kill(xvfb_, SIGTERM);
      waitpid(xvfb_, nullptr, 0);
      xvfb_ = -1;
    }
  }

  void SetUp() override {
    if (!tools_found_) {
      GTEST_SKIP() << "needs Xvfb, zenity and xdotool";
    }
    ASSERT_FALSE(display_.empty()) << "Xvfb did not start; see " SHOTTIME_ARTIFACTS "/xvfb.log";
    // Photos in the pictures folder that user-dirs.dirs names, and others where the run starts,
    // so that what is listed tells where the dialog opened.
    mkdir((home / ".config").c_str(), 0755);
    write_file(home / ".config/user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/Photos\"\n");
    mkdir((home / "Photos").c_str(), 0755);
    write_photo(home / "Photos/in-pictures-1.jpg", {date_time_original("2021:07:01 12:00:00")});
    write_photo(home / "Photos/in-pictures-2.JPG", {date_time_original("2021:01:15 08:30:00")});
    write_file(home / "Photos/notes.txt", "filtered out\n");
    mkdir((home / "start").c_str(), 0755);
    write_photo(home / "start/elsewhere.jpg", {date_time_original("2000:01:01 00:00:00")});
  }

  running_tool start(const std::string& input) {
    run_setup setup;
    setup.cwd = home / "start";
    setup.input = input;
    setup.env = {"HOME=" + home.path(), "DISPLAY=" + display_};
    return start_tool({}, setup);
  }

  // Waits for the dialog window, focuses it, lets it load the folder, then types `keys`.
  bool type_into_dialog(const std::string& keys, const std::string& screenshot = "") {
    const std::string env = "DISPLAY=" + display_ + " ";
    if (!sh(env + "timeout 30 xdotool search --sync --onlyvisible --name 'Choose photos'"
                  " windowfocus --sync"
                  " >/dev/null 2>&1")) {
      return false;
    }
    sleep(2);
    if (!screenshot.empty()) {
      mkdir(SHOTTIME_ARTIFACTS, 0755);
      const std::string xwd = std::string(SHOTTIME_ARTIFACTS) + "/" + screenshot + ".xwd";
      sh(env + "xwd -root -silent > '" + xwd + "' && (convert '" + xwd + "' '" +
         SHOTTIME_ARTIFACTS + "/" + screenshot + ".png' && rm -f '" + xwd + "') >/dev/null 2>&1");
    }
    return sh(env + "xdotool " + keys + " >/dev/null 2>&1");
  }

  static inline bool tools_found_ = false;
  static inline pid_t xvfb_ = -1;
  static inline std::string display_;
  temp_dir home;
};

const char guidance[] =
    "Use the dialog box to choose file(s)\n"
    "You can use Ctrl+Click & Shift+Click to select multiple files\n";

TEST_F(real_dialog, escape_cancels) {
  running_tool tool = start("");
  ASSERT_TRUE(type_into_dialog("key Escape", "dialog-open"));
  const run_result r = finish_tool(tool, 30);
  EXPECT_EQ(r.out, std::string(guidance) + "Canceled");
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "");
}

TEST_F(real_dialog, every_photo_of_the_pictures_folder) {
  running_tool tool = start("n\n\n");
  ASSERT_TRUE(type_into_dialog("key --clearmodifiers ctrl+a sleep 0.5 key Return"));
  const run_result r = finish_tool(tool, 30);
  EXPECT_EQ(r.out, std::string(guidance) + "Processing...\n\n" +
                       "Change the mod-time(s) to the time-taken? (y/n): \n" +
                       "Displaying time-taken for files...\n\n" +
                       "2021-07-01 12:00:00\tin-pictures-1.jpg\n" +
                       "2021-01-15 08:30:00\tin-pictures-2.JPG\n" +
                       "\n2 files, time-taken available for 2 files\n" +
                       "Press Enter to continue . . . \n");
  EXPECT_EQ(r.exit_code, 0);
}

TEST_F(real_dialog, one_photo_typed_by_name) {
  running_tool tool = start("y\n\n");
  ASSERT_TRUE(type_into_dialog("key --clearmodifiers ctrl+l sleep 0.5 type in-pictures-2.JPG"));
  // Return in the same xdotool call as the typing can arrive before the name's completion is
  // done, and the dialog then stays open.
  sleep(2);
  ASSERT_TRUE(sh("DISPLAY=" + display_ + " xdotool key Return"));
  const run_result r = finish_tool(tool, 30);
  const std::string path = home / "Photos/in-pictures-2.JPG";
  EXPECT_EQ(r.out, std::string(guidance) + "Processing...\n\n" +
                       "Change the mod-time(s) to the time-taken? (y/n): \n" +
                       "Changing mod-times to time-taken for " + path + "\n\n" +
                       "2021-01-15 08:30:00\tin-pictures-2.JPG\n" +
                       "\n1 files, mod-time set to time-taken for 1 files\n" +
                       "Press Enter to continue . . . \n");
  EXPECT_EQ(mod_time_of(path), utc(2021, 1, 15, 8, 30));
}

}  // namespace
