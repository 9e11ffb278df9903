#include "timetaken/load.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "fixtures.h"

namespace {

TEST(report_library_message, frames_the_message_with_the_format_name) {
  ::testing::internal::CaptureStdout();
  report_library_message(FIF_JPEG, "Something\nwent wrong");
  // A code with no plugin behind it, still within the range the enum can hold.
  report_library_message(static_cast<FREE_IMAGE_FORMAT>(50), "odd");
  report_library_message(FIF_UNKNOWN, "none");
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            "\n*** JPEG Format\nSomething\nwent wrong ***\n"
            "\n*** Unknown Format\nodd ***\n"
            "\n*** Unknown Format\nnone ***\n");
}

class load_image_test : public ::testing::Test {
 protected:
  void SetUp() override { FreeImage_SetOutputMessage(report_library_message); }

  // Loads `path` and returns the format it loaded as, or -2 when nothing loaded; `out` receives
  // what was printed meanwhile.
  int load(const std::string& path, std::string& out, int flags = 0) {
    ::testing::internal::CaptureStdout();
    FIBITMAP* image = load_image(path.c_str(), flags);
    out = ::testing::internal::GetCapturedStdout();
    if (image == nullptr) {
      return -2;
    }
    const int bpp = static_cast<int>(FreeImage_GetBPP(image));
    FreeImage_Unload(image);
    return bpp;
  }

  temp_dir dir;
};

TEST_F(load_image_test, content_decides_over_the_name) {
  write_file(dir / "photo.png", plain_jpeg());
  write_file(dir / "image.jpg", image_in_format(FIF_PNG));
  std::string out;
  EXPECT_EQ(load(dir / "photo.png", out), 24);
  EXPECT_EQ(load(dir / "image.jpg", out), 24);
  EXPECT_EQ(out, "");
}

TEST_F(load_image_test, unknown_content_and_name_yield_null_silently) {
  write_file(dir / "notes.txt", "hello");
  write_file(dir / "noext", "hello");
  std::string out;
  EXPECT_EQ(load(dir / "notes.txt", out), -2);
  EXPECT_EQ(out, "");
  EXPECT_EQ(load(dir / "noext", out), -2);
  EXPECT_EQ(out, "");
}

TEST_F(load_image_test, damaged_photo_named_jpg_reports_through_the_hook) {
  write_file(dir / "bad.jpg", "\xFF\xD8\xFF garbage");
  std::string out;
  EXPECT_EQ(load(dir / "bad.jpg", out), -2);
  EXPECT_EQ(out.rfind("\n*** JPEG Format\n", 0), 0u) << out;
  EXPECT_EQ(out.substr(out.size() - 5), " ***\n");
}

TEST_F(load_image_test, folders_and_special_files_are_never_opened) {
  ASSERT_EQ(mkfifo((dir / "pipe.jpg").c_str(), 0644), 0);
  ASSERT_EQ(mkdir((dir / "folder.jpg").c_str(), 0755), 0);
  std::string out;
  EXPECT_EQ(load(dir / "pipe.jpg", out), -2);  // would block for ever if opened
  EXPECT_EQ(out, "");
  EXPECT_EQ(load(dir / "folder.jpg", out), -2);
  EXPECT_EQ(out, "");
}

}  // namespace
